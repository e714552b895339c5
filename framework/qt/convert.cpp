#include "convert.h"

#include <QApplication>
#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace fwqt {

QString ToQString(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToUtf8(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QColor ToQColor(fw::Color color)
{
    return QColor(static_cast<int>((color >> 16) & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>(color & 0xFF));
}

QString Caption(const std::string& utf8)
{
    return ToQString(utf8).replace(QLatin1Char('&'), QLatin1String("&&"));
}

QFont ViewFont(const fw::Font& font)
{
    QFont result = QApplication::font();
    // Font names match whatever their case: layouts say "geneva" and "system" too.
    QString name = ToQString(font.name);
    if (name.compare(QLatin1String("Geneva"), Qt::CaseInsensitive) == 0) {
        // Faces drawn after Geneva's proportions first. Small Geneva is
        // narrower for its height than they are, and the layouts' labels and
        // cells are cut to it; Qt takes a condensed face where one is
        // installed and narrows the regular one where not.
        result.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana"),
                            QStringLiteral("Sans Serif")});
        result.setStyleHint(QFont::SansSerif);
        result.setStretch(QFont::SemiCondensed);
    } else if (name.compare(QLatin1String("System"), Qt::CaseInsensitive) != 0 && !name.isEmpty()) {
        result.setFamilies({name});
    }
    // The layouts' sizes look small in these faces: 10 becomes 11.
    if (font.size > 0)
        result.setPixelSize(font.size + (font.size + 5) / 10);
    result.setBold(font.bold);
    return result;
}

namespace {

// The width one line of text takes, as a label lays it out; shaping the text
// alone costs a fraction of a layout, and labels are measured at each change.
int LineWidth(const QFont& font, const QString& text)
{
    return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

} // namespace

FittedFont Fit(const QFont& regular, const QString& text, int width)
{
    QFont font = regular;
    constexpr int kNarrowest = 75; // percent of the regular face; beyond it glyphs blur together
    constexpr int kSmallest = 60;  // percent of the regular size
    int measured = LineWidth(font, text);
    if (measured <= width)
        return {font, true};
    const int own = font.stretch() == QFont::AnyStretch ? 100 : font.stretch();
    const int narrowest = std::min(own, kNarrowest);
    // Fonts set in points keep their size.
    const bool sized = font.pixelSize() > 0;
    const int pixels = sized ? font.pixelSize() : 1;
    const int smallest = sized ? std::max(1, (pixels * kSmallest + 99) / 100) : 1;
    int stretch = own;
    int size = pixels;
    // Far too long for the narrowest face at the smallest size (hundreds
    // of digits, say): no need to try.
    if (static_cast<long long>(measured) * narrowest * smallest > 2LL * width * own * pixels)
        return {regular, false};
    // Widths shrink about in proportion to stretch × size, give or take each
    // glyph's rounding. The face narrows first; only a text too long even for
    // the narrowest face (a count of hours, say) gets smaller type, rather
    // than a number with its first digits cut off. Each font tried is a font
    // loaded: the first guess comes from the measured width, a miss corrects
    // once from the new width, and then the floor is taken. Every step
    // shrinks, so it ends.
    for (int tries = 0; measured > width && (stretch > narrowest || size > smallest); ++tries) {
        if (tries == 2) {
            stretch = narrowest;
            size = smallest;
        } else {
            const double wanted = static_cast<double>(stretch) * size * width / measured;
            const int newStretch = std::clamp(static_cast<int>(wanted / size), narrowest, stretch);
            const int newSize = newStretch > narrowest
                                    ? size
                                    : std::clamp(static_cast<int>(wanted / narrowest), smallest, size);
            if (newStretch == stretch && newSize == size) {
                if (stretch > narrowest)
                    --stretch;
                else
                    --size;
            } else {
                stretch = newStretch;
                size = newSize;
            }
        }
        font.setStretch(stretch);
        if (sized)
            font.setPixelSize(size);
        measured = LineWidth(font, text);
    }
    // Small type for a text that is cut all the same only makes it
    // unreadable: such a text keeps its own.
    if (measured > width)
        return {regular, false};
    return {font, true};
}

int CodePointIndex(const QString& text, int utf16Index)
{
    int count = 0;
    for (int i = 0; i < utf16Index && i < text.size(); ++i)
        if (!text.at(i).isLowSurrogate())
            ++count;
    return count;
}

int Utf16Index(const QString& text, int codePointIndex)
{
    int i = 0;
    for (int seen = 0; i < text.size(); ++i) {
        if (text.at(i).isLowSurrogate())
            continue;
        if (seen++ == codePointIndex)
            return i;
    }
    return static_cast<int>(text.size());
}

} // namespace fwqt
