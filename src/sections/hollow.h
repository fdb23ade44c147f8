#pragma once

#include "sections/tab_result.h"

// Rectangular hollow tab: a catalogue row of the tree ("40x20x3", a group row
// "40x20", or "Custom-designed section", which starts the typed dimensions
// at 20 x 20 x 1).
TabResult rectHollowEntry(const QString& entry, const ComputeContext& ctx);
// Typed dimensions a (width), b (height), v (wall), as the fields hold them.
TabResult rectHollowCustom(const QString& a, const QString& b, const QString& v, const ComputeContext& ctx);

// Circular hollow tab: a catalogue row ("1/2\" pipe diameter:21,3x2,6"), a
// group row, or "Custom-designed section" (22 x 2).
TabResult pipeEntry(const QString& entry, const ComputeContext& ctx);
// Typed diameter and wall; diameterChanged tells which field changed, since
// the two fields check validity slightly differently.
TabResult pipeCustom(const QString& d, const QString& v, bool diameterChanged, const ComputeContext& ctx);

// The bare formulas, dimensions in mm, angle in degrees.
SectionProperties rectHollowProperties(long double a, long double b, long double v, long double angle);
SectionProperties pipeProperties(long double d, long double v);
