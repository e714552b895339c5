// The Qt view under windows of the test's own, for what the program's
// windows cannot show: the user's clicks and keys reach the core as its
// controls hear them, before Qt acts on them; what the core sets reaches the
// widget; a handler may close its window or throw.

#include "application.h"
#include "platform.h"
#include "viewuser.h"
#include "window.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fwqt::test {
namespace {

// A window whose controls the test gives before building it.
class Form : public fw::Window {
public:
    static inline std::function<void(Form&)> controls;
    static inline std::vector<std::string> log;

    void Layout() override { _SetProperties({.title = "Form", .width = 320, .height = 200, .resizeable = false}); }
    void CreateControls() override
    {
        if (controls)
            controls(*this);
    }
    ~Form() override { Note("window freed"); }
    void Close() override { Note("window.Close"); }

    static void Note(const std::string& entry) { log.push_back(entry); }
};

template <class C>
C& Add(fw::Window& window, const std::string& name, const fw::DesignProperties& design)
{
    auto& control = static_cast<C&>(window._AddControl(name, std::make_unique<C>()));
    control._SetProperties(design);
    return control;
}

// Records "name.Event" each time the event is raised.
void Log(fw::Control& control, const std::string& event)
{
    control._InstallInstanceEventHandler(event, [&control, event](const fw::EventArgs&) {
        Form::Note(control.Name() + "." + event);
        return false;
    });
}

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::RuntimeInit();
        log.clear();
    }

    void TearDown() override
    {
        fw::RuntimeShutdown();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Builds the window with those controls and starts the loop's open
    // events: the window shows, active.
    Form& Open(std::function<void(Form&)> controls)
    {
        Form::controls = std::move(controls);
        Form& form = fw::NewWindow<Form>("Form");
        fw::RuntimeStartLoop();
        if (QWidget* view = View()) {
            view->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(view));
        }
        return form;
    }

    static QWidget* View() { return ViewUser::TopLevel("Form"); }

    template <class W>
    static W* Widget(const std::string& name)
    {
        return View()->findChild<W*>(QString::fromStdString(name));
    }

    std::unique_ptr<Platform> m_platform = NewPlatform();
    std::vector<std::string>& log = Form::log;
};

TEST_F(ViewTest, ClicksAndKeysReachTheCoreAsItsControlsHearThem)
{
    fw::PopupMenu* popup = nullptr;
    Open([&popup](Form& form) {
        Add<fw::EditField>(form, "field", {.top = 170, .width = 80, .height = 22});
        Add<fw::PushButton>(form, "go", {.width = 80, .height = 24, .text = "Go"});
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

TEST_F(ViewTest, EachKeyIsOneTextChangeAndTheCoreFollowsTheCaretAndTheFocus)
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

// A handler that closes its window, or throws, with Qt still inside the
// button's click.
TEST_F(ViewTest, AClosedWindowIsFreedWithItsWidgetsAndAnExceptionEndsTheLoop)
{
    const struct { const char* name; bool closeBox, throws; std::vector<std::string> log; } rows[] = {
        {"the close box", true, false, {"window.Close", "window freed"}},
        {"a button's Action, inside the button's widget", false, false,
         {"window.Close", "Action carries on in go", "window freed"}},
        {"an exception in a handler: Exec rethrows it", false, true, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Open([&row](Form& form) {
            auto& button = Add<fw::PushButton>(form, "go", {.width = 80, .height = 24, .text = "Go"});
            button._InstallInstanceEventHandler("Action", [&button, &row](const fw::EventArgs&) {
                if (row.throws)
                    throw std::runtime_error("handler failed");
                button.Owner()->CloseWindow();
                Form::Note("Action carries on in " + button.Name());
                return false;
            });
        });
        QPointer<QWidget> view = View();
        log.clear();
        // Within the loop, as the user's click comes; a loop that does not end fails instead of hanging.
        QTimer::singleShot(0, view, [&] {
            if (row.closeBox)
                view->close();
            else
                QTest::mouseClick(view->findChild<QPushButton*>("go"), Qt::LeftButton);
        });
        QObject scope;
        QTimer::singleShot(row.throws ? 5000 : 0, &scope, [] { QCoreApplication::exit(2); });

        if (row.throws) {
            EXPECT_THROW(fw::_RuntimeRun(), std::runtime_error);
        } else {
            fw::_RuntimeRun();
        }
        EXPECT_EQ(log, row.log);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(view.isNull(), !row.throws);
        fw::RuntimeShutdown();
        fw::RuntimeInit();
    }
}

} // namespace
} // namespace fwqt::test
