// Edit fields: what the user types and where the focus goes reach the core;
// what the core sets reaches the widget.

#include "view_fixture.h"

#include <QLineEdit>

namespace fwqt::test {
namespace {

using EditFieldViewTest = ViewTest;

TEST_F(EditFieldViewTest, EachKeyIsOneTextChangeAndTheCoreFollowsTheCaretAndTheFocus)
{
    // keys: '<' is Shift+Left, '@' a click on the other field. log: the text at
    // each TextChange, and the focus events.
    const struct { const char *name, *text; int start, length; const char *keys, *typed; int selStart, selLength;
                   std::vector<std::string> log; } rows[] = {
        {"backspace at the end", "120", 3, 0, "\b", "12", 2, 0, {"12"}},
        {"a character of two UTF-16 units counts as one", "𝄞5", 1, 0, "2", "𝄞25", 2, 0, {"𝄞25"}},
        {"a key the field's KeyDown keeps never types", "", 0, 0, "2 3", "23", 2, 0, {"2", "23"}},
        {"the program's rewrite wins, caret and all", "12", 0, 0, "x3", "123", 3, 0, {"x12", "12", "123"}},
        {"Shift+Left selects in the core too", "12345", 3, 0, "<<", "12345", 1, 2, {}},
        {"Tab leaves the field before the next gets it", "", 0, 0, "\t", "", 0, 0, {"field.LostFocus", "other.GotFocus"}},
        {"so does a click on the next", "", 0, 0, "@", "", 0, 0, {"field.LostFocus", "other.GotFocus"}},
    };
    fw::EditField* field = nullptr;
    Open([&field](Form& form) {
        field = &Add<fw::EditField>(form, "field", {.left = 10, .top = 10, .width = 120, .height = 22});
        Log(Add<fw::EditField>(form, "other", {.left = 10, .top = 40, .width = 120, .height = 22}), "GotFocus");
        Log(*field, "LostFocus");
        field->_InstallInstanceEventHandler("KeyDown", [](const fw::EventArgs& args) { return args.key == " "; });
        // As a program may, it rewrites an "x" away.
        field->_InstallInstanceEventHandler("TextChange", [field](const fw::EventArgs&) {
            Form::Note(field->Text());
            if (std::string text = field->Text(); std::erase(text, 'x') > 0)
                field->SetText(text);
            return false;
        });
    });
    auto* edit = Widget<QLineEdit>("field");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        field->SetFocus();
        field->SetText(row.text);
        field->SetSelStart(row.start);
        field->SetSelLength(row.length);
        ASSERT_EQ(QApplication::focusWidget(), edit) << "focus set by the program";
        EXPECT_EQ(edit->text().toStdString(), row.text) << "text set by the program";
        log.clear();

        for (const char* key = row.keys; *key != '\0'; ++key) {
            if (*key == '<')
                QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
            else if (*key == '@')
                QTest::mouseClick(Widget<QLineEdit>("other"), Qt::LeftButton);
            else
                QTest::keyClick(edit, *key);
        }

        EXPECT_EQ(log, row.log);
        EXPECT_EQ(field->Text(), row.typed);
        EXPECT_EQ(edit->text().toStdString(), row.typed);
        EXPECT_EQ(field->SelStart(), row.selStart);
        EXPECT_EQ(field->SelLength(), row.selLength);
    }
}

} // namespace
} // namespace fwqt::test
