#pragma once

#include "sections/units.h"

#include <QString>
#include <QStringList>

// The material bar's named materials, in list order.
struct NamedMaterial {
    const char* name;
    const char* eModulus; // KN/m2
    const char* density;  // Kg/m3
    const char* poisson;
};
const std::array<NamedMaterial, 8>& namedMaterials();

// "Steel : 210000000", ... as the three list boxes show them at start.
QStringList eModulusItems();
QStringList densityItems();
QStringList poissonItems();

// The density in kg/m3 read from the density box's text. A text with no
// numeric tail, or whose value in kg/m3 is beyond the range of a double,
// gives 0 and ok = false (the caller shows "Error wrong data !").
struct DensityReading {
    long double value = 0;
    bool ok = false;
};
DensityReading readDensity(const QString& text, const UnitSettings& units);

// The weight per metre in kg/m of an area in mm2.
inline long double weightPerMetre(long double density, long double areaMm2)
{
    return density * areaMm2 / 1000000.0L;
}
