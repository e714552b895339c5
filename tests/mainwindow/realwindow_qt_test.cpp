// The program in real Qt windows on the offscreen platform: what the user
// sees and types reaches the same core the other tests drive.

#include "pictures.h"
#include "realwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

namespace {

TEST_F(RealWindow, FirstStartShowsTheFixedSizeWindowAtItsDefaultPlace)
{
    user.Start();
    QMainWindow* window = MainWindow();
    ASSERT_NE(window, nullptr);
    QWidget* content = window->centralWidget();
    ASSERT_NE(content, nullptr);
    EXPECT_EQ(content->size(), QSize(500, 382));
    EXPECT_EQ(window->pos(), QPoint(10, 44));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(content->palette().color(content->backgroundRole()), QColor(0xEF, 0xEF, 0xEF));
    // On Linux the menu bar stands inside the window, above the content.
    EXPECT_GT(content->y(), 0);
}

TEST_F(RealWindow, TypingTwoTemposShowsTheStretchAndTranspositionAtOnce)
{
    user.Start();
    MainWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainWindow()));
    QLineEdit* tempo1 = Widget<QLineEdit>("tempo1");
    QLineEdit* tempo2 = Widget<QLineEdit>("tempo2");
    ASSERT_NE(tempo1, nullptr);
    ASSERT_NE(tempo2, nullptr);
    QTest::mouseClick(tempo1, Qt::LeftButton);
    QTest::keyClicks(tempo1, "120");
    QTest::mouseClick(tempo2, Qt::LeftButton);
    QTest::keyClick(tempo2, Qt::Key_1);
    QTest::keyClick(tempo2, Qt::Key_4);
    EXPECT_EQ(Widget<QLabel>("time1")->text(), "");
    QTest::keyClick(tempo2, Qt::Key_0);
    EXPECT_EQ(Widget<QLabel>("time1")->text(), "85.71%");
    EXPECT_EQ(Widget<QLabel>("transpose1")->text(), "+2.67 semi");
    EXPECT_EQ(Widget<QLabel>("transpose3")->text(), "+3 semi -33 cent");
    EXPECT_EQ(user.Window().tempoglobal, 120.0);
}

TEST_F(RealWindow, ControlQQuitsAndWritesThePreferences)
{
    user.Start();
    QTest::keyClick(Widget<QLineEdit>("tempo1"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(user.Running());
    EXPECT_EQ(user.PrefsFileBytes().size(), 32u);
}

TEST_F(RealWindow, TheCloseBoxStoresWhereTheWindowWasLeft)
{
    user.Start();
    QMainWindow* window = MainWindow();
    ASSERT_NE(window, nullptr);
    window->move(150, 120);
    QCoreApplication::processEvents();
    window->close();
    EXPECT_FALSE(user.Running());
    EXPECT_EQ(user.PrefsFileValues()[0], 150);
    EXPECT_EQ(user.PrefsFileValues()[1], 120);
}

struct PictureCase {
    const char* name;
    fw::PicturePtr (*accessor)();
    int width;
    int height;
};

TEST_F(RealWindow, TheFivePicturesComeFromTheApplicationsResourcesAtTheirSizes)
{
    const PictureCase cases[] = {
        {"logo", logo, 400, 158},   {"contact", contact, 41, 22}, {"web", web, 41, 22},
        {"apropos", apropos, 41, 22}, {"Notes", Notes, 193, 105},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fw::PicturePtr picture = c.accessor();
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->width, c.width);
        EXPECT_EQ(picture->height, c.height);
        EXPECT_EQ(c.accessor(), picture);
    }
}

} // namespace

namespace {

TEST_F(RealWindow, ClickingEachTabPutsTheFocusWhereTheUserTypesNext)
{
    user.Start();
    QMainWindow* window = MainWindow();
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto* bar = window->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>("tempo1"));

    const struct { int index; const char* focus; } tabs[] = {
        {2, "tempo3"}, {1, "transpose2"}, {4, "loopl"}, {5, "noteshz"}, {6, "H1"}, {0, "tempo1"},
    };
    for (const auto& tab : tabs) {
        SCOPED_TRACE(tab.focus);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab.index).center());
        EXPECT_EQ(user.Get<fw::TabPanel>("TabPanel1").Value(), tab.index);
        EXPECT_EQ(user.FocusedName(), tab.focus);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->objectName(), tab.focus);
    }
    // The Tap tab has no field: the space bar must reach the window.
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
    EXPECT_EQ(user.FocusedName(), "");
    EXPECT_FALSE(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
}

} // namespace
