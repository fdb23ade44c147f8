#include "base/number_format.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

QString formatFixed(long double value, int decimals, int width)
{
    // to_chars is locale independent and rounds the exact binary value to
    // nearest, ties to even, like printf in the C locale. The buffer grows
    // with the value, so every finite value is written whole.
    decimals = std::max(decimals, 0);
    const long double magnitude = std::fabs(value);
    const int integerDigits = std::isfinite(magnitude) && magnitude >= 1 ? int(std::log10(magnitude)) + 2 : 1;
    std::string buffer(std::size_t(integerDigits) + std::size_t(decimals) + 16, '\0');
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed,
                                decimals);
    while (result.ec == std::errc::value_too_large) {
        buffer.resize(buffer.size() * 2);
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed,
                               decimals);
    }
    QString text = QString::fromLatin1(buffer.data(), qsizetype(result.ptr - buffer.data()));
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
bool isAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

} // namespace

bool hasNumberForm(QStringView s)
{
    qsizetype i = 0;
    const auto at = [&](auto... cs) { return i < s.size() && ((s[i] == QLatin1Char(cs)) || ...); };
    const auto digitRun = [&] {
        const qsizetype first = i;
        while (i < s.size() && isAsciiDigit(s[i]))
            ++i;
        return i - first;
    };
    while (at(' '))
        ++i;
    if (at('+', '-'))
        ++i;
    qsizetype digits = digitRun();
    if (at('.')) {
        ++i;
        digits += digitRun();
    }
    if (digits == 0)
        return false;
    if (at('e', 'E')) {
        ++i;
        if (at('+', '-'))
            ++i;
        if (digitRun() == 0)
            return false;
    }
    return i == s.size();
}

namespace {
// The value of a text that has the number form. A number that does not fit
// (beyond the range of a double, or too small to be told from zero) is no
// number at all: it is never read as some other number.
std::optional<long double> convertNumber(QStringView s)
{
    std::string latin;
    latin.reserve(std::size_t(s.size()));
    for (QChar c : s)
        if (c != QLatin1Char(' ') && c != QLatin1Char('+'))
            latin += char(c.unicode());
    long double value = 0;
    const auto result = std::from_chars(latin.data(), latin.data() + latin.size(), value);
    if (result.ec != std::errc() || result.ptr != latin.data() + latin.size() || !std::isfinite(value) ||
        std::fabs(value) > DBL_MAX)
        return std::nullopt;
    return value;
}

// The states of the number form read backwards, from the last character to
// the first; a bit set per state that the text read so far may be in.
enum TailState : unsigned {
    Start = 1u << 0,
    ExponentDigits = 1u << 1,   // digits that may be an exponent's
    ExponentSign = 1u << 2,
    ExponentMark = 1u << 3,     // E or e: the mantissa follows
    MantissaDigits = 1u << 4,   // digits, no point yet
    PointOnly = 1u << 5,        // a point with no digit after it yet
    PointAndDigits = 1u << 6,   // a point and at least one digit
    Sign = 1u << 7,
    Blanks = 1u << 8,
};
constexpr unsigned Complete = MantissaDigits | PointAndDigits | Sign | Blanks;

enum class CharClass { Digit, Point, Sign, Mark, Blank, Other };

CharClass classOf(QChar c)
{
    if (isAsciiDigit(c))
        return CharClass::Digit;
    switch (c.unicode()) {
    case '.': return CharClass::Point;
    case '+': case '-': return CharClass::Sign;
    case 'e': case 'E': return CharClass::Mark;
    case ' ': return CharClass::Blank;
    default: return CharClass::Other;
    }
}

// From any of the states in `from`, reading a character of class `read`
// (backwards) leads to the states in `to`.
struct Step {
    unsigned from;
    CharClass read;
    unsigned to;
};
constexpr Step Steps[] = {
    {Start, CharClass::Digit, ExponentDigits | MantissaDigits}, {Start, CharClass::Point, PointOnly},
    {ExponentDigits, CharClass::Digit, ExponentDigits},         {ExponentDigits, CharClass::Sign, ExponentSign},
    {ExponentDigits | ExponentSign, CharClass::Mark, ExponentMark},
    {ExponentMark, CharClass::Digit, MantissaDigits},           {ExponentMark, CharClass::Point, PointOnly},
    {MantissaDigits, CharClass::Digit, MantissaDigits},         {MantissaDigits, CharClass::Point, PointAndDigits},
    {PointOnly | PointAndDigits, CharClass::Digit, PointAndDigits},
    {MantissaDigits | PointAndDigits, CharClass::Sign, Sign},   {MantissaDigits | PointAndDigits, CharClass::Blank, Blanks},
    {Sign | Blanks, CharClass::Blank, Blanks},
};

// The steps for every set of states, worked out once: a filter steps back
// over every character of long texts.
constexpr unsigned StateSets = 1u << 9;
constexpr std::size_t CharClasses = std::size_t(CharClass::Other) + 1;
constexpr auto StepTable = [] {
    std::array<std::array<std::uint16_t, StateSets>, CharClasses> table{};
    for (std::size_t read = 0; read < CharClasses; ++read)
        for (unsigned states = 0; states < StateSets; ++states)
            for (const Step& step : Steps)
                if ((states & step.from) && std::size_t(step.read) == read)
                    table[read][states] = std::uint16_t(table[read][states] | step.to);
    return table;
}();
static_assert(Blanks < StateSets);

unsigned stepBack(unsigned states, QChar c)
{
    return StepTable[std::size_t(classOf(c))][states];
}
} // namespace

std::optional<long double> readNumber(const QString& text)
{
    if (!hasNumberForm(text))
        return std::nullopt;
    return convertNumber(text);
}

std::optional<long long> readInteger(QStringView text, IntegerForm form)
{
    qsizetype i = 0;
    if (form == IntegerForm::Typed)
        while (i < text.size() && text[i] == u' ')
            ++i;
    std::string digits;
    const bool minus = i < text.size() && text[i] == u'-' && form != IntegerForm::Digits;
    if (minus || (i < text.size() && text[i] == u'+' && form == IntegerForm::Typed)) {
        if (minus)
            digits += '-';
        ++i;
    }
    const qsizetype firstDigit = i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        digits += char(text[i++].unicode());
    if (i == firstDigit || i != text.size())
        return std::nullopt;
    long long value = 0;
    auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc())
        return std::nullopt;
    return value;
}

std::optional<StrippedNumber> readNameStripped(const QString& text)
{
    // Dropping leading characters one at a time stops at the first tail of
    // number form, which is the longest one. Reading the text backwards once
    // finds it in time linear in the text's length.
    unsigned states = Start;
    qsizetype first = -1;
    for (qsizetype i = text.size() - 1; i >= 0 && states != 0; --i) {
        states = stepBack(states, text[i]);
        if (states & Complete)
            first = i;
    }
    if (first < 0)
        return std::nullopt;
    const auto value = convertNumber(QStringView(text).mid(first));
    if (!value)
        return std::nullopt;
    return StrippedNumber{*value, int(first)};
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
