#pragma once

#include "itemlist/item_list.h"
#include "itemlist/plausibility.h"

#include <QImage>
#include <QString>

class MessageTable;

inline constexpr int PrivateDescriptionMaxLength = 40;
// The text fields that must all be filled before a private item is listed:
// the nine properties, the description and the two stresses.
inline constexpr int PrivateTextFieldCount = 12;

// What the private data window holds: the material boxes and stress fields as
// the main window's material bar, the description and the typed properties.
struct PrivateItemTexts {
    QString description;
    MaterialTexts material;
    PrivatePropertyTexts properties;

    // The nine property fields joined; a correction compares it with the
    // values it started from.
    QString currentValues() const;
    // How many of the twelve text fields are not empty.
    int filledFields() const;
    bool complete() const { return filledFields() == PrivateTextFieldCount; }
};

// The character filter of a property field: digits and at most one point,
// the first offending character removed until the text is clean.
QString filterPropertyText(const QString& text);

// The texts a correction of a listed row starts from: the two parts of the
// pair cells (split at the first "&", blanks removed), the description, the
// material texts and the area. Material lists are left empty.
PrivateItemTexts correctionTexts(const ListRow& row);
// The starting values of that correction: the parts of columns 6 to 9
// followed by column 5, as currentValues() of the prefilled window reads.
QString correctionStartValues(const ListRow& row);

// The two parts of a two-line cell, blanks removed.
std::pair<QString, QString> splitPairCell(const QString& cell);

// The preview of the typed item: the four extreme-fibre distances that can
// be computed from the typed inertias and moduli.
QImage privatePreview(const PrivatePropertyTexts& typed, const UnitSettings& units);

// "To List" of a private item, after the plausibility check: the same checks,
// formats and stores as writeSectionRow, with the typed properties stored in
// base units, column 1 "10" (or keptMark when given), the description in
// column 2 and the preview as the row's 16-colour picture. A property text
// that does not read as a number refuses the item with message 1.
WriteOutcome writePrivateRow(int r, const PrivateItemTexts& texts, const UnitSettings& units, const QImage& preview,
                             const MessageTable& messages, const QString& keptMark = QString());
