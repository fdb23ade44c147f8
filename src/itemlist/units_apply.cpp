#include "itemlist/units_apply.h"

#include "base/number_format.h"
#include "settings/message_table.h"

#include <cmath>

QString reexpressListText(const QString& text, long double factor, ListNumberStyle style)
{
    const auto read = readNameStripped(text);
    if (!read)
        return text;
    const long double v = read->value * factor;
    QString number;
    if (style == ListNumberStyle::Whole || v > 1)
        number = formatFixed(v, 0);
    else
        number = formatFixed(v, 5, 3).trimmed();
    // The kept prefix includes the blanks in front of the number.
    int keep = read->prefixLength;
    while (keep < text.size() && text[keep] == QLatin1Char(' '))
        ++keep;
    return text.left(keep) + number;
}

QString reexpressStress(const QString& text, long double factor, bool pressure)
{
    const long double v = readNumber(text).value_or(0);
    const long double shown = (pressure ? std::fabs(v) : v) * factor;
    const QString number = formatStress(shown);
    return pressure ? QLatin1Char('-') + number : number;
}

void reexpressRows(ItemList& list, const UnitSettings& units)
{
    const auto shown = [&](long double v, UnitGroup g) { return v / unitDivisor(units, g); };
    const auto two = [&](long double v, UnitGroup g) { return formatTwoOrTen(shown(v, g)); };
    const QString join = QStringLiteral("&  ");
    for (int r = 1; r <= list.count(); ++r) {
        ListRow& row = list.row(r);
        if (row.isPlate)
            continue;
        const auto& v = row.itemValues;
        row.cells[3] = formatFixed(shown(v[0], UnitGroup::EModulus), 0);
        row.cells[4] = densityCell(shown(v[1], UnitGroup::Density));
        row.cells[5] = areaCell(shown(v[2], UnitGroup::Area));
        row.cells[6] = two(v[3], UnitGroup::Inertia) + join + two(v[4], UnitGroup::Inertia);
        row.cells[7] = two(v[5], UnitGroup::Modulus) + join + two(v[6], UnitGroup::Modulus);
        row.cells[8] = two(v[7], UnitGroup::Modulus) + join + two(v[8], UnitGroup::Modulus);
        row.cells[9] = two(v[9], UnitGroup::Inertia) + join + two(v[10], UnitGroup::Modulus);
        // The same format as the stress fields the values were typed in.
        row.cells[11] = formatStress(shown(v[11], UnitGroup::Stress)) + join +
                        formatStress(shown(v[12], UnitGroup::Stress));
    }
}

QStringList headerCaptions(const UnitSettings& u, const MessageTable& m, bool unitsApplied)
{
    const QString weight = unitsApplied ? m(Msg::WeightCaption) + QStringLiteral("[Kg/m]") : m(Msg::Weight) + QStringLiteral("Kg/m");
    const QString cr = QStringLiteral("\n");
    const QString inertia = unitText(u, UnitGroup::Inertia);
    const QString modulus = unitText(u, UnitGroup::Modulus);
    return {
        m(Msg::Item),
        m(Msg::Designation),
        m(Msg::Material),
        m(Msg::EModulus) + cr + unitText(u, UnitGroup::EModulus),
        m(Msg::Density) + cr + unitText(u, UnitGroup::Density),
        m(Msg::Area) + unitText(u, UnitGroup::Area) + cr + weight,
        m(Msg::MomentOfInertia) + cr + QStringLiteral("Ix ") + inertia + cr + QStringLiteral("Iy ") + inertia,
        m(Msg::SectionModulus) + cr + m(Msg::KxAbove) + QLatin1Char(' ') + modulus + cr + m(Msg::KxUnder) + QLatin1Char(' ') + modulus,
        m(Msg::SectionModulus) + cr + m(Msg::KyLeft) + QLatin1Char(' ') + modulus + cr + m(Msg::KyRight) + QLatin1Char(' ') + modulus,
        m(Msg::TorsionInertia) + cr + QStringLiteral("Ixx ") + inertia + cr + QStringLiteral("Kxx ") + modulus,
        m(Msg::Poisson),
        m(Msg::MaxTensile) + cr + m(Msg::MinPressure) + cr + unitText(u, UnitGroup::Stress),
    };
}
