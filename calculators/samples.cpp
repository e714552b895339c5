#include "tabrows.h"
#include "uistrings.h"

namespace {

// The three linked fields are tinted, and a black bracket joins them.
constexpr fw::Color kLinkedField = 0xE9ECF4;

ControlRow LinkedField(const char* name, int top)
{
    ControlRow row = TabField(name, 5, {166, top, 48, 18});
    row.design.backColor = kLinkedField;
    return row;
}

// The bracket's bars and upright are black by class.
ControlRow Bar(const char* name, Box box)
{
    return {.name = name, .cls = ControlClass::Rectangle,
            .design = {.left = box.left, .top = box.top, .width = box.width, .height = box.height, .page = 5,
                       .parent = "TabPanel1"}};
}

} // namespace

// Tab "Samples": a loop's length in samples, in milliseconds and as a tempo,
// for a sample rate and a number of beats.
const std::vector<ControlRow>& SamplesRows()
{
    static const std::vector<ControlRow> rows = {
        TabLabel("StaticText18", 5, {34, 207, 119, 17}, Strings::SAMPLERATE),
        TabField("srate", 5, {166, 205, 48, 18}),
        TabLabel("StaticText19", 5, {34, 232, 125, 17}, Strings::NUMBERBEATS),
        TabField("beats", 5, {166, 230, 48, 18}),
        TabSeparator("Separator5", 5, {30, 258, 192, 4}),
        TabLabel("StaticText21", 5, {34, 274, 120, 18}, Strings::LOOPLENGTH),
        LinkedField("loopl", 272),
        TabLabel("StaticText5", 5, {34, 298, 120, 18}, Strings::LOOPLENGTHMS),
        LinkedField("loopms", 296),
        TabLabel("StaticText20", 5, {34, 322, 120, 18}, "BPM :"),
        LinkedField("tempo5", 320),
        // The bracket: three short bars and the upright joining them.
        Bar("Rectangle1", {157, 279, 10, 3}),
        Bar("Rectangle2", {157, 304, 10, 3}),
        Bar("Rectangle3", {157, 328, 10, 3}),
        Bar("Rectangle4", {157, 279, 3, 52}),
    };
    return rows;
}
