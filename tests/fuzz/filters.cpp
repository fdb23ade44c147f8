// The dimension, material and limit filters: what a filter leaves passes it unchanged, holds only what
// the field accepts, and equals removing the first refused character again and again.
#include "fuzz_input.h"

#include "base/number_format.h"
#include "itemlist/requirement_limits.h"
#include "sections/dimension_filter.h"
#include "sections/material.h"
#include "sections/material_filters.h"

#include <cmath>

static const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };

// The first character a decimal field refuses, or -1.
static int firstRefused(const QString& text, bool allowMinus)
{
    bool point = false;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('.') && !point)
            point = true;
        else if (!digit(text[i]) && !(allowMinus && i == 0 && text[i] == QLatin1Char('-')))
            return i;
    }
    return -1;
}

static QString oneAtATime(QString text)
{
    for (int bad; (bad = firstRefused(text, false)) >= 0;)
        text.remove(bad, 1);
    return text;
}

FUZZ_TARGET(in)
{
    const QString text = in.text();
    const QString dimension = filterDimensionText(text);
    FUZZ_CHECK(filterDimensionText(dimension) == dimension);
    FUZZ_CHECK(!dimension.isEmpty() && dimension.size() <= DimensionFieldMaxLength);
    FUZZ_CHECK(firstRefused(dimension, false) < 0);
    const auto value = readNumber(dimension);
    FUZZ_CHECK(dimension == QLatin1String(".") || !value || (*value >= 0 && *value < 1000));
    const QString limit = RequirementLimits::filterLimitText(text);
    FUZZ_CHECK(RequirementLimits::filterLimitText(limit) == limit && firstRefused(limit, false) < 0);
    if (text.size() <= 2000)
        FUZZ_CHECK(limit == oneAtATime(text));

    static const QStringList densities = densityItems(), poissons = poissonItems(), eModuli = eModulusItems();
    for (const FilterOutcome& out :
         {filterDensity(text, densities), filterPoisson(text, poissons), filterTensile(text)})
        FUZZ_CHECK(!out.text.isEmpty() && (out.text == text || keepDecimal(out.text) == out.text));
    const FilterOutcome density = filterDensity(text, densities);
    FUZZ_CHECK(filterDensity(density.text, densities).text == density.text);
    const FilterOutcome e = filterEModulus(text, eModuli);
    const FilterOutcome eAgain = filterEModulus(e.text, eModuli);
    FUZZ_CHECK(eAgain.text == e.text && eAgain.beeps == 0);
    if (!eModuli.contains(text))
        FUZZ_CHECK(std::all_of(e.text.begin(), e.text.end(), digit) && e.beeps <= text.size());
    const FilterOutcome pressure = filterPressure(text);
    FUZZ_CHECK(pressure.text.startsWith(QLatin1Char('-')) && filterPressure(pressure.text).text == pressure.text);
    FUZZ_CHECK(firstRefused(pressure.text, true) < 0);

    const DensityReading reading = readDensity(text, UnitSettings{});
    FUZZ_CHECK((reading.ok || reading.value == 0) && std::isfinite(reading.value));
}
