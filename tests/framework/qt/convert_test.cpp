// Fitting a line of text to a width: it always ends, stays within the face
// and size bounds whatever the text's length, and shrinks only what then fits.

#include "convert.h"
#include "platform.h"
#include "viewuser.h"

#include <QFontMetricsF>

namespace fwqt::test {
namespace {

TEST(FitTest, EndsWithinItsBoundsForTextsOfAnyLengthAtEverySize)
{
    auto platform = NewPlatform();
    auto stretch = [](const QFont& f) { return f.stretch() == QFont::AnyStretch ? 100 : f.stretch(); };
    for (const char* face : {"Geneva", "System"})
        for (int size : {9, 10, 11, 12, 13, 14, 18, 24})
            for (int length : {1, 2, 7, 12, 31, 40, 400, 2000})
                for (int width : {1, 13, 38, 60, 83, 193, 400}) {
                    SCOPED_TRACE(testing::Message() << face << ' ' << size << "px, " << length
                                                    << " digits in " << width << "px");
                    const QFont font = ViewFont({face, size, false});
                    const QString text(length, QLatin1Char('9'));
                    const FittedFont fitted = Fit(font, text, width);
                    EXPECT_LE(fitted.font.pixelSize(), font.pixelSize());
                    EXPECT_GE(fitted.font.pixelSize() * 100, font.pixelSize() * 60);
                    EXPECT_LE(stretch(fitted.font), stretch(font));
                    EXPECT_GE(stretch(fitted.font), std::min(stretch(font), 75));
                    EXPECT_EQ(QFontMetricsF(fitted.font).horizontalAdvance(text) <= width, fitted.fits);
                    if (QFontMetricsF(font).horizontalAdvance(text) <= width || !fitted.fits) {
                        EXPECT_EQ(fitted.font, font) << "a text that fits, or never will, keeps its font";
                    }
                }
}

} // namespace
} // namespace fwqt::test
