#include "menubar.h"

#include "app.h"
#include "nil.h"
#include "uistrings.h"

#include <memory>

namespace {

std::unique_ptr<class Menu>& Instance()
{
    static std::unique_ptr<class Menu> instance;
    return instance;
}

struct ItemRow {
    const char* name;
    enum Kind { Plain, Quit, About } kind;
    const char* parent; // nullptr: a menu of the bar
    std::string (*text)();
    const char* shortcut; // nullptr: not set at all
    bool autoEnable;
};

std::string Separator() { return "-"; }

const ItemRow kItems[] = {
    {"UntitledMenu1", ItemRow::Plain, nullptr, Strings::FILE, "", false},
    {"FileClose", ItemRow::Plain, "UntitledMenu1", Strings::CLOSE, "Cmd+W", false},
    {"UntitledMenu2", ItemRow::Plain, "UntitledMenu1", Separator, nullptr, true},
    {"FileQuit", ItemRow::Quit, "UntitledMenu1", Strings::QUIT, "Cmd+Q", true},
    {"UntitledMenu0", ItemRow::Plain, nullptr, Strings::EDIT, "", false},
    {"EditCut", ItemRow::Plain, "UntitledMenu0", Strings::CUT, "Cmd+X", false},
    {"EditCopy", ItemRow::Plain, "UntitledMenu0", Strings::COPY, "Cmd+C", false},
    {"EditPaste", ItemRow::Plain, "UntitledMenu0", Strings::PASTE, "Cmd+V", false},
    {"EditClear", ItemRow::Plain, "UntitledMenu0", Strings::DELETE, "", false},
    {"EditSelectAll", ItemRow::Plain, "UntitledMenu0", Strings::SELECTALL, "Cmd+A", false},
    {"FileAbout", ItemRow::About, "UntitledMenu0", Strings::ABOUT, "", false},
};

std::unique_ptr<fw::MenuItem> NewItem(ItemRow::Kind kind)
{
    switch (kind) {
    case ItemRow::Quit:
        return std::make_unique<fw::QuitMenuItem>();
    case ItemRow::About:
        return std::make_unique<fw::AppleMenuItem>();
    case ItemRow::Plain:
        break;
    }
    return std::make_unique<fw::MenuItem>();
}

fw::MenuItem* AppMenuItem(const char* name)
{
    return fw::ItemOf(fw::Deref(fw::_GetAppObject(), "no application object").MenuBar(), name);
}

} // namespace

Menu::Menu()
{
    for (const ItemRow& row : kItems) {
        std::unique_ptr<fw::MenuItem> item = NewItem(row.kind);
        item->Name = row.name;
        item->AutoEnable = row.autoEnable;
        item->Text = row.text();
        if (row.shortcut != nullptr)
            item->KeyboardShortcut = row.shortcut;
        if (row.parent == nullptr)
            Append(std::move(item));
        else
            fw::Deref(Child(row.parent), row.parent).Append(std::move(item));
    }
}

class Menu& Menu()
{
    if (!Instance())
        Instance() = std::make_unique<class Menu>();
    return *Instance();
}

fw::MenuItem* EditSelectAll() { return AppMenuItem("EditSelectAll"); }

fw::MenuItem* FileClose() { return AppMenuItem("FileClose"); }

void ForgetMenu() { Instance().reset(); }
