#include "application.h"

#include "window.h"

#include <algorithm>
#include <iostream>

namespace fw {

namespace {

struct Runtime {
    std::unique_ptr<Application> app;
    // The runtime's hold on every window built and not yet closed.
    std::vector<std::shared_ptr<Window>> owned;
    // Open windows by class name, in creation order.
    std::vector<Window*> windows;
    // Open windows shown at least once, front first; hiding one keeps its place.
    std::vector<Window*> zOrder;
    EventLoop* loop = nullptr;
    ViewFactory* views = nullptr;
    bool loopStarted = false;
    bool quitting = false;
    int status = 0;
};

Runtime& TheRuntime()
{
    static Runtime runtime;
    return runtime;
}

const char* const kEditItems[] = {"EditCut", "EditCopy", "EditPaste", "EditClear"};

bool IsEditItem(const std::string& name)
{
    return std::find(std::begin(kEditItems), std::end(kEditItems), name) != std::end(kEditItems);
}

void RunEditItem(EditField& field, const std::string& name)
{
    if (name == "EditCut")
        field.Cut();
    else if (name == "EditCopy")
        field.Copy();
    else if (name == "EditPaste")
        field.Paste();
    else
        field.Clear();
}

void ForEachItem(MenuItem& item, const std::function<void(MenuItem&)>& visit)
{
    for (const auto& child : item.Children()) {
        visit(*child);
        ForEachItem(*child, visit);
    }
}

std::vector<std::shared_ptr<Window>> HoldAll(const std::vector<Window*>& windows)
{
    std::vector<std::shared_ptr<Window>> holds;
    for (Window* window : windows)
        holds.push_back(Window::Hold(window));
    return holds;
}

Control* FocusedControl()
{
    Window* front = FrontWindow();
    return front ? front->Focus() : nullptr;
}

} // namespace

void Application::Quit(int status)
{
    Runtime& rt = TheRuntime();
    if (rt.quitting)
        return;
    rt.quitting = true;
    if (status != 0)
        rt.status = status;
    std::vector<Window*> open = rt.windows;
    // A window's Close may close another one: each stays whole until the end.
    auto holds = HoldAll(open);
    for (Window* window : open)
        window->CloseWindow();
    Close();
    if (rt.loop)
        rt.loop->Exit();
}

void RuntimeInit() { TheRuntime().status = 0; }

int RuntimeExit() { return TheRuntime().status; }

void _RuntimeInitExternalClasses() {}

void _InitPluginEntrypoints() {}

void _RuntimeRegisterAppObject(std::unique_ptr<Application> app)
{
    TheRuntime().app = std::move(app);
}

Application* _GetAppObject() { return TheRuntime().app.get(); }

void SetEventLoop(EventLoop* loop) { TheRuntime().loop = loop; }

void SetViewFactory(ViewFactory* factory) { TheRuntime().views = factory; }

void RuntimeStartLoop()
{
    Runtime& rt = TheRuntime();
    if (rt.loopStarted)
        return;
    rt.loopStarted = true;
    if (rt.app)
        rt.app->Open();
    std::vector<Window*> open = rt.windows;
    auto holds = HoldAll(open);
    for (Window* window : open)
        window->RaiseControlOpens();
    for (Window* window : open)
        window->RaiseWindowOpen();
}

void _RuntimeRun()
{
    RuntimeStartLoop();
    Runtime& rt = TheRuntime();
    if (rt.loop && !rt.quitting)
        rt.loop->Exec();
}

bool RuntimeQuitting() { return TheRuntime().quitting; }

void _UnhandledException(std::exception_ptr error) { RuntimeUnhandledException(error); }

void RuntimeUnhandledException(std::exception_ptr error)
{
    TheRuntime().status = 1;
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const std::exception& e) {
        std::cerr << "cadenzo: unhandled exception: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "cadenzo: unhandled exception\n";
    }
}

void RuntimeShutdown()
{
    Runtime& rt = TheRuntime();
    rt.windows.clear();
    rt.zOrder.clear();
    rt.owned.clear();
    rt.app.reset();
    rt.loopStarted = false;
    rt.quitting = false;
    rt.status = 0;
}

