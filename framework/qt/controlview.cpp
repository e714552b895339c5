#include "controlview.h"

#include "controlviews.h"
#include "convert.h"
#include "guard.h"
#include "reentry.h"
#include "window.h"
#include "windowview.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QWidget>

#include <utility>

namespace fwqt {

ControlView::ControlView(WindowView& window, fw::Control& control, QWidget* widget)
    : m_window(window), m_control(&control), m_widget(widget)
{
    m_widget->setObjectName(ToQString(control.Name()));
    if (!control.AcceptsFocus())
        m_widget->setFocusPolicy(Qt::NoFocus);
    m_widget->installEventFilter(this);
    control.SetObserver(this);
}

ControlView::~ControlView() { Detach(); }

void ControlView::Detach()
{
    if (m_control == nullptr)
        return;
    m_control->SetObserver(nullptr);
    m_control = nullptr;
}

void ControlView::ControlChanged(fw::Control& /*control*/)
{
    // During the user's own input the view mirrors once, at the end.
    if (m_fromUser == 0)
        Sync();
}

void ControlView::Sync()
{
    if (m_control == nullptr)
        return;
    fw::Reentry window(m_window.ApplyingDepth());
    fw::Reentry own(m_mirroring);
    // A control that does not show is mirrored when it next does: the pages
    // behind the selected tab cost no fonts, pictures or rows at start.
    m_stale = !m_control->Shown();
    if (m_stale) {
        m_widget->setVisible(false);
        return;
    }
    QRect box(m_control->Left(), m_control->Top(), m_control->Width(), m_control->Height());
    if (m_widget->geometry() != box)
        m_widget->setGeometry(box);
    QFont font = WidgetFont();
    if (m_widget->font() != font)
        m_widget->setFont(font);
    SyncDetails();
    m_widget->setVisible(true);
}

void ControlView::SyncShown()
{
    if (m_control == nullptr)
        return;
    if (m_stale) {
        Sync();
        return;
    }
    fw::Reentry window(m_window.ApplyingDepth());
    fw::Reentry own(m_mirroring);
    m_widget->setVisible(m_control->Shown());
}

QFont ControlView::WidgetFont() const { return ViewFont(m_control->TextFont()); }

bool ControlView::WidgetEvent(QObject* /*watched*/, QEvent* /*event*/) { return false; }

bool ControlView::eventFilter(QObject* watched, QEvent* event)
{
    if (m_control == nullptr)
        return false;
    if (watched == m_widget && event->type() == QEvent::FocusIn && m_control->AcceptsFocus())
        m_window.UserFocused(*this, static_cast<QFocusEvent*>(event)->reason());
    return WidgetEvent(watched, event);
}

void ControlView::FromUser(const std::function<void()>& action)
{
    if (m_control == nullptr)
        return;
    {
        // The input may close the window: it stays whole until the action ends.
        std::shared_ptr<fw::Window> hold = fw::Window::Hold(m_control->Owner());
        fw::Reentry busy(m_fromUser);
        Guard(action);
    }
    if (m_fromUser == 0)
        Sync();
}

bool ControlView::ReportPointer(QEvent* event)
{
    fw::Control* control = m_control;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        QPoint at = mouse->position().toPoint();
        FromUser([control, at] { control->MouseDown(at.x(), at.y()); });
        return true;
    }
    // Qt may repeat an enter (synthetic ones on show, move and click); the
    // core hears them in pairs.
    case QEvent::Enter:
        if (!std::exchange(m_pointerInside, true))
            FromUser([control] { control->MouseEnter(); });
        return false;
    case QEvent::Leave:
        if (std::exchange(m_pointerInside, false))
            FromUser([control] { control->MouseExit(); });
        return false;
    default:
        return false;
    }
}

std::unique_ptr<ControlView> CreateControlView(WindowView& window, fw::Control& control,
                                               QWidget* content)
{
    if (auto* c = dynamic_cast<fw::StaticText*>(&control))
        return NewStaticTextView(window, *c, content);
    if (auto* c = dynamic_cast<fw::EditField*>(&control))
        return NewEditFieldView(window, *c, content);
    if (auto* c = dynamic_cast<fw::GroupBox*>(&control))
        return NewGroupBoxView(window, *c, content);
    if (auto* c = dynamic_cast<fw::Canvas*>(&control))
        return NewCanvasView(window, *c, content);
    if (auto* c = dynamic_cast<fw::Rectangle*>(&control))
        return NewRectangleView(window, *c, content);
    if (auto* c = dynamic_cast<fw::Separator*>(&control))
        return NewSeparatorView(window, *c, content);
    if (auto* c = dynamic_cast<fw::PopupMenu*>(&control))
        return NewPopupMenuView(window, *c, content);
    if (auto* c = dynamic_cast<fw::RadioButton*>(&control))
        return NewRadioButtonView(window, *c, content);
    if (auto* c = dynamic_cast<fw::BevelButton*>(&control))
        return NewBevelButtonView(window, *c, content);
    if (auto* c = dynamic_cast<fw::PushButton*>(&control))
        return NewPushButtonView(window, *c, content);
    if (auto* c = dynamic_cast<fw::TabPanel*>(&control))
        return NewTabPanelView(window, *c, content);
    if (auto* c = dynamic_cast<fw::Listbox*>(&control))
        return NewListboxView(window, *c, content);
    return nullptr;
}

} // namespace fwqt
