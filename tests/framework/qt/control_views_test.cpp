// The other controls: what the user's clicks tell the core, and what the
// core's state looks like on screen.

#include "view_fixture.h"

#include "convert.h"

#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

namespace fwqt::test {
namespace {

using ControlViewsTest = ViewTest;

TEST_F(ControlViewsTest, ClickingARadioButtonSelectsItInTheCoreOnly)
{
    fw::RadioButton* first = nullptr;
    fw::RadioButton* second = nullptr;
    Open([&](Form& form) {
        first = &Add<fw::RadioButton>(form, "first",
                                      {.width = 80, .height = 20, .text = "4/4", .value = true});
        second = &Add<fw::RadioButton>(form, "second", {.top = 30, .width = 80, .height = 20, .text = "3/4"});
        Log(*second, "Action");
    });

    QTest::mouseClick(Widget<QRadioButton>("second"), Qt::LeftButton);
    QTest::mouseClick(Widget<QRadioButton>("second"), Qt::LeftButton);

    EXPECT_TRUE(second->Value());
    EXPECT_FALSE(first->Value());
    EXPECT_TRUE(Widget<QRadioButton>("second")->isChecked()) << "a second click must not clear it";
    EXPECT_FALSE(Widget<QRadioButton>("first")->isChecked());
    EXPECT_EQ(log, (std::vector<std::string>{"second.Action", "second.Action"}));
}

TEST_F(ControlViewsTest, ChoosingFromAPopupMenuSetsTheCoresIndex)
{
    fw::PopupMenu* popup = nullptr;
    Open([&](Form& form) {
        popup = &Add<fw::PopupMenu>(
            form, "popup", {.width = 120, .height = 24, .items = {"24 fps", "25 fps", "30 fps"}, .listIndex = 0});
        Log(*popup, "Change");
    });
    auto* combo = Widget<QComboBox>("popup");
    ASSERT_EQ(combo->count(), 3);

    combo->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(combo, Qt::Key_Down);

    EXPECT_EQ(popup->ListIndex(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"window.KeyDown Down", "popup.Change"}));
    popup->SetListIndex(2);
    EXPECT_EQ(combo->currentIndex(), 2);
}

TEST_F(ControlViewsTest, APushButtonActsWhenReleasedOverItNotWhenPressed)
{
    Open([](Form& form) {
        auto& button = Add<fw::PushButton>(form, "go", {.width = 80, .height = 24, .text = "Go"});
        Log(button, "MouseDown");
        Log(button, "Action");
    });
    auto* button = Widget<QPushButton>("go");

    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_EQ(log, std::vector<std::string>{"go.MouseDown"});
    QTest::mouseRelease(button, Qt::LeftButton);
    // Dragged away before the release: no Action.
    QTest::mousePress(button, Qt::LeftButton);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(200, 5));

    EXPECT_EQ(log, (std::vector<std::string>{"go.MouseDown", "go.Action", "go.MouseDown"}));
}

TEST_F(ControlViewsTest, ALabelReportsPressesAndTheMouseComingAndGoing)
{
    Open([](Form& form) {
        auto& label = Add<fw::StaticText>(form, "link", {.width = 100, .height = 20, .text = "www"});
        label._InstallInstanceEventHandler("MouseDown", [](const fw::EventArgs& args) {
            Form::Note("MouseDown " + std::to_string(args.x) + "," + std::to_string(args.y));
            return true;
        });
        Log(label, "MouseEnter");
        Log(label, "MouseExit");
    });
    auto* label = Widget<QLabel>("link");

    QTest::mouseMove(label, QPoint(3, 3));
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(7, 4));
    QTest::mouseMove(label->parentWidget(), QPoint(150, 100));

    EXPECT_EQ(log, (std::vector<std::string>{"link.MouseEnter", "MouseDown 7,4", "link.MouseExit"}));
}

TEST_F(ControlViewsTest, ALabelTooWideForItsFaceIsNarrowedToFitItsBox)
{
    const std::string text = "Number Of Beats In Loop :";
    Open([&text](Form& form) {
        Add<fw::StaticText>(form, "wide", {.width = 120, .height = 17, .text = text, .fontName = "Geneva", .fontSize = 10});
        Add<fw::StaticText>(form, "roomy", {.top = 20, .width = 300, .height = 17, .text = text, .fontName = "Geneva", .fontSize = 10});
    });

    for (const char* name : {"wide", "roomy"}) {
        auto* label = Widget<QLabel>(name);
        SCOPED_TRACE(name);
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width());
        EXPECT_GE(QFontInfo(label->font()).pixelSize(), 10) << "narrower, not smaller";
    }
    EXPECT_EQ(Widget<QLabel>("roomy")->font().toString(), ViewFont(fw::Font{"Geneva", 10, false}).toString())
        << "a label with room keeps its face";
}

TEST_F(ControlViewsTest, FontNamesIgnoreCaseAsOnTheMac)
{
    Open([](Form& form) {
        // Layouts spell the same face both ways.
        fw::DesignProperties label{.width = 100, .height = 17, .text = "hertz", .fontName = "geneva", .fontSize = 9};
        Add<fw::StaticText>(form, "lower", label);
        label.top = 20;
        label.fontName = "Geneva";
        Add<fw::StaticText>(form, "capital", label);
    });

    EXPECT_EQ(Widget<QLabel>("lower")->font().toString(), Widget<QLabel>("capital")->font().toString());
}

