// The About window as a person meets it: opened from the banner, moved,
// hidden with "Ok", closed, and found again where it was left, in this run
// and the next.

#include "simuser.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kAbout = "winabout";

std::pair<int, int> AboutPlace(const SimUser& user)
{
    fw::Window* window = user.FindWindow(kAbout);
    return window ? std::pair(window->Left(), window->Top()) : std::pair(-1, -1);
}

TEST(AboutWindow, FirstShowsAtItsDefaultPlaceAndOkOnlyHidesIt)
{
    SimUser user;
    user.Start();
    user.Click("aproposbut");
    fw::Window* about = user.FindWindow(kAbout);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(user.FrontWindowName(), kAbout);
    EXPECT_EQ(AboutPlace(user), std::pair(100, 100));
    EXPECT_EQ(about->Title(), "About...");
    EXPECT_EQ(about->Width(), 250);
    EXPECT_EQ(about->Height(), 285);
    EXPECT_EQ(about->Controls().size(), 8u);

    // Moved, hidden, shown again: the same window where it was, not reopened
    // at the stored place.
    user.MoveWindow(kAbout, 300, 250);
    user.ClickIn(kAbout, "PushButton1");
    EXPECT_FALSE(user.WindowShown(kAbout));
    EXPECT_EQ(user.FrontWindowName(), "Cadenzo");
    user.Click("aboutbuttxt");
    EXPECT_EQ(user.FindWindow(kAbout), about);
    EXPECT_EQ(user.FrontWindowName(), kAbout);
    EXPECT_EQ(AboutPlace(user), std::pair(300, 250));
}

struct LeaveCase {
    const char* name;
    void (*leave)(SimUser&);
    bool quits;
};

void PrintTo(const LeaveCase& c, std::ostream* os) { *os << c.name; }

class AboutLeft : public testing::TestWithParam<LeaveCase> {};

TEST_P(AboutLeft, TheNextOneOpensWhereItWasLeftThisRunAndTheNext)
{
    SimUser user;
    user.Start();
    user.Click("aproposbut");
    user.MoveWindow(kAbout, 612, -5);
    GetParam().leave(user);
    EXPECT_EQ(user.Running(), !GetParam().quits);
    if (!GetParam().quits) {
        EXPECT_EQ(user.FindWindow(kAbout), nullptr);
        EXPECT_EQ(user.FrontWindowName(), "Cadenzo");
        user.Click("aproposbut");
        EXPECT_EQ(AboutPlace(user), std::pair(612, -5));
        user.Quit();
    }
    user.Restart();
    user.Click("aproposbut");
    EXPECT_EQ(AboutPlace(user), std::pair(612, -5));
}

INSTANTIATE_TEST_SUITE_P(
    ByTheUser, AboutLeft,
    testing::Values(
        LeaveCase{"CloseBox", [](SimUser& u) { u.CloseWindow(kAbout); }, false},
        LeaveCase{"FileClose", [](SimUser& u) { EXPECT_TRUE(u.ChooseMenuItem("FileClose")); }, false},
        LeaveCase{"ControlW", [](SimUser& u) { EXPECT_TRUE(u.PressShortcut("Cmd+W")); }, false},
        LeaveCase{"Quit", [](SimUser& u) { u.Quit(); }, true},
        LeaveCase{"OkThenQuit", [](SimUser& u) { u.ClickIn(kAbout, "PushButton1"); u.Quit(); }, true},
        LeaveCase{"OkThenMainCloseBox", [](SimUser& u) { u.ClickIn(kAbout, "PushButton1"); u.CloseWindow(); },
                  true}),
    [](const testing::TestParamInfo<LeaveCase>& info) { return info.param.name; });

} // namespace
