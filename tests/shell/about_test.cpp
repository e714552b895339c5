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

// Moved, then left: hidden, the same window shows again where it was; closed,
// the next one opens at the stored place; quit, it does so in the next run.
TEST(AboutWindow, TheNextOneOpensWhereItWasLeftThisRunAndTheNext)
{
    enum Left { kHidden, kClosed, kQuit };
    const struct { const char* name; void (*leave)(SimUser&); Left left; } cases[] = {
        {"Ok", [](SimUser& u) { u.ClickIn(kAbout, "PushButton1"); }, kHidden},
        {"Return, which presses the default button", [](SimUser& u) { u.PressKey("Return"); }, kHidden},
        {"its close box", [](SimUser& u) { u.CloseWindow(kAbout); }, kClosed},
        {"File > Close", [](SimUser& u) { EXPECT_TRUE(u.ChooseMenuItem("FileClose")); }, kClosed},
        {"Quit", [](SimUser& u) { u.Quit(); }, kQuit},
        {"Ok, then the main window's close box", [](SimUser& u) { u.ClickIn(kAbout, "PushButton1"); u.CloseWindow(); },
         kQuit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimUser user;
        user.Start();
        user.Click("aproposbut");
        fw::Window* about = user.FindWindow(kAbout);
        EXPECT_EQ(user.FrontWindowName(), kAbout);
        EXPECT_EQ(AboutPlace(user), std::pair(100, 100));
        user.MoveWindow(kAbout, 612, -5);
        c.leave(user);
        EXPECT_EQ(user.Running(), c.left != kQuit);
        if (c.left != kQuit) {
            EXPECT_EQ(user.FindWindow(kAbout), c.left == kHidden ? about : nullptr);
            EXPECT_FALSE(user.FindWindow(kAbout) && user.FindWindow(kAbout)->Visible());
            EXPECT_EQ(user.FrontWindowName(), "Cadenzo");
            user.Click("aboutbuttxt");
            EXPECT_EQ(user.FrontWindowName(), kAbout);
            EXPECT_EQ(AboutPlace(user), std::pair(612, -5));
            if (c.left == kHidden)
                continue;
            user.Quit();
        }
        user.Restart();
        user.Click("aproposbut");
        EXPECT_EQ(AboutPlace(user), std::pair(612, -5));
    }
}

} // namespace
