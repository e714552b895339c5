// Choosing tabs, and the window's opening, closing and keys, as a user meets
// them: the tempo carried from tab to tab, the focus ready to type over, the
// space bar tapping on the Tap tab alone, the tab and rates kept across runs.

#include "simuser.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

void ExpectFocusedAndSelected(SimUser& user, const std::string& name)
{
    EXPECT_EQ(user.FocusedName(), name);
    const auto& field = user.Get<fw::EditField>(name);
    EXPECT_EQ(field.SelStart(), 0) << name;
    EXPECT_EQ(field.SelLength(), static_cast<int>(field.Text().size())) << name;
}

TEST(TabSwitching, TheTempoTypedOnOneTabIsReadyOnTheNextAndNoTempoEmptiesTempoAndDelay)
{
    SimUser user;
    user.Start();
    user.TypeInto("tempo1", "120");
    user.TypeInto("tempo2", "140");

    user.ChooseTab("Delay");
    EXPECT_EQ(user.Text("tempo3"), "120");
    ExpectFocusedAndSelected(user, "tempo3");
    EXPECT_EQ(user.Text("note1") + " " + user.Text("note18"), "2000.00 41.67");

    user.ChooseTab("Samples");
    EXPECT_EQ(user.Text("tempo5"), "120");
    EXPECT_EQ(user.Text("loopl") + " " + user.Text("loopms"), "88200 2000");
    ExpectFocusedAndSelected(user, "loopl");

    // A tempo worked out from a cell goes back to the Tempo tab and its results.
    user.ChooseTab("Delay");
    user.TypeInto("note7", "333");
    user.ChooseTab("Tempo");
    EXPECT_EQ(user.Text("tempo1"), "180.18");
    ExpectFocusedAndSelected(user, "tempo1");
    EXPECT_EQ(user.Text("time1"), "128.70%");

    // tempo3 already holds "180.18": the tab's own run still rewrites the cell typed into.
    user.ChooseTab("Delay");
    EXPECT_EQ(user.Text("tempo3"), "180.18");
    EXPECT_EQ(user.Text("note7"), "333.00");

    // No tempo carried: Tempo and Delay empty their field, Samples keeps its own.
    user.ChooseTab("Samples");
    user.TypeInto("tempo5", "100");
    user.ChooseTab("Tempo");
    user.TypeInto("tempo1", "");
    user.ChooseTab("Delay");
    EXPECT_EQ(user.Text("tempo3") + user.Text("note1"), "");
    user.ChooseTab("Samples");
    EXPECT_EQ(user.Text("tempo5"), "100");
    user.ChooseTab("Tempo");
    EXPECT_EQ(user.Text("tempo1") + user.Text("time1"), "");

    // A tempo too large for a Double is carried as the "INF" it shows.
    user.TypeInto("tempo1", std::string(400, '9'));
    user.ChooseTab("Delay");
    EXPECT_EQ(user.Text("tempo3") + user.Text("note1") + user.Text("note18"), "INF");
    user.ChooseTab("Tempo");
    EXPECT_EQ(user.Text("tempo1"), "INF");
}

// Three presses half a second apart on the Tap tab show 120; three a third
// of a second apart on the Notes tab change nothing.
TEST(TabSwitching, TheSpaceBarTapsOnTheTapTabAlone)
{
    SimUser user;
    user.Start();
    for (auto [tab, gap] : {std::pair("Tap", 30), std::pair("Notes", 20)}) {
        user.ChooseTab(tab);
        for (int tap = 0; tap < 3; ++tap) {
            user.AdvanceClock(gap);
            user.PressKey(" ");
        }
    }
    user.ChooseTab("Tap");
    EXPECT_EQ(user.Text("tempo4"), "120 ");
}

// Each tab left, and the program quit by the menu or the close box: it reopens
// on that tab, where it was left, with the rate, beats and frame rate chosen before.
TEST(TabSwitching, TheProgramReopensOnTheTabPlaceRateBeatsAndFrameRateLeft)
{
    SimUser user;
    user.Start();
    user.ChooseTab("Samples");
    user.TypeInto("srate", "48000");
    user.TypeInto("beats", "8");
    user.ChooseTab("SMPTE");
    user.ChoosePopupItem("SMPTEformat", "30 fps");
    user.MoveWindow("Cadenzo", 150, 120);
    const struct { const char* tab; int index; const char* focus; } rows[] = {
        {"Tempo", 0, "tempo1"}, {"Transpose", 1, "transpose2"}, {"Delay", 2, "tempo3"}, {"Tap", 3, ""},
        {"Samples", 4, "loopl"}, {"Notes", 5, "noteshz"},       {"SMPTE", 6, "H1"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.tab);
        user.ChooseTab(r.tab);
        r.index % 2 == 0 ? user.Quit() : user.CloseWindow();
        EXPECT_FALSE(user.Running());
        const auto stored = user.PrefsFileValues();
        EXPECT_EQ((std::array{stored[0], stored[1], stored[4], stored[7]}), (std::array{150, 120, r.index, 3}));
        user.Restart();
        EXPECT_EQ(user.Get<fw::TabPanel>("TabPanel1").Value(), r.index);
        EXPECT_EQ(user.FocusedName(), r.focus);
        EXPECT_EQ(user.Window().tapactived, r.index == 3);
        EXPECT_EQ(user.Text("srate") + " " + user.Text("beats") + " " + std::to_string(user.Get<fw::PopupMenu>("SMPTEformat").ListIndex()), "48000 8 3");
    }
}

} // namespace
