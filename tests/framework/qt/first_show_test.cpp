// How a window comes on screen: once, where its Open placed it; what it
// repaints when it is activated; and the pages behind the selected tab,
// which catch up with their controls when they first show.

#include "view_fixture.h"

#include "graphics.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>

#include <utility>
#include <vector>

namespace fwqt::test {
namespace {

// A window whose Open puts it back where it was left, as the program's does.
class PlacedWindow : public fw::Window {
public:
    void Layout() override
    {
        fw::WindowDesign design;
        design.title = "Placed";
        design.width = 200;
        design.height = 120;
        design.resizeable = false;
        _SetProperties(design);
    }
    void Open() override
    {
        SetTop(44);
        SetLeft(10);
    }
};

// Where a top-level window of that class stands each time it shows or moves
// while shown; and the paint events that reach a widget and its children.
class Watcher : public QObject {
public:
    explicit Watcher(QString className) : m_className(std::move(className))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~Watcher() override { QCoreApplication::instance()->removeEventFilter(this); }

    void WatchPaints(QWidget* area) { m_area = area; }

    std::vector<QPoint> places;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr)
            return false;
        if (widget->isWindow() && widget->objectName() == m_className
            && (event->type() == QEvent::Show || (event->type() == QEvent::Move && widget->isVisible())))
            places.push_back(widget->pos());
        if (event->type() == QEvent::Paint && m_area != nullptr && (widget == m_area || m_area->isAncestorOf(widget)))
            ++paints;
        return false;
    }

private:
    QString m_className;
    QWidget* m_area = nullptr;
};

using FirstShowTest = ViewTest;

TEST_F(FirstShowTest, AWindowFirstShowsWhereItsOpenPlacedItAndStaysThere)
{
    Watcher watcher("Placed");
    fw::NewWindow<PlacedWindow>("Placed");
    EXPECT_TRUE(watcher.places.empty()) << "shown before its Open ran";

    fw::RuntimeStartLoop();
    QCoreApplication::processEvents();

    ASSERT_FALSE(watcher.places.empty());
    for (const QPoint& place : watcher.places)
        EXPECT_EQ(place, QPoint(10, 44));
}

TEST_F(FirstShowTest, ActivatingAWindowAgainRepaintsNoneOfItsControls)
{
    Open([](Form& form) {
        Add<fw::StaticText>(form, "label", {.width = 100, .height = 20, .text = "Tempo"});
        Add<fw::Rectangle>(form, "box", {.top = 30, .width = 100, .height = 20});
    });
    QWidget* content = static_cast<QMainWindow*>(View())->centralWidget();
    QCoreApplication::processEvents();
    Watcher watcher("Form");
    watcher.WatchPaints(content);

    fw::NewWindow<Form>("Other");
    ASSERT_TRUE(QTest::qWaitForWindowActive(View("Other")));
    View("Form")->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(View("Form")));
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
        auto& canvas = Add<fw::Canvas>(form, "canvas",
                                       {.left = 20, .top = 70, .width = 3, .height = 2, .page = 2, .parent = "tabs"});
        canvas.SetBackdrop(fw::appResourceForkGetter()->GetPicture(7));
    });
    label->SetText("Number Of Beats In Loop :");

    tabs->SetValue(1);

    auto* shown = Widget<QLabel>("label");
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->text(), "Number Of Beats In Loop :");
    EXPECT_LE(QFontMetrics(shown->font()).horizontalAdvance(shown->text()), shown->width()) << "cut off";
    QWidget* canvas = Widget<QWidget>("canvas");
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->grab().toImage().pixelColor(1, 1), QColor(200, 30, 30));
}

} // namespace
} // namespace fwqt::test
