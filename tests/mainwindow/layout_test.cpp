// The main window as start-up builds it: its controls, their pages, texts and
// pictures, and that building it computes nothing.

#include "application.h"
#include "cadenzo.h"
#include "editfieldplus.h"
#include "localization.h"
#include "startup.h"
#include "text.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

namespace {

// Each picture is as wide as its resource number, so the canvases can be told apart.
class NumberedPictures : public fw::ResourceFork {
public:
    fw::PicturePtr GetPicture(int id) override
    {
        return std::make_shared<const fw::Picture>(fw::Picture{.width = id, .height = 1, .data = {}});
    }
};

std::unique_ptr<fw::ResourceFork> MakeNumberedPictures() { return std::make_unique<NumberedPictures>(); }

class Layout : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetRun();
        fw::SetResourceForkFactory(&MakeNumberedPictures);
        StartUp();
    }

    void TearDown() override
    {
        fw::SetLocalizedStringSource(nullptr);
        ResetRun();
        fw::SetResourceForkFactory(nullptr);
    }

    static class Cadenzo& Window() { return Cadenzo(); }

    template <class T = fw::Control>
    static T& Get(const std::string& name)
    {
        return fw::ControlAs<T>(Window(), name);
    }
};

TEST_F(Layout, HoldsTheControlsOfEachClassAndPage)
{
    std::map<std::string, int> byClass;
    std::map<int, int> byPage;
    for (const fw::Control* control : Window().Controls()) {
        ++byClass[control->ClassName()];
        ++byPage[control->TabPanelIndex()];
    }

    const std::map<std::string, int> classes = {
        {"StaticText", 50}, {"EditFieldPlus", 36}, {"GroupBox", 7},   {"Canvas", 5},
        {"Rectangle", 5},   {"Separator", 4},      {"PopupMenu", 2},  {"RadioButton", 2},
        {"TabPanel", 1},    {"BevelButton", 1},    {"PushButton", 1}, {"Listbox", 1},
    };
    EXPECT_EQ(byClass, classes);
    const std::map<int, int> pages = {{0, 8}, {1, 12}, {2, 7}, {3, 25}, {4, 7}, {5, 17}, {6, 8}, {7, 31}};
    EXPECT_EQ(byPage, pages);
}

TEST_F(Layout, PagesLieOnTheTabPanelAndTheBannerAboveIt)
{
    const fw::Control& panel = Get("TabPanel1");
    for (const fw::Control* control : Window().Controls()) {
        SCOPED_TRACE(control->Name());
        if (control->TabPanelIndex() == 0) {
            if (control != &panel) {
                EXPECT_LE(control->Top() + control->Height(), panel.Top());
            }
            continue;
        }
        EXPECT_EQ(control->InitialParent(), control->Name() == "StaticText36" ? "GroupBox6" : "TabPanel1");
        EXPECT_GE(control->Left(), panel.Left());
        EXPECT_GE(control->Top(), panel.Top());
        EXPECT_LE(control->Left() + control->Width(), panel.Left() + panel.Width());
        EXPECT_LE(control->Top() + control->Height(), panel.Top() + panel.Height());
        EXPECT_EQ(control->AutoDeactivate(), control->Name() != "tempo1");
    }
    // The links drawn over the logo belong to it.
    for (const char* name : {"webbut", "aproposbut", "aboutbuttxt"})
        EXPECT_EQ(Get(name).InitialParent(), "Canvas1") << name;

    const struct { const char* name; int left, top, width, height; } boxes[] = {
        {"tempo1", 166, 205, 48, 18}, {"note18", 177, 337, 45, 14}, {"Canvas1", 17, 6, 400, 158}};
    for (const auto& box : boxes) {
        const fw::Control& control = Get(box.name);
        EXPECT_EQ((std::array{control.Left(), control.Top(), control.Width(), control.Height()}),
                  (std::array{box.left, box.top, box.width, box.height})) << box.name;
    }
}

TEST_F(Layout, ShowsEachCanvasItsOwnPicture)
{
    const std::map<std::string, int> pictures = {
        {"Canvas1", 168}, {"contactbut", 169}, {"webbut", 170}, {"aproposbut", 171}, {"Canvas4", 172}};
    for (const auto& [name, number] : pictures) {
        const fw::PicturePtr& backdrop = Get<fw::Canvas>(name).Backdrop();
        ASSERT_NE(backdrop, nullptr) << name;
        EXPECT_EQ(backdrop->width, number) << name;
    }
}

