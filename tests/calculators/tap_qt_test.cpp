// The tap pad in a real window: the press itself is the tap, and the copy
// button copies on its press too.

#include "realwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

TEST_F(RealWindow, TheThirdPressOnThePadShowsTheTempo)
{
    user.Start();
    user.ChooseTab("Tap");
    QPushButton* pad = Widget<QPushButton>("TapButton");
    QPushButton* copy = Widget<QPushButton>("TapCopy");
    ASSERT_NE(pad, nullptr);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(pad->focusPolicy(), Qt::NoFocus);
    for (int tap = 1; tap <= 3; ++tap) {
        SCOPED_TRACE(tap);
        user.AdvanceClock(30);
        QTest::mousePress(pad, Qt::LeftButton);
        EXPECT_EQ(Widget<QLabel>("tempo4")->text(), tap < 3 ? "" : "120 ");
        QTest::mouseRelease(pad, Qt::LeftButton);
    }
    EXPECT_EQ(user.FocusedName(), "");
    QTest::mousePress(copy, Qt::LeftButton);
    EXPECT_EQ(user.Window().tempoglobal, 120.0);
    QTest::mouseRelease(copy, Qt::LeftButton);
}

} // namespace
