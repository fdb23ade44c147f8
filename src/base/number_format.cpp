#include "base/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

QString formatFixed(long double value, int decimals, int width)
{
    // to_chars is locale independent and rounds the exact binary value to
    // nearest, ties to even, like printf in the C locale.
    char buffer[128];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    QString text = result.ec == std::errc() ? QString::fromLatin1(buffer, int(result.ptr - buffer))
                                             : QStringLiteral("0");
    if (text.startsWith(QLatin1Char('-'))) {
        // "-0.00" is written "0.00", as users expect of a rounded zero.
        bool allZero = true;
        for (QChar c : text)
            if (c.isDigit() && c != QLatin1Char('0'))
                allZero = false;
        if (allZero)
            text.remove(0, 1);
    }
    if (width > text.size())
        text = QString(width - text.size(), QLatin1Char(' ')) + text;
    return text;
}

namespace {
// Scans a number reading in place; only a text that reads is converted.
std::optional<long double> readNumberView(QStringView s)
{
    const auto isDigit = [](QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; };
    qsizetype i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' '))
        ++i;
    const qsizetype start = i;
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        ++i;
    int digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == QLatin1Char('.')) {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        ++i;
        if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
            ++i;
        int expDigits = 0;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;

    char buffer[128];
    qsizetype n = 0;
    for (qsizetype k = start; k < s.size() && n < qsizetype(sizeof buffer); ++k)
        if (s[k] != QLatin1Char('+'))
            buffer[n++] = char(s[k].unicode());
    if (n >= qsizetype(sizeof buffer))
        return std::nullopt;
    long double value = 0;
    auto result = std::from_chars(buffer, buffer + n, value);
    if (result.ec != std::errc() || result.ptr != buffer + n || !std::isfinite(value))
        return std::nullopt;
    return value;
}
} // namespace

std::optional<long double> readNumber(const QString& text)
{
    return readNumberView(text);
}

std::optional<long long> readInteger(const QString& text)
{
    const std::string s = text.toStdString();
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    std::string digits;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            digits += '-';
        ++i;
    }
    const std::size_t firstDigit = i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
        digits += s[i++];
    if (i == firstDigit || i != s.size())
        return std::nullopt;
    long long value = 0;
    auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc())
        return std::nullopt;
    return value;
}

std::optional<StrippedNumber> readNameStripped(const QString& text)
{
    for (int drop = 0; drop <= text.size(); ++drop) {
        if (auto value = readNumberView(QStringView(text).mid(drop)))
            return StrippedNumber{*value, drop};
    }
    return std::nullopt;
}

QString formatPanelValue(long double value, bool isArea)
{
    if (value >= 0.01L)
        return formatFixed(value, 2, isArea ? 2 : 0);
    return formatFixed(value, isArea ? 6 : 10);
}

QString formatTwoOrTen(long double value)
{
    // Negative stresses are judged by their size.
    return std::fabs(value) >= 0.01L ? formatFixed(value, 2) : formatFixed(value, 10);
}

QString formatStress(long double value)
{
    return std::fabs(value) >= 0.01L ? formatFixed(value, 2) : formatFixed(value, 8);
}

QString formatSignificant(long double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    constexpr int Significant = 15;
    const int exponent = int(std::floor(std::log10(std::fabs(value))));
    QString number = formatFixed(value, std::clamp(Significant - 1 - exponent, 0, 60));
    if (number.contains(QLatin1Char('.'))) {
        while (number.endsWith(QLatin1Char('0')))
            number.chop(1);
        if (number.endsWith(QLatin1Char('.')))
            number.chop(1);
    }
    return number;
}
