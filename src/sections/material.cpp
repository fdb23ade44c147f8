#include "sections/material.h"

#include "base/number_format.h"

#include <cfloat>
#include <cmath>

const std::array<NamedMaterial, 8>& namedMaterials()
{
    static const std::array<NamedMaterial, 8> materials{{
        {"Steel", "210000000", "7850", "0.29"},
        {"Aluminium", "70000000", "2700", "0.33"},
        {"Copper", "115000000", "8850", "0.27"},
        {"Brass", "80000000", "8500", "0.27"},
        {"Bronze", "110000000", "8650", "0.35"},
        {"Concrete", "30000000", "2100", "0.16"},
        {"Glass", "55000000", "2600", "0.24"},
        {"Pinewood", "12000000", "500", "0.33"},
    }};
    return materials;
}

namespace {
template <typename Field>
QStringList items(Field field)
{
    QStringList list;
    for (const NamedMaterial& m : namedMaterials())
        list << QString::fromLatin1(m.name) + QStringLiteral(" : ") + QString::fromLatin1(m.*field);
    return list;
}
} // namespace

QStringList eModulusItems() { return items(&NamedMaterial::eModulus); }
QStringList densityItems() { return items(&NamedMaterial::density); }
QStringList poissonItems() { return items(&NamedMaterial::poisson); }

DensityReading readDensity(const QString& text, const UnitSettings& units)
{
    const auto read = readNameStripped(text);
    if (!read)
        return {};
    long double value = read->value;
    if (units.choice(UnitGroup::Density) != 1)
        value *= 1000000.0L;
    // A density beyond the range of a double cannot be shown: no number.
    if (std::fabs(value) > DBL_MAX)
        return {};
    return {value, true};
}
