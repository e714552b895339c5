// The menu bar, its enabled states and the edit commands, used as the user
// does through the menus and their shortcuts.

#include "app.h"
#include "clipboard.h"
#include "menubar.h"
#include "simuser.h"

#include <gtest/gtest.h>

namespace {

struct ItemCase {
    const char* name;
    const char* menu;
    const char* text;
    const char* shortcut;
};

TEST(MenuBar, HasTheFileAndEditMenusInOrderWithTheirShortcuts)
{
    SimUser user;
    user.Start();
    const ItemCase expected[] = {
        {"FileClose", "UntitledMenu1", "Close", "Cmd+W"},
        {"UntitledMenu2", "UntitledMenu1", "-", ""},
        {"FileQuit", "UntitledMenu1", "Quit", "Cmd+Q"},
        {"EditCut", "UntitledMenu0", "Cut", "Cmd+X"},
        {"EditCopy", "UntitledMenu0", "Copy", "Cmd+C"},
        {"EditPaste", "UntitledMenu0", "Paste", "Cmd+V"},
        {"EditClear", "UntitledMenu0", "Delete", ""},
        {"EditSelectAll", "UntitledMenu0", "Select all", "Cmd+A"},
        {"FileAbout", "UntitledMenu0", "About Cadenzo...", ""},
    };
    class Menu& bar = Menu();
    ASSERT_EQ(bar.Children().size(), 2u);
    EXPECT_EQ(bar.Children()[0]->Text, "File");
    EXPECT_EQ(bar.Children()[1]->Text, "Edit");
    std::vector<const fw::MenuItem*> items;
    for (const auto& menu : bar.Children())
        for (const auto& item : menu->Children())
            items.push_back(item.get());
    ASSERT_EQ(items.size(), std::size(expected));
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(items[i]->Name, expected[i].name);
        EXPECT_EQ(bar.Child(expected[i].menu)->Child(expected[i].name), items[i]);
        EXPECT_EQ(items[i]->Text, expected[i].text);
        EXPECT_EQ(items[i]->KeyboardShortcut, expected[i].shortcut);
    }
    EXPECT_NE(dynamic_cast<const fw::QuitMenuItem*>(bar._Lookup("FileQuit")), nullptr);
    EXPECT_NE(dynamic_cast<const fw::AppleMenuItem*>(bar._Lookup("FileAbout")), nullptr);
}

struct EnabledCase {
    const char* item;
    bool withoutField;
    bool inAField;
};

TEST(MenuBar, EditItemsAreEnabledOnlyWhileAnEditFieldHasTheFocus)
{
    const EnabledCase cases[] = {
        {"EditSelectAll", false, true}, {"EditCut", false, true},  {"EditCopy", false, true},
        {"EditPaste", false, true},     {"EditClear", false, true}, {"FileQuit", true, true},
        {"UntitledMenu2", true, true},
    };
    SimUser user;
    user.Start();
    // The Tap tab has no field: the focus leaves with the Tempo tab's fields.
    user.ChooseTab("Tap");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_EQ(user.MenuItemEnabled(c.item), c.withoutField);
    }
    user.ChooseTab("Tempo");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_EQ(user.MenuItemEnabled(c.item), c.inAField);
    }
}

TEST(MenuBar, SelectAllSelectsTheWholeTextOfTheFocusedField)
{
    SimUser user;
    user.Start();
    user.Get<fw::EditField>("tempo2").SetText("120");
    user.Click("tempo2");
    EXPECT_TRUE(user.ChooseMenuItem("EditSelectAll"));
    EXPECT_EQ(user.Get<fw::EditField>("tempo2").SelStart(), 0);
    EXPECT_EQ(user.Get<fw::EditField>("tempo2").SelLength(), 3);

    user.Click("tempo1");
    EXPECT_TRUE(user.PressShortcut("Cmd+A"));
    EXPECT_EQ(user.Get<fw::EditField>("tempo1").SelStart(), 0);
    EXPECT_EQ(user.Get<fw::EditField>("tempo1").SelLength(), 0);
    EXPECT_EQ(user.Text("tempo1"), "");
}

TEST(MenuBar, SelectAllDoesNothingWithoutAFocusedField)
{
    SimUser user;
    user.Start();
    user.ChooseTab("Tap");
    EXPECT_FALSE(user.ChooseMenuItem("EditSelectAll"));
    EXPECT_FALSE(user.PressShortcut("Cmd+A"));
}

TEST(MenuBar, CutCopyPasteAndDeleteEditTheFocusedFieldAndRecompute)
{
    SimUser user;
    user.Start();
    user.TypeInto("tempo1", "120");
    user.TypeInto("tempo2", "140");

    user.PressShortcut("Cmd+A");
    user.PressShortcut("Cmd+C");
    EXPECT_EQ(fw::Clipboard::Text(), "140");
    user.PressShortcut("Cmd+X");
    EXPECT_EQ(user.Text("tempo2"), "");
    EXPECT_EQ(user.Text("time1"), "");
    user.PressShortcut("Cmd+V");
    EXPECT_EQ(user.Text("tempo2"), "140");
    EXPECT_EQ(user.Text("time1"), "85.71%");
    user.PressShortcut("Cmd+V");
    EXPECT_EQ(user.Text("tempo2"), "140140");
    user.ChooseMenuItem("EditSelectAll");
    user.ChooseMenuItem("EditClear");
    EXPECT_EQ(user.Text("tempo2"), "");
    EXPECT_EQ(user.Text("time1"), "");
}

TEST(MenuBar, QuitQuitsAndWritesThePreferences)
{
    SimUser user;
    user.Start();
    EXPECT_TRUE(user.PressShortcut("Cmd+Q"));
    EXPECT_FALSE(user.Running());
    EXPECT_EQ(user.PrefsFileBytes().size(), 32u);
}

} // namespace
