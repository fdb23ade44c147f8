#include "itemlist/exact_listing.h"

#include <QStringList>
#include <optional>

namespace {
std::optional<UnitGroup> listingGroup(const QString& name)
{
    static const QStringList inertias = {"Ix", "Iy", "Ixy", "I1", "I2", "It"};
    static const QStringList moduli = {"WelXAbove", "WelXUnder", "WelYLeft", "WelYRight", "WplX", "WplY", "Kt"};
    if (name == QLatin1String("A"))
        return UnitGroup::Area;
    if (inertias.contains(name))
        return UnitGroup::Inertia;
    if (moduli.contains(name))
        return UnitGroup::Modulus;
    return std::nullopt;
}
} // namespace

std::vector<ExactValue> inListingUnits(std::vector<ExactValue> values, const UnitSettings& units)
{
    // The exact values come in mm2, cm4 and cm3; the listing divisors take
    // numbers stored in mm2, cm4 and cm3 to the chosen unit.
    for (ExactValue& v : values) {
        const auto group = listingGroup(v.name);
        if (!group)
            continue;
        v.value = double(v.value / unitDivisor(units, *group));
        QString unit = unitText(units, *group);
        v.unit = unit.mid(1, unit.size() - 2); // without the brackets
    }
    return values;
}
