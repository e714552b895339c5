// The program in real Qt windows on the offscreen platform: what the user
// sees, clicks and presses reaches the same core the other tests drive.

#include "pictures.h"
#include "viewuser.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

// WCAG's relative luminance and contrast ratio, from 1 (none) to 21.
double Luminance(const QColor& color)
{
    auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The commonest colour of that box of the picture: what its text stands on.
QColor Background(const QImage& shot, const QRect& box)
{
    std::map<QRgb, int> counts;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            ++counts[shot.pixel(x, y)];
    return QColor::fromRgb(
        std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first);
}

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
    // The menus name the shortcuts as this desktop does.
    QStringList shortcuts;
    for (QAction* title : window->menuBar()->actions())
        for (QAction* item : title->menu()->actions())
            shortcuts += item->shortcut().toString();
    EXPECT_TRUE(shortcuts.contains("Ctrl+Q") && shortcuts.contains("Ctrl+A")) << shortcuts.join(' ').toStdString();
    // Seven tabs too wide together for the panel give up padding, not text.
    QTabBar* bar = window->findChild<QTabBar*>();
    EXPECT_LE(bar->tabRect(bar->count() - 1).right(), bar->width());
    for (int i = 0; i < bar->count(); ++i)
        EXPECT_GE(bar->tabRect(i).width(), bar->fontMetrics().horizontalAdvance(bar->tabText(i))) << "tab " << i;

    // From the application's own resources.
    const struct { const char* name; fw::PicturePtr (*picture)(); int width, height; } pictures[] = {
        {"logo", logo, 400, 158}, {"contact", contact, 41, 22}, {"web", web, 41, 22},
        {"apropos", apropos, 41, 22}, {"Notes", Notes, 193, 105},
    };
    for (const auto& p : pictures) {
        ASSERT_NE(p.picture(), nullptr) << p.name;
        EXPECT_EQ(QSize(p.picture()->width, p.picture()->height), QSize(p.width, p.height)) << p.name;
    }
    // The windows' icon, which the program sets at start.
    EXPECT_EQ(QImage(":/cadenzo.png").size(), QSize(128, 128));
}

// Where the main window stands each time it shows or moves while shown, and
// the paints inside `area`.
class Watcher : public QObject {
public:
    Watcher() { qApp->installEventFilter(this); }
    ~Watcher() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        QEvent::Type type = event->type();
        if (widget != nullptr && widget->objectName() == "Cadenzo"
            && (type == QEvent::Show || (type == QEvent::Move && widget->isVisible())))
            places.push_back(widget->pos());
        if (widget != nullptr && type == QEvent::Paint && area != nullptr && (widget == area || area->isAncestorOf(widget)))
            ++paints;
        return false;
    }
    std::vector<QPoint> places;
    QWidget* area = nullptr;
    int paints = 0;
};

// Both store where the window was left, and the next run shows it there
// once, with no jump from the default place.
TEST_F(RealWindow, ControlQAndTheCloseBoxQuitAfterStoringThePlaceAndTheNextRunShowsItThereOnce)
{
    user.Start();
    user.ChooseTab("Tap");
    for (QPoint place : {QPoint(150, 120), QPoint(160, 130)}) {
        SCOPED_TRACE(place.x() == 150 ? "Ctrl+Q" : "close box");
        MainWindow()->move(place);
        QCoreApplication::processEvents();
        if (place.x() == 150)
            user.PressShortcut("Cmd+Q");
        else
            MainWindow()->close();
        EXPECT_FALSE(user.Running());
        EXPECT_EQ(QPoint(user.PrefsFileValues()[0], user.PrefsFileValues()[1]), place);
        Watcher watcher;
        user.Restart();
        EXPECT_FALSE(watcher.places.empty());
        for (const QPoint& shown : watcher.places)
            EXPECT_EQ(shown, place);
    }
    // Brought to the front again with no field focused (the Tap tab), it repaints nothing.
    Watcher watcher;
    watcher.area = MainWindow()->centralWidget();
    ASSERT_TRUE(user.ChooseMenuItem("FileAbout"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(ViewUser::TopLevel("winabout")));
    MainWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainWindow()));
    QCoreApplication::processEvents();
    EXPECT_EQ(watcher.paints, 0);
}

