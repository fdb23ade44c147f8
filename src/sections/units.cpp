#include "sections/units.h"

namespace {
struct UnitRow {
    std::array<const char*, 3> texts;
    std::array<long double, 3> divisors;
};

const std::array<UnitRow, UnitGroupCount>& unitRows()
{
    static const std::array<UnitRow, UnitGroupCount> rows{{
        {{"[KN/m2]", "[N/cm2]", "[N/mm2]"}, {1.0L, 10.0L, 1000.0L}},
        {{"[Kg/m3]", "[Kg/cm3]", "[g/mm3]"}, {1.0L, 1000000.0L, 1000000.0L}},
        {{"[m2]", "[cm2]", "[mm2]"}, {1000000.0L, 100.0L, 1.0L}},
        {{"[m4]", "[cm4]", "[mm4]"}, {100000000.0L, 1.0L, 0.0001L}},
        {{"[m3]", "[cm3]", "[mm3]"}, {1000000.0L, 1.0L, 0.001L}},
        {{"[KN/m2]", "[KN/cm2]", "[N/mm2]"}, {0.001L, 10.0L, 1.0L}},
    }};
    return rows;
}

int clampColumn(int column)
{
    return column < 1 ? 1 : (column > 3 ? 3 : column);
}
} // namespace

UnitSettings::UnitSettings() : m_choices{1, 1, 2, 2, 2, 3, 3} {}

std::optional<UnitSettings> UnitSettings::fromDigits(const QString& digits)
{
    if (digits.size() != 7)
        return std::nullopt;
    UnitSettings units;
    for (int i = 0; i < 7; ++i) {
        // ASCII digits only: other scripts' digits are no unit choice.
        const char16_t c = digits[i].unicode();
        if (c < u'1' || c > u'3')
            return std::nullopt;
        units.m_choices[i] = c - u'0';
    }
    return units;
}

QString UnitSettings::digits() const
{
    QString text;
    for (int c : m_choices)
        text += QChar(u'0' + c);
    return text;
}

void UnitSettings::setChoice(UnitGroup group, int column)
{
    m_choices[static_cast<int>(group)] = clampColumn(column);
}

long double unitDivisor(UnitGroup group, int column)
{
    return unitRows()[static_cast<int>(group)].divisors[clampColumn(column) - 1];
}

long double unitDivisor(const UnitSettings& units, UnitGroup group)
{
    return unitDivisor(group, units.choice(group));
}

QString unitText(UnitGroup group, int column)
{
    // Built once: the panel asks for these on every line it writes.
    static const auto texts = [] {
        std::array<std::array<QString, 3>, UnitGroupCount> all;
        for (int g = 0; g < UnitGroupCount; ++g)
            for (int c = 0; c < 3; ++c)
                all[g][c] = QString::fromLatin1(unitRows()[g].texts[c]);
        return all;
    }();
    return texts[static_cast<int>(group)][clampColumn(column) - 1];
}

QString unitText(const UnitSettings& units, UnitGroup group)
{
    return unitText(group, units.choice(group));
}

long double unitFactor(UnitGroup group, int fromColumn, int toColumn)
{
    return unitDivisor(group, fromColumn) / unitDivisor(group, toColumn);
}
