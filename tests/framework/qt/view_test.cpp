// The Qt view under a window of the test's own, for what the program's
// windows never show: a field's handler that rewrites the text as it is
// typed, a key its KeyDown keeps, a character of two UTF-16 units, text
// pasted or dropped by Qt's own ways or longer than Qt's default limit, a
// drag from another program over X, Qt's own ways with radio buttons, pop-ups
// and pressed buttons, a new window colour, and a button's handler that
// closes its window or throws while Qt is still in the click.

#include "application.h"
#include "platform.h"
#include "viewuser.h"
#include "window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <xcb/xtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace fwqt::test {
namespace {

using Lines = std::vector<std::string>;
Lines g_log;
bool g_throws = false;

// A field that logs its text at each TextChange and rewrites an "x" away,
// keeping the space bar from it, and writes "123456" into a second field when
// it is left; a button that closes the window, or throws.
class Form : public fw::Window {
public:
    void Layout() override { _SetProperties({.title = "Form", .width = 320, .height = 200, .resizeable = false}); }
    void CreateControls() override
    {
        auto& field = static_cast<fw::EditField&>(_AddControl("field", std::make_unique<fw::EditField>()));
        field._SetProperties({.left = 10, .top = 10, .width = 120, .height = 22});
        field._InstallInstanceEventHandler("KeyDown", [](const fw::EventArgs& args) { return args.key == " "; });
        field._InstallInstanceEventHandler("TextChange", [&field](const fw::EventArgs&) {
            g_log.push_back(field.Text());
            if (std::string text = field.Text(); std::erase(text, 'x') > 0)
                field.SetText(text);
            return false;
        });
        auto& rewritten = static_cast<fw::EditField&>(_AddControl("rewritten", std::make_unique<fw::EditField>()));
        rewritten._SetProperties({.left = 150, .top = 10, .width = 120, .height = 22});
        field._InstallInstanceEventHandler("LostFocus", [&rewritten](const fw::EventArgs&) {
            rewritten.SetText("123456");
            return false;
        });
        auto& go = _AddControl("go", std::make_unique<fw::PushButton>());
        go._SetProperties({.top = 60, .width = 80, .height = 24, .text = "Go"});
        go._InstallInstanceEventHandler("Action", [&go](const fw::EventArgs&) {
            if (g_throws)
                throw std::runtime_error("handler failed");
            go.Owner()->CloseWindow();
            g_log.push_back("Action carries on in " + go.Name());
            return false;
        });
        _AddControl("radio", std::make_unique<fw::RadioButton>())
            ._SetProperties({.top = 100, .width = 80, .height = 20, .text = "4/4", .value = true});
        _AddControl("popup", std::make_unique<fw::PopupMenu>())
            ._SetProperties({.top = 130, .width = 120, .height = 24, .items = {"24", "25"}, .listIndex = 0});
        auto& link = _AddControl("link", std::make_unique<fw::StaticText>());
        link._SetProperties({.top = 160, .width = 100, .height = 20, .text = "www"});
        for (const char* event : {"MouseEnter", "MouseExit"})
            link._InstallInstanceEventHandler(event, [event](const fw::EventArgs&) { return g_log.push_back(event), false; });
    }
    ~Form() override { g_log.push_back("window freed"); }
    void Close() override { g_log.push_back("window.Close"); }
};

// The X pointer, moved or pressed through XTest as a hand would.
void Pointer(std::uint8_t event, QPoint at = {})
{
    xcb_connection_t* x = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    xcb_test_fake_input(x, event, event == XCB_MOTION_NOTIFY ? 0 : 1, XCB_CURRENT_TIME, XCB_NONE, at.x(), at.y(), 0);
    xcb_flush(x);
}

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override { Open(); }
    void TearDown() override
    {
        fw::RuntimeShutdown();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Open()
    {
        fw::RuntimeInit();
        form = &fw::NewWindow<Form>("Form");
        fw::RuntimeStartLoop();
        g_log.clear();
        g_throws = false;
    }
    template <class W>
    static W* Widget(const char* name) { return ViewUser::TopLevel("Form")->findChild<W*>(name); }

    std::unique_ptr<Platform> m_platform = NewPlatform();
    Form* form = nullptr;
};

TEST_F(ViewTest, EachKeyIsOneTextChangeAndTheCoreFollowsTheTextAndTheCaret)
{
    // keys: '<' is Shift+Left, '@' every undo and redo key, 'a' Select all as the Edit menu's; text comes in with '^' Shift+Insert of "120\n999", '*' Shift+Insert of 40,000 digits,
    // '_' a drop at the start of "45\r\n6" that proposes a move, '~' a drop of blank lines, and '|' a middle click at
    // the end (the selection holds "8\n9") or '!' without setting it. log: the text at each TextChange, and how the drag's enter and its drop
    // were each taken.
    // after: the text, caret and selection's length.
    const std::string kLong(40000, '7'), kLongAfter = kLong + " 40000 0";
    const struct { const char *name, *text; int caret; const char *keys, *after; Lines log; } rows[] = {
        {"backspace at the end", "120", 3, "\b", "12 2 0", {"12"}},
        {"a character of two UTF-16 units counts as one", "𝄞5", 1, "2", "𝄞25 2 0", {"𝄞25"}},
        {"a key the field's KeyDown keeps never types", "", 0, "2 3", "23 2 0", {"2", "23"}},
        {"the program's rewrite wins, caret and all", "12", 0, "x3", "123 3 0", {"x12", "12", "123"}},
        {"Shift+Left selects in the core too", "12345", 3, "<<", "12345 1 2", {}},
        // Qt would paste every line; the field keeps the first, as its Paste does. A move would have the source
        // delete every line.
        {"Shift+Insert over the selection, then a drop", "75", 1, "<^_", "451205 2 0", {"1205", "copied", "451205", "copied"}},
        // Only the formats are read while the pointer moves; the data at the drop.
        {"a drop with no line to take", "75", 1, "~", "75 1 0", {"copied", "refused"}},
        {"the undo and redo keys change nothing, caret and selection included", "125", 3, "@7<@", "1257 3 1", {"1257"}},
        {"no length limit", "", 0, "*", kLongAfter.c_str(), {kLong}},
        {"a middle click, where the platform has a selection (X)", "45", 0, "|", "458 3 0", {"458"}},
        {"Select all makes the selection a middle click pastes (X)", "45", 0, "|a!", "458458 6 0", {"458", "458458"}},
    };
    auto& field = fw::ControlAs<fw::EditField>(*form, "field");
    auto* edit = Widget<QLineEdit>("field");
    auto drop = [edit](const char* text) {
        QMimeData dropped;
        dropped.setText(text);
        QDragEnterEvent enter(QPoint(1, 5), Qt::CopyAction | Qt::MoveAction, &dropped, Qt::LeftButton, Qt::ShiftModifier);
        QDropEvent drop(QPointF(1, 5), enter.possibleActions(), &dropped, Qt::LeftButton, Qt::ShiftModifier);
        ASSERT_EQ(drop.proposedAction(), Qt::MoveAction);
        for (QDropEvent* event : std::initializer_list<QDropEvent*>{&enter, &drop}) {
            QCoreApplication::sendEvent(edit, event);
            g_log.push_back(event->isAccepted() ? event->dropAction() == Qt::CopyAction ? "copied" : "moved" : "refused");
        }
        // An X source may send its last position again after the drop: the caret stays after the text.
        QCoreApplication::sendEvent(edit, &enter);
    };
    auto press = [&](char key) {
        switch (key) {
        case '<': return QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
        case '^': case '*': QGuiApplication::clipboard()->setText(key == '^' ? "120\n999" : QString::fromStdString(kLong));
                  return QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        case '|': QGuiApplication::clipboard()->setText("8\n9", QClipboard::Selection);
                  [[fallthrough]];
        case '!': return QTest::mouseClick(edit, Qt::MiddleButton, {}, QPoint(edit->width() - 4, 5));
        case 'a': return field.SelectAll();
        case '@': for (auto keys : {QKeySequence::Undo, QKeySequence::Redo})
                      for (const QKeySequence& sequence : QKeySequence::keyBindings(keys))
                          QTest::keySequence(edit, sequence);
                  return;
        case '_': return drop("45\r\n6");
        case '~': return drop("\n \n");
        default: return QTest::keyClick(edit, key);
        }
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        // Only the offscreen platform lacks a selection: on X the row runs.
        if (*row.keys == '|' && QGuiApplication::platformName() == "offscreen")
            continue;
        field.SetFocus();
        field.SetText(row.text);
        field.SetSelStart(row.caret);
        g_log.clear();
        for (const char* key = row.keys; *key != '\0'; ++key)
            press(*key);
        EXPECT_EQ(g_log, row.log);
        EXPECT_EQ(edit->text().toStdString() + " " + std::to_string(field.SelStart()) + " " + std::to_string(field.SelLength()),
                  row.after);
        EXPECT_EQ(field.Text(), edit->text().toStdString());
    }
}

// Another program's drag, over a real X display with the pointer moved by
// XTest: its files are refused, and its text goes in at the pointer, also
// where leaving the focused field rewrites the one dropped on, and the caret
// stays after it. Either way the other program keeps all it sent.
TEST_F(ViewTest, ADragFromAnotherProgramGivesItsTextAtThePointerAndNeverItsFiles)
{
    if (QGuiApplication::platformName() != "xcb")
        GTEST_SKIP() << "needs X; ViewTest.OnX11 runs it";
    auto& target = fw::ControlAs<fw::EditField>(*form, "rewritten");
    auto* edit = Widget<QLineEdit>("rewritten");
    QWidget* window = ViewUser::TopLevel("Form");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    // The pointer goes between "123" and "456", the text leaving "field" writes.
    target.SetText("123456");
    target.SetSelStart(3);
    edit->repaint();
    const QPoint drop = edit->mapToGlobal(edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center());
    const QPoint source = window->frameGeometry().topRight() + QPoint(40, 40);
    const struct { const char *kind, *data, *after; } rows[] = {
        {"urls", "file:///tmp/some file.wav", "ignore 75 2"},
        {"text", "X\n9", "copy 123X456 4"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.kind);
        target.SetText("75");
        fw::ControlAs<fw::EditField>(*form, "field").SetFocus();
        QProcess other;
        other.start(CADENZO_DRAG_SOURCE, {row.kind, row.data, QString::number(source.x()), QString::number(source.y())});
        ASSERT_TRUE(other.waitForReadyRead(10000));
        ASSERT_EQ(other.readLine().trimmed(), "ready");
        const QPoint from = source + QPoint(20, 15);
        Pointer(XCB_MOTION_NOTIFY, from);
        QTest::qWait(50);
        Pointer(XCB_BUTTON_PRESS);
        for (int step = 1; step <= 10; ++step) {
            QTest::qWait(30);
            Pointer(XCB_MOTION_NOTIFY, from + (drop - from) * step / 10);
        }
        QTest::qWait(100);
        Pointer(XCB_BUTTON_RELEASE);
        EXPECT_TRUE(QTest::qWaitFor([&] { return other.canReadLine(); }, 10000));
        const std::string done = other.readLine().trimmed().toStdString();
        // The field fetches the text from the other program after the drop.
        EXPECT_TRUE(*row.kind == 'u' || QTest::qWaitFor([&] { return target.Text() != "75"; }, 5000));
        other.closeWriteChannel();
        EXPECT_TRUE(QTest::qWaitFor([&] { return other.state() == QProcess::NotRunning; }, 10000));
        EXPECT_EQ(done + " " + target.Text() + " " + std::to_string(target.SelStart()), row.after);
        EXPECT_EQ(edit->text().toStdString(), target.Text());
    }
}

// Qt's own ways that the core must not follow, or must hear.
TEST_F(ViewTest, ALabelHearsThePointerARadioStaysOnAKeyChoosesInAPopUpAndAPressDraggedOffIsNoClick)
{
    ViewUser::TopLevel("Form")->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ViewUser::TopLevel("Form")));
    // Qt also sends an enter at a click: the label hears one.
    QTest::mouseEvent(QTest::MouseMove, Widget<QWidget>("link"), Qt::NoButton, {}, {});
    QTest::mouseClick(Widget<QWidget>("link"), Qt::LeftButton);
    QTest::mouseEvent(QTest::MouseMove, Widget<QWidget>("field"), Qt::NoButton, {}, {});
    auto* radio = Widget<QRadioButton>("radio");
    QTest::mouseClick(radio, Qt::LeftButton);
    EXPECT_TRUE(radio->isChecked());
    Widget<QComboBox>("popup")->setFocus();
    QTest::keyClick(Widget<QComboBox>("popup"), Qt::Key_Down);
    EXPECT_EQ(fw::ControlAs<fw::PopupMenu>(*form, "popup").ListIndex(), 1);
    QTest::mousePress(Widget<QPushButton>("go"), Qt::LeftButton);
    QTest::mouseRelease(Widget<QPushButton>("go"), Qt::LeftButton, {}, {200, 5});
    EXPECT_EQ(g_log, (Lines{"MouseEnter", "MouseExit"})) << "the label's, and no Action";
    // The pop-up's list is a window of its own, yet takes a new window colour.
    form->_SetProperties({.title = "Form", .width = 320, .height = 200, .resizeable = false, .backColor = fw::RGB(1, 2, 3)});
    EXPECT_EQ(Widget<QComboBox>("popup")->view()->palette().color(QPalette::Window), QColor(1, 2, 3));
}

// Within the loop, as the user's click comes; a loop that does not end fails
// instead of hanging.
TEST_F(ViewTest, AWindowClosedInItsButtonsClickIsFreedAfterItAndAnExceptionEndsTheLoop)
{
    for (bool throws : {false, true}) {
        SCOPED_TRACE(throws ? "an exception: the loop ends and rethrows it" : "closed by the button's Action");
        g_throws = throws;
        QPointer<QWidget> view = ViewUser::TopLevel("Form");
        QTimer::singleShot(0, view, [&] { QTest::mouseClick(Widget<QPushButton>("go"), Qt::LeftButton); });
        QObject scope;
        QTimer::singleShot(throws ? 5000 : 0, &scope, [throws] {
            if (throws)
                g_log.push_back("the loop went on");
            QCoreApplication::exit(2);
        });
        if (throws) {
            EXPECT_THROW(fw::_RuntimeRun(), std::runtime_error);
        } else {
            fw::_RuntimeRun();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(g_log, (throws ? Lines{} : Lines{"window.Close", "Action carries on in go", "window freed"}));
        EXPECT_EQ(view.isNull(), !throws);
        TearDown();
        Open();
    }
}

} // namespace
} // namespace fwqt::test
