// Choosing tabs, and the window's opening, closing and keys, as a user meets
// them: the tempo carried from tab to tab, the focus ready to type over, the
// space bar tapping on the Tap tab alone, the tab and rates kept across runs.

#include "simuser.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using Values = std::array<std::int32_t, 8>;

void ExpectFocusedAndSelected(SimUser& user, const std::string& name)
{
    EXPECT_EQ(user.FocusedName(), name);
    const auto& field = user.Get<fw::EditField>(name);
    EXPECT_EQ(field.SelStart(), 0) << name;
    EXPECT_EQ(field.SelLength(), static_cast<int>(field.Text().size())) << name;
}

TEST(TabSwitching, AFirstStartOpensOnTheTempoTabReadyToType)
{
    SimUser user;
    user.Start();
    EXPECT_EQ(user.Window().Left(), 10);
    EXPECT_EQ(user.Window().Top(), 44);
    EXPECT_EQ(user.Get<fw::TabPanel>("TabPanel1").Value(), 0);
    ExpectFocusedAndSelected(user, "tempo1");
    EXPECT_EQ(user.Text("srate"), "44100");
    EXPECT_EQ(user.Text("beats"), "4");
    EXPECT_EQ(user.Get<fw::PopupMenu>("SMPTEformat").ListIndex(), 0);
    EXPECT_EQ(user.Window().curseurentry, 0);
    EXPECT_FALSE(user.Window().tapactived);
}

TEST(TabSwitching, TheTempoTypedOnOneTabIsReadyOnTheNext)
{
    SimUser user;
    user.Start();
    user.TypeInto("tempo1", "120");
    user.TypeInto("tempo2", "140");

    user.ChooseTab("Delay");
    EXPECT_EQ(user.Text("tempo3"), "120");
    ExpectFocusedAndSelected(user, "tempo3");
    EXPECT_EQ(user.Text("note1"), "2000.00");
    EXPECT_EQ(user.Text("note18"), "41.67");

    user.ChooseTab("Samples");
    EXPECT_EQ(user.Text("tempo5"), "120");
    EXPECT_EQ(user.Text("loopl"), "88200");
    EXPECT_EQ(user.Text("loopms"), "2000");
    ExpectFocusedAndSelected(user, "loopl");

    // A tempo worked out from a cell goes back to the Tempo tab and its results.
    user.ChooseTab("Delay");
    user.TypeInto("note7", "333");
    user.ChooseTab("Tempo");
    EXPECT_EQ(user.Text("tempo1"), "180.18");
    ExpectFocusedAndSelected(user, "tempo1");
    EXPECT_EQ(user.Text("time1"), "128.70%");
}

TEST(TabSwitching, ChoosingDelayAgainRecomputesTheCellsFromTheSameTempo)
{
    SimUser user;
    user.Start();
    user.ChooseTab("Delay");
    user.TypeInto("note7", "333");
    user.ChooseTab("Tempo");
    user.ChooseTab("Delay");
    // tempo3 already held "180.18", so only the tab's own run rewrites the cell typed into.
    EXPECT_EQ(user.Text("tempo3"), "180.18");
    EXPECT_EQ(user.Text("note7"), "333.00");
}

TEST(TabSwitching, WithNoTempoCarriedTempoAndDelayEmptyTheirFieldButSamplesKeepsIt)
{
    SimUser user;
    user.Start();
    user.ChooseTab("Samples");
    user.TypeInto("tempo5", "100");
    user.ChooseTab("Tempo");
    user.TypeInto("tempo1", "120");
    user.TypeInto("tempo2", "140");
    user.TypeInto("tempo1", "");
    EXPECT_EQ(user.Window().tempoglobal, 0.0);

    user.ChooseTab("Delay");
    EXPECT_EQ(user.Text("tempo3"), "");
    EXPECT_EQ(user.Text("note1"), "");
    user.ChooseTab("Samples");
    EXPECT_EQ(user.Text("tempo5"), "100");
    ExpectFocusedAndSelected(user, "loopl");
    user.ChooseTab("Tempo");
    EXPECT_EQ(user.Text("tempo1"), "");
    EXPECT_EQ(user.Text("time1"), "");
}

