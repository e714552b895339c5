// Windows: the close box; handlers that close their window or throw; menus
// that go through the core.

#include "view_fixture.h"

#include "menu.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace fwqt::test {
namespace {

using WindowViewTest = ViewTest;

// What only a window of the test's own can show: a handler that closes its
// window, or throws, with Qt still inside the button's click.
TEST_F(WindowViewTest, AClosedWindowIsFreedWithItsWidgetsAndAnExceptionEndsTheLoop)
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

// Its menu bar lives as long as the runtime keeps it.
struct MenuApp : fw::Application {
    MenuApp() { SetMenuBar(&bar); }
    fw::MenuBar bar;
};

TEST_F(WindowViewTest, MenusAndTheirShortcutsGoThroughTheCoreEvenFromAField)
{
    auto app = std::make_unique<MenuApp>();
    fw::MenuItem& edit = app->bar.Append(std::make_unique<fw::MenuItem>());
    edit.Text = "Edit";
    fw::MenuItem& all = edit.Append(std::make_unique<fw::MenuItem>());
    all.Name = "EditSelectAll";
    all.Text = "Select All";
    all.KeyboardShortcut = "Cmd+A";
    fw::_RuntimeRegisterAppObject(std::move(app));
    Open([](Form& form) { Add<fw::EditField>(form, "field", {.width = 120, .height = 22, .text = "120"}); })
        ._AddMenuHandler("EditSelectAll", [] {
            Form::Note("EditSelectAll");
            return true;
        });
    auto* field = Widget<QLineEdit>("field");
    QMenuBar* bar = static_cast<QMainWindow*>(View())->menuBar();
    QMenu* menu = bar->actions().value(0)->menu();
    QAction* item = menu->actions().value(0);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), QKeySequence("Ctrl+A"));
    QTest::mouseClick(field, Qt::LeftButton);

    // Off: neither the core's item nor the field's own select-all runs.
    for (bool on : {false, true}) {
        all.AutoEnable = on;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions()[0]).center());
        EXPECT_EQ(item->isEnabled(), on);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        menu->hide();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    }

    EXPECT_EQ(log, (std::vector<std::string>{"EditSelectAll", "EditSelectAll"}));
    EXPECT_FALSE(field->hasSelectedText()) << "QLineEdit's own select-all ran";
}

} // namespace
} // namespace fwqt::test
