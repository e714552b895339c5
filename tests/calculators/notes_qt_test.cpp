// The Notes tab as a user meets it: the 128 notes are listed when the tab is
// first shown, follow the diapason field, and the list cannot be moved away
// from the reference note, on the core and again in the real window, where
// a keystroke rebuilds the list as one model reset and its keys go to the
// program, not to Qt.

#include "viewuser.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <array>
#include <string>

namespace {

QTableView* ListView() { return ViewUser::TopLevel("Cadenzo")->findChild<QTableView*>("noteshz"); }

// Row 65 on top, in the window too; row 69 alone selected and bold.
void ExpectReferenceInView(const SimUser& user, bool view)
{
    const auto& list = user.Get<fw::Listbox>("noteshz");
    EXPECT_EQ(list.ScrollPosition(), 65);
    EXPECT_EQ(list.ListIndex(), 69);
    if (view) {
        EXPECT_EQ(ListView()->rowAt(0), 65);
    }
    for (int row : {0, 68, 69, 70, 127})
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(list.CellBold(row, column), row == 69) << row << "," << column;
}

TEST(NotesTab, OpensWithTheNotesFor440)
{
    const std::array<std::array<const char*, 3>, 9> rows = {{
        {"   0", "    9", "    C -2"},      {"   11", "    16", "    B -2"},   {"   12", "    17", "    C -1"},
        {"   57", "    221", "    A 2"},    {"   68", "    416", "    G# 3"},  {"   69", "    440", "    A 3"},
        {"   81", "    880", "    A 4"},    {"   93", "    1760", "    A 5"},  {"   127", "    12544", "    G 8"},
    }};
    SimUser user;
    user.Start();
    user.ChooseTab("Notes");
    const auto& list = user.Get<fw::Listbox>("noteshz");
    ASSERT_EQ(list.ListCount(), 128);
    for (const auto& cells : rows) {
        const int row = std::stoi(cells[0]); // the first column numbers the row
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(list.Cell(row, column), cells[column]) << row << "," << column;
    }
    ExpectReferenceInView(user, false);
}

constexpr std::array<const char*, 5> k440 = {"    9", "    221", "    440", "    880", "    12544"};
constexpr std::array<const char*, 5> k442 = {"    9", "    222", "    442", "    884", "    12601"};

TEST(NotesTab, AReferenceGivesTheListAtOnceAndTheFieldIsTidiedOnLeaving)
{
    // hz: rows 0, 57, 69, 81, 127; left: the field once the user has clicked into the list.
    struct Row { const char *name, *typed; std::array<const char*, 5> hz; const char* left; };
    const Row rows[] = {
        {"442", "442", k442, "442"},
        {"415", "415", {"    8", "    208", "    415", "    830", "    11832"}, "415"},
        {"largest", "10000", {"    186", "    5001", "    10000", "    20000", "    285088"}, "10000"},
        {"fraction dropped", "442.7", k442, "442.7"},
        {"below one hertz", "0.5", {"    0", "    0", "    0", "    0", "    0"}, "0.5"},
        {"just above largest", "10000.5", k440, "10000.5"}, {"above largest", "20000", k440, "20000"},
        {"empty", "", k440, "440"}, {"zero", "0", k440, "440"}, {"negative", "-5", k440, "440"}, {"letters", "abc", k440, "440"},
        {"not a number", "NAN", k440, "440"}, {"infinite", "INF", k440, "INF"},
    };
    const int listed[] = {0, 57, 69, 81, 127};
    for (bool view : {false, true}) {
        auto user = NewUser(view);
        user->Start();
        user->ChooseTab("Notes");
        auto& list = user->Get<fw::Listbox>("noteshz");
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.name) + (view ? ", through the view" : ""));
            user->TypeInto("diapason", r.typed);
            for (std::size_t i = 0; i < 5; ++i)
                EXPECT_EQ(list.Cell(listed[i], 1), r.hz[i]) << "row " << listed[i];
            ExpectReferenceInView(*user, view);
            // As the scroll bar does.
            view ? ListView()->verticalScrollBar()->setValue(0) : list.SetScrollPosition(0);
            user->ClickCell("noteshz", 70, 1);
            ExpectReferenceInView(*user, view);
            EXPECT_EQ(user->Text("diapason"), r.left);
            EXPECT_EQ(list.Cell(69, 1), r.hz[2]);
        }
    }
}

TEST_F(RealWindow, TheNotesListIsPaintedAsTheDesignHasItRebuiltOnceAKeyAndKeepsItsKeys)
{
    user.Start();
    user.ChooseTab("Notes");
    QTableView* list = ListView();
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
    list->verticalScrollBar()->setValue(0);
    user.ClickCell("noteshz", 3, 0);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End, Qt::Key_A, Qt::Key_Return}) {
        QTest::keyClick(list, key);
        EXPECT_EQ(list->rowAt(0), 65) << key;
    }
}

} // namespace
