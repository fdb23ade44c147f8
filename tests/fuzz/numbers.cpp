// The number readers and writers: any text reads as a finite value within the
// range of a double or not at all, the name-stripping reader agrees with
// dropping characters one at a time, and a written value reads back.
#include "fuzz_input.h"

#include "base/number_format.h"

#include <cfloat>
#include <charconv>
#include <cmath>

namespace {
void checkText(const QString& text)
{
    const auto number = readNumber(text);
    if (number) {
        FUZZ_CHECK(std::isfinite(*number) && std::fabs(*number) <= DBL_MAX);
        FUZZ_CHECK(hasNumberForm(text));
    }
    const auto stripped = readNameStripped(text);
    if (number) {
        FUZZ_CHECK(stripped && stripped->prefixLength == 0 && stripped->value == *number);
    }
    if (stripped) {
        FUZZ_CHECK(stripped->prefixLength >= 0 && stripped->prefixLength <= text.size());
        const auto tail = readNumber(text.mid(stripped->prefixLength));
        FUZZ_CHECK(tail && *tail == stripped->value);
    }
    if (text.size() <= 300) {
        // The first tail of number form decides.
        int first = -1;
        for (int drop = 0; drop <= text.size() && first < 0; ++drop)
            if (hasNumberForm(QStringView(text).mid(drop)))
                first = drop;
        const bool reads = first >= 0 && readNumber(text.mid(first)).has_value();
        FUZZ_CHECK(reads == stripped.has_value());
        if (stripped)
            FUZZ_CHECK(stripped->prefixLength == first);
    }
    if (const auto whole = readInteger(text))
        FUZZ_CHECK(number && *number == static_cast<long double>(*whole));
}

void checkWriting(long double value, int decimals)
{
    if (!std::isfinite(value) || std::fabs(value) > DBL_MAX)
        return;
    // The shortest text that gives the value back, as the command line writes it.
    char buffer[128];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    FUZZ_CHECK(r.ec == std::errc());
    const auto back = readNumber(QString::fromLatin1(buffer, qsizetype(r.ptr - buffer)));
    FUZZ_CHECK(back.has_value() || (value != 0 && std::fabs(value) < LDBL_MIN));
    if (back)
        FUZZ_CHECK(*back == value);

    // Fixed notation: every finite value whole, read back within half a unit
    // of the last decimal.
    const QString fixed = formatFixed(value, decimals);
    FUZZ_CHECK(!fixed.isEmpty());
    for (QChar c : fixed)
        FUZZ_CHECK(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-'));
    const auto read = readNumber(fixed);
    FUZZ_CHECK(read.has_value() || std::fabs(value) > 1e308L);
    if (read) {
        const long double half = 0.5L * std::pow(10.0L, -decimals);
        FUZZ_CHECK(std::fabs(*read - value) <= half * 1.000001L + std::fabs(value) * 1e-18L);
    }
    const QString padded = formatFixed(value, decimals, 40);
    FUZZ_CHECK(padded.trimmed() == fixed);
    FUZZ_CHECK(padded.size() == std::max<qsizetype>(40, fixed.size()));
    FUZZ_CHECK(!formatPanelValue(value, decimals % 2 == 0).isEmpty());
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::uint8_t mode = in.byte();
    if (mode % 3 == 0) {
        checkText(in.text());
    } else if (mode % 3 == 1) {
        const int decimals = in.byte() % 21;
        checkWriting(static_cast<long double>(in.raw<double>()), decimals);
    } else {
        const int decimals = in.byte() % 21;
        long double value = 0;
        // The ten bytes of an extended value, the rest of the object zero.
        std::uint8_t bytes[sizeof(long double)] = {};
        for (std::size_t i = 0; i < 10 && i < sizeof bytes; ++i)
            bytes[i] = in.byte();
        // The explicit integer bit follows the exponent, as in every value
        // arithmetic produces.
        const bool zeroExponent = bytes[8] == 0 && (bytes[9] & 0x7f) == 0;
        bytes[7] = zeroExponent ? (bytes[7] & 0x7f) : (bytes[7] | 0x80);
        std::memcpy(&value, bytes, sizeof value);
        checkWriting(value, decimals);
    }
    return 0;
}
