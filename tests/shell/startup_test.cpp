// Start-up as a whole: the texts it reads, the menu bar it
// builds, and what happens when something escapes; then an opened document.

#include "app.h"
#include "clipboard.h"
#include "localization.h"
#include "menubar.h"
#include "simuser.h"
#include "startup.h"
#include "system.h"
#include "uistrings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <libintl.h>
#include <optional>
#include <string>

namespace {

TEST(StartUp, AnExceptionThatEscapesIsReportedAndEndsWithStatusOne)
{
    SimUser user;
    // Without the application's resources the layout cannot get its pictures.
    fw::SetResourceForkFactory(nullptr);
    testing::internal::CaptureStderr();
    _Main();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("NilObjectException"), std::string::npos);
    EXPECT_EQ(fw::RuntimeExit(), 1);
}

// A text the catalogue holds is translated; any other is its English
// default. A sample that covers the typos, the blanks before colons and the
// dots.
TEST(StartUp, AGettextCatalogueTranslatesWhatItHoldsAndLeavesTheRestInEnglish)
{
    SimUser user; // forgets the texts looked up before, and after
    // Put back at the end for the tests after this one (nullopt: LANGUAGE unset).
    const std::string folder = bindtextdomain("cadenzo", nullptr), messages = std::setlocale(LC_MESSAGES, nullptr);
    const char* set = std::getenv("LANGUAGE");
    const std::optional<std::string> language = set ? std::optional<std::string>(set) : std::nullopt;
    fw::SetLocaleDirectory(CADENZO_TEST_LOCALE_DIR);
    ::setenv("LANGUAGE", "de", 1);
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    const struct { std::string (*getter)(); const char* shown; } cases[] = {
        {Strings::NEWTEMPO, "Neues Tempo (BPM) :"}, {Strings::SELECTALL, "Alles auswählen"},
        {Strings::ORIGINALTEMPO, "Original Tempo (BPM) :"}, {Strings::LOOPLENGTHMS, "Loop Length In Ms :"},
        {Strings::HELP3,
         "Enter the tempo of your song in BPM to get the delay in ms or the frequency to use with LFO or other "
         "hertz paramters to synchronise with your song. You can directly enter a number into the cells to obtain "
         "the tempo."},
        {Strings::HELP7,
         "You can add or substract two SMPTE codes, or convert one code like 90m 24s 20f to obtain 1h 30m 24s 20f"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.getter(), c.shown);
    bindtextdomain("cadenzo", folder.c_str());
    std::setlocale(LC_MESSAGES, messages.c_str());
    language ? ::setenv("LANGUAGE", language->c_str(), 1) : ::unsetenv("LANGUAGE");
}

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

    // The edit commands work only in the focused field, and recompute. The
    // Tap tab has no field: the focus leaves with the Tempo tab's fields.
    const char* const edits[] = {"EditSelectAll", "EditCut", "EditCopy", "EditPaste", "EditClear"};
    auto enabled = [&](const char* item) { return user.MenuItemEnabled(item); };
    user.ChooseTab("Tap");
    EXPECT_TRUE(std::ranges::none_of(edits, enabled));
    EXPECT_TRUE(user.MenuItemEnabled("FileQuit"));
    EXPECT_FALSE(user.PressShortcut("Cmd+A"));
    user.ChooseTab("Tempo");
    EXPECT_TRUE(std::ranges::all_of(edits, enabled));

    user.TypeInto("tempo1", "120");
    user.TypeInto("tempo2", "140");
    EXPECT_TRUE(user.PressShortcut("Cmd+A"));
    EXPECT_TRUE(user.PressShortcut("Cmd+C"));
    EXPECT_EQ(fw::Clipboard::Text(), "140");
    // A shortcut or a menu item, then tempo2 and the stretch it gives; the cut takes all Cmd+A selected.
    const char* const steps[][3] = {{"Cmd+X", "", ""},         {"Cmd+V", "140", "85.71%"}, {"Cmd+V", "140140", ""},
                                    {"EditSelectAll", "140140", ""}, {"EditClear", "", ""}};
    for (const auto& [step, tempo2, time1] : steps) {
        SCOPED_TRACE(step);
        EXPECT_TRUE(std::string(step).starts_with("Cmd+") ? user.PressShortcut(step) : user.ChooseMenuItem(step));
        EXPECT_EQ(user.Text("tempo2") + " " + user.Text("time1"), std::string(tempo2) + " " + time1);
    }
    // An opened document only makes the window forget the carried tempo.
    App().OpenDocument(fw::FolderItem("/tmp/some document.txt"));
    EXPECT_EQ(user.Window().tempoglobal, 0.0);
    EXPECT_EQ(fw::Windows().size(), 1u);
}

} // namespace
