// The Delay tab, typed into as a user does: the 18 cells follow the tempo,
// a length typed into any cell gives the tempo back, and the unit buttons
// turn every cell into milliseconds or hertz.

#include "simuser.h"
#include "tabrows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

namespace {

// Whole to thirty-second note, each plain, dotted and triplet: note1 … note18.
constexpr std::array<const char*, 18> kMsAt120 = {"2000.00", "3000.00", "1333.33", "1000.00", "1500.00", "666.67",
                            "500.00",  "750.00",  "333.33",  "250.00",  "375.00",  "166.67",
                            "125.00",  "187.50",  "83.33",   "62.50",   "93.75",   "41.67"};

std::string Cell(std::size_t i) { return "note" + std::to_string(i + 1); }

void OpenDelayTab(SimUser& user)
{
    user.Start();
    user.ChooseTab("Delay");
}

TEST(DelayTab, CellsFollowTheTempoInBothUnitsAndALengthTypedGivesTheTempoBack)
{
    SimUser user;
    OpenDelayTab(user);
    user.TypeInto("tempo3", "120");
    for (std::size_t i = 0; i < kMsAt120.size(); ++i)
        EXPECT_EQ(user.Text(Cell(i)), kMsAt120[i]) << Cell(i);
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, 120);

    user.Window().curseurentry = 3;
    user.TypeInto("note7", "333");
    // The other cells follow the rounded tempo: 124.87 from 180.18018.
    EXPECT_EQ(user.Text("tempo3") + " " + user.Text("note14"), "180.18 124.88");
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, 180.18);
    EXPECT_EQ(user.Window().curseurentry, 1);
    // A unit switch turns every cell, the focused one too, from tempo3, and
    // leaves tempo3 ready to type over: focused, its whole text selected.
    user.Click("buttonhz");
    EXPECT_EQ(user.Text("note7") + " " + user.Text("note18"), "3.00 36.04");
    EXPECT_EQ(user.FocusedName(), "tempo3");
    EXPECT_EQ(user.Get<fw::EditField>("tempo3").SelText(), "180.18");
    user.Click("buttonms");
    EXPECT_EQ(user.Text("note7") + " " + user.Text("note18"), "333.00 27.75");
}

TEST(DelayTab, TheFieldTypedIntoKeepsItsTextAndTheOthersFollow)
{
    // At 100 BPM first, so that emptied cells show. No probe: every cell but the field is empty.
    struct Row { const char *name; bool hz; const char *field, *typed, *tempo3, *probe, *probeText; double global; };
    const Row rows[] = {
        {"tempo low limit", false, "tempo3", "20", "20", nullptr, "", 20},
        {"tempo high limit", false, "tempo3", "250", "250", nullptr, "", 250},
        {"tempo just above the low limit", false, "tempo3", "20.01", "20.01", "note1", "11994.00", 20.01},
        {"tempo just below the high limit, hertz", true, "tempo3", "249.99", "249.99", "note18", "50.00", 249.99},
        {"tempo with more decimals", false, "tempo3", "120.555", "120.555", "note7", "497.70", 120.555},
        {"quarter in hertz", true, "note7", "2", "120.00", "note1", "0.50", 120},
        {"dotted quarter in hertz", true, "note8", "1.33", "119.70", "note1", "0.50", 119.7},
        {"whole giving the high limit", false, "note1", "960", "", nullptr, "", 0},
        {"whole just below the high limit", false, "note1", "961", "249.74", "note7", "240.25", 249.74},
        {"whole giving the low limit", false, "note1", "12000", "", nullptr, "", 0},
        {"cell zero", false, "note7", "0", "", nullptr, "", 0},
        {"cell emptied", false, "note7", "", "", nullptr, "", 0},
        {"cell negative in hertz", true, "note9", "-3", "", nullptr, "", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SimUser user;
        OpenDelayTab(user);
        user.TypeInto("tempo3", "100");
        if (r.hz)
            user.Click("buttonhz");
        user.TypeInto(r.field, r.typed);
        EXPECT_EQ(user.Text(r.field), r.typed);
        EXPECT_EQ(user.Text("tempo3"), r.tempo3);
        EXPECT_DOUBLE_EQ(user.Window().tempoglobal, r.global);
        if (r.probe != nullptr) {
            EXPECT_EQ(user.Text(r.probe), r.probeText);
            continue;
        }
        for (std::size_t i = 0; i < 18; ++i)
            EXPECT_EQ(user.Text(Cell(i)), Cell(i) == r.field ? r.typed : "") << Cell(i);
    }
}

TEST(DelayTab, OneKeystrokeInACellRunsTheCalculatorAtMostTwoDeep)
{
    SimUser user;
    OpenDelayTab(user);
    // Every TextChange bound in the rows, wrapped to count the runs it starts.
    int depth = 0, deepest = 0, runs = 0;
    for (const ControlRow& row : DelayRows())
        for (const EventBinding& binding : row.events)
            if (std::string(binding.event) == "TextChange")
                user.Get(row.name)._InstallInstanceEventHandler(
                    "TextChange", [&, handler = binding.handler](const fw::EventArgs& args) {
                        ++runs;
                        deepest = std::max(deepest, ++depth);
                        const bool handled = handler(user.Window(), args);
                        --depth;
                        return handled;
                    });
    user.TypeInto("note7", "33");
    runs = deepest = 0;
    user.Type("3");
    EXPECT_EQ(user.Text("tempo3"), "180.18");
    // The keystroke's run, then one for tempo3 and one for each other cell.
    EXPECT_EQ(runs, 19);
    EXPECT_EQ(deepest, 2);
}

} // namespace
