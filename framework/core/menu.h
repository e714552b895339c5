#pragma once

// Menu items form a tree: the menu bar holds the menus, a menu its items.

#include "nil.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fw {

class MenuItem {
public:
    MenuItem() = default;
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    std::string Name;
    std::string Text;
    // "Cmd+" and a key, or empty.
    std::string KeyboardShortcut;
    bool AutoEnable = false;
    bool Enabled = false;

    // Adds the item as the last child; the tree owns it from then on.
    MenuItem& Append(std::unique_ptr<MenuItem> item);
    // The direct child of that name, or nullptr.
    MenuItem* Child(const std::string& name) const;
    // The item of that name anywhere below this one, or nullptr.
    MenuItem* _Lookup(const std::string& name) const;

    const std::vector<std::unique_ptr<MenuItem>>& Children() const { return m_children; }
    bool IsSeparator() const { return Text == "-"; }

private:
    std::vector<std::unique_ptr<MenuItem>> m_children;
};

// Runs when its item is chosen; the result is the framework's to use.
using MenuHandler = std::function<bool()>;

// The menu handlers of a window or a control, by item name.
class MenuHandlers {
public:
    void Add(const std::string& itemName, MenuHandler handler);
    // nullptr when none is bound to that name.
    const MenuHandler* For(const std::string& itemName) const;

private:
    std::vector<std::pair<std::string, MenuHandler>> m_handlers;
};

// Choosing it quits the application.
class QuitMenuItem : public MenuItem {};

// The application's About command.
class AppleMenuItem : public MenuItem {};

class MenuBar : public MenuItem {};

// The item of that name anywhere in the bar, as its class; nullptr when there
// is none, the nil-object exception when there is no bar or the item is of
// another class.
template <class Item = MenuItem>
Item* ItemOf(const MenuBar* bar, const char* name)
{
    MenuItem* item = Deref(bar, "no menu bar")._Lookup(name);
    return item != nullptr ? &Deref(dynamic_cast<Item*>(item), name) : nullptr;
}

} // namespace fw
