// Windows: place, size and look; the close box; pages; keys; menus; the
// exception that ends the loop; the embedded pictures.

#include "view_fixture.h"

#include "graphics.h"
#include "menu.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <stdexcept>

namespace fwqt::test {
namespace {

using WindowViewTest = ViewTest;

TEST_F(WindowViewTest, ShowsAtTheCoresPlaceSizeAndTitle)
{
    Form::design.title = "Tempo";
    Form::design.backColor = 0x336699;
    Form::design.visible = false;
    Form& form = Open(nullptr);
    form.SetLeft(40);
    form.SetTop(30);

    form.Show();

    auto* view = static_cast<QMainWindow*>(View());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), "Tempo");
    EXPECT_EQ(view->pos(), QPoint(40, 30));
    EXPECT_EQ(view->centralWidget()->size(), QSize(320, 200));
    EXPECT_EQ(view->minimumSize(), view->maximumSize()) << "resizable";
    EXPECT_EQ(view->centralWidget()->grab().toImage().pixelColor(5, 5), QColor(0x33, 0x66, 0x99));
}

TEST_F(WindowViewTest, HideAndShowFollowTheCore)
{
    Form& form = Open(nullptr);

    form.Hide();
    EXPECT_EQ(View(), nullptr);
    form.Show();
    EXPECT_NE(View(), nullptr);
}

TEST_F(WindowViewTest, ActivatingAWindowBringsItToTheCoresFront)
{
    Form& first = Open(nullptr);
    Form& second = fw::NewWindow<Form>("Second");
    ASSERT_TRUE(QTest::qWaitForWindowActive(View("Second")));
    ASSERT_EQ(fw::FrontWindow(), &second);

    View("Form")->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(View("Form")));

    EXPECT_EQ(fw::FrontWindow(), &first);
}

TEST_F(WindowViewTest, AWindowMovedByTheUserTellsTheCore)
{
    Form& form = Open(nullptr);

    View()->move(70, 80);

    EXPECT_EQ(form.Left(), 70);
    EXPECT_EQ(form.Top(), 80);
}

