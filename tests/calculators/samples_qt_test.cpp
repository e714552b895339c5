// The Samples tab in a real window: the texts the calculator writes into the
// other linked fields while the user types reach the screen.

#include "realwindow.h"

#include <QLineEdit>
#include <QTest>

namespace {

TEST_F(RealWindow, TypingALoopLengthShowsItsMillisecondsAndTempo)
{
    user.Start();
    user.ChooseTab("Samples");
    MainWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainWindow()));
    // The rate and beats shown at start: 44100 and 4.
    QLineEdit* loopl = Widget<QLineEdit>("loopl");
    ASSERT_NE(loopl, nullptr);
    QTest::mouseClick(loopl, Qt::LeftButton);
    QTest::keyClicks(loopl, "88200");
    EXPECT_EQ(Widget<QLineEdit>("loopms")->text(), "2000");
    EXPECT_EQ(Widget<QLineEdit>("tempo5")->text(), "120.00");
    EXPECT_EQ(Widget<QLineEdit>("loopl")->text(), "88200");
}

} // namespace
