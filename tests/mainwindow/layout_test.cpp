// The main window as start-up builds it, as far as a user would see a fault:
// a wrong picture or text, a page shown on the wrong tab.

#include "localization.h"
#include "simuser.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

TEST(Layout, ShowsOnlyTheChosenPageBesideTheBanner)
{
    SimUser user;
    user.Start();
    const char* const tabs[] = {"Tempo", "Transpose", "Delay", "Tap", "Samples", "Notes", "SMPTE"};
    // From the last tab back, so that every page is both entered and left.
    for (int tab = 6; tab >= 0; --tab) {
        user.ChooseTab(tabs[tab]);
        for (const fw::Control* c : user.Window().Controls())
            EXPECT_EQ(c->Shown(), c->TabPanelIndex() == 0 || c->TabPanelIndex() == tab + 1)
                << c->Name() << ", tab " << tabs[tab];
    }
}

TEST(Layout, ShowsEachCanvasItsOwnPictureAndEachLabelItsLocalisedText)
{
    SimUser user;
    // NEWTEMPO's translation is empty, and shown so.
    fw::SetLocalizedStringSource([](const std::string& key, const std::string&) {
        return key == "Strings.NEWTEMPO" ? std::string() : "[" + key + "]";
    });
    user.Start();
    const std::map<std::string, int> pictures = {
        {"Canvas1", 168}, {"contactbut", 169}, {"webbut", 170}, {"aproposbut", 171}, {"Canvas4", 172}};
    for (const auto& [name, number] : pictures) { // the simulated user's pictures are as wide as their numbers
        const fw::PicturePtr& backdrop = user.Get<fw::Canvas>(name).Backdrop();
        ASSERT_NE(backdrop, nullptr) << name;
        EXPECT_EQ(backdrop->width, number) << name;
    }
    std::map<std::string, std::string> keys = {
        {"StaticText1", "ORIGINALTEMPO"}, {"StaticText6", "SEMITOTRANSPOSE"},
        {"StaticText18", "SAMPLERATE"},   {"StaticText19", "NUMBERBEATS"}, {"StaticText21", "LOOPLENGTH"},
        {"StaticText5", "LOOPLENGTHMS"},  {"StaticText7", "DIAPASONHZ"},  {"aboutbuttxt", "ABOUTBUT"},
    };
    for (int tab = 1; tab <= 7; ++tab) // each tab's help text
        keys["StaticText3" + std::to_string(tab)] = "HELP" + std::to_string(tab);
    for (const auto& [name, key] : keys)
        EXPECT_EQ(user.Get<fw::StaticText>(name).Text(), "[Strings." + key + "]") << name;
    EXPECT_EQ(user.Text("StaticText2"), "");
    EXPECT_EQ(user.Get<fw::PushButton>("TapCopy").Caption(), "[Strings.TAPCOPYGLOBAL]");
    fw::SetLocalizedStringSource(nullptr);
}

} // namespace
