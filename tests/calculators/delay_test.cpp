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
using Cells = std::array<const char*, 18>;

constexpr Cells kMsAt120 = {"2000.00", "3000.00", "1333.33", "1000.00", "1500.00", "666.67",
                            "500.00",  "750.00",  "333.33",  "250.00",  "375.00",  "166.67",
                            "125.00",  "187.50",  "83.33",   "62.50",   "93.75",   "41.67"};
constexpr Cells kHzAt120 = {"0.50", "0.33", "0.75", "1.00",  "0.67",  "1.50",  "2.00",  "1.33",  "3.00",
                            "4.00", "2.67", "6.00", "8.00",  "5.33",  "12.00", "16.00", "10.67", "24.00"};
// "333" typed into note7 gives 180.18; the others follow that rounded tempo.
constexpr Cells kFrom333 = {"1332.00", "1998.00", "888.00", "666.00", "999.00", "444.00",
                            "333",     "499.50",  "222.00", "166.50", "249.75", "111.00",
                            "83.25",   "124.88",  "55.50",  "41.63",  "62.44",  "27.75"};

std::string CellName(std::size_t i) { return "note" + std::to_string(i + 1); }

class DelayTab : public testing::Test {
protected:
    void SetUp() override
    {
        user.Start();
        user.ChooseTab("Delay");
    }

    void ExpectCells(const Cells& expected) const
    {
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(user.Text(CellName(i)), expected[i]) << CellName(i);
    }

    // The cells but one are empty.
    void ExpectEmptyBut(const std::string& kept) const
    {
        for (std::size_t i = 0; i < 18; ++i) {
            if (CellName(i) != kept) {
                EXPECT_EQ(user.Text(CellName(i)), "") << CellName(i);
            }
        }
    }

    void ExpectTempo3ReadyToTypeOver() const
    {
        EXPECT_EQ(user.FocusedName(), "tempo3");
        auto& tempo3 = user.Get<fw::EditField>("tempo3");
        EXPECT_EQ(tempo3.SelStart(), 0);
        EXPECT_EQ(tempo3.SelText(), tempo3.Text());
    }

    SimUser user;
};

TEST_F(DelayTab, TheUnitButtonsTurnEveryCellFromTheTempoAndHandTheFocusBack)
{
    user.TypeInto("tempo3", "120");
    ExpectCells(kMsAt120);
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, 120);

    // The focus is in a cell: it is turned as well.
    user.Click("note7");
    user.Click("buttonhz");
    ExpectCells(kHzAt120);
    ExpectTempo3ReadyToTypeOver();
    EXPECT_EQ(user.Text("tempo3"), "120");

    user.Click("note1");
    user.Click("buttonms");
    ExpectCells(kMsAt120);
    ExpectTempo3ReadyToTypeOver();
}

TEST_F(DelayTab, ALengthTypedIntoACellGivesTheRoundedTempoTheOthersFollow)
{
    user.Window().curseurentry = 3;
    user.TypeInto("note7", "333");
    EXPECT_EQ(user.Text("tempo3"), "180.18");
    ExpectCells(kFrom333);
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, 180.18);
    EXPECT_EQ(user.Window().curseurentry, 1);

    // A unit switch does not convert what was typed: every cell follows tempo3.
    user.Click("buttonhz");
    EXPECT_EQ(user.Text("note7"), "3.00");
    EXPECT_EQ(user.Text("tempo3"), "180.18");
}

// One field typed into, at 100 BPM first so that emptied cells show.
struct TypingCase {
    const char* name;
    bool hertz;
    const char* field;
    const char* typed;
    const char* tempo3;
    const char* probe;  // a cell and what it shows; none: every cell but the field is empty
    const char* probeText;
    double tempoglobal;
};

void PrintTo(const TypingCase& c, std::ostream* os) { *os << c.name; }

class DelayTyping : public DelayTab, public testing::WithParamInterface<TypingCase> {};

TEST_P(DelayTyping, TheFieldTypedIntoKeepsItsTextAndTheOthersFollow)
{
    const TypingCase& c = GetParam();
    user.TypeInto("tempo3", "100");
    if (c.hertz)
        user.Click("buttonhz");
    user.TypeInto(c.field, c.typed);
    EXPECT_EQ(user.Text(c.field), c.typed);
    EXPECT_EQ(user.Text("tempo3"), c.tempo3);
    if (c.probe != nullptr) {
        EXPECT_EQ(user.Text(c.probe), c.probeText);
    } else {
        ExpectEmptyBut(c.field);
    }
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, c.tempoglobal);
}

INSTANTIATE_TEST_SUITE_P(
    EdgesAndExamples, DelayTyping,
    testing::Values(TypingCase{"TempoLowLimit", false, "tempo3", "20", "20", nullptr, "", 20},
                    TypingCase{"TempoHighLimit", false, "tempo3", "250", "250", nullptr, "", 250},
                    TypingCase{"TempoOutOfRangeStillCarried", false, "tempo3", "300", "300", nullptr, "", 300},
                    TypingCase{"TempoJustAboveLowLimit", false, "tempo3", "20.01", "20.01", "note1", "11994.00", 20.01},
                    TypingCase{"TempoJustBelowHighLimitInHertz", true, "tempo3", "249.99", "249.99", "note18", "50.00",
                               249.99},
                    TypingCase{"TempoWithMoreDecimals", false, "tempo3", "120.555", "120.555", "note7", "497.70",
                               120.555},
                    TypingCase{"QuarterInHertz", true, "note7", "2", "120.00", "note1", "0.50", 120},
                    TypingCase{"DottedQuarterInHertz", true, "note8", "1.33", "119.70", "note1", "0.50", 119.7},
                    TypingCase{"WholeGivingTheHighLimit", false, "note1", "960", "", nullptr, "", 0},
                    TypingCase{"WholeJustBelowTheHighLimit", false, "note1", "961", "249.74", "note7", "240.25",
                               249.74},
                    TypingCase{"WholeGivingTheLowLimit", false, "note1", "12000", "", nullptr, "", 0},
                    TypingCase{"CellZero", false, "note7", "0", "", nullptr, "", 0},
                    TypingCase{"CellEmptied", false, "note7", "", "", nullptr, "", 0},
                    TypingCase{"CellNotANumber", false, "note18", "abc", "", nullptr, "", 0},
                    TypingCase{"CellNegativeInHertz", true, "note9", "-3", "", nullptr, "", 0}),
    [](const testing::TestParamInfo<TypingCase>& info) { return info.param.name; });

TEST_F(DelayTab, OneKeystrokeInACellRunsTheCalculatorAtMostTwoDeep)
{
    // Every TextChange bound in the rows, wrapped to count the runs it starts.
    int depth = 0;
    int deepest = 0;
    int runs = 0;
    for (const ControlRow& row : DelayRows()) {
        for (const EventBinding& binding : row.events) {
            if (std::string(binding.event) != "TextChange")
                continue;
            user.Control(row.name)._InstallInstanceEventHandler(
                "TextChange", [&, handler = binding.handler](const fw::EventArgs& args) {
                    ++runs;
                    deepest = std::max(deepest, ++depth);
                    bool handled = handler(user.Window(), args);
                    --depth;
                    return handled;
                });
        }
    }
    user.TypeInto("note7", "33");
    runs = deepest = 0;

    user.Type("3");
    EXPECT_EQ(user.Text("tempo3"), "180.18");
    // The keystroke's run, then one for tempo3 and one for each other cell.
    EXPECT_EQ(runs, 19);
    EXPECT_EQ(deepest, 2);
}

} // namespace
