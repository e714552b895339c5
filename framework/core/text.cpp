#include "text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace fw {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string NonFinite(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// Shortest decimal text that reads back as `value`, never in exponent form.
std::string PlainDecimal(double value)
{
    std::array<char, 1100> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed);
    if (ec != std::errc())
        return "0";
    return std::string(buffer.data(), end);
}

// Rounds a plain, unsigned decimal text to `decimals` places, half away from
// zero. Rounding the shortest text rather than the binary value gives what a
// user expects: 2.675 shows as 2.68, as it was typed.
std::string RoundDecimal(std::string digits, int decimals)
{
    std::size_t point = digits.find('.');
    std::string whole = point == std::string::npos ? digits : digits.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);
    bool roundUp = fraction.size() > static_cast<std::size_t>(decimals)
                   && fraction[static_cast<std::size_t>(decimals)] >= '5';
    fraction.resize(static_cast<std::size_t>(decimals), '0');

    std::string all = whole + fraction;
    if (roundUp) {
        int i = static_cast<int>(all.size()) - 1;
        while (i >= 0 && all[static_cast<std::size_t>(i)] == '9') {
            all[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0)
            all.insert(all.begin(), '1');
        else
            ++all[static_cast<std::size_t>(i)];
    }
    std::size_t wholeLength = all.size() - static_cast<std::size_t>(decimals);
    std::size_t firstDigit = std::min(all.find_first_not_of('0'), wholeLength);
    if (firstDigit == wholeLength && firstDigit > 0)
        --firstDigit; // a zero integer part shows as "0"
    std::string result(all, firstDigit, wholeLength - firstDigit);
    if (result.empty())
        result.push_back('0');
    if (decimals > 0) {
        result.push_back('.');
        result.append(all, wholeLength, std::string::npos);
    }
    return result;
}

bool IsZeroText(std::string_view text)
{
    for (char c : text)
        if (c != '0' && c != '.')
            return false;
    return true;
}

// Whether a decimal number that a double cannot hold lies above the range
// (else below it, toward 0). Its value is 0.d... x 10^magnitude, d its first
// non-zero digit: it is too large exactly when the magnitude is above 0.
bool AboveRange(std::string_view number)
{
    long long magnitude = 0;
    bool significant = false;
    bool fraction = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e'; ++i) {
        char c = number[i];
        if (c == '.')
            fraction = true;
        if (!IsDigit(c))
            continue;
        significant = significant || c != '0';
        if (significant && !fraction)
            ++magnitude;
        else if (!significant && fraction)
            --magnitude;
    }
    long long exponent = 0;
    bool negative = i + 1 < number.size() && number[i + 1] == '-';
    for (++i; i < number.size(); ++i)
        if (IsDigit(number[i]))
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
    return magnitude + (negative ? -exponent : exponent) > 0;
}

} // namespace

double Val(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            number += '-';
        ++i;
    }
    // The words Str and Format show for the values that are not finite.
    if (s.substr(i).starts_with("INF"))
        return number.empty() ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity();
    if (s.substr(i).starts_with("NAN"))
        return std::numeric_limits<double>::quiet_NaN();
    bool anyDigit = false;
    bool seenPoint = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i])) {
            anyDigit = true;
            number += s[i];
        } else if (s[i] == '.' && !seenPoint) {
            seenPoint = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0.0;
    // An exponent counts only when digits follow it.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j]))
                exponent += s[j++];
            number += exponent;
        }
    }
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        bool negative = number[0] == '-';
        if (!AboveRange(number))
            return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    return value;
}

double CDbl(std::string_view s) { return Val(s); }

std::string Str(std::int32_t value) { return std::to_string(value); }

std::string Str(double value)
{
    if (!std::isfinite(value))
        return NonFinite(value);
    if (value == 0.0)
        return "0";
    if (std::fabs(value) < 1e15 && value == std::trunc(value))
        return std::to_string(static_cast<long long>(value));
    std::array<char, 64> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::general, 15);
    if (ec != std::errc())
        return "0";
    // Rounded to 15 digits the largest doubles would read back as infinite:
    // they take the shortest text that reads back exactly.
    if (std::isinf(Val(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())))))
        end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    // to_chars keeps no trailing zeros in general form except in the exponent.
    return std::string(buffer.data(), end);
}

std::string Format(double value, std::string_view pattern)
{
    bool plus = !pattern.empty() && pattern.front() == '+';
    bool percent = !pattern.empty() && pattern.back() == '%';
    int decimals = 0;
    if (std::size_t point = pattern.find('.'); point != std::string_view::npos) {
        for (std::size_t i = point + 1; i < pattern.size() && pattern[i] == '0'; ++i)
            ++decimals;
    }
    if (percent)
        value *= 100.0;
    if (!std::isfinite(value))
        return NonFinite(value);

    std::string digits = RoundDecimal(PlainDecimal(std::fabs(value)), decimals);
    // The sign goes by the value shown, so a tiny negative never shows "-0.00".
    std::string sign;
    if (!IsZeroText(digits)) {
        if (value < 0)
            sign = "-";
        else if (plus)
            sign = "+";
    }
    return sign + digits + (percent ? "%" : "");
}

int Len(std::string_view s)
{
    int count = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

std::size_t ByteOffsetOfChar(std::string_view s, int chars)
{
    if (chars <= 0)
        return 0;
    int seen = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (seen == chars)
                return i;
            ++seen;
        }
    }
    return s.size();
}

double Ceil(double x) { return std::ceil(x); }
double Floor(double x) { return std::floor(x); }
double Abs(double x) { return std::fabs(x); }
double Pow(double x, double y) { return std::pow(x, y); }
double Log(double x) { return std::log(x); }

std::int32_t ToInteger(double x)
{
    if (std::isnan(x))
        return 0;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (x <= lowest)
        return std::numeric_limits<std::int32_t>::min();
    if (x >= highest)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(x);
}

} // namespace fw