TEST_F(ControlViewsTest, TabsTooWideTogetherShareThePanelWithoutLosingText)
{
    Open([](Form& form) {
        Add<fw::TabPanel>(form, "tabs", {.width = 260, .height = 100, .fontName = "Geneva", .fontSize = 10,
                                         .items = {"Tempo", "Transpose", "Delay", "Tap", "Samples", "Notes", "SMPTE"}});
    });
    QTabBar* bar = Widget<QTabWidget>("tabs")->tabBar();

    EXPECT_LE(bar->tabRect(bar->count() - 1).right(), 260);
    for (int i = 0; i < bar->count(); ++i)
        EXPECT_GE(bar->tabRect(i).width(), bar->fontMetrics().horizontalAdvance(bar->tabText(i))) << i;
}

class ListboxViewTest : public ViewTest {
protected:
    fw::Listbox& OpenList(bool clickConsumed)
    {
        Open([this, clickConsumed](Form& form) {
            m_list = &Add<fw::Listbox>(form, "list", {.width = 200, .height = 120, .columnCount = 2});
            m_list->_InstallInstanceEventHandler("CellClick", [clickConsumed](const fw::EventArgs& args) {
                Form::Note("CellClick " + std::to_string(args.row) + "," + std::to_string(args.column));
                return clickConsumed;
            });
            // Alternating rows, as the program draws them.
            m_list->_InstallInstanceEventHandler("CellBackgroundPaint", [](const fw::EventArgs& args) {
                args.graphics->SetForeColor(args.row % 2 == 0 ? 0xFFFFFF : 0xD0E0FF);
                args.graphics->FillRect(0, 0, args.graphics->Width(), args.graphics->Height());
                return true;
            });
            for (const char* note : {"C", "D", "E", "F"}) {
                m_list->AddRow(note);
                m_list->SetCell(m_list->ListCount() - 1, 1, "261.63");
            }
        });
        return *m_list;
    }

    QTableView* Table() const { return Widget<QTableView>("list"); }

    void ClickCell(int row, int column)
    {
        QTableView* table = Table();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->model()->index(row, column)).center());
    }

    fw::Listbox* m_list = nullptr;
};

TEST_F(ListboxViewTest, ShowsTheCoresRowsAndPaintsTheirBackgrounds)
{
    OpenList(false);
    QTableView* table = Table();
    ASSERT_EQ(table->model()->rowCount(), 4);
    ASSERT_EQ(table->model()->columnCount(), 2);
    EXPECT_EQ(table->model()->index(2, 0).data().toString(), "E");

    QImage shot = table->viewport()->grab().toImage();
    QRect odd = table->visualRect(table->model()->index(1, 1));
    // A corner of the cell: the text is drawn from its left edge.
    EXPECT_EQ(shot.pixelColor(odd.right() - 1, odd.bottom() - 1), QColor(0xD0, 0xE0, 0xFF));
}

struct CellClickCase {
    const char* name;
    bool consumed; // what the program's CellClick returns
    int selected;
};

void PrintTo(const CellClickCase& row, std::ostream* out) { *out << row.name; }

class CellClickTest : public ListboxViewTest, public ::testing::WithParamInterface<CellClickCase> {};

TEST_P(CellClickTest, TheCoreHearsTheClickAndDecidesTheSelection)
{
    fw::Listbox& list = OpenList(GetParam().consumed);

    ClickCell(2, 1);

    EXPECT_EQ(log, std::vector<std::string>{"CellClick 2,1"});
    EXPECT_EQ(list.ListIndex(), GetParam().selected);
    EXPECT_TRUE(list.HasFocus());
}

INSTANTIATE_TEST_SUITE_P(Clicks, CellClickTest,
                         ::testing::Values(CellClickCase{"LeftToTheCoreSelectsTheRow", false, 2},
                                           CellClickCase{"ConsumedByTheProgramSelectsNothing", true, -1}),
                         [](const ::testing::TestParamInfo<CellClickCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ListboxViewTest, KeysWithoutTextReachItsKeyDownFirstAndQtOnlyIfNotConsumed)
{
    // State: a list that consumes every key, as the notes list does.
    fw::Listbox& list = OpenList(false);
    list._InstallInstanceEventHandler("KeyDown", [](const fw::EventArgs& args) {
        Form::Note("list.KeyDown " + args.key);
        return true;
    });
    ClickCell(0, 0);
    Table()->setCurrentIndex(Table()->model()->index(0, 0));
    log.clear();

    QTest::keyClick(Table(), Qt::Key_Down);
    QTest::keyClick(Table(), Qt::Key_PageDown);

    EXPECT_EQ(log, (std::vector<std::string>{"list.KeyDown Down", "list.KeyDown PageDown"}));
    EXPECT_EQ(Table()->currentIndex().row(), 0) << "Qt moved the list";
}

TEST_F(ListboxViewTest, KeysGoToTheWindowAndScrollingFollowsTheCore)
{
    fw::Listbox& list = OpenList(false);
    ClickCell(0, 0);
    log.clear();

    QTest::keyClick(Table(), Qt::Key_Space);
    EXPECT_EQ(log, std::vector<std::string>{"window.KeyDown  "});

    for (int i = 0; i < 20; ++i)
        list.AddRow("G");
    list.SetScrollPosition(10);
    EXPECT_EQ(Table()->rowAt(0), 10);
}

} // namespace
} // namespace fwqt::test
