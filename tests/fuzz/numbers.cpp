// The number readers and writers: any text reads as a finite value within a double's range or not at all,
// the name-stripping reader agrees with dropping characters one at a time, and a written value reads back.
#include "fuzz_input.h"

#include "base/number_format.h"

#include <cfloat>
#include <charconv>
#include <cmath>

static void checkText(const QString& text)
{
    const auto number = readNumber(text);
    const auto stripped = readNameStripped(text);
    if (number)
        FUZZ_CHECK(std::isfinite(*number) && std::fabs(*number) <= DBL_MAX && hasNumberForm(text) && stripped &&
                   stripped->prefixLength == 0 && stripped->value == *number);
    if (stripped) {
        FUZZ_CHECK(stripped->prefixLength >= 0 && stripped->prefixLength <= text.size());
        const auto tail = readNumber(text.mid(stripped->prefixLength));
        FUZZ_CHECK(tail && *tail == stripped->value);
    }
    if (text.size() <= 300) { // the first tail of number form decides
        int first = 0;
        while (first <= text.size() && !hasNumberForm(QStringView(text).mid(first)))
            ++first;
        const bool reads = first <= text.size() && readNumber(text.mid(first)).has_value();
        FUZZ_CHECK(reads == stripped.has_value() && (!stripped || stripped->prefixLength == first));
    }
    if (const auto whole = readInteger(text))
        FUZZ_CHECK(number && *number == static_cast<long double>(*whole));
}

static void checkWriting(long double value, int decimals)
{
    if (!std::isfinite(value) || std::fabs(value) > DBL_MAX)
        return;
    // The shortest text that gives the value back, as the command line writes it.
    char buffer[128];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    FUZZ_CHECK(r.ec == std::errc());
    const auto back = readNumber(QString::fromLatin1(buffer, qsizetype(r.ptr - buffer)));
    FUZZ_CHECK(back ? *back == value : value != 0 && std::fabs(value) < LDBL_MIN);
    // Fixed notation: read back within half a unit of the last decimal.
    const QString fixed = formatFixed(value, decimals);
    FUZZ_CHECK(!fixed.isEmpty());
    FUZZ_CHECK(std::all_of(fixed.begin(), fixed.end(), [](QChar c) { return c.isDigit() || c == u'.' || c == u'-'; }));
    const auto read = readNumber(fixed);
    const long double half = 0.5L * std::pow(10.0L, -decimals);
    FUZZ_CHECK(read ? std::fabs(*read - value) <= half * 1.000001L + std::fabs(value) * 1e-18L
                    : std::fabs(value) > 1e308L);
    const QString padded = formatFixed(value, decimals, 40);
    FUZZ_CHECK(padded.trimmed() == fixed && padded.size() == std::max<qsizetype>(40, fixed.size()));
    FUZZ_CHECK(!formatPanelValue(value, decimals % 2 == 0).isEmpty());
}

// The ten bytes of an extended value, its explicit integer bit set as in every value arithmetic gives.
static long double extended(FuzzInput& in)
{
    std::uint8_t bytes[sizeof(long double)] = {};
    for (std::size_t i = 0; i < 10 && i < sizeof bytes; ++i)
        bytes[i] = in.byte();
    const bool zeroExponent = bytes[8] == 0 && (bytes[9] & 0x7f) == 0;
    bytes[7] = zeroExponent ? (bytes[7] & 0x7f) : (bytes[7] | 0x80);
    long double value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

FUZZ_TARGET(in)
{
    const std::uint8_t mode = in.byte() % 3;
    if (mode == 0)
        return checkText(in.text());
    const int decimals = in.byte() % 21;
    checkWriting(mode == 1 ? static_cast<long double>(in.raw<double>()) : extended(in), decimals);
}
