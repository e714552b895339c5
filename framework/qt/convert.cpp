#include "convert.h"

#include <QApplication>
#include <QFontMetrics>

#include <algorithm>

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
    // Font names are case-blind on the Mac: layouts say "geneva" and "system" too.
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
    // Our faces look smaller than the Mac's at the same size: 10 becomes 11.
    if (font.size > 0)
        result.setPixelSize(font.size + (font.size + 5) / 10);
    result.setBold(font.bold);
    return result;
}

QFont FittedFont(QFont font, const QString& text, int width)
{
    constexpr int kNarrowest = 75; // percent of the regular face; beyond it glyphs blur together
    int natural = QFontMetrics(font).size(0, text).width();
    if (natural <= width || natural == 0)
        return font;
    int own = font.stretch() == QFont::AnyStretch ? 100 : font.stretch();
    if (own <= kNarrowest)
        return font;
    for (int stretch = std::clamp(own * width / natural, kNarrowest, own - 1); stretch >= kNarrowest; --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).size(0, text).width() <= width)
            break;
    }
    return font;
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
