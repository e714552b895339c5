#pragma once

// The simulated user in real Qt windows on the offscreen platform: every verb
// is Qt's own mouse and key events on the widget the user would touch, and
// every reading is what a shown widget says. It makes the one Platform, so a
// test that uses it makes none of its own.
//
//   ViewUser user;
//   user.Start();
//   user.TypeInto("tempo1", "120");     // a click, Ctrl+A, three key presses
//   EXPECT_EQ(user.Text("time1"), "");  // the QLabel's text

#include "simuser.h"

#include <gtest/gtest.h>

#include <QMainWindow>

#include <memory>

namespace fwqt {
class Platform;
}

// The Qt platform of the test programs, on the offscreen platform. Its owner
// shuts the runtime down before dropping it: the windows go before the
// toolkit that shows them.
std::unique_ptr<fwqt::Platform> NewPlatform();

class ViewUser : public SimUser {
public:
    ViewUser();
    ~ViewUser() override;

    void Start() override;
    // Also "Tab", "Escape" and "Delete", which only the view knows by name.
    void PressKey(const std::string& key) override;
    void ChooseTab(const std::string& caption) override;
    void ChoosePopupItem(const std::string& name, const std::string& item) override;
    // Opens the menu from the front window's menu bar and clicks the item;
    // false, with the menu dismissed, when the item shows disabled.
    bool ChooseMenuItem(const std::string& itemName) override;
    bool PressShortcut(const std::string& shortcut) override;
    void ClickCell(const std::string& listName, int row, int column) override;
    void CloseWindow(const std::string& className = "Cadenzo") override;
    void ClickIn(const std::string& className, const std::string& name) override;
    // A control on a page that does not show is read from the core.
    std::string Text(const std::string& name) const override;

    // The shown top-level window of that class, or nullptr.
    static QMainWindow* TopLevel(const std::string& className);
    // The widget of a control the user can see in that window.
    static QWidget& ShownWidget(const std::string& className, const std::string& name);

private:
    std::unique_ptr<fwqt::Platform> m_platform;
};

// For a table of cases run on the core and again through the view.
inline std::unique_ptr<SimUser> NewUser(bool view) { return view ? std::make_unique<ViewUser>() : std::make_unique<SimUser>(); }

// The program in real Qt windows, for the checks the simulated user's verbs
// do not make: the test reads and drives the widgets themselves.
class RealWindow : public testing::Test {
protected:
    static QMainWindow* MainWindow() { return ViewUser::TopLevel("Cadenzo"); }

    template <class W>
    static W* Widget(const char* name) { return MainWindow() ? MainWindow()->findChild<W*>(name) : nullptr; }

    ViewUser user;
};
