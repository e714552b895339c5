// The Tap tab, tapped as a user does, on a clock the test sets.

#include "simuser.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr fw::Color kRed = 0xFF0000;
constexpr fw::Color kBlack = 0x000000;

// Starts the program on the Tap tab and taps the pad at ticks counted from then.
class TapTab : public testing::Test {
protected:
    void SetUp() override
    {
        user.Start();
        user.ChooseTab("Tap");
        m_origin = user.Now();
    }

    void TapAt(std::int32_t tick)
    {
        user.AdvanceClock(m_origin + tick - user.Now());
        user.Click("TapButton");
    }

    // Taps count times, each gap ticks after the clock's last reading.
    void TapEvery(std::int32_t gap, int count)
    {
        for (int i = 0; i < count; ++i)
            TapAt(user.Now() - m_origin + gap);
    }

    void ExpectTempo(const char* text, bool steady)
    {
        auto& tempo4 = user.Get<fw::StaticText>("tempo4");
        EXPECT_EQ(tempo4.Text(), text);
        EXPECT_EQ(tempo4.Bold(), steady);
        EXPECT_EQ(tempo4.TextColor(), steady ? kRed : kBlack);
    }

    SimUser user;
    std::int32_t m_origin = 0;
};

TEST_F(TapTab, HalfSecondTapsThenAPause)
{
    struct Row { std::int32_t tick; const char* tempo4; bool steady; std::int32_t countstable, tempstable; };
    const Row rows[] = {
        {1000, "", false, 1, 0},       {1030, "", false, 2, 0},      {1060, "120 ", false, 0, 120},
        {1090, "120 ", false, 1, 120}, {1120, "120 ", false, 2, 120}, {1150, "120 ", false, 3, 120},
        {1180, "120 ", true, 4, 120},  {1212, "119 ", true, 5, 118},
        // After the pause the old reading stays, in its old style, for two taps.
        {1842, "119 ", true, 0, 0},    {1872, "119 ", true, 1, 0},   {1902, "120 ", false, 0, 120},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("tap at " + std::to_string(row.tick));
        TapAt(row.tick);
        ExpectTempo(row.tempo4, row.steady);
        EXPECT_EQ(user.Window().countstable, row.countstable);
        EXPECT_EQ(user.Window().tempstable, row.tempstable);
    }
}

TEST(TapTabGaps, TheThirdTapShowsTheTempoRoundedUp)
{
    const struct { const char* name; std::int32_t gap; const char* tempo4; } rows[] = {
        {"gaps of 32 ticks", 32, "113 "},
        {"gaps of 25 ticks", 25, "144 "},
        {"the slowest gap that counts", 119, "31 "},
        {"two seconds is a pause", 120, ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        SimUser user;
        user.Start();
        user.ChooseTab("Tap");
        for (int tap = 1; tap <= 6; ++tap) {
            user.AdvanceClock(r.gap);
            user.Click("TapButton");
            EXPECT_EQ(user.Text("tempo4"), tap < 3 ? "" : r.tempo4) << "tap " << tap;
        }
    }
}

TEST_F(TapTab, TheSeventhSteadyTapTurnsTheTempoBoldRedAndTheFirstUnsteadyOnePlain)
{
    TapEvery(30, 6);
    ExpectTempo("120 ", false);
    TapEvery(30, 1);
    ExpectTempo("120 ", true);
    // Six gaps of 30 and one of 15: 129.2... BPM, more than 2 away.
    TapEvery(15, 1);
    ExpectTempo("130 ", false);
}

TEST_F(TapTab, TheMeanCoversTheLast32GapsAtMost)
{
    TapEvery(100, 2);
    TapEvery(30, 31);
    // 33 stamps: one gap of 100 and 31 of 30, a mean of 32.1875 ticks.
    EXPECT_EQ(user.Text("tempo4"), "112 ");
    TapEvery(30, 1);
    EXPECT_EQ(user.Text("tempo4"), "120 ");
}

TEST_F(TapTab, ForgettingTheSeriesKeepsItsLastTwoTaps)
{
    TapAt(1000);
    TapAt(1100);
    // At 1361 the tap before the previous one is 361 ticks old: the history
    // is cleared, but the two newest stamps stay and their gap still counts.
    TapAt(1361);
    TapAt(1380);
    // Gaps of 100 and 19 ticks; 261 is a pause.
    EXPECT_EQ(user.Text("tempo4"), "61 ");
}

TEST_F(TapTab, TapsWithinOneTickAreNoReading)
{
    TapEvery(30, 7);
    // The pause forgets the series; then every gap held is 0.
    TapEvery(400, 1);
    TapEvery(0, 2);
    ExpectTempo("120 ", true);
    EXPECT_EQ(user.Window().tempstable, 0);
}

TEST_F(TapTab, CopyToGlobalTempoTakesTheShownTempo)
{
    user.ChooseTab("Tempo");
    user.TypeInto("tempo1", "96");
    user.ChooseTab("Tap");
    user.Click("TapCopy");
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, 96);

    TapEvery(30, 6);
    TapEvery(32, 1);
    ASSERT_EQ(user.Text("tempo4"), "119 ");
    user.Click("TapCopy");
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, 119);
}

} // namespace
