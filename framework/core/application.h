#pragma once

// The application object and the runtime around it: start-up and shut-down,
// the event loop, the table of windows, the menus and the exception report.
//
// Event order: when the loop starts, the application's Open runs first, then
// every control's Open, then each window's Open. Quit closes the open
// windows (each raising its Close), then raises the application's Close,
// then the event loop returns.

#include "files.h"
#include "menu.h"

#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class Window;

class Application {
public:
    Application() = default;
    virtual ~Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    fw::MenuBar* MenuBar() const { return m_menuBar; }
    void SetMenuBar(fw::MenuBar* menuBar) { m_menuBar = menuBar; }

    void Quit(int status = 0);

    virtual void Open() {}
    virtual void Close() {}
    virtual void OpenDocument(const FolderItem& /*item*/) {}

private:
    fw::MenuBar* m_menuBar = nullptr;
};

// What runs the loop: Qt's, or none when the program is driven headless.
class EventLoop {
public:
    virtual ~EventLoop() = default;
    // Returns when Exit is called.
    virtual void Exec() = 0;
    virtual void Exit() = 0;
};

// Told of every window the runtime builds, so it can show it.
class ViewFactory {
public:
    virtual ~ViewFactory() = default;
    virtual void WindowCreated(Window& window) = 0;
};

namespace detail {
Window& AdoptWindow(std::shared_ptr<Window> window);
}

// ---- Start-up and shut-down -------------------------------------------------
void RuntimeInit();
// Ends the runtime; its result is the process status.
int RuntimeExit();
void _RuntimeInitExternalClasses();
void _InitPluginEntrypoints();
void _RuntimeRegisterAppObject(std::unique_ptr<Application> app);
Application* _GetAppObject();
void SetEventLoop(EventLoop* loop);
void SetViewFactory(ViewFactory* factory);
// Raises the open events, then runs the loop until the application quits.
void _RuntimeRun();
// The open events alone, for a program driven without a loop.
void RuntimeStartLoop();
bool RuntimeQuitting();
// Prints the exception on standard error; the process status becomes 1.
void _UnhandledException(std::exception_ptr error);
void RuntimeUnhandledException(std::exception_ptr error);
// Destroys every window and the application object, for a new run.
void RuntimeShutdown();

// ---- Windows ----------------------------------------------------------------
// The single instance of the window class of that name, or nullptr.
Window* _GetImplicitWindow(const std::string& className);
// Creates a window of class W, held by the runtime until it is closed, and
// runs the framework's window constructor on it.
template <class W>
W& NewWindow(const std::string& className)
{
    auto& window = static_cast<W&>(detail::AdoptWindow(std::make_shared<W>()));
    window.Construct(className);
    return window;
}
// Open windows shown at least once, front first, hidden ones too.
std::vector<Window*> Windows();
Window* FrontWindow();

// ---- Menus ------------------------------------------------------------------
// Recomputes the enabled state of every item of the application's menu bar:
// AutoEnable items on, the others off, then the focused edit field's own
// items, the focused control's EnableMenuItems, the front window's.
void UpdateMenuItems();
// Chooses an item as the user does: nothing when it is disabled. The handler
// bound to its name on the focused control runs, else the edit field's own
// action, else the front window's handler. Returns whether anything ran.
bool ChooseMenuItem(const std::string& name);
// The item of the application's menu bar whose shortcut that is ("Cmd+W"),
// on or off; nullptr when none is.
MenuItem* ShortcutItem(const std::string& shortcut);
// That item, chosen like a click.
bool ChooseShortcut(const std::string& shortcut);

// Internal to the framework: a window joins or leaves the tables.
namespace detail {
void RegisterWindow(Window& window);
void WindowBuilt(Window& window);
void WindowClosed(Window& window);
void BringToFront(Window& window);
bool LoopStarted();
} // namespace detail

} // namespace fw
