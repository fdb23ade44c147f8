#pragma once

#include "sections/units.h"

#include <QString>
#include <array>
#include <optional>

class MessageTable;

// The nine typed properties of a private item, as the fields hold them, in
// the units chosen for listing.
enum class PrivateProperty { Ix, Iy, KxAbove, KxUnder, KyLeft, KyRight, Ixx, Kxx, Area };
inline constexpr int PrivatePropertyCount = 9;
using PrivatePropertyTexts = std::array<QString, PrivatePropertyCount>;

// The unit group a typed property is written in.
UnitGroup propertyGroup(PrivateProperty property);

// Distances from the centre of gravity to the extreme fibres, in mm:
// e = I / K x 10 with I in cm4 and K in cm3; a distance whose modulus is not
// greater than 0 (or does not read) is 0 and counts as unknown.
struct ExtremeFibreDistances {
    long double above = 0, under = 0, left = 0, right = 0;
    bool aboveKnown = false, underKnown = false, leftKnown = false, rightKnown = false;
    long double height() const { return above + under; }
    long double width() const { return left + right; }
};
ExtremeFibreDistances extremeFibreDistances(const PrivatePropertyTexts& typed, const UnitSettings& units);

// The full W x H rectangle's values in the chosen units; a typed item cannot
// exceed them.
struct RectangleMaxima {
    long double ix = 0, iy = 0, ixx = 0, kxx = 0, area = 0;
};
RectangleMaxima rectangleMaxima(long double widthMm, long double heightMm, const UnitSettings& units);

// The plausibility check of a private item. Nothing is compared unless Ix and
// Iy are both greater than 0; then one line each for Ix, Iy, Ixx, Kxx and the
// area, and message 186 in front when a line is an error.
struct PlausibilityResult {
    bool plausible = true;
    QString report;
    bool compared = false;
    ExtremeFibreDistances distances;
    RectangleMaxima maxima;
};
PlausibilityResult checkPlausibility(const PrivatePropertyTexts& typed, const UnitSettings& units,
                                     const MessageTable& messages);
