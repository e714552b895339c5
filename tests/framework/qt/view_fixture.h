#pragma once

// Shared by the Qt view's tests: a Platform for each test, a window built
// from a list of controls, and helpers to find the widgets the view made for
// them.

#include "application.h"
#include "qtplatform.h"
#include "window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fwqt::test {

// A window whose controls the test gives before building it.
class Form : public fw::Window {
public:
    static inline std::function<void(Form&)> controls;
    static inline std::vector<std::string>* log = nullptr;

    void Layout() override { _SetProperties({.title = "Form", .width = 320, .height = 200, .resizeable = false}); }
    void CreateControls() override
    {
        if (controls)
            controls(*this);
    }
    ~Form() override { Note("window freed"); }
    void Close() override { Note("window.Close"); }

    static void Note(const std::string& entry)
    {
        if (log != nullptr)
            log->push_back(entry);
    }
};

template <class C>
C& Add(fw::Window& window, const std::string& name, const fw::DesignProperties& design)
{
    auto& control = static_cast<C&>(window._AddControl(name, std::make_unique<C>()));
    control._SetProperties(design);
    return control;
}

// Records "name.Event" each time the event is raised.
inline void Log(fw::Control& control, const std::string& event)
{
    control._InstallInstanceEventHandler(event, [&control, event](const fw::EventArgs&) {
        Form::Note(control.Name() + "." + event);
        return false;
    });
}

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::RuntimeInit();
        Form::log = &log;
    }

    void TearDown() override
    {
        fw::RuntimeShutdown();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Form::log = nullptr;
    }

    // Builds the window with those controls and starts the loop's open
    // events: the window shows, active.
    Form& Open(std::function<void(Form&)> controls)
    {
        Form::controls = std::move(controls);
        Form& form = fw::NewWindow<Form>("Form");
        fw::RuntimeStartLoop();
        if (QWidget* view = View()) {
            view->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(view));
        }
        return form;
    }

    static QWidget* View()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == "Form" && widget->isVisible())
                return widget;
        return nullptr;
    }

    template <class W>
    static W* Widget(const std::string& name)
    {
        QWidget* view = View();
        return view ? view->findChild<W*>(QString::fromStdString(name)) : nullptr;
    }

    std::unique_ptr<Platform> m_platform = NewPlatform();
    std::vector<std::string> log;
};

} // namespace fwqt::test
