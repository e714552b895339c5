#include "tabrows.h"
#include "uistrings.h"

namespace {

// The list has no heading row: these captions stand above its columns.
ControlRow Caption(const char* name, int left, const char* text)
{
    ControlRow row = TabLabel(name, 6, {left, 230, 25, 13}, text);
    row.design.fontName = "System";
    return row;
}

} // namespace

// Tab "Notes": the frequencies of the 128 notes for a reference pitch.
const std::vector<ControlRow>& NotesRows()
{
    static const std::vector<ControlRow> rows = {
        TabLabel("StaticText7", 6, {34, 207, 119, 17}, Strings::DIAPASONHZ),
        TabField("diapason", 6, {166, 205, 48, 18}, "440"),
        Caption("StaticText9", 42, "Midi"),
        Caption("StaticText10", 101, "Hz"),
        Caption("StaticText12", 159, "Note"),
        {.name = "noteshz", .cls = ControlClass::Listbox,
         .design = {.left = 27, .top = 243, .width = 193, .height = 110, .page = 6, .parent = "TabPanel1",
                    .fontSize = 10, .useFocusRing = true, .columnCount = 3}},
    };
    return rows;
}
