#pragma once

#include "exact/exact_properties.h"
#include "sections/section_properties.h"

#include <QString>
#include <optional>
#include <vector>

// One exact value as users read it: its name, its unit and the number in
// that unit (the panel's base units: mm2, cm4, cm3, cm, cm6, degrees, mm, %).
struct ExactValue {
    QString name;
    QString unit;
    double value = 0;
};

// The exact properties in the order and units that morvane-cli and the
// "Exact properties" window show them. With the panel's values of the same
// section, IxxDifference and KxxDifference close the list: the percentage by
// which the panel's table values Ixx and Kxx differ from It and Kt.
std::vector<ExactValue> exactValues(const ExactProperties& exact,
                                    const std::optional<SectionProperties>& panel = std::nullopt);
