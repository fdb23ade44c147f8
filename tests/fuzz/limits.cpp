// The requirement limits over any text: rows that parse hold valid pairs, a colour depends only on the
// value's place between the limits, and re-expressing in other units keeps every row's tick.
#include "fuzz_input.h"

#include "base/number_format.h"
#include "itemlist/requirement_limits.h"
#include "sections/units.h"
#include "settings/message_table.h"

#include <cmath>

FUZZ_TARGET(in)
{
    const auto filtered = [](const QString& limit) { return RequirementLimits::filterLimitText(limit) == limit; };
    const double raw = in.raw<double>();
    const double value = std::isnan(raw) ? 0 : raw;
    const QString digits = in.text(), text = in.text();
    const auto units = UnitSettings::fromDigits(digits);
    const auto unitDigit = [](QChar c) { return c >= u'1' && c <= u'3'; };
    FUZZ_CHECK(!units || (units->digits() == digits && std::all_of(digits.begin(), digits.end(), unitDigit)));
    RequirementLimits limits;
    QString error;
    const bool parsed = limits.parse(text, error);
    FUZZ_CHECK(parsed == error.isEmpty());
    const MessageTable& m = MessageTable::english();
    for (int i = 0; i < RequirementLimits::Rows; ++i) {
        const RequirementLimits::Row& row = limits.row(i);
        FUZZ_CHECK(filtered(row.min) && filtered(row.max));
        FUZZ_CHECK(!parsed || !row.ticked || limits.enabled(i));
        const PanelColour colour = limits.requirementColour(RequirementLimits::key(i, m), value, m);
        if (!limits.enabled(i) || !row.ticked) {
            FUZZ_CHECK(colour == PanelColour::Neutral);
            continue;
        }
        const long double min = *readNumber(row.min), max = *readNumber(row.max);
        FUZZ_CHECK(min >= 0 && min < max);
        FUZZ_CHECK(colour ==
                   (value < min ? PanelColour::Red : value <= max ? PanelColour::Green : PanelColour::Yellow));
    }
    if (units) {
        RequirementLimits turned = limits;
        turned.reexpress(UnitSettings{}, *units);
        for (int i = 0; i < RequirementLimits::Rows; ++i)
            FUZZ_CHECK(filtered(turned.row(i).min) && turned.row(i).ticked == limits.row(i).ticked);
    }
    limits.setMin(0, text);
    FUZZ_CHECK(filtered(limits.row(0).min));
}
