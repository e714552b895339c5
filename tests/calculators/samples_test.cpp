// The Samples tab, typed into as a user does: the rate and beats first, then
// one of the three linked fields.

#include "globalprefs.h"
#include "simuser.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

namespace {

void OpenSamplesTab(SimUser& user, const char* rate = "44100", const char* beats = "4")
{
    user.Start();
    user.ChooseTab("Samples");
    user.TypeInto("srate", rate);
    user.TypeInto("beats", beats);
}

// srate, beats, loopl, loopms and tempo5 as they show, joined by spaces.
std::string Fields(const SimUser& user)
{
    return user.Text("srate") + " " + user.Text("beats") + " " + user.Text("loopl") + " " + user.Text("loopms") + " " +
           user.Text("tempo5");
}

TEST(SamplesTab, TheOtherLinkedFieldsFollowTheOneTyped)
{
    // shown: the five fields; global, freq1 and beats1: what is carried and kept.
    struct Row { const char *name, *rate, *beats, *into, *typed, *shown; double global; int freq1, beats1; };
    const Row rows[] = {
        {"from tempo", "44100", "4", "tempo5", "120", "44100 4 88200 2000 120", 120, 44100, 4},
        {"ms from the shown count", "44100", "4", "tempo5", "23.6", "44100 4 448475 10170 23.6", 23.6, 44100, 4},
        {"from samples", "44100", "4", "loopl", "88200", "44100 4 88200 2000 120.00", 120, 44100, 4},
        {"samples outside the tempo range", "44100", "4", "loopl", "10000", "44100 4 10000 227 ", 0, 44100, 4},
        {"from odd ms", "44100", "4", "loopms", "1234", "44100 4 54419 1234 194.49", 194.49, 44100, 4},
        {"other rate and beats", "48000", "1", "tempo5", "100", "48000 1 28800 600 100", 100, 48000, 1},
        {"high tempo refused", "44100", "4", "tempo5", "250", "44100 4   250", 250, 44100, 4},
        {"just above the low tempo", "44100", "4", "tempo5", "20.01", "44100 4 528936 11994 20.01", 20.01, 44100, 4},
        {"rate limit refused but kept", "200000", "4", "tempo5", "120", "200000 4   120", 120, 200000, 4},
        {"just below the rate limit", "199999", "4", "tempo5", "120", "199999 4 399998 2000 120", 120, 199999, 4},
        {"beats limit refused but kept", "44100", "200", "tempo5", "120", "44100 200   120", 120, 44100, 200},
        {"just below the beats limit", "44100", "199", "tempo5", "120", "44100 199 4387950 99500 120", 120, 44100, 199},
        {"half a beat kept whole", "44100", "0.5", "tempo5", "120", "44100 0.5 11025 250 120", 120, 44100, 0},
        {"a huge rate saturates", "1e300", "4", "loopl", "88200", "1e300 4 88200  ", 0, std::numeric_limits<std::int32_t>::max(), 4},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SimUser user;
        OpenSamplesTab(user, r.rate, r.beats);
        user.TypeInto(r.into, r.typed);
        EXPECT_EQ(Fields(user), r.shown);
        EXPECT_DOUBLE_EQ(user.Window().tempoglobal, r.global);
        EXPECT_EQ(std::pair(GlobalPrefs::freq1, GlobalPrefs::beats1), std::pair(r.freq1, r.beats1));
        // The texts written into the other two fields leave the source as it was.
        EXPECT_EQ(user.Window().curseurentry, std::string(r.into) == "tempo5" ? 1 : std::string(r.into) == "loopl" ? 2 : 3);
    }
}

TEST(SamplesTab, ARateChangeWithNoSourceConvertsNothingAnEmptiedRateEmptiesTheResultsAndTwoSourcesEndOnOne)
{
    SimUser user;
    OpenSamplesTab(user);
    // As a carried tempo is written, before any linked field is typed into.
    user.Get<fw::EditField>("tempo5").SetText("120");
    user.TypeInto("srate", "48000");
    EXPECT_EQ(Fields(user), "48000 4   120");
    EXPECT_EQ(std::pair(user.Window().tempoglobal, GlobalPrefs::freq1), std::pair(120.0, 48000));
    // Typed, the tempo is the source (as in the table); an emptied rate then empties its results.
    user.TypeInto("tempo5", "120");
    user.TypeInto("srate", "");
    EXPECT_EQ(Fields(user) + std::to_string(GlobalPrefs::freq1), " 4   12048000");
    // Leaving an emptied rate or beats falls back, then the results follow.
    user.TypeInto("beats", "0");
    EXPECT_EQ(Fields(user), "44100 0   120");
    user.Click("loopl");
    EXPECT_EQ(Fields(user) + " " + std::to_string(GlobalPrefs::beats1), "44100 1 22050 500 120 1");

    // Two sources: "23.6" typed into tempo5 (448475 samples, 10170 ms), then
    // loopms focused, then a carried tempo written into tempo5, as choosing the
    // tab does. The tempo gives 448475 samples, the 10170 ms give 448497, and
    // each rewrites loopl for the other, without end; the chain must end on one
    // whole conversion from the milliseconds.
    user.TypeInto("beats", "4");
    user.TypeInto("tempo5", "23.6");
    user.Click("loopms");
    user.Get<fw::EditField>("tempo5").SetText("23.600001");
    EXPECT_EQ(Fields(user), "44100 4 448497 10170 23.60");
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, 23.6);
    EXPECT_EQ(user.Window().samplesdepth, 0);
}

} // namespace
