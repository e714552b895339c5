// The Samples tab, typed into as a user does. Choosing the tab does not yet
// fill the rate and the beats from the preferences, so each test types them.

#include "globalprefs.h"
#include "simuser.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

void OpenSamplesTab(SimUser& user, const char* rate = "44100", const char* beats = "4")
{
    user.Start();
    user.ChooseTab("Samples");
    user.TypeInto("srate", rate);
    user.TypeInto("beats", beats);
}

struct LinkCase {
    const char* name;
    const char* rate;
    const char* beats;
    const char* into;
    const char* typed;
    const char* loopl;
    const char* loopms;
    const char* tempo5;
    double tempoglobal;
    std::int32_t freq1;
    std::int32_t beats1;
};

void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }

class SamplesTab : public testing::TestWithParam<LinkCase> {};

TEST_P(SamplesTab, TheOtherLinkedFieldsFollowTheOneTyped)
{
    const LinkCase& c = GetParam();
    SimUser user;
    OpenSamplesTab(user, c.rate, c.beats);
    user.TypeInto(c.into, c.typed);
    EXPECT_EQ(user.Text("loopl"), c.loopl);
    EXPECT_EQ(user.Text("loopms"), c.loopms);
    EXPECT_EQ(user.Text("tempo5"), c.tempo5);
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, c.tempoglobal);
    EXPECT_EQ(GlobalPrefs::freq1, c.freq1);
    EXPECT_EQ(GlobalPrefs::beats1, c.beats1);
    // The texts written into the other two fields leave the source as it was.
    const std::string into = c.into;
    EXPECT_EQ(user.Window().curseurentry, into == "tempo5" ? 1 : into == "loopl" ? 2 : 3);
}

constexpr std::int32_t kIntegerMax = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    All, SamplesTab,
    testing::Values(
        LinkCase{"FromTempo", "44100", "4", "tempo5", "120", "88200", "2000", "120", 120, 44100, 4},
        LinkCase{"MsFromTheShownCount", "44100", "4", "tempo5", "23.6", "448475", "10170", "23.6", 23.6, 44100, 4},
        LinkCase{"FromOddTempo", "44100", "4", "tempo5", "97", "109113", "2474", "97", 97, 44100, 4},
        LinkCase{"FromSamples", "44100", "4", "loopl", "88200", "88200", "2000", "120.00", 120, 44100, 4},
        LinkCase{"SamplesOutsideTempoRange", "44100", "4", "loopl", "10000", "10000", "227", "", 0, 44100, 4},
        LinkCase{"FromMs", "44100", "4", "loopms", "2000", "88200", "2000", "120.00", 120, 44100, 4},
        LinkCase{"FromOddMs", "44100", "4", "loopms", "1234", "54419", "1234", "194.49", 194.49, 44100, 4},
        LinkCase{"OtherRateAndBeats", "48000", "1", "tempo5", "100", "28800", "600", "100", 100, 48000, 1},
        LinkCase{"HighTempoRefused", "44100", "4", "tempo5", "250", "", "", "250", 250, 44100, 4},
        LinkCase{"LowTempoRefused", "44100", "4", "tempo5", "20", "", "", "20", 20, 44100, 4},
        LinkCase{"JustAboveLowTempo", "44100", "4", "tempo5", "20.01", "528936", "11994", "20.01", 20.01, 44100, 4},
        LinkCase{"JustBelowHighTempo", "44100", "4", "tempo5", "249.99", "42338", "960", "249.99", 249.99, 44100, 4},
        LinkCase{"RateLimitRefusedButKept", "200000", "4", "tempo5", "120", "", "", "120", 120, 200000, 4},
        LinkCase{"JustBelowRateLimit", "199999", "4", "tempo5", "120", "399998", "2000", "120", 120, 199999, 4},
        LinkCase{"BeatsLimitRefusedButKept", "44100", "200", "tempo5", "120", "", "", "120", 120, 44100, 200},
        LinkCase{"JustBelowBeatsLimit", "44100", "199", "tempo5", "120", "4387950", "99500", "120", 120, 44100, 199},
        LinkCase{"HalfABeatKeptWhole", "44100", "0.5", "tempo5", "120", "11025", "250", "120", 120, 44100, 0},
        LinkCase{"HugeRateSaturates", "1e300", "4", "loopl", "88200", "88200", "", "", 0, kIntegerMax, 4}),
    [](const testing::TestParamInfo<LinkCase>& info) { return info.param.name; });

TEST(SamplesTabInputs, EmptiedRateAndBeatsEmptyTheResultsThenFallBackWhenLeft)
{
    SimUser user;
    OpenSamplesTab(user);
    user.TypeInto("tempo5", "120");
    user.TypeInto("srate", "");
    EXPECT_EQ(user.Text("loopl"), "");
    EXPECT_EQ(user.Text("loopms"), "");
    EXPECT_EQ(GlobalPrefs::freq1, 44100);
    user.TypeInto("beats", "0");
    EXPECT_EQ(user.Text("srate"), "44100");
    EXPECT_EQ(user.Text("loopl"), "");
    user.Click("loopl");
    EXPECT_EQ(user.Text("beats"), "1");
    EXPECT_EQ(user.Text("loopl"), "22050");
    EXPECT_EQ(user.Text("loopms"), "500");
    EXPECT_EQ(GlobalPrefs::beats1, 1);
}

TEST(SamplesTabInputs, WithNoSourceYetARateChangeConvertsNothing)
{
    SimUser user;
    OpenSamplesTab(user);
    // As choosing the tab will write a carried tempo, before any linked field is typed into.
    user.Get<fw::EditField>("tempo5").SetText("120");
    user.TypeInto("srate", "48000");
    EXPECT_EQ(user.Text("loopl"), "");
    EXPECT_EQ(user.Text("loopms"), "");
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, 120);
    EXPECT_EQ(GlobalPrefs::freq1, 48000);
}

TEST(SamplesTabInputs, RateAndBeatsAreKeptForTheNextStart)
{
    SimUser user;
    OpenSamplesTab(user, "48000", "8");
    user.Quit();
    EXPECT_EQ(user.PrefsFileValues()[5], 48000);
    EXPECT_EQ(user.PrefsFileValues()[6], 8);
}

// State: "23.6" typed into tempo5 (448475 samples, 10170 ms), then loopms
// focused. Action: a carried tempo is written into tempo5, as choosing the
// tab does. Both sources now drive: the tempo gives 448475 samples, the
// 10170 ms give 448497, and each rewrites loopl for the other, without end.
// Expected: the chain ends on one whole conversion from the milliseconds.
TEST(SamplesTabNesting, TwoDisagreeingSourcesEndOnOneWholeConversion)
{
    SimUser user;
    OpenSamplesTab(user);
    user.TypeInto("tempo5", "23.6");
    user.Click("loopms");
    user.Get<fw::EditField>("tempo5").SetText("23.600001");
    EXPECT_EQ(user.Text("loopms"), "10170");
    EXPECT_EQ(user.Text("loopl"), "448497");
    EXPECT_EQ(user.Text("tempo5"), "23.60");
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, 23.6);
    EXPECT_EQ(user.Window().samplesdepth, 0);
}

} // namespace
