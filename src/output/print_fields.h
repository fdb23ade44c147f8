#pragma once

#include "output/print_layout.h"

#include <QString>
#include <optional>

class MessageTable;

// The rules of the fields of the print preview and the range dialog, applied
// at every change of a field's text.

// The page field: digits only, at most three, so that every page of a full
// list (250 items, at least one a page) can be typed; empty gives "1", the
// value is kept between 1 and the page count.
inline constexpr int PageFieldLength = 3;
QString filterPageField(const QString& text, int pageCount);

// A margin field while typing: at most 10 characters; a character that is
// neither a digit nor the first point, a point after the fourth position, a
// third decimal or a fourth digit without point is removed; empty gives "1".
QString filterMarginField(const QString& text);

enum class MarginSide { Left, Top, Right, Bottom };

// The check when a margin field is left: below the printer minimum, or the
// pair of margins of its direction larger than the area of the last layout.
// Gives the message to show; the field then takes its minimum.
std::optional<QString> checkMargin(MarginSide side, const PrintMargins& margins, const PrintMargins& minimum,
                                   double areaWidthMm, double areaHeightMm, const MessageTable& messages);

// The "from" and "to" fields of the range dialog: digits only; empty gives
// "1" (and the field the focus); kept between 1 and the page count.
struct RangeField {
    QString text;
    bool wasEmpty = false;
};
RangeField filterRangeField(const QString& text, int pageCount);
// The copies field: digits only, empty or below 1 gives "1".
QString filterCopiesField(const QString& text);
