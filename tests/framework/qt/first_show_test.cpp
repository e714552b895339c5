// How a window comes on screen: once, where its Open put it, and with no
// repaint when it is activated again; and the pages behind the selected tab,
// whose controls catch up when they show.

#include "view_fixture.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>

#include <vector>

namespace fwqt::test {
namespace {

// Where the window "Form" stands each time it shows or moves while shown, and
// the paints inside `area`.
class Watcher : public QObject {
public:
    Watcher() { qApp->installEventFilter(this); }
    ~Watcher() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        QEvent::Type type = event->type();
        if (widget != nullptr && widget->objectName() == "Form"
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

using FirstShowTest = ViewTest;

TEST_F(FirstShowTest, AWindowShowsOnceWhereItsOpenPutItAndActivatingItRepaintsNothing)
{
    Watcher watcher;
    // Puts itself back where it was left, as the program's main window does.
    Form::opened = [](Form& form) {
        form.SetTop(44);
        form.SetLeft(10);
    };
    Open(nullptr);
    ASSERT_FALSE(watcher.places.empty());
    for (const QPoint& place : watcher.places)
        EXPECT_EQ(place, QPoint(10, 44));

    // Another window takes the focus, then the user comes back.
    watcher.area = static_cast<QMainWindow*>(View())->centralWidget();
    fw::NewWindow<Form>("Other");
    ASSERT_TRUE(QTest::qWaitForWindowActive(View("Other")));
    View()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(View()));
    QCoreApplication::processEvents();
    EXPECT_EQ(watcher.paints, 0);
}

TEST_F(FirstShowTest, ControlsOnAPageNotShownCatchUpWhenItShows)
{
    fw::TabPanel* tabs = nullptr;
    fw::StaticText* label = nullptr;
    Open([&](Form& form) {
        tabs = &Add<fw::TabPanel>(form, "tabs", {.width = 300, .height = 180, .items = {"One", "Two"}});
        label = &Add<fw::StaticText>(form, "label", {.left = 20, .top = 40, .width = 120, .height = 17, .page = 2,
                                                     .parent = "tabs", .fontName = "Geneva", .fontSize = 10});
        Add<fw::Canvas>(form, "canvas", {.left = 20, .top = 70, .width = 3, .height = 2, .page = 2, .parent = "tabs"})
            .SetBackdrop(fw::appResourceForkGetter()->GetPicture(7));
    });
    label->SetText("Number Of Beats In Loop :");

    tabs->SetValue(1);

    auto* shown = Widget<QLabel>("label");
    ASSERT_TRUE(shown != nullptr && shown->isVisible());
    EXPECT_EQ(shown->text(), "Number Of Beats In Loop :");
    EXPECT_LE(QFontMetrics(shown->font()).horizontalAdvance(shown->text()), shown->width()) << "cut off";
    EXPECT_EQ(Widget<QWidget>("canvas")->grab().toImage().pixelColor(1, 1), QColor(200, 30, 30));
}

} // namespace
} // namespace fwqt::test
