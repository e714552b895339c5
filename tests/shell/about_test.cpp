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
    EXPECT_EQ(user.FrontWindowName(), kAbout);
    EXPECT_EQ(AboutPlace(user), std::pair(100, 100));

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

    // Return presses "Ok", the default button.
    user.PressKey("Return");
    EXPECT_FALSE(user.WindowShown(kAbout));
    EXPECT_EQ(user.FindWindow(kAbout), about);
}

TEST(AboutWindow, TheNextOneOpensWhereItWasLeftThisRunAndTheNext)
{
    const struct {
        const char* name;
        void (*leave)(SimUser&);
        bool quits;
    } cases[] = {
        {"its close box", [](SimUser& u) { u.CloseWindow(kAbout); }, false},
        {"File > Close", [](SimUser& u) { EXPECT_TRUE(u.ChooseMenuItem("FileClose")); }, false},
        {"Quit", [](SimUser& u) { u.Quit(); }, true},
        {"Ok, then the main window's close box", [](SimUser& u) { u.ClickIn(kAbout, "PushButton1"); u.CloseWindow(); },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimUser user;
        user.Start();
        user.Click("aproposbut");
        user.MoveWindow(kAbout, 612, -5);
        c.leave(user);
        EXPECT_EQ(user.Running(), !c.quits);
        if (!c.quits) {
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
}

} // namespace
