#include "windowview.h"

#include "application.h"
#include "controlview.h"
#include "convert.h"
#include "guard.h"
#include "menubarview.h"
#include "reentry.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>

namespace fwqt {

namespace {

// The core's name of a key that carries no text; empty for the others.
std::string KeyName(int key)
{
    switch (key) {
    case Qt::Key_Up: return "Up";
    case Qt::Key_Down: return "Down";
    case Qt::Key_Left: return "Left";
    case Qt::Key_Right: return "Right";
    case Qt::Key_PageUp: return "PageUp";
    case Qt::Key_PageDown: return "PageDown";
    case Qt::Key_Home: return "Home";
    case Qt::Key_End: return "End";
    case Qt::Key_Return:
    case Qt::Key_Enter: return "Return";
    default: return {};
    }
}

// The area the controls stand on. It holds the window's focus while no
// control has it, and shows no focus: QWidget would repaint all of it, every
// control included, each time the window is activated or deactivated.
class ContentArea final : public QWidget {
public:
    explicit ContentArea(QWidget* parent) : QWidget(parent) {}

protected:
    void focusInEvent(QFocusEvent* /*event*/) override {}
    void focusOutEvent(QFocusEvent* /*event*/) override {}
};

} // namespace

WindowView::WindowView(fw::Window& window)
    : m_window(&window), m_content(new ContentArea(this)),
      m_menus(std::make_unique<MenuBarView>(*menuBar(), [this] { UserActsHere(); }))
{
    Reentry applying(m_applying);
    setObjectName(ToQString(window.ClassName()));
    m_content->setAutoFillBackground(true);
    m_content->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(m_content);
    // Creation order is the stacking order: later controls lie on top.
    for (fw::Control* control : window.Controls())
        if (auto view = CreateControlView(*this, *control, m_content))
            m_views.push_back(std::move(view));
    for (const auto& view : m_views)
        view->Sync();
    window.SetObserver(this);
    m_menus->Build(MenuSource());
    // Qt gives a window without a focus widget its first field; the core's
    // choice must be there before the window shows.
    SyncFocus();
    SyncWindow();
}

WindowView::~WindowView() { Detach(); }

ControlView* WindowView::ViewOf(const fw::Control* control) const
{
    if (control == nullptr)
        return nullptr;
    for (const auto& view : m_views)
        if (view->Control() == control)
            return view.get();
    return nullptr;
}

void WindowView::Detach()
{
    if (m_window == nullptr)
        return;
    m_window->SetObserver(nullptr);
    for (const auto& view : m_views)
        view->Detach();
    m_window = nullptr;
}

void WindowView::SyncWindow()
{
    if (m_window == nullptr)
        return;
    Reentry applying(m_applying);
    QString title = ToQString(m_window->Title());
    if (windowTitle() != title)
        setWindowTitle(title);

    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                            | Qt::WindowCloseButtonHint;
    if (m_window->MaximizeButton())
        flags |= Qt::WindowMaximizeButtonHint;
    // Changing the flags hides the window; the visibility below restores it.
    if (windowFlags() != flags)
        setWindowFlags(flags);

    // A new palette reaches every control: only when the colour changed.
    QColor back = ToQColor(m_window->BackColor());
    if (m_content->palette().color(QPalette::Window) != back) {
        QPalette palette = m_content->palette();
        palette.setColor(QPalette::Window, back);
        m_content->setPalette(palette);
    }

    QSize size(m_window->Width(), m_window->Height());
    if (m_window->Resizeable()) {
        m_content->setMinimumSize(size);
        m_content->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        m_content->setFixedSize(size);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    if (size != m_appliedSize) {
        m_appliedSize = size;
        adjustSize();
    }

    QPoint place(m_window->Left(), m_window->Top());
    if (pos() != place)
        move(place);

    // Not before its Open has run: shown earlier, it would appear at the
    // default place and then jump to the one its Open chose.
    bool visible = m_window->Visible() && m_window->Opened();
    if (visible && !isVisible()) {
        show();
        activateWindow();
    } else if (!visible && isVisible()) {
        hide();
    }
}

const fw::MenuBar* WindowView::MenuSource() const
{
    if (m_window->MenuBar() != nullptr)
        return m_window->MenuBar();
    fw::Application* app = fw::_GetAppObject();
    return app != nullptr ? app->MenuBar() : nullptr;
}

void WindowView::SyncMenuBar()
{
    // The application may get its menu bar after the window was built.
    if (m_window != nullptr && MenuSource() != m_menus->Source())
        m_menus->Build(MenuSource());
}

void WindowView::SyncFocus()
{
    if (m_window == nullptr)
        return;
    Reentry applying(m_applying);
    QWidget* target = m_content;
    if (ControlView* view = ViewOf(m_window->Focus()))
        target = view->Widget();
    if (focusWidget() != target)
        target->setFocus(Qt::OtherFocusReason);
}

void WindowView::WindowChanged(fw::Window& /*window*/)
{
    SyncMenuBar();
    for (const auto& view : m_views)
        view->SyncShown();
    SyncWindow();
    // A page change may have hidden the widget Qt had focused.
    SyncFocus();
}

void WindowView::FocusChanged(fw::Window& /*window*/) { SyncFocus(); }

void WindowView::WindowClosed(fw::Window& /*window*/)
{
    Detach();
    hide();
    // The close may come from a handler still running inside one of our widgets.
    deleteLater();
}

void WindowView::WindowRaised(fw::Window& /*window*/)
{
    raise();
    activateWindow();
}

void WindowView::WindowDestroyed(fw::Window& window) { WindowClosed(window); }

void WindowView::UserActsHere()
{
    // Each window has its own menu bar here: the one whose menu opens, or
    // whose window a shortcut is typed in, is the window in front, even with
    // no window manager to activate it on the click.
    if (m_window != nullptr)
        fw::detail::BringToFront(*m_window);
}

void WindowView::UserFocused(ControlView& view, Qt::FocusReason reason)
{
    if (m_window == nullptr || Applying())
        return;
    fw::Control* control = view.Control();
    // Qt restoring a focus after a window, pop-up or menu was active: the
    // user chose nothing. But a field clicked before its window became
    // active also takes the focus this way, and the keys must follow it.
    bool restored = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
                    || reason == Qt::MenuBarFocusReason;
    if (restored && control == m_window->Focus())
        return;
    Guard([control] { control->SetFocus(); });
}

bool WindowView::RouteKey(QWidget* receiver, const QKeyEvent& event)
{
    if (m_window == nullptr || event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab)
        return false;
    std::string key = KeyName(event.key());
    bool named = !key.empty();
    if (!named) {
        QString text = event.text();
        if (text.isEmpty() || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        key = ToUtf8(text);
        auto* field = dynamic_cast<fw::EditField*>(m_window->Focus());
        ControlView* view = ViewOf(field);
        if (view != nullptr && view->Widget() == receiver) {
            // The field's KeyDown may refuse the key; otherwise it types natively.
            bool consumed = false;
            Guard([&] {
                fw::EventArgs args;
                args.key = key;
                consumed = field->Raise("KeyDown", args);
            });
            return consumed;
        }
    }
    fw::Window* window = m_window;
    bool repeat = event.isAutoRepeat();
    bool consumed = false;
    Guard([&] { consumed = window->PressKey(key, repeat); });
    // A named key nobody consumed is Qt's to act on: the caret moves, a list scrolls.
    return !named || consumed;
}

void WindowView::closeEvent(QCloseEvent* event)
{
    // The core decides: its Close runs, and it tells us when the window is gone.
    event->ignore();
    if (fw::Window* window = m_window)
        Guard([window] { window->CloseWindow(); });
}

void WindowView::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (m_window == nullptr || Applying() || !isVisible())
        return;
    fw::Window* window = m_window;
    QPoint place = pos();
    Guard([window, place] { window->Moved(place.x(), place.y()); });
}

void WindowView::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || m_window == nullptr || !isActiveWindow())
        return;
    fw::Window* window = m_window;
    Guard([window] { fw::detail::BringToFront(*window); });
}

} // namespace fwqt
