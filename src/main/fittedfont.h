#pragma once

#include <QFont>
#include <QStringList>

// The largest font, not above `base` (in pixels) and not below `minPixels`,
// in which every line fits `width` pixels; `minPixels` when none does.
QFont fittedFont(const QFont& base, const QStringList& lines, int width, int minPixels);
