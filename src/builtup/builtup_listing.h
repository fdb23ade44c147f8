#pragma once

// What the built-up section window and `morvane-cli` show and list: the
// values in the units for listing, the picture, and the private row that
// "To List" writes.

#include "builtup/builtup.h"
#include "itemlist/private_item.h"
#include "sections/units.h"

#include <QColor>
#include <QImage>
#include <QSize>

#include <vector>

// One shown value: its label, the number in the listing unit and the unit.
struct BuiltUpValue {
    QString label;
    double value = 0;
    QString unit;
};
// A, G (kg/m with the density in kg/m3), Ix, Iy, Ixy, I1, I2, the angle,
// the four elastic moduli, Wpl about both axes, It, Iw, Kt, the shear centre
// and the centroid, in the listing units (Iw in the inertia unit's length to
// the sixth, positions in mm).
std::vector<BuiltUpValue> builtUpValues(const ExactProperties& e, const UnitSettings& units, double density);
// The value as the window writes it: fixed, with the decimals the list uses
// (two, or ten below 0.01), "." as decimal point.
QString builtUpValueText(double value);

// The colour each part is outlined in; colours of the sixteen-colour
// palette, so that the row's picture keeps them.
QColor partColour(int part);
// The section outline filled, each part outlined in its own colour (the
// selected one thicker), the centroid with the principal axes, the shear
// centre and the lines of the extreme fibres. A result without values shows
// only the parts.
QImage builtUpPicture(const BuiltUpResult& result, QSize size, int selectedPart = -1);

// The private data window's texts for the computed section: the name as the
// description (at most 40 characters), the material as given, and the nine
// properties in the listing units with enough digits to keep them.
PrivateItemTexts builtUpItemTexts(const QString& name, const ExactProperties& e, const MaterialTexts& material,
                                  const UnitSettings& units);
