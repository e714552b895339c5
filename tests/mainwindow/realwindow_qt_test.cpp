// The program in real Qt windows on the offscreen platform: what the user
// sees, clicks and presses reaches the same core the other tests drive.

#include "pictures.h"
#include "realwindow.h"

#include <QLineEdit>
#include <QTabBar>
#include <QTest>

namespace {

TEST_F(RealWindow, FirstStartShowsTheFixedSizeWindowAtItsDefaultPlaceWithThePictures)
{
    user.Start();
    QMainWindow* window = MainWindow();
    ASSERT_NE(window, nullptr);
    QWidget* content = window->centralWidget();
    EXPECT_EQ(content->size(), QSize(500, 382));
    EXPECT_EQ(window->pos(), QPoint(10, 44));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(content->palette().color(content->backgroundRole()), QColor(0xEF, 0xEF, 0xEF));
    // On Linux the menu bar stands inside the window, above the content.
    EXPECT_GT(content->y(), 0);

    // From the application's own resources.
    const struct { const char* name; fw::PicturePtr (*picture)(); int width, height; } pictures[] = {
        {"logo", logo, 400, 158}, {"contact", contact, 41, 22}, {"web", web, 41, 22},
        {"apropos", apropos, 41, 22}, {"Notes", Notes, 193, 105},
    };
    for (const auto& p : pictures) {
        ASSERT_NE(p.picture(), nullptr) << p.name;
        EXPECT_EQ(QSize(p.picture()->width, p.picture()->height), QSize(p.width, p.height)) << p.name;
    }
}

// Both store where the window was left, and the next run opens there.
TEST_F(RealWindow, ControlQAndTheCloseBoxQuitAfterStoringThePlace)
{
    user.Start();
    MainWindow()->move(150, 120);
    QCoreApplication::processEvents();
    QTest::keyClick(Widget<QLineEdit>("tempo1"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(user.Running());
    EXPECT_EQ(user.PrefsFileBytes().size(), 32u);
    EXPECT_EQ(user.PrefsFileValues()[0], 150);

    user.Restart();
    EXPECT_EQ(MainWindow()->pos(), QPoint(150, 120));
    MainWindow()->move(160, 130);
    QCoreApplication::processEvents();
    MainWindow()->close();
    EXPECT_FALSE(user.Running());
    EXPECT_EQ(user.PrefsFileValues()[0], 160);
    EXPECT_EQ(user.PrefsFileValues()[1], 130);
}

// Text fitting once never ended on a number too long for the smallest type.
TEST_F(RealWindow, NumbersTooLongForTheirBoxLeaveTheWindowAnsweringAndControlQStillQuits)
{
    user.Start();
    const struct { const char *tab, *field, *text; } rows[] = {
        {"Tempo", "tempo1", "123456789012"},
        {"SMPTE", "H1", "3000000"},
        {"Delay", "note5", nullptr},
        {"Samples", "loopl", nullptr},
    };
    const std::string nines(400, '9');
    for (const auto& row : rows) {
        SCOPED_TRACE(row.field);
        user.ChooseTab(row.tab);
        auto* field = Widget<QLineEdit>(row.field);
        ASSERT_NE(field, nullptr);
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClicks(field, row.text ? row.text : nines.c_str());
        QTest::keyClick(field, Qt::Key_Tab);
        QCoreApplication::processEvents();
        EXPECT_EQ(field->text().toStdString(), user.Text(row.field));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(user.Running());
    EXPECT_EQ(user.PrefsFileBytes().size(), 32u);
}

TEST_F(RealWindow, ClickingEachTabPutsTheFocusWhereTheUserTypesNext)
{
    user.Start();
    QMainWindow* window = MainWindow();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto* bar = window->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>("tempo1"));

    // The Tap tab has no field: the space bar must reach the window.
    const struct { int index; const char* focus; } tabs[] = {
        {2, "tempo3"}, {1, "transpose2"}, {4, "loopl"}, {5, "noteshz"}, {6, "H1"}, {3, ""}, {0, "tempo1"},
    };
    for (const auto& tab : tabs) {
        SCOPED_TRACE(tab.index);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab.index).center());
        EXPECT_EQ(user.Get<fw::TabPanel>("TabPanel1").Value(), tab.index);
        EXPECT_EQ(user.FocusedName(), tab.focus);
        QWidget* focused = QApplication::focusWidget();
        if (*tab.focus == '\0') {
            EXPECT_EQ(qobject_cast<QLineEdit*>(focused), nullptr);
        } else {
            EXPECT_EQ(focused ? focused->objectName().toStdString() : "", tab.focus);
        }
    }
}

} // namespace
