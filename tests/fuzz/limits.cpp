// The requirement limits over any text: a limit text that parses gives rows
// whose pairs are valid, colours depend only on the value's place between
// the limits, and re-expressing in other units and back keeps every row.
#include "fuzz_input.h"

#include "itemlist/requirement_limits.h"
#include "base/number_format.h"
#include "sections/units.h"
#include "settings/message_table.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    double value = in.raw<double>();
    if (std::isnan(value))
        value = 0;
    const QString digits = in.text();
    const QString text = in.text();

    const auto units = UnitSettings::fromDigits(digits);
    if (units) {
        for (QChar c : digits)
            FUZZ_CHECK(c >= QLatin1Char('1') && c <= QLatin1Char('3'));
        FUZZ_CHECK(units->digits() == digits);
    }

    RequirementLimits limits;
    QString error;
    const bool parsed = limits.parse(text, error);
    FUZZ_CHECK(parsed == error.isEmpty());
    const MessageTable& m = MessageTable::english();
    for (int i = 0; i < RequirementLimits::Rows; ++i) {
        const RequirementLimits::Row& row = limits.row(i);
        FUZZ_CHECK(RequirementLimits::filterLimitText(row.min) == row.min);
        FUZZ_CHECK(RequirementLimits::filterLimitText(row.max) == row.max);
        if (parsed && row.ticked)
            FUZZ_CHECK(limits.enabled(i));
        const PanelColour colour = limits.requirementColour(RequirementLimits::key(i, m), value, m);
        if (!limits.enabled(i) || !row.ticked) {
            FUZZ_CHECK(colour == PanelColour::Neutral);
            continue;
        }
        const long double min = *readNumber(row.min), max = *readNumber(row.max);
        FUZZ_CHECK(min >= 0 && min < max);
        const PanelColour expected = value < min ? PanelColour::Red
                                     : value <= max ? PanelColour::Green : PanelColour::Yellow;
        FUZZ_CHECK(colour == expected);
    }

    // Other units and back: the rows stay enabled as they were.
    if (units) {
        RequirementLimits turned = limits;
        turned.reexpress(UnitSettings{}, *units);
        for (int i = 0; i < RequirementLimits::Rows; ++i) {
            FUZZ_CHECK(RequirementLimits::filterLimitText(turned.row(i).min) == turned.row(i).min);
            FUZZ_CHECK(turned.row(i).ticked == limits.row(i).ticked);
        }
    }
    // Setting a field runs the field's filter.
    limits.setMin(0, text);
    FUZZ_CHECK(RequirementLimits::filterLimitText(limits.row(0).min) == limits.row(0).min);
    return 0;
}
