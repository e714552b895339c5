#pragma once

// One view per core control: a Qt widget mirroring the control's properties,
// reporting the user's input back to it. The core stays the single source of
// truth: after every input the view mirrors the core again.

#include "control.h"

#include <QFont>
#include <QObject>

#include <functional>
#include <memory>

class QWidget;

namespace fwqt {

class WindowView;

class ControlView : public QObject, public fw::ControlObserver {
public:
    // The widget is a child of the window's content area.
    ControlView(WindowView& window, fw::Control& control, QWidget* widget);
    ~ControlView() override;

    QWidget* Widget() const { return m_widget; }
    // nullptr once the core control is gone.
    fw::Control* Control() const { return m_control; }
    void Detach();

    void ControlChanged(fw::Control& control) final;
    // Mirrors every property of the control; one that does not show only
    // hides, and is mirrored in full when it shows again.
    void Sync();
    // Mirrors whether a user sees it (pages, parents).
    void SyncShown();

protected:
    // The class's own properties; the base mirrors geometry, font, visibility.
    virtual void SyncDetails() = 0;
    virtual QFont WidgetFont() const;
    // Events of the widget besides focus; true consumes the event.
    virtual bool WidgetEvent(QObject* watched, QEvent* event);
    bool eventFilter(QObject* watched, QEvent* event) final;

    // Runs the user's input on the core, then mirrors the core again.
    void FromUser(const std::function<void()>& action);
    // Mouse press, enter and leave, for the classes that report them.
    bool ReportPointer(QEvent* event);
    // True while the view writes to its widget: the widget's signals are echoes.
    bool Mirroring() const { return m_mirroring > 0; }
    WindowView& Window() const { return m_window; }

private:
    WindowView& m_window;
    fw::Control* m_control;
    QWidget* m_widget;
    int m_mirroring = 0;
    int m_fromUser = 0;
    // The widget lags behind the control, which does not show.
    bool m_stale = false;
    bool m_pointerInside = false;
};

// The view of a core control, by its class.
std::unique_ptr<ControlView> CreateControlView(WindowView& window, fw::Control& control,
                                               QWidget* content);

} // namespace fwqt
