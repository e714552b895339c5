#include "windowview.h"

#include "application.h"
#include "controlview.h"
#include "convert.h"
#include "guard.h"
#include "menubarview.h"
#include "reentry.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>

namespace fwqt {

namespace {

// Every colour a window and its controls draw with, from the window's
// background and the design's black text on white fields: a desktop scheme
// (a dark one, say) must not mix its colours with the design's, or text
// ends up light on light or dark on dark.
QPalette DesignPalette(const QColor& back)
{
    const QColor black(Qt::black), white(Qt::white);
    const QColor mid = back.darker(130), dark = back.darker(150);
    QPalette palette(black, back, back.lighter(150), dark, mid, black, white, white, back);
    palette.setColor(QPalette::Midlight, mid.lighter(110));
    palette.setColor(QPalette::Shadow, dark.darker(135));
    palette.setColor(QPalette::AlternateBase, back.lighter(103));
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::HighlightedText, white);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, black);
    palette.setColor(QPalette::Link, QColor(0, 0, 255));
    palette.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    QColor placeholder = black;
    placeholder.setAlpha(128);
    palette.setColor(QPalette::PlaceholderText, placeholder);
    const QColor greyed(190, 190, 190);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, greyed);
    palette.setColor(QPalette::Disabled, QPalette::Base, back);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return palette;
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
    fw::Reentry applying(m_applying);
    setObjectName(ToQString(window.ClassName()));
    // Before the controls are built: they, the menu bar and its menus inherit it.
    setPalette(DesignPalette(ToQColor(window.BackColor())));
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
    fw::Reentry applying(m_applying);
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
    if (palette().color(QPalette::Window) != back)
        setPalette(DesignPalette(back));

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

    // A new window's pos() already reads (0, 0): only a move hands the
    // window manager a place, which it otherwise chooses itself.
    QPoint place(m_window->Left(), m_window->Top());
    if (pos() != place || !testAttribute(Qt::WA_Moved))
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
    fw::Reentry applying(m_applying);
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
