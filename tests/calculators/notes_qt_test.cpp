// The notes list in a real window: what it shows, how its rows are painted,
// and that a keystroke rebuilds it as one model reset.

#include "realwindow.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

class NotesWindow : public RealWindow {
protected:
    void SetUp() override
    {
        RealWindow::SetUp();
        user.Start();
        MainWindow()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(MainWindow()));
        user.ChooseTab("Notes");
        list = Widget<QTableView>("noteshz");
        ASSERT_NE(list, nullptr);
    }

    QRect CellBox(int row, int column) const { return list->visualRect(list->model()->index(row, column)); }
    void ClickCell(int row) { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CellBox(row, 0).center()); }

    QTableView* list = nullptr;
};

TEST_F(NotesWindow, ShowsTheReferenceFifthFromTheTopOnAlternatingRows)
{
    EXPECT_EQ(list->rowAt(0), 65);
    QImage shot = list->viewport()->grab().toImage();
    // A corner of each cell: the text starts at its left edge.
    auto corner = [&](int row) { return shot.pixelColor(CellBox(row, 2).bottomRight() - QPoint(1, 1)); };
    EXPECT_EQ(corner(66), QColor(255, 255, 255));
    EXPECT_EQ(corner(67), QColor(217, 228, 250));
    EXPECT_NE(corner(69), QColor(217, 228, 250)) << "the selected row is highlighted";
}

TEST_F(NotesWindow, AKeystrokeRebuildsTheListOnceAndAClickOrKeyScrollsBack)
{
    QSignalSpy resets(list->model(), &QAbstractItemModel::modelReset);
    QLineEdit* diapason = Widget<QLineEdit>("diapason");
    QTest::mouseClick(diapason, Qt::LeftButton);
    QTest::keyClick(diapason, Qt::Key_End);
    QTest::keyClick(diapason, Qt::Key_Backspace);
    QTest::keyClick(diapason, Qt::Key_2);
    EXPECT_EQ(resets.count(), 2);
    EXPECT_EQ(list->model()->index(69, 1).data().toString(), "    442");
    EXPECT_EQ(list->rowAt(0), 65);

    list->verticalScrollBar()->setValue(0);
    ClickCell(3);
    EXPECT_EQ(list->rowAt(0), 65);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End, Qt::Key_A, Qt::Key_Return}) {
        QTest::keyClick(list, key);
        EXPECT_EQ(list->rowAt(0), 65) << key;
    }
}

} // namespace
