#pragma once

// Windows. The framework's window constructor (Construct) raises Layout,
// CreateControls and AddMenuHandlers, and registers the window as the single
// instance of its class. When the event loop starts (or at once, for a window
// built while it runs) every control's Open is raised, then the window's Open.
//
// A window the runtime built is freed once it is closed and nothing holds it:
// every piece of program code the runtime runs for it (its events, its
// controls' events, its menu handlers and theirs) holds it while it runs
// (RunningEvent), so that code may close its own window and carry on.

#include "control.h"
#include "graphics.h"
#include "menu.h"
#include "nil.h"

#include <memory>
#include <string>
#include <vector>

namespace fw {

class Window;

class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    virtual void WindowChanged(Window& window) = 0;
    virtual void FocusChanged(Window& window) = 0;
    virtual void WindowClosed(Window& window) = 0;
    // Show brought the window to the front, also one already visible.
    virtual void WindowRaised(Window& /*window*/) {}
    // The window object is going away (a closed one too): forget it.
    virtual void WindowDestroyed(Window& /*window*/) {}
};

struct WindowDesign {
    std::string title;
    int width = 0;
    int height = 0;
    bool resizeable = true;
    bool maximizeButton = true;
    Color backColor = 0xEFEFEF;
    bool visible = true;
};

// Keys that carry no text reach KeyDown by name: "Up", "Down", "Left",
// "Right", "PageUp", "PageDown", "Home", "End", "Return". Every other key is
// the character it types.
bool IsNamedKey(const std::string& key);

class Window : public std::enable_shared_from_this<Window> {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The framework's window constructor.
    void Construct(const std::string& className);
    const std::string& ClassName() const { return m_className; }

    void _SetProperties(const WindowDesign& design);
    const std::string& Title() const { return m_design.title; }
    int Width() const { return m_design.width; }
    int Height() const { return m_design.height; }
    bool Resizeable() const { return m_design.resizeable; }
    bool MaximizeButton() const { return m_design.maximizeButton; }
    Color BackColor() const { return m_design.backColor; }

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    void SetLeft(int left);
    void SetTop(int top);
    // Where the user moved the window to; raises nothing.
    void Moved(int left, int top);

    fw::MenuBar* MenuBar() const { return m_menuBar; }
    void SetMenuBar(fw::MenuBar* menuBar) { m_menuBar = menuBar; }

    bool Visible() const { return m_visible; }
    // Whether its Open has run to its end: a view shows the window only from
    // then on, so it appears already where its Open placed it.
    bool Opened() const { return m_opened; }
    bool IsClosed() const { return m_closed; }
    // Visible, brought to the front, not modal.
    void Show();
    void Hide();
    // Raises the Close event; then the window is gone.
    void CloseWindow();
    // Keeps the window alive while the caller still works on it; empty for no
    // window, or one the runtime does not own.
    static std::shared_ptr<Window> Hold(Window* window)
    {
        return window ? window->weak_from_this().lock() : nullptr;
    }

    // Controls, in the order they were added.
    Control& _AddControl(const std::string& name, std::unique_ptr<Control> control);
    Control* ControlByName(const std::string& name) const;
    const std::vector<Control*>& Controls() const { return m_order; }
    // Short reads for handlers: the edit field or label of that name (the
    // nil-object exception when there is none), and a field's number as
    // CDbl reads its text.
    EditField& Field(const std::string& name) const;
    StaticText& Label(const std::string& name) const;
    double Number(const std::string& fieldName) const;

    Control* Focus() const { return m_focus; }
    // Moves the focus, raising LostFocus then GotFocus; nullptr clears it. A
    // control that takes no focus is refused. A LostFocus handler that moves
    // the focus elsewhere has the last word.
    void MoveFocusTo(Control* control);
    // After a page change: a control that no longer shows gives up the focus.
    void PageChanged();

    void _AddMenuHandler(const std::string& itemName, MenuHandler handler);
    const MenuHandler* MenuHandlerFor(const std::string& itemName) const { return m_menuHandlers.For(itemName); }

    // A key pressed while this window is in front: the focused control takes
    // it first (its KeyDown, then typing into an edit field), else the
    // window's KeyDown. A key held down repeats: each repeat reaches the
    // focused control, never the window's KeyDown. True when a KeyDown
    // handler consumed the key or a field took it as text; a named key
    // nobody took is left to the view (the caret moves, a list scrolls).
    bool PressKey(const std::string& key, bool autoRepeat = false);

    void SetObserver(WindowObserver* observer) { m_observer = observer; }

    // Raised by the runtime when the window opens: every control's Open,
    // then the window's; each at most once.
    void RaiseControlOpens();
    void RaiseWindowOpen();

    // Window events.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(Window& /*window*/) {}
    virtual void Open() {}
    virtual void Close() {}
    virtual bool KeyDown(const std::string& /*key*/) { return false; }
    virtual void EnableMenuItems() {}

private:
    void Changed();

    std::string m_className;
    WindowDesign m_design;
    int m_left = 0;
    int m_top = 0;
    bool m_visible = false;
    bool m_controlsOpened = false;
    bool m_openRaised = false;
    bool m_opened = false;
    bool m_closing = false;
    bool m_closed = false;
    fw::MenuBar* m_menuBar = nullptr;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<Control*> m_order;
    Control* m_focus = nullptr;
    // The control whose LostFocus is being raised.
    Control* m_losing = nullptr;
    WindowObserver* m_observer = nullptr;
    MenuHandlers m_menuHandlers;
};

// The control of that name as its class; a missing control or another class
// raises the nil-object exception.
template <class T>
T& ControlAs(const Window& window, const std::string& name)
{
    auto* control = dynamic_cast<T*>(window.ControlByName(name));
    if (control == nullptr)
        throw NilObjectException("no control " + name);
    return *control;
}

} // namespace fw
