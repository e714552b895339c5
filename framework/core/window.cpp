#include "window.h"

#include "application.h"
#include "text.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace fw {

bool IsNamedKey(const std::string& key)
{
    static const char* const names[] = {"Up", "Down", "Left", "Right", "PageUp", "PageDown", "Home", "End", "Return"};
    return std::find(std::begin(names), std::end(names), key) != std::end(names);
}

Window::~Window()
{
    if (m_observer)
        m_observer->WindowDestroyed(*this);
}

void Window::Construct(const std::string& className)
{
    RunningEvent running(this);
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
    if (m_observer)
        m_observer->WindowRaised(*this);
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
    // The runtime lets go of the window below; it is freed on leaving here.
    RunningEvent running(this);
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

void Window::MoveFocusTo(Control* control)
{
    if (control == m_focus || (control != nullptr && !control->AcceptsFocus()))
        return;
    auto hold = Hold(this);
    Control* losing = m_focus;
    // A move made by the LostFocus handler itself does not raise it again.
    if (losing != nullptr && losing != m_losing) {
        Control* outer = std::exchange(m_losing, losing);
        losing->Raise("LostFocus");
        m_losing = outer;
        // The handler moved the focus elsewhere, or closed the window.
        if (m_focus != losing)
            return;
    }
    m_focus = control;
    if (control != nullptr)
        control->Raise("GotFocus");
    if (m_observer)
        m_observer->FocusChanged(*this);
}

void Window::PageChanged()
{
    auto hold = Hold(this);
    if (m_focus != nullptr && !m_focus->Shown())
        MoveFocusTo(nullptr);
    if (m_observer)
        m_observer->WindowChanged(*this);
}

void Window::_AddMenuHandler(const std::string& itemName, MenuHandler handler)
{
    m_menuHandlers.Add(itemName, std::move(handler));
}

bool Window::PressKey(const std::string& key, bool autoRepeat)
{
    RunningEvent running(this);
    if (m_focus != nullptr) {
        EventArgs args;
        args.key = key;
        if (m_focus->Raise("KeyDown", args))
            return true;
        if (auto* field = dynamic_cast<EditField*>(m_focus)) {
            // Named keys move the caret: the view's business, not the text's.
            if (IsNamedKey(key))
                return false;
            if (key == "\b")
                field->Backspace();
            else if (!key.empty() && static_cast<unsigned char>(key[0]) >= 0x20)
                field->ReplaceSelection(key);
            return true;
        }
    }
    // A held key is one press for the window; its repeats type into a field.
    if (autoRepeat || m_closed)
        return false;
    if (KeyDown(key))
        return true;
    // Return presses the default button, as in any dialog.
    if (key == "Return") {
        for (Control* control : m_order) {
            auto* button = dynamic_cast<PushButton*>(control);
            if (button != nullptr && button->IsDefault() && button->Shown()) {
                button->Raise("Action");
                return true;
            }
        }
    }
    return false;
}

void Window::RaiseControlOpens()
{
    if (m_controlsOpened)
        return;
    m_controlsOpened = true;
    auto hold = Hold(this);
    for (Control* control : m_order)
        control->Raise("Open");
}

void Window::RaiseWindowOpen()
{
    if (m_openRaised)
        return;
    m_openRaised = true;
    RunningEvent running(this);
    Open();
    m_opened = true;
    Changed();
}

void Window::Changed()
{
    if (m_observer)
        m_observer->WindowChanged(*this);
}

EditField& Window::Field(const std::string& name) const { return ControlAs<EditField>(*this, name); }

StaticText& Window::Label(const std::string& name) const { return ControlAs<StaticText>(*this, name); }

double Window::Number(const std::string& fieldName) const { return CDbl(Field(fieldName).Text()); }

} // namespace fw
