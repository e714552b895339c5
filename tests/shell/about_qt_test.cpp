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

class RealAbout : public RealWindow {
protected:
    static QMainWindow* AboutWindow()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == "winabout" && widget->isVisible())
                return qobject_cast<QMainWindow*>(widget);
        return nullptr;
    }

    void ClickAboutLink()
    {
        QWidget* link = Widget<QWidget>("aproposbut");
        ASSERT_NE(link, nullptr);
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(20, 11));
    }
};

TEST_F(RealAbout, OpensFixedSizeAtItsDefaultPlaceShowingTheLogoAndCredits)
{
    user.Start();
    ClickAboutLink();
    QMainWindow* about = AboutWindow();
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
}

TEST_F(RealAbout, ControlWTypedInTheMainWindowClosesItEvenWithTheAboutWindowInFront)
{
    user.Start();
    ClickAboutLink();
    ASSERT_EQ(user.FrontWindowName(), "winabout");
    QMainWindow* main = MainWindow();
    // The key goes where the window's keyboard focus is.
    QWidget* focus = main->focusWidget();
    QTest::keyClick(focus ? focus : main, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(user.Running());
    EXPECT_EQ(user.PrefsFileValues()[2], 100);
}

} // namespace