Window* _GetImplicitWindow(const std::string& className)
{
    for (Window* window : TheRuntime().windows)
        if (window->ClassName() == className)
            return window;
    return nullptr;
}

std::vector<Window*> Windows() { return TheRuntime().zOrder; }

Window* FrontWindow()
{
    for (Window* window : TheRuntime().zOrder)
        if (window->Visible())
            return window;
    return nullptr;
}

void UpdateMenuItems()
{
    Application* app = _GetAppObject();
    if (app == nullptr || app->MenuBar() == nullptr)
        return;
    ForEachItem(*app->MenuBar(), [](MenuItem& item) { item.Enabled = item.AutoEnable; });
    // A focused edit field offers cut, copy, paste and delete of its own.
    if (dynamic_cast<EditField*>(FocusedControl()) != nullptr) {
        for (const char* name : kEditItems)
            if (MenuItem* item = app->MenuBar()->_Lookup(name))
                item->Enabled = true;
    }
    Window* front = FrontWindow();
    if (front == nullptr)
        return;
    RunningEvent running(front);
    if (Control* focused = front->Focus())
        focused->EnableMenuItems();
    front->EnableMenuItems();
}

bool ChooseMenuItem(const std::string& name)
{
    Application* app = _GetAppObject();
    if (app == nullptr || app->MenuBar() == nullptr)
        return false;
    UpdateMenuItems();
    MenuItem* item = app->MenuBar()->_Lookup(name);
    if (item == nullptr || !item->Enabled || item->IsSeparator())
        return false;
    if (dynamic_cast<QuitMenuItem*>(item) != nullptr) {
        app->Quit();
        return true;
    }
    Window* front = FrontWindow();
    if (front == nullptr)
        return false;
    RunningEvent running(front);
    // A copy, so a handler that rebinds its item still runs to its end.
    auto run = [](MenuHandler handler) {
        handler();
        return true;
    };
    if (Control* focused = front->Focus()) {
        if (const MenuHandler* handler = focused->MenuHandlerFor(name))
            return run(*handler);
        if (auto* field = dynamic_cast<EditField*>(focused); field && IsEditItem(name)) {
            RunEditItem(*field, name);
            return true;
        }
    }
    if (const MenuHandler* handler = front->MenuHandlerFor(name))
        return run(*handler);
    return false;
}

MenuItem* ShortcutItem(const std::string& shortcut)
{
    Application* app = _GetAppObject();
    if (app == nullptr || app->MenuBar() == nullptr || shortcut.empty())
        return nullptr;
    MenuItem* found = nullptr;
    ForEachItem(*app->MenuBar(), [&](MenuItem& item) {
        if (found == nullptr && item.KeyboardShortcut == shortcut)
            found = &item;
    });
    return found;
}

bool ChooseShortcut(const std::string& shortcut)
{
    MenuItem* item = ShortcutItem(shortcut);
    return item != nullptr && ChooseMenuItem(item->Name);
}

namespace detail {

Window& AdoptWindow(std::shared_ptr<Window> window)
{
    Runtime& rt = TheRuntime();
    rt.owned.push_back(std::move(window));
    return *rt.owned.back();
}

void RegisterWindow(Window& window)
{
    Runtime& rt = TheRuntime();
    rt.windows.push_back(&window);
}

void WindowBuilt(Window& window)
{
    if (TheRuntime().views)
        TheRuntime().views->WindowCreated(window);
}

void WindowClosed(Window& window)
{
    Runtime& rt = TheRuntime();
    std::erase(rt.windows, &window);
    std::erase(rt.zOrder, &window);
    // Freed when whatever still runs on it lets go.
    std::erase_if(rt.owned, [&window](const auto& owned) { return owned.get() == &window; });
}

void BringToFront(Window& window)
{
    Runtime& rt = TheRuntime();
    std::erase(rt.zOrder, &window);
    rt.zOrder.insert(rt.zOrder.begin(), &window);
}

bool LoopStarted() { return TheRuntime().loopStarted; }

} // namespace detail

} // namespace fw
