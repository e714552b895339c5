// Edit fields: typing, text set by code, focus in both directions, and the
// menu shortcuts that must reach the core instead of the field.

#include "view_fixture.h"

#include "menu.h"

#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>

namespace fwqt::test {
namespace {

class EditFieldViewTest : public ViewTest {
protected:
    fw::EditField& OpenWithField(const std::string& text = "")
    {
        Open([this, text](Form& form) {
            m_field = &Add<fw::EditField>(form, "field",
                                          {.left = 10, .top = 10, .width = 120, .height = 22, .text = text});
            m_other = &Add<fw::EditField>(form, "other", {.left = 10, .top = 40, .width = 120, .height = 22});
            for (fw::EditField* field : {m_field, m_other}) {
                Log(*field, "GotFocus");
                Log(*field, "LostFocus");
            }
            m_field->_InstallInstanceEventHandler("TextChange", [this](const fw::EventArgs&) {
                m_seen.push_back(m_field->Text());
                return false;
            });
        });
        QTest::mouseClick(Edit(), Qt::LeftButton);
        log.clear();
        return *m_field;
    }

    QLineEdit* Edit() const { return Widget<QLineEdit>("field"); }
    QLineEdit* OtherEdit() const { return Widget<QLineEdit>("other"); }

    fw::EditField* m_field = nullptr;
    fw::EditField* m_other = nullptr;
    // The field's text at each TextChange.
    std::vector<std::string> m_seen;
};

struct TypingCase {
    const char* name;
    const char* initial;
    int selStart;
    int selLength;
    const char* keys; // '\b' is the backspace key
    const char* expected;
    int caret;
    std::vector<std::string> seen;
};

void PrintTo(const TypingCase& row, std::ostream* out) { *out << row.name; }

class TypingTest : public EditFieldViewTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TypingTest, EachKeyRaisesOneTextChangeAndTheCoreFollows)
{
    const TypingCase& row = GetParam();
    fw::EditField& field = OpenWithField(row.initial);
    field.SetSelStart(row.selStart);
    field.SetSelLength(row.selLength);
    m_seen.clear();

    for (const char* key = row.keys; *key != '\0'; ++key) {
        if (*key == '\b')
            QTest::keyClick(Edit(), Qt::Key_Backspace);
        else
            QTest::keyClicks(Edit(), QString(QChar(*key)));
    }

