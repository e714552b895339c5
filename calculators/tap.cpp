#include "tabrows.h"
#include "uistrings.h"

// Tab "Tap": a tempo tapped on the pad or the space bar.
const std::vector<ControlRow>& TapRows()
{
    static const std::vector<ControlRow> rows = {
        TabLabel("item", 4, {34, 207, 74, 17}, "Tempo (BPM) :"),
        TabResult("tempo4", 4, {147, 207, 66, 16}),
        TabSeparator("Separator4", 4, {30, 231, 192, 4}),
        // Takes no focus, so the space bar keeps tapping after a click on the pad.
        {.name = "TapButton", .cls = ControlClass::BevelButton,
         .design = {.left = 33, .top = 246, .width = 189, .height = 35, .page = 4, .parent = "TabPanel1",
                    .text = "Tap", .fontName = "Geneva", .fontSize = 16, .bold = true}},
        {.name = "TapCopy", .cls = ControlClass::PushButton,
         .design = {.left = 34, .top = 307, .width = 188, .height = 20, .page = 4, .parent = "TabPanel1",
                    .isDefault = false},
         .strings = Strings::TAPCOPYGLOBAL},
    };
    return rows;
}
