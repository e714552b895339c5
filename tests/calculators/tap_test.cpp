// The Tap tab, tapped as a user does, on a clock the test sets.

#include "simuser.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// tempo4's text and style: "bold red" once steady, "plain" (black) otherwise.
std::string Tempo4(SimUser& user)
{
    const auto& t = user.Get<fw::StaticText>("tempo4");
    return t.Text() + (t.Bold() && t.TextColor() == 0xFF0000 ? "bold red" : !t.Bold() && !t.TextColor() ? "plain" : "mixed");
}

// After each tap the copy button is clicked: it copies the tempo shown, not
// the steady one held, and nothing while none shows.
TEST(TapTab, HalfSecondTapsThenAPause)
{
    // Tap times in ticks, then tempo4 and the steady tempo held (rounded down) after each tap.
    const std::tuple<std::int32_t, const char*, std::int32_t> taps[] = {
        {1000, "plain", 0}, {1030, "plain", 0}, {1060, "120 plain", 120}, {1090, "120 plain", 120},
        {1120, "120 plain", 120}, {1150, "120 plain", 120}, {1180, "120 bold red", 120}, {1212, "119 bold red", 118},
        // After the pause the old reading stays, in its old style, for two taps.
        {1842, "119 bold red", 0}, {1872, "119 bold red", 0}, {1902, "120 plain", 120},
    };
    SimUser user;
    user.Start();
    user.TypeInto("tempo1", "96");
    user.ChooseTab("Tap");
    std::int32_t last = 0;
    for (auto [tick, tempo4, held] : taps) {
        SCOPED_TRACE("tap at " + std::to_string(tick));
        user.AdvanceClock(tick - std::exchange(last, tick));
        user.Click("TapButton");
        EXPECT_EQ(Tempo4(user) + " " + std::to_string(user.Window().tempstable), tempo4 + (" " + std::to_string(held)));
        user.Click("TapCopy");
        // Nothing shown copies nothing: the 96 typed stays.
        EXPECT_DOUBLE_EQ(user.Window().tempoglobal, *tempo4 == 'p' ? 96 : std::stod(tempo4));
    }
}

TEST(TapTab, ShowsTheMeanOfTheCountingGapsRoundedUpFromTheThirdTap)
{
    // Runs of taps, {gap, count}, from a fresh start.
    struct Row { const char* name; std::vector<std::pair<std::int32_t, int>> taps; const char* tempo4; };
    const Row rows[] = {
        {"gaps of 32 ticks", {{32, 3}}, "113 plain"},
        {"the slowest gap that counts", {{119, 3}}, "31 plain"},
        {"two seconds is a pause", {{120, 6}}, "plain"},
        // Six gaps of 30 and one of 15: 129.2... BPM, more than 2 away.
        {"the first unsteady reading turns plain", {{30, 7}, {15, 1}}, "130 plain"},
        // 33 stamps: one gap of 100 and 31 of 30, a mean of 32.1875 ticks.
        {"at most 32 gaps count", {{100, 2}, {30, 31}}, "112 bold red"},
        {"the oldest gap drops out", {{100, 2}, {30, 32}}, "120 plain"},
        // The third tap finds the first 361 ticks old: the history is cleared but
        // the two newest stamps stay, so gaps of 100 and 19 count; 261 is a pause.
        {"forgetting the series keeps its last two taps", {{1000, 1}, {100, 1}, {261, 1}, {19, 1}}, "61 plain"},
        // The pause forgets the series; then every gap held is 0.
        // The third tap finds the counter wrapped to its most negative values.
        {"the clock wraps between two taps", {{0x7FFFFFFF - 40, 1}, {30, 2}}, "120 plain"},
        {"taps within one tick are no reading", {{30, 7}, {400, 1}, {0, 2}}, "120 bold red"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SimUser user;
        user.Start();
        user.ChooseTab("Tap");
        for (auto [gap, count] : r.taps)
            for (int i = 0; i < count; ++i) {
                user.AdvanceClock(gap);
                user.Click("TapButton");
            }
        EXPECT_EQ(Tempo4(user), r.tempo4);
    }
}

} // namespace
