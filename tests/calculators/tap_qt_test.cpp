// The tap pad in a real window: the press itself is the tap, the space bar
// held down is one tap, and the copy button copies on its press too.

#include "viewuser.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

TEST_F(RealWindow, TheThirdTapShowsTheTempo)
{
    user.Start();
    user.ChooseTab("Tap");
    QPushButton *pad = Widget<QPushButton>("TapButton"), *copy = Widget<QPushButton>("TapCopy");
    user.AdvanceClock(30);
    QTest::mouseClick(pad, Qt::LeftButton);
    // The second tap is the space bar, held down.
    user.AdvanceClock(30);
    for (bool repeat : {false, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
        QApplication::sendEvent(MainWindow()->focusWidget() ? MainWindow()->focusWidget() : MainWindow(), &press);
    }
    user.AdvanceClock(30);
    QTest::mousePress(pad, Qt::LeftButton);
    EXPECT_EQ(Widget<QLabel>("tempo4")->text().toStdString() + user.FocusedName(), "120 ");
    QTest::mouseRelease(pad, Qt::LeftButton);
    QTest::mousePress(copy, Qt::LeftButton);
    EXPECT_EQ(user.Window().tempoglobal, 120.0);
    QTest::mouseRelease(copy, Qt::LeftButton);
}

} // namespace
