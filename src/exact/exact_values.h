#pragma once

#include "exact/exact_properties.h"
#include "sections/section_properties.h"

#include <QString>
#include <QStringList>
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
// A value that is not defined for the section (Kt, and KxxDifference with
// it, at sharp inner corners) is NaN; exactNotes says why.
std::vector<ExactValue> exactValues(const ExactProperties& exact,
                                    const std::optional<SectionProperties>& panel = std::nullopt);
// What the values leave out, one sentence each: "Kt is not defined for sharp
// inner corners."
QStringList exactNotes(const ExactProperties& exact);