    EXPECT_EQ(m_seen, row.seen);
    EXPECT_EQ(field.Text(), row.expected);
    EXPECT_EQ(Edit()->text().toStdString(), row.expected);
    EXPECT_EQ(field.SelStart(), row.caret);
    EXPECT_EQ(field.SelLength(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypingTest,
    ::testing::Values(TypingCase{"DigitsIntoAnEmptyField", "", 0, 0, "120", "120", 3, {"1", "12", "120"}},
                      TypingCase{"BackspaceAtTheEnd", "120", 3, 0, "\b", "12", 2, {"12"}},
                      TypingCase{"BackspaceAtTheStartChangesNothing", "120", 0, 0, "\b", "120", 0, {}},
                      TypingCase{"TypingInTheMiddle", "15", 1, 0, "2", "125", 2, {"125"}},
                      TypingCase{"TypingReplacesTheSelection", "120", 0, 3, "9", "9", 1, {"9"}},
                      TypingCase{"NonAsciiCountsAsOneCharacter", "é", 1, 0, "1", "é1", 2, {"é1"}}),
    [](const ::testing::TestParamInfo<TypingCase>& info) { return std::string(info.param.name); });

TEST_F(EditFieldViewTest, TextSetByCodeShowsWithoutAnEditOfTheUser)
{
    fw::EditField& field = OpenWithField("1");
    QSignalSpy edits(Edit(), &QLineEdit::textEdited);

    field.SetText("440");

    EXPECT_EQ(Edit()->text(), "440");
    EXPECT_EQ(m_seen, std::vector<std::string>{"440"}) << "only the core's own TextChange";
    EXPECT_EQ(edits.count(), 0);
}

TEST_F(EditFieldViewTest, AHandlerThatRewritesTheTextWinsOverTheWidget)
{
    fw::EditField& field = OpenWithField();
    // State: the program keeps digits only.
    field._InstallInstanceEventHandler("TextChange", [&field](const fw::EventArgs&) {
        std::string digits;
        for (char c : field.Text())
            if (c >= '0' && c <= '9')
                digits += c;
        field.SetText(digits);
        return false;
    });

    QTest::keyClicks(Edit(), "1x2");

    EXPECT_EQ(field.Text(), "12");
    EXPECT_EQ(Edit()->text(), "12");
    EXPECT_EQ(Edit()->cursorPosition(), 2);
}

TEST_F(EditFieldViewTest, AKeyTheFieldsKeyDownTakesNeverReachesTheText)
{
    fw::EditField& field = OpenWithField();
    // State: the program keeps the space bar for itself.
    field._InstallInstanceEventHandler("KeyDown", [](const fw::EventArgs& args) { return args.key == " "; });

    QTest::keyClicks(Edit(), "2 3");

    EXPECT_EQ(field.Text(), "23");
    EXPECT_EQ(m_seen, (std::vector<std::string>{"2", "23"}));
}

TEST_F(EditFieldViewTest, SelectionMadeInTheWidgetReachesTheCore)
{
    fw::EditField& field = OpenWithField("12345");

    Edit()->setCursorPosition(1);
    QTest::keyClick(Edit(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(Edit(), Qt::Key_Right, Qt::ShiftModifier);

    EXPECT_EQ(field.SelStart(), 1);
    EXPECT_EQ(field.SelLength(), 2);
    EXPECT_EQ(field.SelText(), "23");
}

TEST_F(EditFieldViewTest, ClickingAnotherFieldMovesTheCoreFocus)
{
    OpenWithField();

    QTest::mouseClick(OtherEdit(), Qt::LeftButton);

    EXPECT_EQ(log, (std::vector<std::string>{"field.LostFocus", "other.GotFocus"}));
    EXPECT_TRUE(m_other->HasFocus());
}

TEST_F(EditFieldViewTest, TabKeyMovesTheCoreFocus)
{
    OpenWithField();

    QTest::keyClick(Edit(), Qt::Key_Tab);

    EXPECT_EQ(log, (std::vector<std::string>{"field.LostFocus", "other.GotFocus"}));
    EXPECT_EQ(QApplication::focusWidget(), OtherEdit());
}

TEST_F(EditFieldViewTest, FocusSetByCodeMovesTheWidgetFocus)
{
    OpenWithField();

    m_other->SetFocus();
    EXPECT_EQ(QApplication::focusWidget(), OtherEdit());

    m_other->Owner()->MoveFocusTo(nullptr);
    EXPECT_NE(QApplication::focusWidget(), OtherEdit());
    EXPECT_NE(QApplication::focusWidget(), Edit());
    EXPECT_EQ(log, (std::vector<std::string>{"field.LostFocus", "other.GotFocus", "other.LostFocus"}));
}

TEST_F(EditFieldViewTest, LosingTheActiveWindowKeepsTheCoreFocus)
{
    OpenWithField();
    QWidget elsewhere;
    elsewhere.show();

    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));

    EXPECT_TRUE(m_field->HasFocus());
    EXPECT_TRUE(log.empty());
}

// An application whose Edit menu has Select All on Cmd+A.
class MenuApp : public fw::Application {
public:
    MenuApp()
    {
        auto& edit = m_bar.Append(std::make_unique<fw::MenuItem>());
        edit.Name = "EditMenu";
        edit.Text = "Edit";
        auto& all = edit.Append(std::make_unique<fw::MenuItem>());
        all.Name = "EditSelectAll";
        all.Text = "Select All";
        all.KeyboardShortcut = "Cmd+A";
        all.AutoEnable = true;
        SetMenuBar(&m_bar);
    }

private:
    fw::MenuBar m_bar;
};

TEST_F(EditFieldViewTest, MenuShortcutReachesTheCoreInsteadOfTheField)
{
    fw::_RuntimeRegisterAppObject(std::make_unique<MenuApp>());
    OpenWithField("120");
    m_field->Owner()->_AddMenuHandler("EditSelectAll", [] {
        Form::Note("EditSelectAll");
        return true;
    });
    Edit()->setCursorPosition(3);

    QTest::keyClick(Edit(), Qt::Key_A, Qt::ControlModifier);

    EXPECT_EQ(log, std::vector<std::string>{"EditSelectAll"});
    EXPECT_FALSE(Edit()->hasSelectedText()) << "QLineEdit's own select-all ran";
}

// How far the rightmost ink of the widget's picture lies from its right edge;
// -1 when nothing is drawn dark.
int InkFromRight(QWidget* widget)
{
    QImage image = widget->grab().toImage();
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128)
                return image.width() - 1 - x;
    return -1;
}

TEST_F(EditFieldViewTest, AGridCellShowsASevenCharacterValueRightAligned)
{
    // State: a borderless Geneva 9 cell 45 pixels wide, as in a grid of
    // note lengths, and a roomy field of the same face, both right-aligned.
    Open([](Form& form) {
        fw::DesignProperties cell{.width = 45, .height = 14, .text = "1333.33", .fontName = "Geneva",
                                  .fontSize = 9, .align = fw::Align::Right, .border = false};
        Add<fw::EditField>(form, "cell", cell);
        cell.top = 20;
        cell.width = 200;
        Add<fw::EditField>(form, "roomy", cell);
    });

    // Expected: the value fits, so it ends where the roomy field ends it; a
    // value too wide would start at the left edge instead.
    int roomy = InkFromRight(Widget<QLineEdit>("roomy"));
    ASSERT_GE(roomy, 0);
    EXPECT_EQ(InkFromRight(Widget<QLineEdit>("cell")), roomy);
}

} // namespace
} // namespace fwqt::test
