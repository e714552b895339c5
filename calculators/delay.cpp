#include "pictures.h"
#include "tabrows.h"

namespace {

// Rows of the note grid are shaded alternately, the whole note light.
constexpr fw::Color kLightRow = 0xE9ECF4;
constexpr fw::Color kDarkRow = 0xDCE4F9;

// A cell of the note grid: its row gives its top and shade, its column its left.
ControlRow Cell(const char* name, int left, int top, fw::Color shade)
{
    ControlRow row = TabField(name, 3, {left, top, 45, 14});
    row.design.fontSize = 9;
    row.design.backColor = shade;
    row.design.border = false;
    return row;
}

// The unit buttons: lower-case "geneva" 9, as they were drawn.
ControlRow Unit(const char* name, Box box, const char* caption, bool chosen)
{
    ControlRow row = TabLabel(name, 3, box, caption);
    row.cls = ControlClass::RadioButton;
    row.design.fontName = "geneva";
    row.design.fontSize = 9;
    row.design.value = chosen;
    return row;
}

} // namespace

// Tab "Delay": a tempo in; 18 note lengths out, in milliseconds or hertz,
// and back from any one of them.
const std::vector<ControlRow>& DelayRows()
{
    static const std::vector<ControlRow> rows = {
        TabField("tempo3", 3, {166, 205, 48, 18}),
        TabLabel("StaticText11", 3, {34, 207, 74, 17}, "Tempo (BPM) :"),
        Unit("buttonms", {34, 227, 39, 14}, "ms", true),
        Unit("buttonhz", {76, 227, 45, 14}, "hertz", false),
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
