#pragma once

// The program in real Qt windows, for the checks the simulated user's verbs
// do not make: the test reads and drives the widgets themselves.
//
//   TEST_F(RealWindow, ...) { user.Start(); QTest::keyClicks(Widget<QLineEdit>("tempo1"), "120"); }

#include "viewuser.h"

#include <gtest/gtest.h>

#include <QMainWindow>

class RealWindow : public testing::Test {
protected:
    static QMainWindow* MainWindow() { return ViewUser::TopLevel("Cadenzo"); }

    template <class W>
    static W* Widget(const char* name)
    {
        QMainWindow* window = MainWindow();
        return window ? window->findChild<W*>(name) : nullptr;
    }

    ViewUser user;
};
