// The Delay tab in the real window: Qt's key events reach the cells, and
// every value shows whole in its 45-pixel cell.

#include "viewuser.h"

#include <QFontMetrics>
#include <QLineEdit>

#include <string>

namespace {

QLineEdit& Cell(int n) { return static_cast<QLineEdit&>(ViewUser::ShownWidget("Cadenzo", "note" + std::to_string(n))); }

// A frameless QLineEdit lays its text out 2 pixels in from each side and
// wants 1 more for the caret; a wider text scrolls its first digits away.
void ExpectEveryCellWhole()
{
    for (int n = 1; n <= 18; ++n) {
        const QLineEdit& cell = Cell(n);
        SCOPED_TRACE(cell.objectName().toStdString() + " \"" + cell.text().toStdString() + "\"");
        EXPECT_FALSE(cell.hasFrame());
        EXPECT_LE(QFontMetrics(cell.font()).horizontalAdvance(cell.text()) + 1, cell.width() - 2 * 2);
        EXPECT_EQ(cell.size(), QSize(45, 14));
    }
}

TEST_F(RealWindow, DelayCellsTakeKeysGiveTheTempoAndShowEveryValueWhole)
{
    user.Start();
    user.ChooseTab("Delay");
    user.TypeInto("note7", "333");
    EXPECT_EQ(user.Text("tempo3"), "180.18");

    const QFont regular = Cell(4).font();
    // 24 BPM in milliseconds gives the widest values; the unit buttons leave tempo3 selected.
    user.Click("buttonhz");
    user.Click("buttonms");
    user.Type("24");
    ASSERT_EQ(Cell(1).text(), "10000.00");
    ASSERT_EQ(Cell(2).text(), "15000.00");
    ExpectEveryCellWhole();
    // Only the cells that need it are narrowed, and never shortened.
    EXPECT_LT(Cell(1).font().stretch(), regular.stretch());
    EXPECT_EQ(Cell(1).font().pixelSize(), regular.pixelSize());
    user.Click("buttonhz");
    ExpectEveryCellWhole();
    EXPECT_EQ(Cell(1).font(), regular);
}

} // namespace
