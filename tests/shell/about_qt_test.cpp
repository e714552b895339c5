// The About window as a person meets it: opened from the banner, moved,
// hidden with "Ok", closed, and found again where it was left, in this run
// and the next; in a real window, what it shows and where a stored place
// that would hide it opens it instead.

#include "application.h"
#include "pictures.h"
#include "uistrings.h"
#include "viewuser.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>

namespace {

constexpr const char* kAbout = "winabout";

std::pair<int, int> AboutPlace(const SimUser& user)
{
    fw::Window* window = user.FindWindow(kAbout);
    return window ? std::pair(window->Left(), window->Top()) : std::pair(-1, -1);
}

// Opened by the link, its caption or File > About: one window, in front, and
// File > About disabled while it is. Moved, then left: hidden, the same window
// shows again where it was; closed, the next one opens at the stored place;
// quit, it does so in the next run.
TEST(AboutWindow, OneOpensInFrontAndTheNextOneOpensWhereItWasLeftThisRunAndTheNext)
{
    enum Left { kHidden, kClosed, kQuit };
    void (*link)(SimUser&) = [](SimUser& u) { u.Click("aproposbut"); };
    void (*caption)(SimUser&) = [](SimUser& u) { u.Click("aboutbuttxt"); };
    void (*menu)(SimUser&) = [](SimUser& u) { EXPECT_TRUE(u.ChooseMenuItem("FileAbout")); };
    const struct { const char* name; void (*open)(SimUser&); void (*leave)(SimUser&); Left left; } cases[] = {
        {"Ok", link, [](SimUser& u) { u.ClickIn(kAbout, "PushButton1"); }, kHidden},
        {"Return, which presses the default button", caption, [](SimUser& u) { u.PressKey("Return"); }, kHidden},
        {"its close box", menu, [](SimUser& u) { u.CloseWindow(kAbout); }, kClosed},
        {"File > Close", link, [](SimUser& u) { EXPECT_TRUE(u.ChooseMenuItem("FileClose")); }, kClosed},
        {"Quit", caption, [](SimUser& u) { u.Quit(); }, kQuit},
        {"Ok, then the main window's close box", menu, [](SimUser& u) { u.ClickIn(kAbout, "PushButton1"); u.CloseWindow(); },
         kQuit},
        {"Cmd+W in the main window", link, [](SimUser& u) { u.MoveWindow("Cadenzo", 230, 140); EXPECT_TRUE(u.PressShortcut("Cmd+W")); },
         kQuit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimUser user;
        user.Start();
        EXPECT_TRUE(user.MenuItemEnabled("FileAbout"));
        c.open(user);
        fw::Window* about = user.FindWindow(kAbout);
        EXPECT_EQ(AboutPlace(user), std::pair(100, 100));
        // Behind the main window, it comes to the front again, not a second one.
        user.MoveWindow("Cadenzo", 10, 44);
        c.open(user);
        EXPECT_EQ(fw::Windows().size(), 2u);
        EXPECT_EQ(user.FrontWindowName(), kAbout);
        EXPECT_FALSE(user.MenuItemEnabled("FileAbout"));
        user.MoveWindow(kAbout, 612, -5);
        c.leave(user);
        EXPECT_EQ(user.Running(), c.left != kQuit);
        if (c.left != kQuit) {
            EXPECT_EQ(user.FindWindow(kAbout), c.left == kHidden ? about : nullptr);
            EXPECT_FALSE(user.FindWindow(kAbout) && user.FindWindow(kAbout)->Visible());
            EXPECT_EQ(user.FrontWindowName(), "Cadenzo");
            c.open(user);
            EXPECT_EQ(user.FrontWindowName(), kAbout);
            EXPECT_EQ(AboutPlace(user), std::pair(612, -5));
            if (c.left == kHidden)
                continue;
            user.Quit();
        }
        EXPECT_TRUE(user.OpenedLinks().empty());
        user.Restart();
        user.Click("aproposbut");
        EXPECT_EQ(AboutPlace(user), std::pair(612, -5));
    }
}

TEST_F(RealWindow, OpensFixedSizeAtItsDefaultPlaceShowingTheLogoAndCreditsAndControlWInTheMainWindowQuits)
{
    user.Start();
    user.Click("aproposbut");
    QMainWindow* about = ViewUser::TopLevel(kAbout);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About...");
    EXPECT_EQ(about->centralWidget()->size(), QSize(250, 285));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    EXPECT_EQ(about->pos(), QPoint(100, 100));
    EXPECT_EQ(about->findChild<QLabel*>("StaticText2")->text().toStdString(), Strings::CREDITS1());

    QWidget* canvas = about->findChild<QWidget*>("Canvas1");
    ASSERT_NE(canvas, nullptr);
    ASSERT_EQ(canvas->size(), QSize(123, 158));
    // The canvas shows the logo's left part, the emblem, on the window's grey.
    fw::PicturePtr picture = logo();
    QImage expected(canvas->size(), QImage::Format_RGB32);
    expected.fill(QColor(0xEF, 0xEF, 0xEF));
    QPainter(&expected).drawImage(0, 0, QImage::fromData(picture->data.data(), int(picture->data.size())));
    EXPECT_EQ(canvas->grab().toImage().convertToFormat(QImage::Format_RGB32), expected);

    // Ctrl+W typed in the main window closes it, and quits, even with the
    // About window in front. The key goes where the keyboard focus is.
    ASSERT_EQ(user.FrontWindowName(), "winabout");
    QWidget* focus = MainWindow()->focusWidget();
    QTest::keyClick(focus ? focus : MainWindow(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(user.Running());
    EXPECT_EQ(user.PrefsFileValues()[2], 100);
}

// A place stored on a larger screen would open a window nobody can reach or
// move: it opens at its default place instead, and is stored there at quit.
// A place with any of the title bar (its top 20 pixels) on the screen stands.
TEST_F(RealWindow, AStoredPlaceThatHidesTheTitleBarOpensTheWindowAtItsDefaultPlace)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 800));
    const QPoint mainDefault(10, 44), aboutDefault(100, 100);
    const struct { const char* name; QPoint main, about, mainOpens, aboutOpens; } rows[] = {
        {"off every screen", {2000, 1500}, {-1000, 100}, mainDefault, aboutDefault},
        {"title bar just above the screen", {100, -20}, {300, -20}, mainDefault, aboutDefault},
        {"half off", {-250, 300}, {650, 780}, {-250, 300}, {650, 780}},
        {"a pixel of the title bar above", {100, -19}, {300, -19}, {100, -19}, {300, -19}},
        {"on screen", {150, 120}, {300, 200}, {150, 120}, {300, 200}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        user.WritePrefsFileValues({row.main.x(), row.main.y(), row.about.x(), row.about.y(), 0, 44100, 4, 0});
        user.Restart();
        ASSERT_NE(MainWindow(), nullptr);
        EXPECT_EQ(MainWindow()->pos(), row.mainOpens);
        user.Click("aproposbut");
    QMainWindow* about = ViewUser::TopLevel(kAbout);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->pos(), row.aboutOpens);
        user.Quit();
        const auto stored = user.PrefsFileValues();
        EXPECT_EQ(QPoint(stored[0], stored[1]), row.mainOpens);
        EXPECT_EQ(QPoint(stored[2], stored[3]), row.aboutOpens);
    }
}

} // namespace
