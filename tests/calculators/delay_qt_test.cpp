// The Delay tab in the real window: Qt's key events reach the cells, and
// every value shows whole in its 45-pixel cell.

#include "realwindow.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <string>

namespace {

class DelayWindow : public RealWindow {
protected:
    static QLineEdit* Cell(int n) { return Widget<QLineEdit>(("note" + std::to_string(n)).c_str()); }

    // A frameless QLineEdit lays its text out 2 pixels in from each side and
    // wants 1 more for the caret; a wider text scrolls its first digits away.
    static void ExpectEveryCellWhole()
    {
        for (int n = 1; n <= 18; ++n) {
            const QLineEdit& cell = *Cell(n);
            SCOPED_TRACE(cell.objectName().toStdString() + " \"" + cell.text().toStdString() + "\"");
            EXPECT_FALSE(cell.hasFrame());
            EXPECT_LE(QFontMetrics(cell.font()).horizontalAdvance(cell.text()) + 1, cell.width() - 2 * 2);
            EXPECT_EQ(cell.size(), QSize(45, 14));
        }
    }
};

TEST_F(DelayWindow, DelayCellsTakeKeysGiveTheTempoAndShowEveryValueWhole)
{
    user.Start();
    user.ChooseTab("Delay");
    MainWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainWindow()));
    QLineEdit* tempo3 = Widget<QLineEdit>("tempo3");
    ASSERT_NE(tempo3, nullptr);
    QTest::mouseClick(Cell(7), Qt::LeftButton);
    QTest::keyClicks(Cell(7), "333");
    EXPECT_EQ(tempo3->text(), "180.18");

    const QFont regular = Cell(4)->font();
    // 24 BPM in milliseconds gives the widest values; the unit buttons leave tempo3 selected.
    QTest::mouseClick(Widget<QRadioButton>("buttonhz"), Qt::LeftButton);
    QTest::mouseClick(Widget<QRadioButton>("buttonms"), Qt::LeftButton);
    QTest::keyClicks(tempo3, "24");
    ASSERT_EQ(Cell(1)->text(), "10000.00");
    ASSERT_EQ(Cell(2)->text(), "15000.00");
    ExpectEveryCellWhole();
    // Only the cells that need it are narrowed, and never shortened.
    EXPECT_LT(Cell(1)->font().stretch(), regular.stretch());
    EXPECT_EQ(Cell(1)->font().pixelSize(), regular.pixelSize());
    QTest::mouseClick(Widget<QRadioButton>("buttonhz"), Qt::LeftButton);
    ExpectEveryCellWhole();
    EXPECT_EQ(Cell(1)->font(), regular);
}

} // namespace
