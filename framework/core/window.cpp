#include "window.h"

#include "application.h"

namespace fw {

Window::~Window()
{
    if (m_observer)
        m_observer->WindowDestroyed(*this);
}

void Window::Construct(const std::string& className)
{
    m_className = className;
    // Registered first, so the class's accessor finds it from now on.
    detail::RegisterWindow(*this);
    Layout();
    CreateControls();
    AddMenuHandlers(*this);
    m_visible = m_design.visible;
    detail::WindowBuilt(*this);
    if (detail::LoopStarted()) {
        RaiseControlOpens();
        RaiseWindowOpen();
    }
    if (m_visible)
        detail::BringToFront(*this);
}

void Window::_SetProperties(const WindowDesign& design)
{
    m_design = design;
    Changed();
}

void Window::SetLeft(int left)
{
    m_left = left;
    Changed();
}

void Window::SetTop(int top)
{
    m_top = top;
    Changed();
}

void Window::Moved(int left, int top)
{
    m_left = left;
    m_top = top;
}

void Window::Show()
{
    if (m_closed)
        return;
    m_visible = true;
    detail::BringToFront(*this);
    Changed();
}

void Window::Hide()
{
    if (!m_visible)
        return;
    m_visible = false;
    Changed();
}

void Window::CloseWindow()
{
    // A Quit raised from inside the Close event must not close it twice.
    if (m_closing || m_closed)
        return;
    m_closing = true;
    Close();
    m_closed = true;
    m_visible = false;
    m_focus = nullptr;
    detail::WindowClosed(*this);
    if (m_observer)
        m_observer->WindowClosed(*this);
}

Control& Window::_AddControl(const std::string& name, std::unique_ptr<Control> control)
{
    control->m_name = name;
    control->m_window = this;
    m_order.push_back(control.get());
    m_controls.push_back(std::move(control));
    return *m_order.back();
}

Control* Window::ControlByName(const std::string& name) const
{
    for (Control* control : m_order)
        if (control->Name() == name)
            return control;
    return nullptr;
}

Control* RuntimeWindowControlByName(const Window* window, const std::string& name)
{
    return window ? window->ControlByName(name) : nullptr;
}

void Window::MoveFocusTo(Control* control)
{
    if (control == m_focus)
        return;
    Control* losing = m_focus;
    m_focus = control;
    if (losing != nullptr)
        losing->Raise("LostFocus");
    // A LostFocus handler that moved the focus elsewhere has the last word.
    if (control != nullptr && m_focus == control)
        control->Raise("GotFocus");
    if (m_observer)
        m_observer->FocusChanged(*this);
}

void Window::PageChanged()
{
    if (m_focus != nullptr && !m_focus->Shown())
        MoveFocusTo(nullptr);
    if (m_observer)
        m_observer->WindowChanged(*this);
}

void Window::_AddMenuHandler(const std::string& itemName, MenuHandler handler)
{
    m_menuHandlers.emplace_back(itemName, std::move(handler));
}

const MenuHandler* Window::MenuHandlerFor(const std::string& itemName) const
{
    for (const auto& [name, handler] : m_menuHandlers)
        if (name == itemName)
            return &handler;
    return nullptr;
}

void Window::PressKey(const std::string& key)
{
    if (m_focus != nullptr) {
        EventArgs args;
        args.key = key;
        if (m_focus->Raise("KeyDown", args))
            return;
        if (auto* field = dynamic_cast<EditField*>(m_focus)) {
            if (key == "\b")
                field->Backspace();
            else if (!key.empty() && static_cast<unsigned char>(key[0]) >= 0x20)
                field->ReplaceSelection(key);
            return;
        }
    }
    KeyDown(key);
}

void Window::RaiseControlOpens()
{
    if (m_controlsOpened)
        return;
    m_controlsOpened = true;
    for (Control* control : m_order)
        control->Raise("Open");
}

void Window::RaiseWindowOpen()
{
    if (m_openRaised)
        return;
    m_openRaised = true;
    Open();
    m_opened = true;
    Changed();
}

void Window::Changed()
{
    if (m_observer)
        m_observer->WindowChanged(*this);
}

} // namespace fw
