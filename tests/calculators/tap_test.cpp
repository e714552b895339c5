// The Tap tab, tapped as a user does, on a clock the test sets.

#include "simuser.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr fw::Color kRed = 0xFF0000;
constexpr fw::Color kBlack = 0x000000;

// Taps the pad at given ticks after the clock's start, whatever that is.
class Tapper {
public:
    explicit Tapper(SimUser& user) : m_user(user), m_origin(user.Now())
    {
        m_user.ChooseTab("Tap");
    }

    void TapAt(std::int32_t tick)
    {
        m_user.AdvanceClock(m_origin + tick - m_user.Now());
        m_user.Click("TapButton");
    }

    // Taps count times, each gap ticks after the clock's last reading.
    void TapEvery(std::int32_t gap, int count)
    {
        for (int i = 0; i < count; ++i) {
            m_user.AdvanceClock(gap);
            m_user.Click("TapButton");
        }
    }

private:
    SimUser& m_user;
    std::int32_t m_origin;
};

fw::StaticText& Tempo4(SimUser& user) { return user.Get<fw::StaticText>("tempo4"); }

TEST(TapTab, HalfSecondTapsThenAPause)
{
    struct Row {
        std::int32_t tick;
        const char* tempo4;
        bool steady;
        std::int32_t countstable;
        std::int32_t tempstable;
    };
    const Row rows[] = {
        {1000, "", false, 1, 0},       {1030, "", false, 2, 0},
        {1060, "120 ", false, 0, 120}, {1090, "120 ", false, 1, 120},
        {1120, "120 ", false, 2, 120}, {1150, "120 ", false, 3, 120},
        {1180, "120 ", true, 4, 120},  {1212, "119 ", true, 5, 118},
        // After the pause the old reading stays, in its old style, for two taps.
        {1842, "119 ", true, 0, 0},    {1872, "119 ", true, 1, 0},
        {1902, "120 ", false, 0, 120},
    };
    SimUser user;
    user.Start();
    Tapper tapper(user);
    for (const Row& row : rows) {
        SCOPED_TRACE("tap at " + std::to_string(row.tick));
        tapper.TapAt(row.tick);
        EXPECT_EQ(user.Text("tempo4"), row.tempo4);
        EXPECT_EQ(Tempo4(user).Bold(), row.steady);
        EXPECT_EQ(Tempo4(user).TextColor(), row.steady ? kRed : kBlack);
        EXPECT_EQ(user.Window().countstable, row.countstable);
        EXPECT_EQ(user.Window().tempstable, row.tempstable);
    }
}

TEST(TapTab, TheThirdTapShowsTheTempoRoundedUp)
{
    struct Case {
        const char* name;
        std::int32_t gap;
        const char* tempo4;
    };
    const Case cases[] = {
        {"gaps of 32 ticks", 32, "113 "},
        {"gaps of 25 ticks", 25, "144 "},
        {"the slowest gap that counts", 119, "31 "},
        {"two seconds is a pause", 120, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimUser user;
        user.Start();
        Tapper tapper(user);
        tapper.TapEvery(c.gap, 2);
        EXPECT_EQ(user.Text("tempo4"), "");
        tapper.TapEvery(c.gap, 1);
        EXPECT_EQ(user.Text("tempo4"), c.tempo4);
        tapper.TapEvery(c.gap, 3);
        EXPECT_EQ(user.Text("tempo4"), c.tempo4);
    }
}

TEST(TapTab, TheFirstUnsteadyReadingTurnsTheTempoPlainAgain)
{
    SimUser user;
    user.Start();
    Tapper tapper(user);
    tapper.TapEvery(30, 6);
    EXPECT_FALSE(Tempo4(user).Bold());
    tapper.TapEvery(30, 1);
    EXPECT_TRUE(Tempo4(user).Bold());
    EXPECT_EQ(Tempo4(user).TextColor(), kRed);
    // Six gaps of 30 and one of 15: 129.2... BPM, more than 2 away.
    tapper.TapEvery(15, 1);
    EXPECT_EQ(user.Text("tempo4"), "130 ");
    EXPECT_FALSE(Tempo4(user).Bold());
    EXPECT_EQ(Tempo4(user).TextColor(), kBlack);
}

TEST(TapTab, TheMeanCoversTheLast32GapsAtMost)
{
    SimUser user;
    user.Start();
    Tapper tapper(user);
    tapper.TapEvery(100, 2);
    tapper.TapEvery(30, 31);
    // 33 stamps: one gap of 100 and 31 of 30, a mean of 32.1875 ticks.
    EXPECT_EQ(user.Text("tempo4"), "112 ");
    tapper.TapEvery(30, 1);
    EXPECT_EQ(user.Text("tempo4"), "120 ");
}

TEST(TapTab, ForgettingTheSeriesKeepsItsLastTwoTaps)
{
    SimUser user;
    user.Start();
    Tapper tapper(user);
    tapper.TapAt(1000);
    tapper.TapAt(1100);
    // At 1361 the tap before the previous one is 361 ticks old: the history
    // is cleared, but the two newest stamps stay and their gap still counts.
    tapper.TapAt(1361);
    tapper.TapAt(1380);
    // Gaps of 100 and 19 ticks; 261 is a pause.
    EXPECT_EQ(user.Text("tempo4"), "61 ");
}

TEST(TapTab, TapsWithinOneTickAreNoReading)
{
    SimUser user;
    user.Start();
    Tapper tapper(user);
    tapper.TapEvery(30, 7);
    ASSERT_EQ(user.Text("tempo4"), "120 ");
    ASSERT_TRUE(Tempo4(user).Bold());
    // The pause forgets the series; then every gap held is 0.
    tapper.TapEvery(400, 1);
    tapper.TapEvery(0, 2);
    EXPECT_EQ(user.Text("tempo4"), "120 ");
    EXPECT_TRUE(Tempo4(user).Bold());
    EXPECT_EQ(Tempo4(user).TextColor(), kRed);
    EXPECT_EQ(user.Window().tempstable, 0);
}

TEST(TapTab, CopyToGlobalTempoTakesTheShownTempo)
{
    SimUser user;
    user.Start();
    user.TypeInto("tempo1", "96");
    Tapper tapper(user);
    user.Click("TapCopy");
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, 96);

    tapper.TapEvery(30, 6);
    tapper.TapEvery(32, 1);
    ASSERT_EQ(user.Text("tempo4"), "119 ");
    user.Click("TapCopy");
    EXPECT_DOUBLE_EQ(user.Window().tempoglobal, 119);
}

} // namespace
