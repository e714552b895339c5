// Choosing tabs, and the window's opening, closing and keys, as a user meets
// them: the tempo carried from tab to tab, the focus ready to type over, the
// space bar tapping on the Tap tab alone, the tab and rates kept across runs.

#include "simuser.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(TabSwitching, TheTempoIsCarriedFromTabToTabAndTheSpaceBarTapsOnTheTapTabAlone)
{
    // A tab chosen, a field typed over, three presses of the space bar `spaces` ticks apart; then the
    // texts shown, and the field that has the focus with its whole text selected, ready to type over.
    struct Step { const char *tab = "", *into = ""; std::string typed = ""; int spaces = 0;
                  std::vector<std::pair<const char*, std::string>> shown = {}; const char* focus = nullptr; };
    const Step steps[] = {
        {.into = "tempo1", .typed = "120"},
        {.into = "tempo2", .typed = "140"},
        {.tab = "Delay", .shown = {{"tempo3", "120"}, {"note1", "2000.00"}, {"note18", "41.67"}}, .focus = "tempo3"},
        {.tab = "Samples", .shown = {{"tempo5", "120"}, {"loopl", "88200"}, {"loopms", "2000"}}, .focus = "loopl"},
        // A tempo worked out from a cell goes back to the Tempo tab and its results.
        {.tab = "Delay", .into = "note7", .typed = "333"},
        {.tab = "Tempo", .shown = {{"tempo1", "180.18"}, {"time1", "128.70%"}}, .focus = "tempo1"},
        // tempo3 already holds "180.18": the tab's own run still rewrites the cell typed into.
        {.tab = "Delay", .shown = {{"tempo3", "180.18"}, {"note7", "333.00"}}},
        // No tempo carried: Tempo and Delay empty their field, Samples keeps its own.
        {.tab = "Samples", .into = "tempo5", .typed = "100"},
        {.tab = "Tempo", .into = "tempo1", .typed = ""},
        {.tab = "Delay", .shown = {{"tempo3", ""}, {"note1", ""}}},
        {.tab = "Samples", .shown = {{"tempo5", "100"}}},
        {.tab = "Tempo", .shown = {{"tempo1", ""}, {"time1", ""}}},
        // A tempo too large for a Double is carried as the "INF" it shows.
        {.into = "tempo1", .typed = std::string(400, '9')},
        {.tab = "Delay", .shown = {{"tempo3", "INF"}, {"note1", ""}, {"note18", ""}}},
        {.tab = "Tempo", .shown = {{"tempo1", "INF"}}},
        // Half a second apart on the Tap tab shows 120; a third of a second apart elsewhere changes nothing.
        {.tab = "Tap", .spaces = 30},
        {.tab = "Notes", .spaces = 20, .shown = {{"tempo4", "120 "}}},
    };
    SimUser user;
    user.Start();
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(s.tab) + " " + s.into);
        if (*s.tab != '\0')
            user.ChooseTab(s.tab);
        if (*s.into != '\0')
            user.TypeInto(s.into, s.typed);
        for (int press = 0; press < 3 && s.spaces != 0; ++press) {
            user.AdvanceClock(s.spaces);
            user.PressKey(" ");
        }
        for (const auto& [name, text] : s.shown)
            EXPECT_EQ(user.Text(name), text) << name;
        if (s.focus != nullptr) {
            const auto& field = user.Get<fw::EditField>(s.focus);
            EXPECT_EQ(user.FocusedName(), s.focus);
            EXPECT_EQ(std::pair(field.SelStart(), field.SelLength()), std::pair(0, int(field.Text().size())));
        }
    }
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
