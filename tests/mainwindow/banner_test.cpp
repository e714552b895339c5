// The links of both windows and the main window's About and Close menu
// items, used as a person does: pointer over the links, clicks, menus.

#include "application.h"
#include "links.h"
#include "simuser.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr fw::Color kBlue = 0x0000FF;
constexpr fw::Color kBlack = 0x000000;

TEST(Links, TheCaptionUnderThePointerTurnsBlueAndCaptionsOpenWhatTheirPicturesOpenInBothWindows)
{
    SimUser user;
    user.Start();
    for (const std::string window : {"Cadenzo", "winabout"}) {
        SCOPED_TRACE(window);
        auto colour = [&](const char* caption) {
            return dynamic_cast<fw::StaticText&>(*user.FindWindow(window)->ControlByName(caption)).TextColor();
        };
        // A picture, its caption and another caption; the About link is the main window's alone.
        std::vector<std::array<const char*, 3>> links = {{"contactbut", "contactbuttxt", "webbuttxt"},
                                                         {"webbut", "webbuttxt", "contactbuttxt"}};
        window == "Cadenzo" ? links.push_back({"aproposbut", "aboutbuttxt", "webbuttxt"}) : user.Click("aproposbut");
        // Down from each picture onto its caption: the colour set last stays.
        for (const auto& [picture, caption, other] : links) {
            for (const char* control : {picture, caption}) {
                SCOPED_TRACE(control);
                user.Hover(window, control, true);
                EXPECT_EQ(colour(caption), kBlue);
                EXPECT_EQ(colour(other), kBlack);
                user.Hover(window, control, false);
                EXPECT_EQ(colour(caption), kBlack);
            }
        }
        for (const char* control : {"contactbut", "contactbuttxt", "webbut", "webbuttxt"})
            user.ClickIn(window, control);
    }
    const std::string c = ContactURL(), w = WebsiteURL();
    EXPECT_EQ(user.OpenedLinks(), (std::vector<std::string>{c, c, w, w, c, c, w, w}));
    EXPECT_EQ(fw::Windows().size(), 2u);
}

// About (in the Edit menu) and Close (in the File menu) are enabled by the
// window in front; Close with the main window in front quits after storing
// both windows' places.
TEST(Banner, TheAboutLinkShowsOneAboutWindowInFront)
{
    SimUser user;
    user.Start();

    for (auto open : {+[](SimUser& u) { u.Click("aproposbut"); }, +[](SimUser& u) { u.Click("aboutbuttxt"); },
                      +[](SimUser& u) { EXPECT_TRUE(u.ChooseMenuItem("FileAbout")); }}) {
        user.MoveWindow("Cadenzo", 10, 44);
        EXPECT_TRUE(user.MenuItemEnabled("FileAbout"));
        EXPECT_TRUE(user.MenuItemEnabled("FileClose"));
        open(user);
        EXPECT_EQ(user.FrontWindowName(), "winabout");
        EXPECT_EQ(fw::Windows().size(), 2u);
        EXPECT_FALSE(user.MenuItemEnabled("FileAbout"));
        EXPECT_TRUE(user.MenuItemEnabled("FileClose"));
    }
    EXPECT_TRUE(user.OpenedLinks().empty());

    user.MoveWindow("winabout", 50, 60);
    user.MoveWindow("Cadenzo", 230, 140);
    EXPECT_TRUE(user.PressShortcut("Cmd+W"));
    EXPECT_FALSE(user.Running());
    const auto values = user.PrefsFileValues();
    EXPECT_EQ((std::vector<int>{values[0], values[1], values[2], values[3]}), (std::vector<int>{230, 140, 50, 60}));
}

} // namespace
