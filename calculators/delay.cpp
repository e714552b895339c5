#include "pictures.h"
#include "tabrows.h"

namespace {

// Rows of the note grid are shaded alternately, the whole note light.
constexpr fw::Color kLightRow = 0xE9ECF4;
constexpr fw::Color kDarkRow = 0xDCE4F9;

// A cell of the note grid: its row gives its top and shade, its column its left.
ControlRow Cell(const char* name, int left, int top, fw::Color shade)
{
    return {.name = name, .cls = ControlClass::EditFieldPlus,
            .design = {.left = left, .top = top, .width = 45, .height = 14, .page = 3, .parent = "TabPanel1",
                       .fontName = "Geneva", .fontSize = 9, .backColor = shade, .border = false,
                       .useFocusRing = true}};
}

} // namespace

// Tab "Delay": a tempo in; 18 note lengths out, in milliseconds or hertz,
// and back from any one of them.
const std::vector<ControlRow>& DelayRows()
{
    static const std::vector<ControlRow> rows = {
        {.name = "tempo3", .cls = ControlClass::EditFieldPlus,
         .design = {.left = 166, .top = 205, .width = 48, .height = 18, .page = 3, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .useFocusRing = true}},
        {.name = "StaticText11", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 207, .width = 74, .height = 17, .page = 3, .parent = "TabPanel1",
                    .text = "Tempo (BPM) :", .fontName = "Geneva", .fontSize = 10}},
        {.name = "buttonms", .cls = ControlClass::RadioButton,
         .design = {.left = 34, .top = 227, .width = 39, .height = 14, .page = 3, .parent = "TabPanel1",
                    .text = "ms", .fontName = "geneva", .fontSize = 9, .value = true}},
        {.name = "buttonhz", .cls = ControlClass::RadioButton,
         .design = {.left = 76, .top = 227, .width = 45, .height = 14, .page = 3, .parent = "TabPanel1",
                    .text = "hertz", .fontName = "geneva", .fontSize = 9, .value = false}},
        // Created before the cells, so they lie over the picture that labels them.
        {.name = "Canvas4", .cls = ControlClass::Canvas,
         .design = {.left = 32, .top = 247, .width = 193, .height = 105, .page = 3, .parent = "TabPanel1",
                    .useFocusRing = true},
         .picture = Notes},
        // Whole to thirty-second note, top down; plain, dotted, triplet, left to right.
        Cell("note1", 50, 250, kLightRow), Cell("note2", 113, 250, kLightRow), Cell("note3", 177, 250, kLightRow),
        Cell("note4", 50, 268, kDarkRow), Cell("note5", 113, 268, kDarkRow), Cell("note6", 177, 268, kDarkRow),
        Cell("note7", 50, 285, kLightRow), Cell("note8", 113, 285, kLightRow), Cell("note9", 177, 285, kLightRow),
        Cell("note10", 50, 303, kDarkRow), Cell("note11", 113, 303, kDarkRow), Cell("note12", 177, 303, kDarkRow),
        Cell("note13", 50, 320, kLightRow), Cell("note14", 113, 320, kLightRow), Cell("note15", 177, 320, kLightRow),
        Cell("note16", 50, 337, kDarkRow), Cell("note17", 113, 337, kDarkRow), Cell("note18", 177, 337, kDarkRow),
    };
    return rows;
}
