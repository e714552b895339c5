// The Notes tab as a user meets it: the 128 notes are listed when the tab is
// first shown, follow the diapason field, and the list cannot be moved away
// from the reference note, by click, scroll bar or key, on the core and again
// in the real window, where a keystroke rebuilds the list as one model reset.

#include "viewuser.h"

#include <QFontMetricsF>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <initializer_list>
#include <string>

namespace {

QTableView* ListView() { return ViewUser::TopLevel("Cadenzo")->findChild<QTableView*>("noteshz"); }

// The cells of one column in those rows, joined by "|".
std::string Cells(const fw::Listbox& list, std::initializer_list<int> rows, int column)
{
    std::string cells;
    for (int row : rows)
        cells += (cells.empty() ? "" : "|") + list.Cell(row, column);
    return cells;
}

// Each cell's font, as the delegate draws it, shows the whole text within
// the item's margins, bold where the core's cell is; at 440 it is the list's
// own.
void ExpectEveryCellWhole(const fw::Listbox& list, bool own)
{
    QTableView& table = *ListView();
    const int margins = 2 * (table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &table) + 1);
    for (int i = 0; i < 128 * 3; ++i) {
        const QModelIndex cell = table.model()->index(i / 3, i % 3);
        const QFont font = cell.data(Qt::FontRole).value<QFont>();
        EXPECT_LE(QFontMetricsF(font).horizontalAdvance(cell.data().toString()) + margins, table.columnWidth(i % 3)) << i / 3;
        EXPECT_EQ(font.bold(), list.CellBold(i / 3, i % 3)) << i / 3;
        if (own) {
            EXPECT_EQ(std::pair(font.stretch(), font.pixelSize()), std::pair(table.font().stretch(), table.font().pixelSize())) << i / 3;
        }
    }
}

// Row 65 on top, in the window too; row 69 alone selected and bold.
void ExpectReferenceInView(const SimUser& user, bool view)
{
    const auto& list = user.Get<fw::Listbox>("noteshz");
    EXPECT_EQ(std::pair(list.ScrollPosition(), list.ListIndex()), std::pair(65, 69));
    EXPECT_EQ(view ? ListView()->rowAt(0) : 65, 65);
    for (int row : {0, 68, 69, 70, 127})
        EXPECT_EQ(list.CellBold(row, 0) + list.CellBold(row, 1) + list.CellBold(row, 2), row == 69 ? 3 : 0) << row;
}

TEST(NotesTab, OpensWithTheNotesFor440AndAReferenceGivesTheListAtOnceAndTheFieldIsTidiedOnLeaving)
{
    const char k440[] = "    9|    221|    440|    880|    12544", k442[] = "    9|    222|    442|    884|    12601";
    // hz: rows 0, 57, 69, 81, 127; left: the field once the user has clicked into the list.
    struct Row { const char *name, *typed, *hz, *left; };
    const Row rows[] = {
        {"442", "442", k442, "442"},
        {"largest", "10000", "    186|    5001|    10000|    20000|    285088", "10000"},
        {"fraction dropped", "442.7", k442, "442.7"}, {"below one hertz", "0.5", "    0|    0|    0|    0|    0", "0.5"},
        {"just above largest", "10000.5", k440, "10000.5"}, {"empty", "", k440, "440"}, {"negative", "-5", k440, "440"},
        {"not a number", "NAN", k440, "440"}, {"infinite", "INF", k440, "INF"},
    };
    for (bool view : {false, true}) {
        SCOPED_TRACE(view ? "through the view" : "on the core");
        auto user = NewUser(view);
        user->Start();
        user->ChooseTab("Notes");
        auto& list = user->Get<fw::Listbox>("noteshz");
        ASSERT_EQ(list.ListCount(), 128);
        EXPECT_EQ(Cells(list, {0, 11, 12, 68, 69, 127}, 2), "    C -2|    B -2|    C -1|    G# 3|    A 3|    G 8");
        EXPECT_EQ(Cells(list, {0, 127}, 0) + Cells(list, {0, 57, 69, 81, 127}, 1), std::string("   0|   127") + k440);
        ExpectReferenceInView(*user, view);
        if (view) {
            QSignalSpy resets(ListView()->model(), &QAbstractItemModel::modelReset);
            user->TypeInto("diapason", "415");
            EXPECT_EQ(resets.count(), 3) << "one reset a keystroke";
        }
        for (const Row& r : rows) {
            SCOPED_TRACE(r.name);
            user->TypeInto("diapason", r.typed);
            EXPECT_EQ(Cells(list, {0, 57, 69, 81, 127}, 1), r.hz);
            if (view)
                ExpectEveryCellWhole(list, r.hz == std::string(k440));
            ExpectReferenceInView(*user, view);
            // As the scroll bar does; then keys, which go to the program, not to Qt.
            view ? ListView()->verticalScrollBar()->setValue(0) : list.SetScrollPosition(0);
            user->ClickCell("noteshz", 70, 1);
            if (view)
                for (Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End, Qt::Key_A, Qt::Key_Return})
                    QTest::keyClick(ListView(), key);
            ExpectReferenceInView(*user, view);
            EXPECT_EQ(user->Text("diapason") + " " + Cells(list, {0, 57, 69, 81, 127}, 1), r.left + std::string(" ") + r.hz);
        }
    }
}

} // namespace
