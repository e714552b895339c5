// The other controls: the user's clicks and keys reach the core as its own
// controls hear them, and the list shows and paints what the core holds.

#include "view_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>

namespace fwqt::test {
namespace {

using ControlViewsTest = ViewTest;

TEST_F(ControlViewsTest, ClicksReachTheCoreAsItsControlsHearThemAndTakeNoFocus)
{
    fw::PopupMenu* popup = nullptr;
    Open([&popup](Form& form) {
        Add<fw::EditField>(form, "field", {.top = 170, .width = 80, .height = 22});
        Add<fw::PushButton>(form, "go", {.width = 80, .height = 24, .text = "Go"});
        Add<fw::BevelButton>(form, "pad", {.left = 100, .width = 80, .height = 24, .text = "Tap"});
        Add<fw::RadioButton>(form, "first", {.top = 30, .width = 80, .height = 20, .text = "4/4", .value = true});
        Add<fw::RadioButton>(form, "second", {.top = 60, .width = 80, .height = 20, .text = "3/4"});
        Add<fw::StaticText>(form, "link", {.top = 130, .width = 100, .height = 20, .text = "www"});
        popup = &Add<fw::PopupMenu>(form, "popup", {.top = 90, .width = 120, .height = 24, .items = {"24", "25"}, .listIndex = 0});
        for (fw::Control* control : form.Controls())
            for (const char* event : {"MouseDown", "Action", "MouseEnter", "MouseExit"})
                Log(*control, event);
    });
    QTest::mouseClick(Widget<QLineEdit>("field"), Qt::LeftButton);
    using enum QTest::MouseAction;
    const struct { const char* name; QTest::MouseAction action; const char* widget; QPoint at; std::vector<std::string> log; } steps[] = {
        {"a push button's press", MousePress, "go", {}, {"go.MouseDown"}},
        {"its release over it", MouseRelease, "go", {}, {"go.Action"}},
        {"another press", MousePress, "go", {}, {"go.MouseDown"}},
        {"released after dragging away", MouseRelease, "go", {200, 5}, {}},
        {"a bevel button's press", MousePress, "pad", {}, {"pad.Action"}},
        {"its release", MouseRelease, "pad", {}, {}},
        {"a radio button", MouseClick, "second", {}, {"second.Action"}},
        {"the same again", MouseClick, "second", {}, {"second.Action"}},
        {"the pointer over a label", MouseMove, "link", {}, {"link.MouseEnter"}},
        {"a click on it", MouseClick, "link", {}, {"link.MouseDown"}},
        {"the pointer away", MouseMove, "field", {}, {"link.MouseExit"}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        log.clear();
        QTest::mouseEvent(step.action, Widget<QWidget>(step.widget), step.action == MouseMove ? Qt::NoButton : Qt::LeftButton,
                          {}, step.at);
        EXPECT_EQ(log, step.log);
    }
    EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>("field"));
    // The core keeps the group, clicked twice or not.
    EXPECT_TRUE(Widget<QRadioButton>("second")->isChecked());
    EXPECT_FALSE(Widget<QRadioButton>("first")->isChecked());

    Widget<QComboBox>("popup")->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Widget<QComboBox>("popup"), Qt::Key_Down);
    EXPECT_EQ(popup->ListIndex(), 1);
}

void Fill(fw::Listbox& list, const std::string& hertz)
{
    list.DeleteAllRows();
    for (const char* note : {"C", "D", "E", "F"}) {
        list.AddRow(note);
        list.SetCell(list.ListCount() - 1, 1, hertz);
    }
}

TEST_F(ControlViewsTest, AListPaintsTheCoresCellsAndHearsClicksAndKeysBeforeQt)
{
    fw::Listbox* list = nullptr;
    Open([&list](Form& form) {
        list = &Add<fw::Listbox>(form, "list", {.width = 200, .height = 120, .columnCount = 2});
        Fill(*list, "261.63");
        // Alternating rows, as the notes list draws them.
        list->_InstallInstanceEventHandler("CellBackgroundPaint", [](const fw::EventArgs& args) {
            args.graphics->SetForeColor(args.row % 2 == 0 ? 0xFFFFFF : 0xD0E0FF);
            args.graphics->FillRect(0, 0, args.graphics->Width(), args.graphics->Height());
            return true;
        });
        Log(*list, "CellClick");
        // It keeps every key, as the notes list does.
        Log(*list, "KeyDown", true);
        // Each edit of the field rebuilds the list, as the diapason does the notes list.
        auto& field = Add<fw::EditField>(form, "field", {.top = 150, .width = 80, .height = 22});
        field._InstallInstanceEventHandler("TextChange", [list, &field](const fw::EventArgs&) {
            Fill(*list, field.Text());
            return false;
        });
    });
    auto* table = Widget<QTableView>("list");
    auto cell = [table](int row, int column) { return table->visualRect(table->model()->index(row, column)); };
    QSignalSpy resets(table->model(), &QAbstractItemModel::modelReset);
    QTest::mouseClick(Widget<QLineEdit>("field"), Qt::LeftButton);
    QTest::keyClick(Widget<QLineEdit>("field"), '4');
    log.clear();

    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell(2, 1).center());

    EXPECT_EQ(log, std::vector<std::string>{"list.CellClick"});
    EXPECT_EQ(list->ListIndex(), 2);
    EXPECT_TRUE(list->HasFocus());
    EXPECT_EQ(resets.count(), 1) << "one per rebuild, none for a selection";
    EXPECT_EQ(table->model()->index(3, 1).data().toString(), "4");
    // A corner of the cell: the text is drawn from its left edge.
    QColor corner = table->viewport()->grab().toImage().pixelColor(cell(1, 1).bottomRight() - QPoint(1, 1));
    EXPECT_EQ(corner, QColor(0xD0, 0xE0, 0xFF));

    table->setCurrentIndex(table->model()->index(0, 0));
    log.clear();
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_PageDown);
    EXPECT_EQ(log, (std::vector<std::string>{"list.KeyDown", "list.KeyDown"}));
    EXPECT_EQ(table->currentIndex().row(), 0) << "Qt moved the list";
}

} // namespace
} // namespace fwqt::test
