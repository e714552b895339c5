// The Tap tab, tapped as a user does, on a clock the test sets.

#include "simuser.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// tempo4's text and style: "bold red" once steady, "plain" (black) otherwise.
std::string Tempo4(SimUser& user)
{
    const auto& t = user.Get<fw::StaticText>("tempo4");
    return t.Text() + (t.Bold() && t.TextColor() == 0xFF0000 ? "bold red" : !t.Bold() && !t.TextColor() ? "plain" : "mixed");
}

TEST(TapTab, ShowsTheMeanOfTheCountingGapsFromTheThirdTapBoldRedOnceSteadyAndCopiesWhatShows)
{
    // Runs of taps, {gap, count}, from a fresh start; then tempo4, and the steady tempo held (rounded down).
    struct Row { const char* name; std::vector<std::pair<std::int32_t, int>> taps; const char* tempo4; std::int32_t held; };
    const Row rows[] = {
        {"two taps are no reading", {{30, 2}}, "plain", 0},
        {"gaps of 32 ticks", {{32, 3}}, "113 plain", 112},
        {"the slowest gap that counts", {{119, 3}}, "31 plain", 30},
        {"two seconds is a pause", {{120, 6}}, "plain", 0},
        // Steady once four readings in a row are within 2 BPM of the one before.
        {"six half-second taps", {{30, 6}}, "120 plain", 120},
        {"seven half-second taps", {{30, 7}}, "120 bold red", 120},
        {"shown rounded up, held rounded down", {{30, 7}, {32, 1}}, "119 bold red", 118},
        // After a pause the old reading stays, in its old style, for two taps.
        {"a pause, then a tap", {{30, 7}, {32, 1}, {630, 1}, {30, 1}}, "119 bold red", 0},
        {"a pause, then two taps", {{30, 7}, {32, 1}, {630, 1}, {30, 2}}, "120 plain", 120},
        // Six gaps of 30 and one of 15: 129.2... BPM, more than 2 away.
        {"the first unsteady reading turns plain", {{30, 7}, {15, 1}}, "130 plain", 129},
        // 33 stamps: one gap of 100 and 31 of 30, a mean of 32.1875 ticks.
        {"at most 32 gaps count", {{100, 2}, {30, 31}}, "112 bold red", 111},
        {"the oldest gap drops out", {{100, 2}, {30, 32}}, "120 plain", 120},
        // The third tap finds the first 361 ticks old: the history is cleared but
        // the two newest stamps stay, so gaps of 100 and 19 count; 261 is a pause.
        {"forgetting the series keeps its last two taps", {{1000, 1}, {100, 1}, {261, 1}, {19, 1}}, "61 plain", 60},
        // The pause forgets the series; then every gap held is 0.
        // The third tap finds the counter wrapped to its most negative values.
        {"the clock wraps between two taps", {{0x7FFFFFFF - 40, 1}, {30, 2}}, "120 plain", 120},
        {"taps within one tick are no reading", {{30, 7}, {400, 1}, {0, 2}}, "120 bold red", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SimUser user;
        user.Start();
        user.TypeInto("tempo1", "96");
        user.ChooseTab("Tap");
        for (auto [gap, count] : r.taps)
            for (int i = 0; i < count; ++i) {
                user.AdvanceClock(gap);
                user.Click("TapButton");
            }
        EXPECT_EQ(Tempo4(user) + " " + std::to_string(user.Window().tempstable), r.tempo4 + (" " + std::to_string(r.held)));
        // The copy button copies the tempo shown, not the one held; nothing shown copies nothing: the 96 typed stays.
        user.Click("TapCopy");
        EXPECT_DOUBLE_EQ(user.Window().tempoglobal, *r.tempo4 == 'p' ? 96 : std::stod(r.tempo4));
    }
}

} // namespace
