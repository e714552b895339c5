#pragma once

// The core's menu tree as a Qt menu bar. Menus bring the core's enabled
// states up to date before they open; choosing an item chooses it in the
// core. Shortcuts are only shown here: the key router chooses them.

#include <functional>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace fw {
class MenuItem;
class MenuBar;
} // namespace fw

namespace fwqt {

class MenuBarView {
public:
    // beforeUse runs when one of the menus is about to open.
    MenuBarView(QMenuBar& bar, std::function<void()> beforeUse);
    ~MenuBarView();
    MenuBarView(const MenuBarView&) = delete;
    MenuBarView& operator=(const MenuBarView&) = delete;

    const fw::MenuBar* Source() const { return m_source; }
    void Build(const fw::MenuBar* source);

private:
    void Fill(QMenu& menu, const fw::MenuItem& parent);
    void Refresh();

    QMenuBar& m_bar;
    std::function<void()> m_beforeUse;
    const fw::MenuBar* m_source = nullptr;
    std::vector<QMenu*> m_menus;
    // Every action with the item it shows, for the refresh before opening.
    std::vector<std::pair<QAction*, const fw::MenuItem*>> m_items;
};

} // namespace fwqt
