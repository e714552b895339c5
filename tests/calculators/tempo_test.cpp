// The Tempo and Transpose tabs, typed into as a user does: every keystroke
// recomputes, so "120" passes through "1" and "12" on its way.

#include "simuser.h"

#include <gtest/gtest.h>

namespace {

struct TempoCase {
    const char* name;
    const char* tempo1;
    const char* tempo2;
    const char* time1;
    const char* transpose1;
    const char* transpose3;
    double tempoglobal;
};

void PrintTo(const TempoCase& c, std::ostream* os) { *os << c.name; }

class TempoTab : public testing::TestWithParam<TempoCase> {};

TEST_P(TempoTab, ShowsTheStretchAndTheTransposition)
{
    const TempoCase& c = GetParam();
    SimUser user;
    user.Start();
    user.TypeInto("tempo1", c.tempo1);
    user.TypeInto("tempo2", c.tempo2);
    EXPECT_EQ(user.Text("time1"), c.time1);
    EXPECT_EQ(user.Text("transpose1"), c.transpose1);
    EXPECT_EQ(user.Text("transpose3"), c.transpose3);
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, c.tempoglobal);
    EXPECT_EQ(user.Window().curseurentry, 1);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, TempoTab,
    testing::Values(
        TempoCase{"SlowerToFaster", "120", "140", "85.71%", "+2.67 semi", "+3 semi -33 cent", 120},
        TempoCase{"FasterToSlower", "140", "120", "116.67%", "-2.67 semi", "-3 semi +33 cent", 140},
        TempoCase{"CentsFromTheShownValue", "90", "120", "75.00%", "+4.98 semi", "+5 semi -2 cent", 90},
        TempoCase{"AnOctave", "100", "200", "50.00%", "+12.00 semi", "+12 semi 0 cent", 100},
        TempoCase{"EqualTempos", "120", "120", "", "", "", 120},
        TempoCase{"EqualWrittenDifferently", "120", "120.0", "", "", "", 120},
        TempoCase{"AlmostEqual", "120", "120.001", "100.00%", "0.00 semi", "0 semi 0 cent", 120},
        TempoCase{"LowLimitRefused", "20", "140", "", "", "", 20},
        TempoCase{"HighLimitRefused", "120", "250", "", "", "", 120},
        TempoCase{"JustAboveLowLimit", "20.01", "140", "14.29%", "+33.68 semi", "+34 semi -32 cent", 20.01},
        TempoCase{"JustBelowHighLimit", "249.99", "120", "208.33%", "-12.71 semi", "-13 semi +29 cent", 249.99},
        TempoCase{"OutOfRangeStillCarried", "300", "140", "", "", "", 300},
        TempoCase{"EmptyOriginal", "", "140", "", "", "", 0},
        TempoCase{"NotANumber", "abc", "140", "", "", "", 0}),
    [](const testing::TestParamInfo<TempoCase>& info) { return info.param.name; });

TEST(TempoTabTyping, RecomputesOnEveryKeystroke)
{
    SimUser user;
    user.Start();
    user.TypeInto("tempo2", "140");
    user.Click("tempo1");
    user.Type("1");
    EXPECT_EQ(user.Text("time1"), "");
    user.Type("2");
    EXPECT_EQ(user.Text("time1"), "");
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, 12);
    user.Type("0");
    EXPECT_EQ(user.Text("time1"), "85.71%");
    user.Backspace();
    EXPECT_EQ(user.Text("time1"), "");
    EXPECT_EQ(user.Text("transpose3"), "");
}

TEST(TempoTabTyping, TypingTheNewTempoCarriesTheOriginalOne)
{
    SimUser user;
    user.Start();
    user.TypeInto("tempo1", "96");
    user.Window().tempoglobal = 0;
    user.Window().curseurentry = 3;
    user.TypeInto("tempo2", "1");
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, 96);
    EXPECT_EQ(user.Window().curseurentry, 1);
}

struct TransposeCase {
    const char* name;
    const char* semitones;
    const char* time2;
};

void PrintTo(const TransposeCase& c, std::ostream* os) { *os << c.name; }

class TransposeTab : public testing::TestWithParam<TransposeCase> {};

TEST_P(TransposeTab, ShowsTheStretchThatKeepsTheLength)
{
    SimUser user;
    user.Start();
    user.ChooseTab("Transpose");
    user.TypeInto("transpose2", GetParam().semitones);
    EXPECT_EQ(user.Text("time2"), GetParam().time2);
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, 0);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, TransposeTab,
    testing::Values(TransposeCase{"MinorThird", "3", "118.92%"},
                    TransposeCase{"Fifth", "7", "149.83%"},
                    TransposeCase{"Fraction", "1.5", "109.05%"},
                    TransposeCase{"OctaveUp", "12", "200.00%"},
                    TransposeCase{"OctaveDown", "-12", "50.00%"},
                    TransposeCase{"TwoOctavesUp", "24", "400.00%"},
                    TransposeCase{"TwoOctavesDown", "-24", "25.00%"},
                    TransposeCase{"Zero", "0", ""},
                    TransposeCase{"Empty", "", ""},
                    TransposeCase{"AboveRange", "25", ""},
                    TransposeCase{"JustAboveRange", "24.01", ""},
                    TransposeCase{"BelowRange", "-24.5", ""}),
    [](const testing::TestParamInfo<TransposeCase>& info) { return info.param.name; });

} // namespace
