// The links of both windows, used as a person does: pointer over them, clicks.

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

} // namespace