TEST(TabSwitching, TheSpaceBarTapsOnTheTapTabAndNowhereElse)
{
    SimUser user;
    user.Start();
    user.ChooseTab("Tap");
    EXPECT_EQ(user.FocusedName(), "");
    for (int tap = 0; tap < 3; ++tap) {
        user.AdvanceClock(30);
        user.PressKey(" ");
    }
    EXPECT_EQ(user.Text("tempo4"), "120 ");

    user.ChooseTab("Notes");
    for (int tap = 0; tap < 3; ++tap) {
        user.AdvanceClock(20);
        user.PressKey(" ");
    }
    user.ChooseTab("Tap");
    EXPECT_EQ(user.Text("tempo4"), "120 ");
}

TEST(TabSwitching, TheWindowConsumesNoKey)
{
    SimUser user;
    user.Start();
    for (const char* tab : {"Tempo", "Tap"}) {
        user.ChooseTab(tab);
        for (const char* key : {" ", "a", "Up", "Return"})
            EXPECT_FALSE(user.Window().KeyDown(key)) << tab << ", key " << key;
    }
}

struct ReopenCase {
    const char* tab;
    int index;
    const char* focus;
};

TEST(TabSwitching, TheProgramReopensOnTheTabItWasLeftOn)
{
    const ReopenCase cases[] = {
        {"Tempo", 0, "tempo1"}, {"Transpose", 1, "transpose2"}, {"Delay", 2, "tempo3"}, {"Tap", 3, ""},
        {"Samples", 4, "loopl"}, {"Notes", 5, "noteshz"},       {"SMPTE", 6, "H1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tab);
        SimUser user;
        user.Start();
        user.ChooseTab(c.tab);
        EXPECT_EQ(user.FocusedName(), c.focus);
        user.Quit();
        EXPECT_EQ(user.PrefsFileValues()[4], c.index);

        user.Restart();
        EXPECT_EQ(user.Get<fw::TabPanel>("TabPanel1").Value(), c.index);
        EXPECT_EQ(user.FocusedName(), c.focus);
        EXPECT_EQ(user.Window().tapactived, c.index == 3);
    }
}

TEST(TabSwitching, TheRateBeatsFrameRateAndTabLeftComeBackAtTheNextStart)
{
    SimUser user;
    user.Start();
    user.ChooseTab("Samples");
    user.TypeInto("srate", "48000");
    user.TypeInto("beats", "8");
    user.ChooseTab("SMPTE");
    user.ChoosePopupItem("SMPTEformat", "30 fps");
    user.Quit();

    user.Restart();
    EXPECT_EQ(user.Get<fw::TabPanel>("TabPanel1").Value(), 6);
    EXPECT_EQ(user.Get<fw::PopupMenu>("SMPTEformat").ListIndex(), 3);
    EXPECT_EQ(user.FocusedName(), "H1");
    EXPECT_EQ(user.Text("srate"), "48000");
    EXPECT_EQ(user.Text("beats"), "8");
    EXPECT_EQ(user.Window().curseurentry, 0);
}

TEST(TabSwitching, AStoredTabOrFrameRateOutOfRangeLeavesTheDesignChoice)
{
    SimUser user;
    user.WritePrefsFile({10, 44, 100, 100, 9, 44100, 4, -1});
    user.Start();
    EXPECT_EQ(user.Get<fw::TabPanel>("TabPanel1").Value(), 0);
    EXPECT_EQ(user.FocusedName(), "tempo1");
    EXPECT_EQ(user.Get<fw::PopupMenu>("SMPTEformat").ListIndex(), 0);
    user.Quit();
    EXPECT_EQ(user.PrefsFileValues()[4], 0);
    EXPECT_EQ(user.PrefsFileValues()[7], 0);
}

TEST(TabSwitching, TheCloseBoxStoresPlaceAndTabThenQuits)
{
    SimUser user;
    user.Start();
    user.ChooseTab("SMPTE");
    user.Window().Moved(150, 120);
    user.CloseWindow();
    EXPECT_FALSE(user.Running());
    const Values stored = user.PrefsFileValues();
    EXPECT_EQ(stored[0], 150);
    EXPECT_EQ(stored[1], 120);
    EXPECT_EQ(stored[4], 6);
}

} // namespace
