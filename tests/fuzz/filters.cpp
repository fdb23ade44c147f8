// The dimension, material and limit filters: what a filter leaves passes the
// same filter unchanged, holds only what the field accepts, and equals
// removing the first offending character again and again.
#include "fuzz_input.h"

#include "itemlist/requirement_limits.h"
#include "sections/dimension_filter.h"
#include "sections/material.h"
#include "sections/material_filters.h"
#include "base/number_format.h"

#include <cmath>

namespace {
bool asciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// The field's own way: remove the first offending character, look again.
QString oneAtATime(QString text)
{
    for (;;) {
        bool point = false;
        int bad = -1;
        for (int i = 0; i < text.size() && bad < 0; ++i) {
            if (text[i] == QLatin1Char('.') && !point)
                point = true;
            else if (!asciiDigit(text[i]))
                bad = i;
        }
        if (bad < 0)
            return text;
        text.remove(bad, 1);
    }
}

void checkDecimal(const QString& kept, bool allowMinus)
{
    int points = 0;
    for (int i = 0; i < kept.size(); ++i) {
        const QChar c = kept[i];
        if (c == QLatin1Char('.'))
            ++points;
        else
            FUZZ_CHECK(asciiDigit(c) || (allowMinus && i == 0 && c == QLatin1Char('-')));
    }
    FUZZ_CHECK(points <= 1);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const QString text = in.text();

    const QString dimension = filterDimensionText(text);
    FUZZ_CHECK(filterDimensionText(dimension) == dimension);
    FUZZ_CHECK(!dimension.isEmpty() && dimension.size() <= DimensionFieldMaxLength);
    checkDecimal(dimension, false);
    if (dimension != QLatin1String(".")) {
        const auto value = readNumber(dimension);
        FUZZ_CHECK(!value || (*value >= 0 && *value < 1000));
    }

    const QString limit = RequirementLimits::filterLimitText(text);
    FUZZ_CHECK(RequirementLimits::filterLimitText(limit) == limit);
    checkDecimal(limit, false);
    if (text.size() <= 2000)
        FUZZ_CHECK(limit == oneAtATime(text));

    static const QStringList densities = densityItems();
    static const QStringList poissons = poissonItems();
    static const QStringList eModuli = eModulusItems();
    for (const FilterOutcome& out : {filterDensity(text, densities), filterPoisson(text, poissons),
                                     filterTensile(text)}) {
        FUZZ_CHECK(!out.text.isEmpty());
        FUZZ_CHECK(out.text == text || keepDecimal(out.text) == out.text);
    }
    const FilterOutcome density = filterDensity(text, densities);
    FUZZ_CHECK(filterDensity(density.text, densities).text == density.text);

    const FilterOutcome e = filterEModulus(text, eModuli);
    FUZZ_CHECK(filterEModulus(e.text, eModuli).text == e.text);
    FUZZ_CHECK(filterEModulus(e.text, eModuli).beeps == 0);
    if (!eModuli.contains(text)) {
        for (QChar c : e.text)
            FUZZ_CHECK(asciiDigit(c));
        FUZZ_CHECK(e.beeps <= text.size());
    }

    const FilterOutcome pressure = filterPressure(text);
    FUZZ_CHECK(pressure.text.startsWith(QLatin1Char('-')));
    FUZZ_CHECK(filterPressure(pressure.text).text == pressure.text);
    checkDecimal(pressure.text, true);

    // Whatever the density box holds reads as a finite density or not at all.
    const DensityReading reading = readDensity(text, UnitSettings{});
    FUZZ_CHECK(reading.ok || reading.value == 0);
    FUZZ_CHECK(std::isfinite(reading.value));
    return 0;
}
