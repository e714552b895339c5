#pragma once

// The view of a core window: a top-level Qt window whose content area holds
// one widget per control at the control's coordinates, with the menu bar
// above it. The window reports the close box, moves, activation, focus and
// keys to the core and mirrors what the core says back.

#include "window.h"

#include <QMainWindow>

#include <memory>
#include <vector>

namespace fwqt {

class ControlView;
class MenuBarView;

class WindowView : public QMainWindow, public fw::WindowObserver {
public:
    explicit WindowView(fw::Window& window);
    ~WindowView() override;

    // nullptr once the core window is closed or gone.
    fw::Window* CoreWindow() const { return m_window; }
    ControlView* ViewOf(const fw::Control* control) const;

    // True while the view writes core state to Qt.
    bool Applying() const { return m_applying > 0; }
    int& ApplyingDepth() { return m_applying; }

    // The user opens this window's menus or types a shortcut in it.
    void UserActsHere();
    // A control's widget took the Qt focus.
    void UserFocused(ControlView& view, Qt::FocusReason reason);

    void WindowChanged(fw::Window& window) override;
    void FocusChanged(fw::Window& window) override;
    void WindowClosed(fw::Window& window) override;
    void WindowRaised(fw::Window& window) override;
    void WindowDestroyed(fw::Window& window) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Detach();
    void SyncWindow();
    void SyncFocus();
    void SyncMenuBar();
    const fw::MenuBar* MenuSource() const;

    fw::Window* m_window;
    QWidget* m_content;
    std::unique_ptr<MenuBarView> m_menus;
    std::vector<std::unique_ptr<ControlView>> m_views;
    QSize m_appliedSize;
    int m_applying = 0;
};

} // namespace fwqt
