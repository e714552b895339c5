#pragma once

// Conversions between the core's values and Qt's.

#include "control.h"
#include "graphics.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <string>

namespace fwqt {

QString ToQString(const std::string& utf8);
std::string ToUtf8(const QString& text);
QColor ToQColor(fw::Color color);

// Qt reads '&' in captions as a mnemonic marker; the core's texts are literal.
QString Caption(const std::string& utf8);

// "Geneva" is a semi-condensed sans-serif face, "System" the application's
// own; names ignore case; sizes are pixels, slightly enlarged so the metrics
// of our faces stay legible.
QFont ViewFont(const fw::Font& font);
// The font narrowed just enough for one line of text to fit width pixels;
// narrowing keeps the height, so a label designed for a narrower face stays
// legible and whole. A text too long even so gets smaller type, down to a
// floor; one that would not fit even there keeps the regular font, and
// `fits` is false.
struct FittedFont {
    QFont font;
    bool fits;
};
FittedFont Fit(const QFont& regular, const QString& text, int width);

// The core counts characters (code points), QString UTF-16 units.
int CodePointIndex(const QString& text, int utf16Index);
int Utf16Index(const QString& text, int codePointIndex);

} // namespace fwqt