TEST_F(WindowViewTest, AClosedWindowIsFreedAndItsWidgetsWithIt)
{
    struct Case {
        const char* name;
        std::function<void(QWidget& view)> close;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"the close box", [](QWidget& view) { view.close(); }, {"window.Close", "window freed"}},
        {"a button's Action, inside the button's widget",
         [](QWidget& view) { QTest::mouseClick(view.findChild<QPushButton*>("close"), Qt::LeftButton); },
         {"window.Close", "Action carries on in close", "window freed"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        Open([](Form& form) {
            auto& button = Add<fw::PushButton>(form, "close", {.width = 80, .height = 24, .text = "Close"});
            button._InstallInstanceEventHandler("Action", [&button](const fw::EventArgs&) {
                button.Owner()->CloseWindow();
                Form::Note("Action carries on in " + button.Name());
                return false;
            });
        });
        QPointer<QWidget> view = View();

        c.close(*view);

        EXPECT_EQ(log, c.log);
        EXPECT_EQ(fw::_GetImplicitWindow("Form"), nullptr);
        EXPECT_FALSE(view->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(view.isNull());
    }
}

TEST_F(WindowViewTest, ClickingATabShowsThatPage)
{
    fw::TabPanel* tabs = nullptr;
    Open([&tabs](Form& form) {
        tabs = &Add<fw::TabPanel>(form, "tabs", {.width = 300, .height = 180, .items = {"One", "Two"}});
        for (int page : {1, 2})
            Add<fw::StaticText>(form, page == 1 ? "first" : "second",
                                {.left = 20, .top = 40, .width = 80, .height = 20, .page = page, .parent = "tabs"});
        Log(*tabs, "Change");
    });
    ASSERT_TRUE(Widget<QLabel>("first")->isVisible());
    ASSERT_FALSE(Widget<QLabel>("second")->isVisible());

    QTabBar* bar = Widget<QTabWidget>("tabs")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());

    EXPECT_EQ(tabs->Value(), 1);
    EXPECT_EQ(log, std::vector<std::string>{"tabs.Change"});
    EXPECT_FALSE(Widget<QLabel>("first")->isVisible());
    EXPECT_TRUE(Widget<QLabel>("second")->isVisible());
}

TEST_F(WindowViewTest, AFocusedFieldOnAPageLeftBehindLosesTheFocus)
{
    fw::TabPanel* tabs = nullptr;
    Open([&tabs](Form& form) {
        tabs = &Add<fw::TabPanel>(form, "tabs", {.width = 300, .height = 180, .items = {"One", "Two"}});
        auto& field = Add<fw::EditField>(
            form, "field", {.left = 20, .top = 40, .width = 80, .height = 22, .page = 1, .parent = "tabs"});
        Log(field, "LostFocus");
    });
    QTest::mouseClick(Widget<QLineEdit>("field"), Qt::LeftButton);

    tabs->SetValue(1);

    EXPECT_EQ(log, std::vector<std::string>{"field.LostFocus"});
    EXPECT_EQ(tabs->Owner()->Focus(), nullptr);
    EXPECT_NE(QApplication::focusWidget(), Widget<QLineEdit>("field"));
}

TEST_F(WindowViewTest, KeysWithoutAFocusedFieldGoToTheWindowOncePerPress)
{
    Open([](Form& form) { Add<fw::StaticText>(form, "label", {.width = 80, .height = 20, .text = "Tap"}); });

    // The space bar held down: one press, then the keyboard's repeats.
    for (bool repeat : {false, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }

    EXPECT_EQ(log, std::vector<std::string>{"window.KeyDown  "});
}

// An application with a File menu: Close on Cmd+W, then a separator and Quit.
class FileMenuApp : public fw::Application {
public:
    FileMenuApp()
    {
        auto& file = m_bar.Append(std::make_unique<fw::MenuItem>());
        file.Name = "FileMenu";
        file.Text = "File";
        auto& close = file.Append(std::make_unique<fw::MenuItem>());
        close.Name = "FileClose";
        close.Text = "Close";
        close.KeyboardShortcut = "Cmd+W";
        file.Append(std::make_unique<fw::MenuItem>()).Text = "-";
        auto& quit = file.Append(std::make_unique<fw::QuitMenuItem>());
        quit.Name = "FileQuit";
        quit.Text = "Quit";
        SetMenuBar(&m_bar);
    }

private:
    fw::MenuBar m_bar;
};

TEST_F(WindowViewTest, MenusShowTheCoresItemsAndChooseThem)
{
    fw::_RuntimeRegisterAppObject(std::make_unique<FileMenuApp>());
    Form& form = Open(nullptr);
    form._AddMenuHandler("FileClose", [] {
        Form::Note("FileClose");
        return true;
    });
    QMenuBar* bar = static_cast<QMainWindow*>(View())->menuBar();
    ASSERT_EQ(bar->actions().size(), 1);
    QMenu* file = bar->actions()[0]->menu();
    ASSERT_NE(file, nullptr);
    const QList<QAction*> items = file->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "Close");
    EXPECT_EQ(items[0]->shortcut(), QKeySequence("Ctrl+W"));
    EXPECT_TRUE(items[1]->isSeparator());

    // State: no handler enables Close. Action: the user opens the menu.
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions()[0]).center());
    EXPECT_TRUE(file->isVisible());
    EXPECT_FALSE(items[0]->isEnabled()) << "not AutoEnable, so off until a handler enables it";

    fw::_GetAppObject()->MenuBar()->_Lookup("FileClose")->AutoEnable = true;
    file->hide();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions()[0]).center());
    ASSERT_TRUE(items[0]->isEnabled());
    QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(items[0]).center());

    EXPECT_EQ(log, std::vector<std::string>{"FileClose"});
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

TEST_F(WindowViewTest, PicturesComeFromTheEmbeddedResources)
{
    std::unique_ptr<fw::ResourceFork> fork = fw::appResourceForkGetter();
    ASSERT_NE(fork, nullptr);

    EXPECT_EQ(fork->GetPicture(8), nullptr);
    fw::PicturePtr picture = fork->GetPicture(7);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width, 3);
    EXPECT_EQ(picture->height, 2);
}

} // namespace
} // namespace fwqt::test