TEST_F(RealWindow, ClickingEachTabShowsItsPageAndPutsTheFocusWhereTheUserTypesNextWithItsMenu)
{
    user.Start();
    EXPECT_EQ(user.FocusedName(), "tempo1");
    // The Tap tab has no field: the space bar must reach the window.
    const struct { const char *tab, *focus; } tabs[] = {
        {"Delay", "tempo3"}, {"Transpose", "transpose2"}, {"Samples", "loopl"}, {"Notes", "noteshz"},
        {"SMPTE", "H1"},     {"Tap", ""},                 {"Tempo", "tempo1"},
    };
    for (const auto& tab : tabs) {
        SCOPED_TRACE(tab.tab);
        user.ChooseTab(tab.tab);
        EXPECT_EQ(Widget<QTabWidget>("TabPanel1")->tabText(user.Get<fw::TabPanel>("TabPanel1").Value()), tab.tab);
        EXPECT_EQ(user.FocusedName(), tab.focus);
        QWidget* focus = MainWindow()->focusWidget();
        EXPECT_EQ(focus ? focus->objectName().toStdString() : "", tab.focus) << "Qt's focus";
        EXPECT_EQ(Widget<QLineEdit>("tempo1")->isVisible(), std::string(tab.tab) == "Tempo");
        // A field its page hides is left: leaving it tidies it.
        if (std::string(tab.focus) == "H1")
            user.Type("07");
        // The menu, as it opens, offers Select All only for a field.
        EXPECT_EQ(user.ChooseMenuItem("EditSelectAll"), qobject_cast<QLineEdit*>(focus) != nullptr);
    }
    EXPECT_EQ(user.Text("H1"), "7");
}

// A dark desktop scheme (a dark application palette) changes none of the
// design's colours: every text stays readable on what is drawn behind it.
TEST_F(RealWindow, UnderADarkDesktopSchemeTextsKeepTheirContrastToTheirBackground)
{
    const QPalette scheme = QApplication::palette();
    // White texts on dark grounds, from a light button and a dark window colour.
    QApplication::setPalette(QPalette(QColor(0xE0, 0xE0, 0xE0), QColor(0x35, 0x35, 0x35)));
    user.Start();
    // A text's contrast as drawn in that box of a widget: the pixel that
    // differs most from the background is its ink.
    auto contrast = [](QWidget* widget, QRect box) {
        QImage shot = widget->window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        box.moveTopLeft(widget->mapTo(widget->window(), box.topLeft()));
        QColor background = Background(shot, box);
        double most = 1;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                most = std::max(most, Contrast(background, QColor::fromRgb(shot.pixel(x, y))));
        return most;
    };
    auto* bar = MainWindow()->findChild<QTabBar*>();
    // The caption alone, without the tab's edges.
    QRect caption(QPoint(), bar->fontMetrics().size(0, bar->tabText(1)));
    caption.moveCenter(bar->tabRect(1).center());
    QWidget* label = Widget<QWidget>("StaticText1");
    QWidget* field = Widget<QLineEdit>("tempo1");
    user.Type("120");
    EXPECT_GE(contrast(label, label->rect()), 4.5) << "label";
    EXPECT_GE(contrast(field, field->rect().adjusted(3, 3, -3, -3)), 4.5) << "edit field";
    EXPECT_GE(contrast(bar, caption), 4.5) << "tab caption";

    user.ChooseTab("Notes");
    auto* list = Widget<QTableView>("noteshz");
    for (int row : {66, 67}) {
        QAbstractItemModel& notes = *list->model();
        QRect cells = list->visualRect(notes.index(row, 0)).united(list->visualRect(notes.index(row, notes.columnCount() - 1)));
        EXPECT_GE(contrast(list->viewport(), cells), 4.5) << "Notes row " << row;
    }
    // The pop-up's list is a window of its own, drawn as a menu.
    user.ChooseTab("SMPTE");
    auto* popup = Widget<QComboBox>("SMPTEformat");
    popup->showPopup();
    QAbstractItemView* items = popup->view();
    QRect item = items->visualRect(items->model()->index(2, 0));
    EXPECT_GE(contrast(items->viewport(), item), 4.5) << "pop-up list";
    item.moveTopLeft(items->viewport()->mapTo(items->window(), item.topLeft()));
    QImage listShot = items->window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(Luminance(Background(listShot, item)), 0.5) << "pop-up list in the window's colours";
    popup->hidePopup();
    QApplication::setPalette(scheme);
}

} // namespace
