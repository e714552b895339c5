// The main window as a user meets it on the framework's core: the tempo
// carried from tab to tab, the focus ready to type over, the space bar
// tapping on the Tap tab alone, the pictures and texts start-up puts in it,
// and the links of both windows.

#include "application.h"
#include "links.h"
#include "localization.h"
#include "simuser.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(TabSwitching, TheTempoIsCarriedFromTabToTabAndTheSpaceBarTapsOnTheTapTabAlone)
{
    // A tab chosen, a field typed over, three presses of the space bar `spaces` ticks apart; then the
    // texts shown, and the field that has the focus with its whole text selected, ready to type over.
    struct Step { const char *tab = "", *into = ""; std::string typed = ""; int spaces = 0;
                  std::vector<std::pair<const char*, std::string>> shown = {}; const char* focus = nullptr; };
    const Step steps[] = {
        {.into = "tempo1", .typed = "120"},
        {.into = "tempo2", .typed = "140"},
        {.tab = "Delay", .shown = {{"tempo3", "120"}, {"note1", "2000.00"}, {"note18", "41.67"}}, .focus = "tempo3"},
        {.tab = "Samples", .shown = {{"tempo5", "120"}, {"loopl", "88200"}, {"loopms", "2000"}}, .focus = "loopl"},
        // A tempo worked out from a cell goes back to the Tempo tab and its results.
        {.tab = "Delay", .into = "note7", .typed = "333"},
        {.tab = "Tempo", .shown = {{"tempo1", "180.18"}, {"time1", "128.70%"}}, .focus = "tempo1"},
        // tempo3 already holds "180.18": the tab's own run still rewrites the cell typed into.
        {.tab = "Delay", .shown = {{"tempo3", "180.18"}, {"note7", "333.00"}}},
        // No tempo carried: Tempo and Delay empty their field, Samples keeps its own.
        {.tab = "Samples", .into = "tempo5", .typed = "100"},
        {.tab = "Tempo", .into = "tempo1", .typed = ""},
        {.tab = "Delay", .shown = {{"tempo3", ""}, {"note1", ""}}},
        {.tab = "Samples", .shown = {{"tempo5", "100"}}},
        {.tab = "Tempo", .shown = {{"tempo1", ""}, {"time1", ""}}},
        // A tempo too large for a Double is carried as the "INF" it shows.
        {.into = "tempo1", .typed = std::string(400, '9')},
        {.tab = "Delay", .shown = {{"tempo3", "INF"}, {"note1", ""}, {"note18", ""}}},
        {.tab = "Tempo", .shown = {{"tempo1", "INF"}}},
        // Half a second apart on the Tap tab shows 120; a third of a second apart elsewhere changes nothing.
        {.tab = "Tap", .spaces = 30},
        {.tab = "Notes", .spaces = 20, .shown = {{"tempo4", "120 "}}},
    };
    SimUser user;
    user.Start();
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(s.tab) + " " + s.into);
        if (*s.tab != '\0')
            user.ChooseTab(s.tab);
        if (*s.into != '\0')
            user.TypeInto(s.into, s.typed);
        for (int press = 0; press < 3 && s.spaces != 0; ++press) {
            user.AdvanceClock(s.spaces);
            user.PressKey(" ");
        }
        for (const auto& [name, text] : s.shown)
            EXPECT_EQ(user.Text(name), text) << name;
        if (s.focus != nullptr) {
            EXPECT_EQ(user.FocusedName() + " " + user.Get<fw::EditField>(s.focus).SelText(), s.focus + (" " + user.Text(s.focus)));
        }
    }
}

TEST(Banner, ShowsEachPictureAndLocalisedTextAndTheCaptionUnderThePointerTurnsBlueAndOpensItsLink)
{
    SimUser user;
    // NEWTEMPO's translation is empty, and shown so.
    fw::SetLocalizedStringSource([](const std::string& key, const std::string&) {
        return key == "Strings.NEWTEMPO" ? std::string() : "[" + key + "]";
    });
    user.Start();
    // The simulated user's pictures are as wide as their numbers.
    for (const auto& [name, number] : std::map<std::string, int>{
             {"Canvas1", 168}, {"contactbut", 169}, {"webbut", 170}, {"aproposbut", 171}, {"Canvas4", 172}}) {
        const fw::PicturePtr& backdrop = user.Get<fw::Canvas>(name).Backdrop();
        EXPECT_EQ(backdrop ? backdrop->width : 0, number) << name;
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
    EXPECT_EQ(user.Text("StaticText2") + "|" + user.Get<fw::PushButton>("TapCopy").Caption(), "|[Strings.TAPCOPYGLOBAL]");
    fw::SetLocalizedStringSource(nullptr);

    // The links of both windows, used as a person does: pointer over them, clicks.
    for (const std::string window : {"Cadenzo", "winabout"}) {
        SCOPED_TRACE(window);
        // The captions shown blue; the others are black.
        auto blue = [&] {
            std::string shown;
            for (const char* caption : {"contactbuttxt", "webbuttxt", "aboutbuttxt"})
                if (auto* text = dynamic_cast<fw::StaticText*>(user.FindWindow(window)->ControlByName(caption)))
                    shown += text->TextColor() == 0x0000FF ? caption : text->TextColor() == 0 ? "" : "?";
            return shown;
        };
        // A picture and its caption; the About link is the main window's alone.
        std::vector<std::array<const char*, 2>> links = {{"contactbut", "contactbuttxt"}, {"webbut", "webbuttxt"}};
        window == "Cadenzo" ? links.push_back({"aproposbut", "aboutbuttxt"}) : user.Click("aproposbut");
        // Down from each picture onto its caption: the colour set last stays.
        for (const auto& [picture, caption] : links)
            for (const char* control : {picture, caption}) {
                user.Hover(window, control, true);
                EXPECT_EQ(blue(), caption) << control;
                user.Hover(window, control, false);
                EXPECT_EQ(blue(), "") << control;
            }
        for (const char* control : {"contactbut", "contactbuttxt", "webbut", "webbuttxt"})
            user.ClickIn(window, control);
    }
    const std::string c = ContactURL(), w = WebsiteURL();
    EXPECT_EQ(user.OpenedLinks(), (std::vector<std::string>{c, c, w, w, c, c, w, w}));
    EXPECT_EQ(fw::Windows().size(), 2u);
}

} // namespace
