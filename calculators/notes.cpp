#include "tabrows.h"
#include "uistrings.h"

// Tab "Notes": the frequencies of the 128 notes for a reference pitch.
const std::vector<ControlRow>& NotesRows()
{
    static const std::vector<ControlRow> rows = {
        {.name = "StaticText7", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 207, .width = 119, .height = 17, .page = 6, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10},
         .strings = Strings::DIAPASONHZ},
        {.name = "diapason", .cls = ControlClass::EditFieldPlus,
         .design = {.left = 166, .top = 205, .width = 48, .height = 18, .page = 6, .parent = "TabPanel1",
                    .text = "440", .fontName = "Geneva", .fontSize = 10, .useFocusRing = true}},
        // The list has no heading row: these three captions stand above its columns.
        {.name = "StaticText9", .cls = ControlClass::StaticText,
         .design = {.left = 42, .top = 230, .width = 25, .height = 13, .page = 6, .parent = "TabPanel1",
                    .text = "Midi", .fontName = "System", .fontSize = 10}},
        {.name = "StaticText10", .cls = ControlClass::StaticText,
         .design = {.left = 101, .top = 230, .width = 25, .height = 13, .page = 6, .parent = "TabPanel1",
                    .text = "Hz", .fontName = "System", .fontSize = 10}},
        {.name = "StaticText12", .cls = ControlClass::StaticText,
         .design = {.left = 159, .top = 230, .width = 25, .height = 13, .page = 6, .parent = "TabPanel1",
                    .text = "Note", .fontName = "System", .fontSize = 10}},
        {.name = "noteshz", .cls = ControlClass::Listbox,
         .design = {.left = 27, .top = 243, .width = 193, .height = 110, .page = 6, .parent = "TabPanel1",
                    .fontSize = 10, .useFocusRing = true, .columnCount = 3}},
    };
    return rows;
}
