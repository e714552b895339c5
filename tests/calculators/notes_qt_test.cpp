// The notes list in a real window: what it shows, how its rows are painted,
// that a keystroke rebuilds it as one model reset, and that its clicks and
// keys go to the program, not to Qt.

#include "viewuser.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

TEST_F(RealWindow, TheNotesListShowsTheReferenceFifthFromTheTopWhateverTheUserDoes)
{
    user.Start();
    user.ChooseTab("Notes");
    auto* list = Widget<QTableView>("noteshz");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->rowAt(0), 65);
    QImage shot = list->viewport()->grab().toImage();
    // A corner of each cell: the text starts at its left edge.
    auto corner = [&](int row) {
        return shot.pixelColor(list->visualRect(list->model()->index(row, 2)).bottomRight() - QPoint(1, 1));
    };
    EXPECT_EQ(corner(66), QColor(255, 255, 255));
    EXPECT_EQ(corner(67), QColor(217, 228, 250));
    EXPECT_NE(corner(69), QColor(217, 228, 250)) << "the selected row is highlighted";

    QSignalSpy resets(list->model(), &QAbstractItemModel::modelReset);
    user.TypeInto("diapason", "442");
    EXPECT_EQ(resets.count(), 3);
    EXPECT_EQ(list->model()->index(69, 1).data().toString(), "    442");
    EXPECT_EQ(list->rowAt(0), 65);

    list->verticalScrollBar()->setValue(0);
    user.ClickCell("noteshz", 3, 0);
    EXPECT_EQ(list->rowAt(0), 65);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End, Qt::Key_A, Qt::Key_Return}) {
        QTest::keyClick(list, key);
        EXPECT_EQ(list->rowAt(0), 65) << key;
    }
}

} // namespace
