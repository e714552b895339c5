#include "tabrows.h"
#include "uistrings.h"

// Tab "Tap": a tempo tapped on the pad or the space bar.
const std::vector<ControlRow>& TapRows()
{
    static const std::vector<ControlRow> rows = {
        {.name = "item", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 207, .width = 74, .height = 17, .page = 4, .parent = "TabPanel1",
                    .text = "Tempo (BPM) :", .fontName = "Geneva", .fontSize = 10}},
        {.name = "tempo4", .cls = ControlClass::StaticText,
         .design = {.left = 147, .top = 207, .width = 66, .height = 16, .page = 4, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .align = fw::Align::Right}},
        {.name = "Separator4", .cls = ControlClass::Separator,
         .design = {.left = 30, .top = 231, .width = 192, .height = 4, .page = 4, .parent = "TabPanel1"}},
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
