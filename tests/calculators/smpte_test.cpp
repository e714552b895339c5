// The SMPTE tab, used as a person does: choose a rate and an operator, type
// the two codes field by field (leaving each tidies it), read the result row.

#include "globalprefs.h"
#include "simuser.h"
#include "smpte.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// Codes and result rows are written "hours minutes seconds frames".
struct SumCase {
    const char* name;
    const char* rate;
    const char* first;
    const char* op;
    const char* second;
    const char* result; // "" for an empty row
};

void PrintTo(const SumCase& c, std::ostream* os) { *os << c.name; }

std::string ResultRow(const SimUser& user)
{
    std::string row = user.Text("H3") + " " + user.Text("M3") + " " + user.Text("S3") + " " + user.Text("F3");
    return row == "   " ? "" : row;
}

void TypeCode(SimUser& user, const char* code, char row)
{
    std::istringstream parts(code);
    std::string part;
    for (char unit : std::string("HMSF"))
        if (parts >> part && part != "0")
            user.TypeInto(std::string{unit, row}, part);
}

class SMPTETab : public testing::TestWithParam<SumCase> {};

TEST_P(SMPTETab, ShowsTheNormalisedSumOrDifference)
{
    const SumCase& c = GetParam();
    SimUser user;
    user.Start();
    user.ChooseTab("SMPTE");
    user.ChoosePopupItem("SMPTEformat", c.rate);
    user.ChoosePopupItem("operateur", c.op);
    TypeCode(user, c.first, '1');
    TypeCode(user, c.second, '2');
    EXPECT_EQ(ResultRow(user), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, SMPTETab,
    testing::Values(SumCase{"HelpExampleAt24", "24 fps", "0 90 24 20", " +", "0", "1 30 24 20.00"},
                    SumCase{"HelpExampleAt25", "25 fps", "0 90 24 20", " +", "0", "1 30 24 20.00"},
                    SumCase{"HelpExampleAt2997", "29.97 fps", "0 90 24 20", " +", "0", "1 30 24 20.00"},
                    SumCase{"HelpExampleAt30", "30 fps", "0 90 24 20", " +", "0", "1 30 24 20.00"},
                    SumCase{"AcrossAMinute", "25 fps", "0 0 50 10", " +", "0 0 15 20", "0 1 6 5.00"},
                    SumCase{"AcrossAnHour", "24 fps", "0 59 59 23", " +", "0 0 0 2", "1 0 0 1.00"},
                    SumCase{"Subtraction", "30 fps", "1 0 0 0", " -", "0 0 0 1", "0 59 59 29.00"},
                    SumCase{"FractionalFrames", "29.97 fps", "0 0 0 45", " +", "0", "0 0 1 15.03"},
                    SumCase{"FractionalMinutes", "25 fps", "0 1.5 0 3", " +", "0", "0 1 30 3.00"},
                    SumCase{"HoursDoNotWrap", "25 fps", "100 0 0 1", " +", "0", "100 0 0 1.00"},
                    // A negative total: its length, with the sign before the hours.
                    SumCase{"SecondCodeLonger", "25 fps", "0", " -", "0 0 0 30", "-0 0 1 5.00"},
                    SumCase{"NegativeInput", "24 fps", "-1 30 0 0", " +", "0", "-0 30 0 0.00"},
                    // 29.97 has no exact Double: whole seconds stay whole.
                    SumCase{"WholeMinuteAt2997", "29.97 fps", "0 1 0 0", " +", "0", "0 1 0 0.00"},
                    SumCase{"HalfMinuteAt2997", "29.97 fps", "0 0 30 0", " +", "0", "0 0 30 0.00"},
                    SumCase{"LongCodeAt2997", "29.97 fps", "5744 14 11 0", " +", "0", "5744 14 11 0.00"},
                    SumCase{"SameLengthTwoWays", "29.97 fps", "0 1 45 0", " -", "0 0 105 0", "0 0 0 0.00"},
                    // Beyond 2^31 seconds.
                    SumCase{"PastIntegerSeconds", "29.97 fps", "600000 0 0 0", " +", "0", "600000 0 0 0.00"},
                    SumCase{"PastIntegerSecondsLessAFrame", "30 fps", "600000 0 0 0", " -", "0 0 0 1",
                            "599999 59 59 29.00"},
                    // Too long to count to the hundredth of a frame: no "INF", no "NAN".
                    SumCase{"TooLong", "30 fps", "1e300 0 0 0", " +", "0", ""},
                    SumCase{"BeyondADouble", "30 fps", "1e400 0 0 0", " +", "0", ""},
                    SumCase{"InfinityLessInfinity", "30 fps", "1e308 0 0 0", " -", "1e308 0 0 0", ""}),
    [](const testing::TestParamInfo<SumCase>& info) { return info.param.name; });

TEST(SMPTETabChoices, ARateIsStoredAndTheResultRecomputedAtOnce)
{
    SimUser user;
    user.Start();
    user.ChooseTab("SMPTE");
    user.TypeInto("F1", "45");
    EXPECT_EQ(ResultRow(user), "0 0 1 21.00");
    user.ChoosePopupItem("SMPTEformat", "30 fps");
    EXPECT_EQ(GlobalPrefs::SMPTEpopup, 3);
    EXPECT_EQ(ResultRow(user), "0 0 1 15.00");
    user.TypeInto("F2", "20");
    user.ChoosePopupItem("operateur", " -");
    EXPECT_EQ(ResultRow(user), "0 0 0 25.00");
    user.Quit();
    EXPECT_EQ(user.PrefsFileValues()[7], 3);
}

TEST(SMPTETabChoices, AStoredRateNoItemHasCountsAsTheFirst)
{
    SimUser user;
    user.WritePrefsFile({10, 44, 100, 100, 6, 44100, 1, 7});
    user.Start();
    user.ChooseTab("SMPTE");
    EXPECT_EQ(user.Get<fw::PopupMenu>("SMPTEformat").ListIndex(), 0); // "24 fps"
    user.TypeInto("M1", "90");
    EXPECT_EQ(ResultRow(user), "1 30 0 0.00");
    for (int index : {-1, 4, 7})
        EXPECT_EQ(FrameRate(index), 24) << index;
}

TEST(SMPTETabTidying, AFieldLeftShowsTheNumberItWasReadAs)
{
    const char* const cases[][3] = {{"H1", "", "0"}, {"H1", "abc", "0"}, {"F1", "20", "20"},
                                    {"M1", "90", "90"}, {"M1", "1.5", "1.5"}, {"S2", "07", "7"},
                                    {"F2", "12.50", "12.5"}};
    for (auto [field, typed, left] : cases) {
        SCOPED_TRACE(std::string(field) + " \"" + typed + "\"");
        SimUser user;
        user.Start();
        user.ChooseTab("SMPTE");
        user.TypeInto(field, typed);
        user.Click("H2");
        EXPECT_EQ(user.Text(field), left);
    }
}

} // namespace
