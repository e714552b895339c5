#pragma once

// Text and number functions of the framework. All of them are independent of
// the user's locale: the decimal point is always '.', whatever LC_NUMERIC says.

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// The number at the start of s: optional blanks, an optional sign, digits with
// at most one decimal point, and an optional exponent. The rest is ignored
// ("+3.16 semi" gives 3.16); 0 when s starts with no number. "INF", "-INF"
// and "NAN", the texts of Str and Format for what is not finite, read back as
// what they stand for.
double Val(std::string_view s);
double CDbl(std::string_view s);

// A whole number shows no decimal point ("44100"); a fraction shows up to 15
// significant digits without trailing zeros ("180.18", "0.5").
std::string Str(std::int32_t value);
std::string Str(double value);

// Patterns made of an optional '+', '#' digits, an optional '.' followed by
// '0' decimals and an optional '%': "###.00%", "+##.00", "+##", "####.00"...
// Every integer digit is shown; a zero integer part shows as "0".
std::string Format(double value, std::string_view pattern);

// Length in characters (UTF-8 code points), the unit of SelStart/SelLength.
int Len(std::string_view s);

double Ceil(double x);
double Floor(double x);
double Abs(double x);
double Pow(double x, double y);
double Log(double x);

// Double to Integer: the fraction is dropped toward zero; values beyond the
// Integer range saturate and NaN gives 0, so no conversion is undefined.
std::int32_t ToInteger(double x);

// Byte offset of the character at index `chars` in a UTF-8 string (clamped).
std::size_t ByteOffsetOfChar(std::string_view s, int chars);

} // namespace fw
