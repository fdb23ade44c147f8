#include "sections/number_format.h"

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

std::optional<long double> readNumber(const QString& text)
{
    const std::string s = text.toStdString();
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    const std::size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;

    std::string number = s.substr(start, i - start);
    if (!number.empty() && number[0] == '+')
        number.erase(0, 1);
    long double value = 0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc() || result.ptr != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
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
        if (auto value = readNumber(text.mid(drop)))
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
    return value >= 0.01L ? formatFixed(value, 2) : formatFixed(value, 10);
}
