#include "itemlist/list_section.h"

#include "drawing/overlay.h"
#include "base/number_format.h"
#include "settings/message_table.h"

QString rotationSuffix(int angle, const MessageTable& m)
{
    return angle != 0 ? QLatin1Char(' ') + m(Msg::Rotate) + QString::number(angle) + m(Msg::DegreeSuffix) : QString();
}

DesignationOutcome sectionDesignation(SectionKind kind, const QStringList& fields, const QString& dataCaption,
                                      int angle, const MessageTable& m)
{
    DesignationOutcome out;
    const QString rotation = rotationSuffix(angle, m);
    const auto field = [&](int i) { return i < fields.size() ? fields[i] : QString(); };
    switch (kind) {
    case SectionKind::RectHollow: {
        const auto a = readInteger(field(0)), b = readInteger(field(1));
        const auto v = readNumber(field(2));
        if (!a || !b || !v || !(*a > 2 * *v && *b > 2 * *v)) {
            out.messages << m(Msg::WrongData);
            return out;
        }
        out.text = field(0) + QLatin1Char('x') + field(1) + QLatin1Char('x') + field(2) + QLatin1Char(' ') + m(Msg::RectangularHollowShort) +
                   rotation;
        break;
    }
    case SectionKind::CircHollow: out.text = m(Msg::PipeDiameter) + field(0) + QLatin1Char('x') + field(1); break;
    case SectionKind::RectSolid:
        if (!readNumber(field(0)) || !readNumber(field(1)))
            out.messages << m(Msg::WrongData);
        out.text = dataCaption + rotation;
        break;
    case SectionKind::CircSolid: out.text = m(Msg::CircularSolidDiameter) + field(0); break;
    case SectionKind::FlatBar:
        out.text = m(Msg::RibbonName) + QLatin1Char(' ') + field(0) + QLatin1Char('x') + field(1) + rotation;
        break;
    default: out.text = dataCaption + rotation; break;
    }
    return out;
}

WriteOutcome listSection(int r, const SectionListing& listing, const MessageTable& m)
{
    const DesignationOutcome name =
        sectionDesignation(listing.kind, listing.fields, listing.dataCaption, listing.angle, m);
    if (!name.text) {
        WriteOutcome refused;
        refused.refusal = name.messages.value(0);
        return refused;
    }
    WriteOutcome out = writeSectionRow(r, listing.material, listing.properties, listing.units, listing.angle, m);
    out.messages = name.messages + out.messages;
    if (!out.written)
        return out;
    out.row.cells[2] = *name.text;
    out.row.rowPicture = toSixteenColours(listing.overlay);
    return out;
}
