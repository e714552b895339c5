// The SMPTE tab in the real window: a long count of hours shows whole in its
// 28-pixel result, never with its first digits cut off.

#include "realwindow.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

TEST_F(RealWindow, ALongCountOfHoursShowsWhole)
{
    user.Start();
    user.ChooseTab("SMPTE");
    MainWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainWindow()));
    QLineEdit* hours = Widget<QLineEdit>("H1");
    QLabel* result = Widget<QLabel>("H3");
    ASSERT_TRUE(hours && result);
    QTest::keyClicks(hours, "600000");
    ASSERT_EQ(result->text(), "600000");
    EXPECT_LE(QFontMetrics(result->font()).horizontalAdvance(result->text()), result->width());
    EXPECT_EQ(result->size(), QSize(28, 17));
}

} // namespace
