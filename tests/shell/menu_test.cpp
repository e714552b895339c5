// The menu bar, its enabled states and the edit commands, used as the user
// does through the menus and their shortcuts.

#include "clipboard.h"
#include "menubar.h"
#include "simuser.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuBar, HasTheFileAndEditMenusInOrderWithTheirShortcutsAndEditsOnlyTheFocusedField)
{
    SimUser user;
    user.Start();
    std::vector<std::string> items;
    for (const auto& menu : Menu().Children())
        for (const auto& item : menu->Children())
            items.push_back(menu->Text + " > " + item->Text + " " + item->KeyboardShortcut + " (" + item->Name + ")");
    EXPECT_EQ(items, (std::vector<std::string>{
                         "File > Close Cmd+W (FileClose)", "File > -  (UntitledMenu2)", "File > Quit Cmd+Q (FileQuit)",
                         "Edit > Cut Cmd+X (EditCut)", "Edit > Copy Cmd+C (EditCopy)", "Edit > Paste Cmd+V (EditPaste)",
                         "Edit > Delete  (EditClear)", "Edit > Select all Cmd+A (EditSelectAll)",
                         "Edit > About Cadenzo...  (FileAbout)"}));
    EXPECT_NE(dynamic_cast<const fw::QuitMenuItem*>(Menu()._Lookup("FileQuit")), nullptr);
    EXPECT_NE(dynamic_cast<const fw::AppleMenuItem*>(Menu()._Lookup("FileAbout")), nullptr);

    // The edit commands work only in the focused field, and recompute.
    const char* const edits[] = {"EditSelectAll", "EditCut", "EditCopy", "EditPaste", "EditClear"};
    // The Tap tab has no field: the focus leaves with the Tempo tab's fields.
    user.ChooseTab("Tap");
    for (const char* item : edits)
        EXPECT_FALSE(user.MenuItemEnabled(item)) << item;
    EXPECT_TRUE(user.MenuItemEnabled("FileQuit"));
    EXPECT_FALSE(user.ChooseMenuItem("EditSelectAll"));
    EXPECT_FALSE(user.PressShortcut("Cmd+A"));
    user.ChooseTab("Tempo");
    for (const char* item : edits)
        EXPECT_TRUE(user.MenuItemEnabled(item)) << item;

    user.TypeInto("tempo1", "120");
    user.TypeInto("tempo2", "140");
    EXPECT_TRUE(user.PressShortcut("Cmd+A"));
    EXPECT_EQ(user.Get<fw::EditField>("tempo2").SelText(), "140");
    EXPECT_TRUE(user.PressShortcut("Cmd+C"));
    EXPECT_EQ(fw::Clipboard::Text(), "140");
    // A shortcut or a menu item, then tempo2 and the stretch it gives.
    const char* const steps[][3] = {{"Cmd+X", "", ""},         {"Cmd+V", "140", "85.71%"}, {"Cmd+V", "140140", ""},
                                    {"EditSelectAll", "140140", ""}, {"EditClear", "", ""}};
    for (const auto& [step, tempo2, time1] : steps) {
        SCOPED_TRACE(step);
        EXPECT_TRUE(std::string(step).starts_with("Cmd+") ? user.PressShortcut(step) : user.ChooseMenuItem(step));
        EXPECT_EQ(user.Text("tempo2") + " " + user.Text("time1"), std::string(tempo2) + " " + time1);
    }
}

} // namespace
