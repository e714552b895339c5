// The tap pad in a real window: the press itself is the tap.

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
    QLabel* tempo4 = Widget<QLabel>("tempo4");
    ASSERT_NE(pad, nullptr);
    ASSERT_NE(tempo4, nullptr);
    EXPECT_EQ(pad->focusPolicy(), Qt::NoFocus);
    for (int tap = 1; tap <= 3; ++tap) {
        SCOPED_TRACE(tap);
        user.AdvanceClock(30);
        QTest::mousePress(pad, Qt::LeftButton);
        EXPECT_EQ(tempo4->text(), tap < 3 ? "" : "120 ");
        QTest::mouseRelease(pad, Qt::LeftButton);
    }
    EXPECT_EQ(user.FocusedName(), "");

    QPushButton* copy = Widget<QPushButton>("TapCopy");
    ASSERT_NE(copy, nullptr);
    QTest::mousePress(copy, Qt::LeftButton);
    EXPECT_EQ(user.Window().tempoglobal, 120.0);
    QTest::mouseRelease(copy, Qt::LeftButton);
}

} // namespace
