// How a window comes on screen: once, where its Open put it, and with no
// repaint when it is activated again.

#include "view_fixture.h"

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

} // namespace
} // namespace fwqt::test
