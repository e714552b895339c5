#pragma once

// The simulated user: starts the whole program headless on the framework's
// core, with a fresh preferences folder and a clock the test advances, and
// uses it as a person does: clicks, types one key at a time, chooses tabs,
// pop-up items and menu items, hovers, quits. A control the user cannot see
// cannot be clicked or typed into: trying it fails the test. ViewUser
// (viewuser.h) takes the same verbs through the real Qt widgets.
//
//   SimUser user;                       // first start, no preferences file
//   user.Start();
//   user.TypeInto("tempo1", "120");     // "1", "12", "120": three TextChange
//   EXPECT_EQ(user.Text("time1"), "");
//   user.Quit();
//   EXPECT_EQ(user.PrefsFileBytes().size(), 32u);

#include "cadenzo.h"
#include "control.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class SimUser {
public:
    SimUser();
    virtual ~SimUser();
    SimUser(const SimUser&) = delete;
    SimUser& operator=(const SimUser&) = delete;

    // ---- The preferences file, before Start or after Quit ----
    std::filesystem::path PrefsFilePath() const;
    // Big-endian, as the file holds them: fewer than eight make a short file, more a long one.
    void WritePrefsFileValues(const std::vector<std::int32_t>& values) const;
    std::vector<std::uint8_t> PrefsFileBytes() const;
    // The eight values, big-endian as the file holds them.
    std::array<std::int32_t, 8> PrefsFileValues() const;

    // ---- Running ----
    // Starts the program: start-up, then the open events of the event loop.
    virtual void Start();
    // Ends this run and starts the program again on the same preferences.
    void Restart();
    // File > Quit.
    void Quit();
    bool Running() const;

    class Cadenzo& Window() const;
    template <class T = fw::Control>
    T& Get(const std::string& name) const { return fw::ControlAs<T>(Window(), name); }

    // ---- Input ----
    // A click in the main window: a field takes the focus with the caret at
    // its end; a button, radio button, canvas or label gets its mouse-down (a
    // push button then its release).
    void Click(const std::string& name) { ClickIn("Cadenzo", name); }
    // Keystrokes into whatever has the focus, one character at a time.
    void Type(const std::string& text);
    // Clicks the field, selects its whole text with Cmd+A and types over it,
    // one key at a time; an empty text deletes the selection.
    void TypeInto(const std::string& name, const std::string& text);
    // A key: one character (" " for the space bar, "\b" for backspace), or a
    // key without text by its name: "Up", "Down", "Left", "Right", "PageUp",
    // "PageDown", "Home", "End", "Return".
    virtual void PressKey(const std::string& key);
    virtual void ChooseTab(const std::string& caption);
    virtual void ChoosePopupItem(const std::string& name, const std::string& item);
    // A menu item by name, as the user picks it: false when it is disabled.
    virtual bool ChooseMenuItem(const std::string& itemName);
    // A shortcut such as "Cmd+A".
    virtual bool PressShortcut(const std::string& shortcut);
    bool MenuItemEnabled(const std::string& itemName);
    virtual void ClickCell(const std::string& listName, int row, int column);

    // ---- Other windows, by class name ("winabout"; "Cadenzo" is the main one) ----
    // The open window of that class, or nullptr. Look it up anew each time:
    // a closed window is gone.
    fw::Window* FindWindow(const std::string& className) const;
    // The class of the window in front, or "" when none shows.
    std::string FrontWindowName() const;
    // Drags the window by its title bar to that place; it comes to the front.
    void MoveWindow(const std::string& className, int left, int top);
    // Closes the window with its close box.
    virtual void CloseWindow(const std::string& className = "Cadenzo");
    // What a click or the pointer does in a window; a click brings the
    // window to the front.
    virtual void ClickIn(const std::string& className, const std::string& name);
    // The pointer comes over the control, or leaves it.
    void Hover(const std::string& className, const std::string& name, bool over);

    // ---- The clock and the outside world ----
    void AdvanceClock(std::int32_t ticks);
    const std::vector<std::string>& OpenedLinks() const { return m_links; }

    // ---- Reading what the window shows ----
    // The text of a label or field.
    virtual std::string Text(const std::string& name) const;
    std::string FocusedName() const;

protected:
    // The index of an item in a list a control shows.
    static int IndexOf(const std::vector<std::string>& items, const std::string& item, const std::string& where);

private:
    // A control of an open window; when `shown`, one the user can see.
    fw::Control& ControlIn(const std::string& className, const std::string& name, bool shown = true) const;
    fw::Window& ShownWindow(const std::string& className) const;

    std::filesystem::path m_configHome;
    // Like the real clock, it never reads 0, which time stamps take for none.
    std::int32_t m_ticks = 1;
    std::vector<std::string> m_links;
    bool m_started = false;
};