TEST_F(Layout, TakesSeventeenTextsFromStringsLocalisedOrNot)
{
    // State: a localisation that translates the new-tempo label alone.
    std::map<std::string, std::string> english;
    fw::SetLocalizedStringSource([&english](const std::string& key, const std::string& text) {
        english[key] = text;
        return key == "Strings.NEWTEMPO" ? std::string("Neues Tempo :") : text;
    });
    ResetRun();
    StartUp();

    EXPECT_EQ(Get<fw::StaticText>("StaticText2").Text(), "Neues Tempo :");
    const std::map<std::string, std::string> keys = {
        {"StaticText1", "ORIGINALTEMPO"}, {"StaticText6", "SEMITOTRANSPOSE"}, {"StaticText18", "SAMPLERATE"},
        {"StaticText19", "NUMBERBEATS"},  {"StaticText21", "LOOPLENGTH"},     {"StaticText5", "LOOPLENGTHMS"},
        {"StaticText7", "DIAPASONHZ"},    {"StaticText31", "HELP1"},          {"StaticText32", "HELP2"},
        {"StaticText33", "HELP3"},        {"StaticText34", "HELP4"},          {"StaticText35", "HELP5"},
        {"StaticText36", "HELP6"},        {"StaticText37", "HELP7"},          {"aboutbuttxt", "ABOUTBUT"},
    };
    for (const auto& [name, key] : keys) {
        ASSERT_TRUE(english.contains("Strings." + key)) << key;
        EXPECT_EQ(Get<fw::StaticText>(name).Text(), english["Strings." + key]) << name;
    }
    EXPECT_EQ(Get<fw::PushButton>("TapCopy").Caption(), english["Strings.TAPCOPYGLOBAL"]);
    EXPECT_EQ(Get<fw::StaticText>("StaticText3").Text(), "Time Stretching :");
}

TEST_F(Layout, BuildingTheWindowComputesNothing)
{
    EXPECT_EQ(Window().tempoglobal, 0.0);
    EXPECT_EQ(Window().curseurentry, 0);
    EXPECT_EQ(Window().curseurdelay, 0);
    EXPECT_EQ(Window().curseursample, 0);

    // The design values stand, with nothing worked out from them.
    EXPECT_EQ(Get<EditFieldPlus>("diapason").Text(), "440");
    EXPECT_EQ(Get<fw::Listbox>("noteshz").ListCount(), 0);
    EXPECT_EQ(Get<EditFieldPlus>("H1").Text(), "0");
    EXPECT_EQ(Get<fw::StaticText>("S3").Text(), "0");
    EXPECT_EQ(Get<fw::StaticText>("F3").Text(), "0.00");
    EXPECT_EQ(Get<fw::StaticText>("time1").Text(), "");
    EXPECT_EQ(Get<fw::PopupMenu>("SMPTEformat").ListIndex(), 0);
    EXPECT_EQ(Get<fw::PopupMenu>("operateur").ListIndex(), 0);
    EXPECT_TRUE(Get<fw::RadioButton>("buttonms").Value());
    EXPECT_FALSE(Get<fw::RadioButton>("buttonhz").Value());
}

TEST_F(Layout, ShowsOnlyTheSelectedPageBesideTheBanner)
{
    auto& panel = Get<fw::TabPanel>("TabPanel1");
    EXPECT_EQ(panel.Tabs().at(2), "Delay");
    // From the last tab back, so that every page is both entered and left.
    for (int value = 6; value >= 0; --value) {
        panel.SetValue(value);
        for (const fw::Control* control : Window().Controls()) {
            const int page = control->TabPanelIndex();
            EXPECT_EQ(control->Shown(), page == 0 || page == value + 1) << control->Name() << ", tab " << value;
        }
    }
}

TEST_F(Layout, SelectAllSelectsTheWholeTextOfEveryEditField)
{
    for (fw::Control* control : Window().Controls()) {
        auto* field = dynamic_cast<EditFieldPlus*>(control);
        if (field == nullptr)
            continue;
        SCOPED_TRACE(field->Name());
        // State: the field's page showing, text typed, the caret at its end.
        Get<fw::TabPanel>("TabPanel1").SetValue(field->TabPanelIndex() - 1);
        field->SetText("333.5");
        field->SetFocus();
        // Action: Edit > Select all.
        EXPECT_TRUE(fw::ChooseMenuItem("EditSelectAll"));
        // Expected: the whole text selected.
        EXPECT_EQ(field->SelStart(), 0);
        EXPECT_EQ(field->SelLength(), fw::Len(field->Text()));
    }
}

} // namespace
