#include "tabrows.h"
#include "uistrings.h"

// Tab "Tempo": two tempos in; the time stretch and the transposition out.
const std::vector<ControlRow>& TempoRows()
{
    static const std::vector<ControlRow> rows = {
        {.name = "StaticText1", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 207, .width = 112, .height = 16, .page = 1, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10},
         .strings = Strings::ORIGINALTEMPO},
        {.name = "tempo1", .cls = ControlClass::EditFieldPlus,
         .design = {.left = 166, .top = 205, .width = 48, .height = 18, .page = 1, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .useFocusRing = true, .autoDeactivate = false}},
        {.name = "StaticText2", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 232, .width = 110, .height = 16, .page = 1, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10},
         .strings = Strings::NEWTEMPO},
        {.name = "tempo2", .cls = ControlClass::EditFieldPlus,
         .design = {.left = 166, .top = 229, .width = 48, .height = 18, .page = 1, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .useFocusRing = true}},
        {.name = "Separator1", .cls = ControlClass::Separator,
         .design = {.left = 30, .top = 252, .width = 192, .height = 4, .page = 1, .parent = "TabPanel1"}},
        {.name = "StaticText3", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 263, .width = 86, .height = 16, .page = 1, .parent = "TabPanel1",
                    .text = "Time Stretching :", .fontName = "Geneva", .fontSize = 10}},
        {.name = "time1", .cls = ControlClass::StaticText,
         .design = {.left = 159, .top = 263, .width = 52, .height = 16, .page = 1, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .align = fw::Align::Right}},
        {.name = "StaticText4", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 285, .width = 86, .height = 16, .page = 1, .parent = "TabPanel1",
                    .text = "Transpose :", .fontName = "Geneva", .fontSize = 10}},
        {.name = "transpose1", .cls = ControlClass::StaticText,
         .design = {.left = 128, .top = 285, .width = 83, .height = 16, .page = 1, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .align = fw::Align::Right}},
        {.name = "transpose3", .cls = ControlClass::StaticText,
         .design = {.left = 96, .top = 311, .width = 115, .height = 16, .page = 1, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .align = fw::Align::Right}},
    };
    return rows;
}
