#include "system.h"
#include "tabrows.h"
#include "text.h"
#include "uistrings.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace {

using TapStamps = std::array<std::int32_t, 33>;

constexpr std::int32_t kForgetAfter = 360;  // ticks (6 s) before a series is forgotten
constexpr std::int32_t kPause = 120;        // ticks (2 s): a gap this long is a pause, not a beat
constexpr double kTicksPerMinute = 3600;
constexpr double kSteadyWithin = 2;         // BPM from the previous reading
constexpr std::int32_t kSteadyReadings = 3; // in a row, before the reading is marked steady
constexpr fw::Color kSteadyColor = 0xFF0000;
constexpr fw::Color kPlainColor = 0x000000;

// Ticks from one stamp to a later one, wrapping as the counter does, so a
// gap is never an overflow.
std::int32_t TicksBetween(std::int32_t earlier, std::int32_t later)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(later) - static_cast<std::uint32_t>(earlier));
}

// Beats per minute from the mean of the gaps between held taps that are not
// pauses; 0, no reading, below two such gaps.
double Reading(const TapStamps& stamps)
{
    double sum = 0.0;
    std::int32_t gaps = 0;
    for (std::size_t i = 0; i + 1 < stamps.size(); ++i) {
        if (stamps[i] == 0 || stamps[i + 1] == 0)
            continue;
        std::int32_t gap = TicksBetween(stamps[i], stamps[i + 1]);
        if (gap < kPause) {
            sum += gap;
            ++gaps;
        }
    }
    // Taps within one tick give gaps of 0, from which no tempo can be read.
    if (gaps <= 1 || sum == 0)
        return 0.0;
    return kTicksPerMinute / (sum / gaps);
}

} // namespace

// Tab "Tap": a tempo tapped on the pad or the space bar.
const std::vector<ControlRow>& TapRows()
{
    static const std::vector<ControlRow> rows = {
        TabLabel("item", 4, {34, 207, 74, 17}, "Tempo (BPM) :"),
        TabResult("tempo4", 4, {147, 207, 66, 16}),
        TabSeparator("Separator4", 4, {30, 231, 192, 4}),
        // Takes no focus, so the space bar keeps tapping after a click on the pad.
        Bind({.name = "TapButton", .cls = ControlClass::BevelButton,
              .design = {.left = 33, .top = 246, .width = 189, .height = 35, .page = 4, .parent = "TabPanel1",
                         .text = "Tap", .fontName = "Geneva", .fontSize = 16, .bold = true}},
             "Action", On<&Cadenzo::TapButton_Action>()),
        Bind({.name = "TapCopy", .cls = ControlClass::PushButton,
              .design = {.left = 34, .top = 307, .width = 188, .height = 20, .page = 4, .parent = "TabPanel1",
                         .isDefault = false},
              .strings = Strings::TAPCOPYGLOBAL},
             "MouseDown", On<&Cadenzo::TapCopy_MouseDown>()),
    };
    return rows;
}

void Cadenzo::TapButton_Action() { taptempo(); }

// Copies as the button goes down; the tempo shown is the rounded-up one.
bool Cadenzo::TapCopy_MouseDown(int /*x*/, int /*y*/)
{
    if (fw::CDbl(Label("tempo4").Text()) != 0)
        tempoglobal = fw::CDbl(Label("tempo4").Text());
    return false;
}

void Cadenzo::taptempo()
{
    TapStamps& stamps = *taptimer;
    const std::int32_t now = fw::Ticks();
    // Index 32 still holds the previous tap: the series is forgotten when the
    // tap before that one is more than six seconds old.
    if (stamps[31] != 0 && TicksBetween(stamps[31], now) > kForgetAfter)
        std::fill(stamps.begin(), stamps.begin() + 31, 0);
    std::copy(stamps.begin() + 1, stamps.end(), stamps.begin());
    stamps[32] = now;

    const double bpm = Reading(stamps);
    if (fw::Abs(bpm - tempstable) > kSteadyWithin)
        countstable = 0;
    else if (countstable < std::numeric_limits<std::int32_t>::max())
        ++countstable;
    tempstable = fw::ToInteger(bpm);

    // No reading leaves the last one on screen as it was.
    if (bpm > 0) {
        fw::StaticText& tempo4 = Label("tempo4");
        tempo4.SetText(fw::Str(fw::Ceil(bpm)) + " ");
        const bool steady = countstable > kSteadyReadings;
        tempo4.SetBold(steady);
        tempo4.SetTextColor(steady ? kSteadyColor : kPlainColor);
    }
}
