// The About window in a real offscreen Qt window, opened by a real click on
// the banner's About link.

#include "pictures.h"
#include "viewuser.h"
#include "uistrings.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>

namespace {

// Opens it as the user does, by the banner's About link.
QMainWindow* OpenAbout(ViewUser& user)
{
    user.Click("aproposbut");
    return ViewUser::TopLevel("winabout");
}

TEST_F(RealWindow, OpensFixedSizeAtItsDefaultPlaceShowingTheLogoAndCreditsAndControlWInTheMainWindowQuits)
{
    user.Start();
    QMainWindow* about = OpenAbout(user);
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
        QMainWindow* about = OpenAbout(user);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->pos(), row.aboutOpens);
        user.Quit();
        const auto stored = user.PrefsFileValues();
        EXPECT_EQ(QPoint(stored[0], stored[1]), row.mainOpens);
        EXPECT_EQ(QPoint(stored[2], stored[3]), row.aboutOpens);
    }
}

} // namespace
