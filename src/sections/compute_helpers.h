#pragma once

#include "sections/section_constants.h"
#include "sections/tab_result.h"

#include <QStringList>

#include <span>

// Reads a decimal number; a text that does not read adds "Error wrong data !"
// to the result's messages and gives 0, and the computation goes on.
long double readDecimalOrReport(const QString& text, TabResult& result, const ComputeContext& ctx);
// The same for whole numbers.
long double readWholeOrReport(const QString& text, TabResult& result, const ComputeContext& ctx);

// The weight per metre (kg/m) of a section of the given area, from the
// density box. A density that does not read, or whose weight for this area
// cannot be shown (it is beyond the range of a double), adds "Error wrong
// data !" and gives 0. The weight is kept in the result as well.
long double weightOrReport(long double areaMm2, TabResult& result, const ComputeContext& ctx);

// The catalogue entry split at each "x" (at least three pieces, the later
// ones empty when the text has fewer "x").
QStringList splitEntry(const QString& entry);
// All pieces, however many "x" the text has.
QStringList splitAllPieces(const QString& text);

// Iy' and Ix, Iy of a section whose own axes carry Ix0, Iy0 and no product
// moment, turned by phi degrees.
struct RotatedInertia {
    long double ix = 0;
    long double iy = 0;
};
RotatedInertia rotateInertia(long double ix0, long double iy0, long double phiDegrees);

// A corner of an outline about its centroid: its distance and its polar
// angle in degrees.
struct PolarCorner {
    long double radius = 0;
    long double angleDegrees = 0;
};
// Largest and smallest coordinates of the corners once the outline is turned
// by angleDegrees: the distances of the extreme fibres from the axes.
struct TurnedExtremes {
    long double yMax = -1e300L, yMin = 1e300L, xMax = -1e300L, xMin = 1e300L;
};
TurnedExtremes turnedExtremes(std::span<const PolarCorner> corners, long double angleDegrees);
// Ix, Iy (cm4) and the four section moduli (cm3) of a doubly symmetric
// section whose own axes carry ix0, iy0 (cm4), turned by angleDegrees, its
// extreme fibres at ex (mm).
void setTurnedBending(SectionProperties& p, long double ix0, long double iy0, long double angleDegrees,
                      const TurnedExtremes& ex);

// Two decimals, right-aligned in six characters, then " Kg/m".
QString weightText6(long double weight);
// Two decimals then a unit text.
QString weightText(long double weight, const QString& unit);

// Whether a value is finite and within the range of a double, so that every
// output (panel, list, JSON) can show it.
bool showable(long double value);
// Whether every value is showable: a computation whose arithmetic failed ends
// silently instead of storing infinities.
bool allShowable(const SectionProperties& p);

// The text after the first colon (the whole text when it has none).
QString afterFirstColon(const QString& text);

// "Custom-designed section" in the active language.
bool isCustomEntry(const QString& entry, const ComputeContext& ctx);
