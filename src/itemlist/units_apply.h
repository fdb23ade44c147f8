#pragma once

#include "itemlist/item_list.h"
#include "sections/units.h"

#include <QString>
#include <QStringList>

class MessageTable;

// Re-expresses a list-box text by a factor: the number is read (whole text,
// or after dropping leading characters, whose prefix is kept), multiplied and
// written back after the prefix. A text without a number is kept.
enum class ListNumberStyle {
    Whole,   // rounded to a whole number (E modulus)
    Density, // a whole number above 1, else five decimals
};
QString reexpressListText(const QString& text, long double factor, ListNumberStyle style);

// A stress field's text in another unit: tensile x factor, pressure |p| x
// factor (its filter puts the minus back); two decimals from 0.01, else eight.
QString reexpressStress(const QString& text, long double factor, bool pressure);

// Rewrites columns 3 to 9 and 11 of every section row from itemValues in the
// given units; plate rows keep their texts.
void reexpressRows(ItemList& list, const UnitSettings& units);

// The grid's header captions for the units. Until units are first applied
// column 5 reads Area[cm2] over message 82 with "Kg/m"; from then on its
// lower line is message 170 with "[Kg/m]".
QStringList headerCaptions(const UnitSettings& units, const MessageTable& messages, bool unitsApplied = true);
