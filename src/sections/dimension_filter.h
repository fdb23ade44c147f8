#pragma once

#include <QString>

// The character filter of every dimension field: at most three digits before
// the point and two after it; an empty field is taken as "1". Corrections
// repeat until the text is clean, one offending character per pass.
inline constexpr int DimensionFieldMaxLength = 10;
QString filterDimensionText(const QString& text);
// Whether the filter put the stand-in "1" in place of an emptied text (the
// field then leaves it selected, so that typing replaces it).
bool dimensionStandIn(const QString& text);
