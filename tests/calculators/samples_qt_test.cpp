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
    const struct {
        const char* field;
        const char* typed;
    } typing[] = {{"srate", "44100"}, {"beats", "4"}, {"loopl", "88200"}};
    for (const auto& t : typing) {
        QLineEdit* field = Widget<QLineEdit>(t.field);
        ASSERT_NE(field, nullptr) << t.field;
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClicks(field, t.typed);
    }
    EXPECT_EQ(Widget<QLineEdit>("loopms")->text(), "2000");
    EXPECT_EQ(Widget<QLineEdit>("tempo5")->text(), "120.00");
    EXPECT_EQ(Widget<QLineEdit>("loopl")->text(), "88200");
}

} // namespace
