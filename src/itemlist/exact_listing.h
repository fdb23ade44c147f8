#pragma once

#include "exact/exact_values.h"
#include "sections/units.h"

#include <vector>

// The exact values in the units chosen for listing, as the results panel and
// the list write theirs: the area in the area unit; the second moments and
// the torsion constant (Ix, Iy, Ixy, I1, I2, It) in the inertia unit; the
// section moduli and the torsion modulus in the modulus unit. The others keep
// their units (cm, cm6, degrees, mm, %).
std::vector<ExactValue> inListingUnits(std::vector<ExactValue> values, const UnitSettings& units);
