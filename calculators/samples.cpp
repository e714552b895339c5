#include "tabrows.h"
#include "uistrings.h"

namespace {

// The three linked fields are tinted, and a black bracket joins them.
constexpr fw::Color kLinkedField = 0xE9ECF4;

} // namespace

// Tab "Samples": a loop's length in samples, in milliseconds and as a tempo,
// for a sample rate and a number of beats.
const std::vector<ControlRow>& SamplesRows()
{
    static const std::vector<ControlRow> rows = {
        {.name = "StaticText18", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 207, .width = 119, .height = 17, .page = 5, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10},
         .strings = Strings::SAMPLERATE},
        {.name = "srate", .cls = ControlClass::EditFieldPlus,
         .design = {.left = 166, .top = 205, .width = 48, .height = 18, .page = 5, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .useFocusRing = true}},
        {.name = "StaticText19", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 232, .width = 125, .height = 17, .page = 5, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10},
         .strings = Strings::NUMBERBEATS},
        {.name = "beats", .cls = ControlClass::EditFieldPlus,
         .design = {.left = 166, .top = 230, .width = 48, .height = 18, .page = 5, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .useFocusRing = true}},
        {.name = "Separator5", .cls = ControlClass::Separator,
         .design = {.left = 30, .top = 258, .width = 192, .height = 4, .page = 5, .parent = "TabPanel1"}},
        {.name = "StaticText21", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 274, .width = 120, .height = 18, .page = 5, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10},
         .strings = Strings::LOOPLENGTH},
        {.name = "loopl", .cls = ControlClass::EditFieldPlus,
         .design = {.left = 166, .top = 272, .width = 48, .height = 18, .page = 5, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .backColor = kLinkedField, .useFocusRing = true}},
        {.name = "StaticText5", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 298, .width = 120, .height = 18, .page = 5, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10},
         .strings = Strings::LOOPLENGTHMS},
        {.name = "loopms", .cls = ControlClass::EditFieldPlus,
         .design = {.left = 166, .top = 296, .width = 48, .height = 18, .page = 5, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .backColor = kLinkedField, .useFocusRing = true}},
        {.name = "StaticText20", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 322, .width = 120, .height = 18, .page = 5, .parent = "TabPanel1",
                    .text = "BPM :", .fontName = "Geneva", .fontSize = 10}},
        {.name = "tempo5", .cls = ControlClass::EditFieldPlus,
         .design = {.left = 166, .top = 320, .width = 48, .height = 18, .page = 5, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .backColor = kLinkedField, .useFocusRing = true}},
        // The bracket: three short bars and the upright joining them, black by class.
        {.name = "Rectangle1", .cls = ControlClass::Rectangle,
         .design = {.left = 157, .top = 279, .width = 10, .height = 3, .page = 5, .parent = "TabPanel1"}},
        {.name = "Rectangle2", .cls = ControlClass::Rectangle,
         .design = {.left = 157, .top = 304, .width = 10, .height = 3, .page = 5, .parent = "TabPanel1"}},
        {.name = "Rectangle3", .cls = ControlClass::Rectangle,
         .design = {.left = 157, .top = 328, .width = 10, .height = 3, .page = 5, .parent = "TabPanel1"}},
        {.name = "Rectangle4", .cls = ControlClass::Rectangle,
         .design = {.left = 157, .top = 279, .width = 3, .height = 52, .page = 5, .parent = "TabPanel1"}},
    };
    return rows;
}
