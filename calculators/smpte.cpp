#include "smpte.h"

#include "globalprefs.h"
#include "tabrows.h"
#include "text.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPage = 7;

// An input of a time code: hours, minutes and seconds are 28 wide, frames 44.
ControlRow CodeField(const char* name, int left, int top, int width = 28)
{
    ControlRow row = TabField(name, kPage, {left, top, width, 18}, "0");
    row = Bind(std::move(row), "LostFocus", On<&Cadenzo::SMPTEcode_LostFocus>(name));
    return Bind(std::move(row), "TextChange", On<&Cadenzo::SMPTEcode_TextChange>());
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
        Bind(Popup("SMPTEformat", {87, 206, 126, 20}, {"24 fps", "25 fps", "29.97 fps", "30 fps"}), "Change",
             On<&Cadenzo::SMPTEformat_Change>()),

        // The first code.
        CodeField("H1", 34, 235), Unit("StaticText14", 65, 237, "h"),
        CodeField("M1", 75, 235), Unit("StaticText15", 106, 237, "m"),
        CodeField("S1", 118, 235), Unit("StaticText16", 149, 237, "s"),
        CodeField("F1", 158, 235, 44), Unit("StaticText17", 205, 237, "f"),

        // Each item is a blank and a sign.
        Bind(Popup("operateur", {97, 262, 50, 20}, {" +", " -"}), "Change", On<&Cadenzo::operateur_Change>()),

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

double FrameRate(int listIndex)
{
    switch (listIndex) {
    case 1: return 25;
    case 2: return 29.97;
    case 3: return 30;
    default: return 24;
    }
}

double CodeFrames(double hours, double minutes, double seconds, double frames, double rate)
{
    return ((hours * 60) * 60) * rate + (minutes * 60) * rate + seconds * rate + frames;
}

bool Countable(double frames)
{
    // Beyond this the rounding noise of a sum reaches the hundredths of a frame.
    constexpr double kMostFrames = 4398046511104.0; // 2^42
    return std::fabs(frames) <= kMostFrames;
}

double TotalSeconds(double a, double b, double total, double rate)
{
    const double seconds = total / rate;
    const double whole = std::round(seconds);
    // A few units in the last place of the longer code, in seconds.
    const double noise = std::max(1e-9, 1e-15 * (std::fabs(a) + std::fabs(b)) / rate);
    return std::fabs(seconds - whole) <= noise ? whole : seconds;
}

ClockParts SplitSeconds(double seconds)
{
    const auto wholeSeconds = static_cast<std::int64_t>(seconds);
    const double minutes = seconds / 60;
    const auto wholeMinutes = static_cast<std::int64_t>(minutes);
    return {.seconds = static_cast<std::int32_t>(wholeSeconds % 60),
            .minutes = static_cast<std::int32_t>(wholeMinutes % 60),
            .hours = fw::Floor(minutes / 60)};
}

namespace {

// Hours, minutes and seconds are read with Val, frames with CDbl.
double CodeNumber(const class Cadenzo& window, const char* name)
{
    const std::string& text = window.Field(name).Text();
    return name[0] == 'F' ? fw::CDbl(text) : fw::Val(text);
}

double ReadCode(const class Cadenzo& window, const char* h, const char* m, const char* s, const char* f,
                double rate)
{
    return CodeFrames(CodeNumber(window, h), CodeNumber(window, m), CodeNumber(window, s),
                      CodeNumber(window, f), rate);
}

} // namespace

void Cadenzo::SMPTEformat_Change()
{
    GlobalPrefs::SMPTEpopup = fw::ControlAs<fw::PopupMenu>(*this, "SMPTEformat").ListIndex();
    smpte();
}

void Cadenzo::operateur_Change() { smpte(); }

// H1_TextChange, M1_TextChange, S1_TextChange, F1_TextChange,
// H2_TextChange, M2_TextChange, S2_TextChange, F2_TextChange.
void Cadenzo::SMPTEcode_TextChange() { smpte(); }

// H1_LostFocus … F1_LostFocus, H2_LostFocus … F2_LostFocus: the field left
// shows the number it was read as; only the result is normalised.
void Cadenzo::SMPTEcode_LostFocus(const char* name) { Field(name).SetText(fw::Str(CodeNumber(*this, name))); }

void Cadenzo::smpte()
{
    const double rate = FrameRate(fw::ControlAs<fw::PopupMenu>(*this, "SMPTEformat").ListIndex());
    const double a = ReadCode(*this, "H1", "M1", "S1", "F1", rate);
    const double b = ReadCode(*this, "H2", "M2", "S2", "F2", rate);
    const double total = fw::ControlAs<fw::PopupMenu>(*this, "operateur").ListIndex() == 0 ? a + b : a - b;
    fw::StaticText& s3 = Label("S3");
    fw::StaticText& m3 = Label("M3");
    fw::StaticText& h3 = Label("H3");
    fw::StaticText& f3 = Label("F3");

    if (!Countable(a) || !Countable(b) || !Countable(total)) {
        // Too long to count to the hundredth of a frame: no code to show.
        s3.SetText("");
        m3.SetText("");
        h3.SetText("");
        f3.SetText("");
        return;
    }
    // A negative total shows its length like a positive one, with a minus
    // sign before the hours.
    const double seconds = TotalSeconds(a, b, total, rate);
    const ClockParts clock = SplitSeconds(fw::Abs(seconds));
    s3.SetText(fw::Str(clock.seconds));
    m3.SetText(fw::Str(clock.minutes));
    std::string hours = seconds < 0 ? "-" : "";
    hours += fw::Str(clock.hours);
    h3.SetText(hours);
    // The frames left over are what the part shown does not cover.
    const double shown = CodeFrames(fw::Abs(fw::Val(h3.Text())), fw::Val(m3.Text()), fw::Val(s3.Text()), 0, rate);
    f3.SetText(fw::Format(fw::Abs(total) - shown, "###.00"));
}
