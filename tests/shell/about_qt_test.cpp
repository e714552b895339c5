// The About window in a real offscreen Qt window, opened by a real click on
// the banner's About link.

#include "pictures.h"
#include "realwindow.h"
#include "uistrings.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>

namespace {

class RealAbout : public RealWindow {};

TEST_F(RealAbout, OpensFixedSizeAtItsDefaultPlaceShowingTheLogoAndCreditsAndControlWInTheMainWindowQuits)
{
    user.Start();
    QTest::mouseClick(Widget<QWidget>("aproposbut"), Qt::LeftButton, {}, QPoint(20, 11));
    QMainWindow* about = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "winabout" && widget->isVisible())
            about = qobject_cast<QMainWindow*>(widget);
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

} // namespace
