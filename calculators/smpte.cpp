#include "tabrows.h"

namespace {

constexpr int kPage = 7;

// An input of a time code: hours, minutes and seconds are 28 wide, frames 44.
ControlRow CodeField(const char* name, int left, int top, int width = 28)
{
    return TabField(name, kPage, {left, top, width, 18}, "0");
}

// The unit after a field: "h", "m", "s" or "f".
ControlRow Unit(const char* name, int left, int top, const char* unit)
{
    return TabLabel(name, kPage, {left, top, 10, 17}, unit);
}

ControlRow Popup(const char* name, Box box, std::vector<std::string> items)
{
    return {.name = name, .cls = ControlClass::PopupMenu,
            .design = {.left = box.left, .top = box.top, .width = box.width, .height = box.height, .page = kPage,
                       .parent = "TabPanel1", .fontSize = 10, .items = std::move(items), .listIndex = 0}};
}

} // namespace

// Tab "SMPTE": the sum or difference of two time codes, normalised.
const std::vector<ControlRow>& SMPTERows()
{
    static const std::vector<ControlRow> rows = {
        TabLabel("StaticText13", kPage, {34, 207, 60, 17}, "Format :"),
        Popup("SMPTEformat", {87, 206, 126, 20}, {"24 fps", "25 fps", "29.97 fps", "30 fps"}),

        // The first code.
        CodeField("H1", 34, 235), Unit("StaticText14", 65, 237, "h"),
        CodeField("M1", 75, 235), Unit("StaticText15", 106, 237, "m"),
        CodeField("S1", 118, 235), Unit("StaticText16", 149, 237, "s"),
        CodeField("F1", 158, 235, 44), Unit("StaticText17", 205, 237, "f"),

        // Each item is a blank and a sign.
        Popup("operateur", {97, 262, 50, 20}, {" +", " -"}),

        // The second code.
        CodeField("H2", 34, 290), Unit("StaticText22", 65, 292, "h"),
        CodeField("M2", 75, 290), Unit("StaticText23", 106, 292, "m"),
        CodeField("S2", 118, 290), Unit("StaticText24", 149, 292, "s"),
        CodeField("F2", 158, 290, 44), Unit("StaticText25", 205, 292, "f"),

        // The result, on a tinted band under the "=" sign.
        {.name = "Rectangle5", .cls = ControlClass::Rectangle,
         .design = {.left = 34, .top = 330, .width = 181, .height = 22, .page = kPage, .parent = "TabPanel1",
                    .fillColor = 0xE9ECF4, .borderWidth = 1, .borderColor = 0x000000}},
        Unit("StaticText26", 66, 333, "h"),
        Unit("StaticText27", 107, 333, "m"),
        Unit("StaticText28", 149, 333, "s"),
        Unit("StaticText29", 205, 333, "f"),
        [] {
            ControlRow row = TabLabel("StaticText30", kPage, {116, 311, 10, 17}, "=");
            row.design.fontSize = 12;
            row.design.bold = true;
            return row;
        }(),
        TabResult("H3", kPage, {34, 333, 28, 17}, "0"),
        TabResult("M3", kPage, {75, 333, 28, 17}, "0"),
        TabResult("S3", kPage, {118, 333, 28, 17}, "0"),
        TabResult("F3", kPage, {157, 333, 44, 17}, "0.00"),
    };
    return rows;
}
