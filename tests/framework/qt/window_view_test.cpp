// Windows: the close box; menus that go through the core; a handler that throws.

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

TEST_F(WindowViewTest, AClosedWindowIsFreedAndItsWidgetsWithIt)
{
    const struct { const char* name; std::function<void(QWidget& view)> close; std::vector<std::string> log; } cases[] = {
        {"the close box", [](QWidget& view) { view.close(); }, {"window.Close", "window freed"}},
        {"a button's Action, inside the button's widget",
         [](QWidget& view) { QTest::mouseClick(view.findChild<QPushButton*>("close"), Qt::LeftButton); },
         {"window.Close", "Action carries on in close", "window freed"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open([](Form& form) {
            auto& button = Add<fw::PushButton>(form, "close", {.width = 80, .height = 24, .text = "Close"});
            button._InstallInstanceEventHandler("Action", [&button](const fw::EventArgs&) {
                button.Owner()->CloseWindow();
                Form::Note("Action carries on in " + button.Name());
                return false;
            });
        });
        QPointer<QWidget> view = View();
        log.clear();

        c.close(*view);

        EXPECT_EQ(log, c.log);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(view.isNull());
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

TEST_F(WindowViewTest, AnExceptionInAHandlerEndsTheLoopAndExecRethrowsIt)
{
    Open([](Form& form) {
        auto& button = Add<fw::PushButton>(form, "go", {.width = 80, .height = 24, .text = "Go"});
        button._InstallInstanceEventHandler("Action", [](const fw::EventArgs&) -> bool {
            throw std::runtime_error("handler failed");
        });
    });
    auto* button = Widget<QPushButton>("go");
    QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
    // A loop that does not end fails the test instead of hanging it.
    bool hung = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &watchdog, [&hung] {
        hung = true;
        QCoreApplication::exit(2);
    });
    watchdog.start(5000);

    EXPECT_THROW(fw::_RuntimeRun(), std::runtime_error);
    EXPECT_FALSE(hung);
}

} // namespace
} // namespace fwqt::test
