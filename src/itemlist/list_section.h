#pragma once

#include "itemlist/item_list.h"
#include "base/section_kind.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

class MessageTable;

// Column 2 of a listed section: the designation the tab gives its section.
struct DesignationOutcome {
    std::optional<QString> text; // empty when the listing is refused
    QStringList messages;        // message boxes shown on the way
};

// The designation of the section on a tab: typed rectangular hollow and pipe
// sizes, the flat bar's sizes, the circular solid's diameter, else the data
// box caption; turned sections get the rotation suffix. A rectangular hollow
// size whose walls do not fit is refused with message 1.
DesignationOutcome sectionDesignation(SectionKind kind, const QStringList& fields, const QString& dataCaption,
                                      int angle, const MessageTable& messages);

// The rotation suffix: " Rotate :" + angle + " deg." for a turned section.
QString rotationSuffix(int angle, const MessageTable& messages);

// What "To List" reads from a tab and the material bar.
struct SectionListing {
    SectionKind kind = SectionKind::RectHollow;
    QStringList fields;     // the tab's dimension field texts
    QString dataCaption;    // the data box caption
    int angle = 0;
    SectionProperties properties;
    QImage overlay;         // the tab's picture with its labels, as shown
    MaterialTexts material;
    UnitSettings units;
};

// "To List" for a computed section: the designation, then writeSectionRow,
// then the row's 16-colour picture. Refused listings write nothing.
WriteOutcome listSection(int r, const SectionListing& listing, const MessageTable& messages);
