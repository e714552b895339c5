// The program in real Qt windows on the offscreen platform: what the user
// sees, clicks and presses reaches the same core the other tests drive.

#include "viewuser.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTableView>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <ranges>
#include <string>
#include <vector>

namespace {

// Where the main window stands each time it shows or moves while shown.
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
        return false;
    }
    std::vector<QPoint> places;
};

// The window is of a fixed size. Each tab clicked shows its page alone and
// puts the focus where the user types next.
// Ctrl+Q or the close box then store the tab, the place and the rates, and
// the next run shows the window there once, with no jump from the default
// place, on that tab.
TEST_F(RealWindow, EachTabClickedShowsItsPageAndFocusAndTheNextRunReopensThereOnTheTabAndRatesLeft)
{
    user.Start();
    EXPECT_EQ(MainWindow()->minimumSize(), MainWindow()->maximumSize());
    // Seven tabs too wide together for the panel give up padding, not text.
    QTabBar* bar = MainWindow()->findChild<QTabBar*>();
    EXPECT_LE(bar->tabRect(bar->count() - 1).right(), bar->width());
    for (int i = 0; i < bar->count(); ++i)
        EXPECT_GE(bar->tabRect(i).width(), bar->fontMetrics().horizontalAdvance(bar->tabText(i))) << "tab " << i;
    user.ChooseTab("Samples");
    user.TypeInto("srate", "48000");
    user.TypeInto("beats", "8");
    user.ChooseTab("SMPTE");
    user.ChoosePopupItem("SMPTEformat", "30 fps");
    // The Tap tab has no field: the space bar must reach the window.
    const struct { const char *tab, *focus; } tabs[] = {
        {"Delay", "tempo3"}, {"Transpose", "transpose2"}, {"Samples", "loopl"}, {"Notes", "noteshz"},
        {"SMPTE", "H1"},     {"Tempo", "tempo1"},         {"Tap", ""},
    };
    for (const auto& tab : tabs) {
        SCOPED_TRACE(tab.tab);
        user.ChooseTab(tab.tab);
        const int index = user.Get<fw::TabPanel>("TabPanel1").Value();
        // A field its page hides is left: leaving it tidies it (typed at the end of the SMPTE row).
        if (index == 0) {
            EXPECT_EQ(user.Text("H1"), "7");
        }
        for (const fw::Control* c : user.Window().Controls())
            EXPECT_EQ(c->Shown(), c->TabPanelIndex() == 0 || c->TabPanelIndex() == index + 1) << c->Name();
        QWidget* focus = MainWindow()->focusWidget();
        EXPECT_EQ(user.FocusedName() + "/" + (focus ? focus->objectName().toStdString() : ""),
                  std::string(tab.focus) + "/" + tab.focus);
        // The menu, as it opens, offers Select All only for a field.
        EXPECT_EQ(user.ChooseMenuItem("EditSelectAll"), qobject_cast<QLineEdit*>(focus) != nullptr);

        const QPoint place(150 + index, 120);
        MainWindow()->move(place);
        QCoreApplication::processEvents();
        index % 2 == 0 ? void(user.PressShortcut("Cmd+Q")) : void(MainWindow()->close());
        EXPECT_FALSE(user.Running());
        const auto stored = user.PrefsFileValues();
        EXPECT_EQ((std::array{stored[0], stored[1], stored[4], stored[7]}), (std::array{place.x(), place.y(), index, 3}));
        Watcher watcher;
        user.Restart();
        EXPECT_EQ(watcher.places, std::vector(std::max<size_t>(watcher.places.size(), 1), place));
        EXPECT_EQ(std::to_string(user.Get<fw::TabPanel>("TabPanel1").Value()) + " " + user.FocusedName()
                      + (user.Window().tapactived ? " tapping, " : ", ") + user.Text("srate") + " " + user.Text("beats")
                      + " " + std::to_string(user.Get<fw::PopupMenu>("SMPTEformat").ListIndex()),
                  std::to_string(index) + " " + tab.focus + (index == 3 ? " tapping, " : ", ") + "48000 8 3");
        if (index == 6)
            user.Type("07");
    }
}

// A dark desktop scheme (a dark application palette) changes none of the
// design's colours: every text stays readable on the light ground behind it.
TEST_F(RealWindow, UnderADarkDesktopSchemeTextsKeepTheDesignsLightGroundAndTheirContrast)
{
    const QPalette scheme = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(0xE0, 0xE0, 0xE0), QColor(0x35, 0x35, 0x35)));
    user.Start();
    user.Type("120");
    // The commonest colour of that box is its ground, its darkest pixel the
    // ink; WCAG's contrast between them runs from 1 (none) to 21.
    auto expectReadable = [](const std::string& what, QWidget* widget, QRect box) {
        QImage shot = widget->window()->grab().toImage();
        box = box.intersected(widget->rect()).translated(widget->mapTo(widget->window(), QPoint()));
        std::map<QRgb, int> counts;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                ++counts[shot.pixel(x, y)];
        auto luminance = [](QRgb rgb) {
            auto linear = [](int c) { return c <= 10 ? c / 255.0 / 12.92 : std::pow((c / 255.0 + 0.055) / 1.055, 2.4); };
            return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
        };
        double ground = luminance(std::ranges::max_element(counts, {}, [](auto& count) { return count.second; })->first);
        double ink = std::ranges::min(counts | std::views::keys | std::views::transform(luminance));
        EXPECT_GT(ground, 0.5) << what;
        EXPECT_GE((ground + 0.05) / (ink + 0.05), 4.5) << what;
    };
    auto* bar = MainWindow()->findChild<QTabBar*>();
    // The caption alone, without the tab's edges.
    QRect caption(QPoint(), bar->fontMetrics().size(0, bar->tabText(1)));
    caption.moveCenter(bar->tabRect(1).center());
    expectReadable("tab caption", bar, caption);
    expectReadable("label", Widget<QWidget>("StaticText1"), Widget<QWidget>("StaticText1")->rect());
    expectReadable("edit field", Widget<QLineEdit>("tempo1"), Widget<QLineEdit>("tempo1")->rect().adjusted(3, 3, -3, -3));
    user.ChooseTab("Notes");
    auto* list = Widget<QTableView>("noteshz");
    for (int row : {66, 67}) {
        QAbstractItemModel& notes = *list->model();
        QRect cells = list->visualRect(notes.index(row, 0)).united(list->visualRect(notes.index(row, notes.columnCount() - 1)));
        expectReadable("Notes row " + std::to_string(row), list->viewport(), cells);
    }
    // The pop-up's list is a window of its own, drawn as a menu.
    user.ChooseTab("SMPTE");
    auto* popup = Widget<QComboBox>("SMPTEformat");
    popup->showPopup();
    expectReadable("pop-up list", popup->view()->viewport(), popup->view()->visualRect(popup->view()->model()->index(2, 0)));
    popup->hidePopup();
    QApplication::setPalette(scheme);
}

} // namespace
