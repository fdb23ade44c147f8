#pragma once

#include "sections/tab_result.h"

// Rectangular solid tab: "R.S. section :5x5", or the custom entry (10 x 10).
TabResult rectSolidEntry(const QString& entry, const ComputeContext& ctx);
TabResult rectSolidCustom(const QString& a, const QString& b, const ComputeContext& ctx);

// Flat bar tab: "R. section 10x3", a group "Ribbon section 10x...", or the
// custom entry (20 x 5).
TabResult flatBarEntry(const QString& entry, const ComputeContext& ctx);
TabResult flatBarCustom(const QString& a, const QString& b, const ComputeContext& ctx);

// Circular solid tab: "Circ.solid section diameter:20", or the custom entry (20).
TabResult circSolidEntry(const QString& entry, const ComputeContext& ctx);
// The diameter field's change; it always computes.
TabResult circSolidCustom(const QString& d, const ComputeContext& ctx);

// Full rectangle a (width) by b (height) in mm turned by angle degrees, with
// the stepped torsion table.
SectionProperties rectangleProperties(long double a, long double b, long double angle);
SectionProperties circularBarProperties(long double d);

// Torsion constant (mm4) and modulus (mm3) of a full rectangle.
struct RectangleTorsion {
    long double ixx = 0;
    long double kxx = 0;
};
RectangleTorsion rectangleTorsion(long double a, long double b);
