#pragma once

// The program in real Qt windows on the offscreen platform, driven by Qt's
// own mouse and key events; the simulated user starts it and reads the core.
//
//   TEST_F(RealWindow, ...) { user.Start(); QTest::keyClicks(Widget<QLineEdit>("tempo1"), "120"); }

#include "application.h"
#include "platform.h"
#include "simuser.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>

#include <memory>

class RealWindow : public testing::Test {
protected:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "cadenzo_tests";
        static char* argv[] = {name, nullptr};
        m_platform = std::make_unique<fwqt::Platform>(argc, argv);
    }

    void TearDown() override
    {
        // The windows go before the toolkit that shows them.
        fw::RuntimeShutdown();
        m_platform.reset();
    }

    static QMainWindow* MainWindow()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->windowTitle() == "Cadenzo" && widget->isVisible())
                return qobject_cast<QMainWindow*>(widget);
        return nullptr;
    }

    template <class W>
    static W* Widget(const char* name)
    {
        QMainWindow* window = MainWindow();
        return window ? window->findChild<W*>(name) : nullptr;
    }

    SimUser user;
    std::unique_ptr<fwqt::Platform> m_platform;
};
