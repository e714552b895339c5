// Windows: the close box, and handlers that close their window or throw.

#include "view_fixture.h"

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

} // namespace
} // namespace fwqt::test
