// The About window as a person meets it: opened from the banner, moved,
// hidden with "Ok", closed, and found again where it was left, in this run
// and the next; in a real window, what it shows and where a stored place
// that would hide it opens it instead.

#include "application.h"
#include "pictures.h"
#include "viewuser.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <array>
#include <string>

namespace {

constexpr const char* kAbout = "winabout";

// Where the About window is, whether it shows, the window in front, how many
// windows there are and whether File > About can be chosen.
std::string State(SimUser& user)
{
    fw::Window* about = user.FindWindow(kAbout);
    return (about ? std::to_string(about->Left()) + "," + std::to_string(about->Top()) + (about->Visible() ? " shown" : " hidden") : "none")
           + ", " + user.FrontWindowName() + " in front of " + std::to_string(fw::Windows().size())
           + (user.MenuItemEnabled("FileAbout") ? ", About on" : ", About off");
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimUser user;
        user.Start();
        c.open(user);
        fw::Window* about = user.FindWindow(kAbout);
        // Behind the main window, it comes to the front again, not a second one.
        user.MoveWindow("Cadenzo", 10, 44);
        c.open(user);
        EXPECT_EQ(State(user), "100,100 shown, winabout in front of 2, About off");
        user.MoveWindow(kAbout, 612, -5);
        c.leave(user);
        if (c.left != kQuit) {
            EXPECT_EQ(State(user), c.left == kHidden ? "612,-5 hidden, Cadenzo in front of 2, About on" : "none, Cadenzo in front of 1, About on");
            c.open(user);
            EXPECT_EQ(State(user), "612,-5 shown, winabout in front of 2, About off");
            EXPECT_TRUE(c.left != kHidden || user.FindWindow(kAbout) == about) << "the same window";
            if (c.left == kHidden)
                continue;
            user.Quit();
        }
        EXPECT_FALSE(user.Running());
        user.Restart();
        user.Click("aproposbut");
        EXPECT_EQ(State(user), "612,-5 shown, winabout in front of 2, About off");
    }
}

TEST_F(RealWindow, OpensFixedSizeShowingTheLogoAndControlWInTheMainWindowQuits)
{
    user.Start();
    user.Click("aproposbut");
    QWidget& canvas = ViewUser::ShownWidget(kAbout, "Canvas1");
    EXPECT_EQ(canvas.window()->minimumSize(), canvas.window()->maximumSize());
    // The canvas shows the logo's left part, the emblem, on the window's grey.
    ASSERT_EQ(canvas.size(), QSize(123, 158));
    QImage expected(canvas.size(), QImage::Format_RGB32);
    expected.fill(QColor(0xEF, 0xEF, 0xEF));
    QPainter(&expected).drawImage(0, 0, QImage::fromData(logo()->data.data(), int(logo()->data.size())));
    EXPECT_EQ(canvas.grab().toImage().convertToFormat(QImage::Format_RGB32), expected);

    // Ctrl+W typed in the main window closes it, and quits, even with the
    // About window in front. The key goes where the keyboard focus is.
    ASSERT_EQ(user.FrontWindowName(), kAbout);
    QWidget* focus = MainWindow()->focusWidget();
    QTest::keyClick(focus ? focus : MainWindow(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(user.Running());
}

// A place stored on a larger screen would open a window nobody can reach or
// move: it opens at its default place instead, and is stored there at quit.
// A place with any of the title bar (its top 20 pixels) on the screen stands,
// and is handed to the window manager, the top-left corner too.
TEST_F(RealWindow, AStoredPlaceThatHidesTheTitleBarOpensTheWindowAtItsDefaultPlace)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 800));
    auto places = [](QPoint main, QPoint about) { return std::array{main.x(), main.y(), about.x(), about.y()}; };
    const QPoint mainDefault(10, 44), aboutDefault(100, 100);
    const struct { const char* name; QPoint main, about, mainOpens, aboutOpens; } rows[] = {
        {"off every screen", {2000, 1500}, {-1000, 100}, mainDefault, aboutDefault},
        {"title bar just above the screen", {100, -20}, {300, -20}, mainDefault, aboutDefault},
        {"half off", {-250, 300}, {650, 780}, {-250, 300}, {650, 780}},
        {"a pixel of the title bar above", {100, -19}, {300, -19}, {100, -19}, {300, -19}},
        {"the top-left corner", {0, 0}, {0, 0}, {0, 0}, {0, 0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        user.WritePrefsFileValues({row.main.x(), row.main.y(), row.about.x(), row.about.y(), 0, 44100, 4, 0});
        user.Restart();
        user.Click("aproposbut");
        ASSERT_NE(ViewUser::TopLevel(kAbout), nullptr);
        EXPECT_EQ(places(MainWindow()->pos(), ViewUser::TopLevel(kAbout)->pos()), places(row.mainOpens, row.aboutOpens));
        // Otherwise the window manager chooses the place itself.
        EXPECT_TRUE(MainWindow()->testAttribute(Qt::WA_Moved)) << "the main window's place is the program's";
        EXPECT_TRUE(ViewUser::TopLevel(kAbout)->testAttribute(Qt::WA_Moved)) << "the About window's place is the program's";
        user.Quit();
        const auto stored = user.PrefsFileValues();
        EXPECT_EQ((std::array{stored[0], stored[1], stored[2], stored[3]}), places(row.mainOpens, row.aboutOpens)) << "stored";
    }
}

} // namespace
