#include "catalogue/menu_language.h"

#include "settings/message_table.h"

namespace {
QString without(QString text, const QString& characters)
{
    for (QChar c : characters)
        text.remove(c);
    return text;
}

const QString Blank = QStringLiteral(" ");
} // namespace

QString customEntryText(const MessageTable& messages)
{
    return messages(Msg::CustomSection);
}

QString rectSolidEntryText(const QString& old, const MessageTable& messages)
{
    const qsizetype colon = old.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return old;
    return without(messages(Msg::RectangularSolidName), QStringLiteral(":")) + Blank + old.mid(colon);
}

QString circSolidEntryText(const QString& old, const MessageTable& messages)
{
    const qsizetype colon = old.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return old;
    return without(messages(Msg::CircularSolidShort), QStringLiteral(":")) + Blank + old.mid(colon);
}

QString circHollowEntryText(const QString& old, const MessageTable& messages)
{
    const qsizetype inch = old.indexOf(QLatin1Char('"'));
    const qsizetype colon = old.indexOf(QLatin1Char(':'), inch + 1);
    if (inch < 0 || colon < 0)
        return old;
    return old.left(inch + 1) + Blank + messages(Msg::PipeDiameter) + old.mid(colon + 1);
}

QString sizeAfterName(const QString& old)
{
    const qsizetype x = old.indexOf(QLatin1Char('x'));
    if (x < 0)
        return old;
    // The size starts with the number in front of the "x"; a name that ends in
    // a digit cannot occur, the names put in front carry none.
    qsizetype start = x;
    while (start > 0) {
        const QChar c = old[start - 1];
        if (!c.isDigit() && c != QLatin1Char('.') && c != QLatin1Char(','))
            break;
        --start;
    }
    return without(old.mid(start), Blank);
}

QString flatBarEntryText(const QString& old, const MessageTable& messages)
{
    if (!old.contains(QLatin1Char('x')))
        return old;
    return without(messages(Msg::RibbonSection), QStringLiteral("x")) + Blank + sizeAfterName(old);
}

QString lHeadingText(int heading, const MessageTable& messages)
{
    return messages(heading == 0 ? 156 : 157);
}

QString lSizeEntryText(const QString& old, const MessageTable& messages)
{
    if (!old.contains(QLatin1Char('x')))
        return old;
    return messages(Msg::LSection) + Blank + sizeAfterName(old);
}

std::optional<QString> iMarkerEntryText(const QString& old, const MessageTable& messages)
{
    for (const char* marker : {"IPE;", "IPB;E", "I PBI;E"}) {
        const qsizetype at = old.indexOf(QLatin1String(marker));
        if (at >= 0)
            return messages(Msg::ISection) + Blank + old.mid(at);
    }
    return std::nullopt;
}

QString iHotRolledHeadingText(const MessageTable& messages)
{
    return messages(Msg::HotRolled) + Blank + messages(Msg::ISection);
}

QString uHeadingText(int heading, const MessageTable& messages)
{
    switch (heading) {
    case 0: return messages(Msg::HotRolled) + QStringLiteral(" U ") + messages(Msg::SectionSuffix);
    case 1: return messages(Msg::HotRolled) + QStringLiteral(" 2xU[] ") + messages(Msg::SectionSuffix);
    case 2: return messages(Msg::HotRolled) + QStringLiteral(" 2xU][ ") + messages(Msg::SectionSuffix);
    default: return messages(Msg::ColdRolled) + QStringLiteral(" U ") + messages(Msg::SectionSuffix);
    }
}

std::optional<QString> uDoubleEntryText(const QString& old, const MessageTable& messages)
{
    for (const char* marker : {"2xU []", "2xU ]["}) {
        const qsizetype at = old.indexOf(QLatin1String(marker));
        if (at >= 0)
            return without(messages(Msg::HotRolled), QStringLiteral("xU")) + Blank + old.mid(at);
    }
    return std::nullopt;
}

std::optional<QString> uEntryText(const QString& old, bool coldRolled, const MessageTable& messages)
{
    const qsizetype at = old.indexOf(QLatin1Char('U'));
    if (at < 0)
        return std::nullopt;
    return without(messages(coldRolled ? 160 : 159), QStringLiteral("xU")) + Blank + old.mid(at);
}

QStringList translatedMenu(SectionKind kind, const std::vector<MenuEntry>& entries, const MessageTable& messages)
{
    QStringList shown;
    shown.reserve(qsizetype(entries.size()));
    int heading = -1; // the root heading the entry belongs to, counted from 0
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& e = entries[i];
        if (i == 0 && kind != SectionKind::Plate) {
            shown << customEntryText(messages);
            continue;
        }
        if (e.depth == 0)
            ++heading;
        switch (kind) {
        case SectionKind::CircHollow: shown << circHollowEntryText(e.text, messages); break;
        case SectionKind::RectSolid: shown << rectSolidEntryText(e.text, messages); break;
        case SectionKind::CircSolid: shown << circSolidEntryText(e.text, messages); break;
        case SectionKind::FlatBar: shown << flatBarEntryText(e.text, messages); break;
        case SectionKind::L:
            shown << (e.depth == 0 ? lHeadingText(heading, messages) : lSizeEntryText(e.text, messages));
            break;
        case SectionKind::I:
            if (const auto marked = iMarkerEntryText(e.text, messages))
                shown << *marked;
            else
                shown << (e.depth == 0 ? iHotRolledHeadingText(messages) : e.text);
            break;
        case SectionKind::U:
            if (e.depth == 0)
                shown << uHeadingText(heading, messages);
            else if (const auto twin = uDoubleEntryText(e.text, messages))
                shown << *twin;
            else
                shown << uEntryText(e.text, heading >= 3, messages).value_or(e.text);
            break;
        case SectionKind::RectHollow:
        case SectionKind::T:
        case SectionKind::Plate: shown << e.text; break;
        }
    }
    return shown;
}

QString entryLookupText(SectionKind kind, const std::vector<MenuEntry>& entries, int index,
                        const MessageTable& messages)
{
    if (index < 0 || std::size_t(index) >= entries.size())
        return {};
    if (index == 0 && kind != SectionKind::Plate)
        return customEntryText(messages);
    return entries[std::size_t(index)].text;
}

std::vector<int> entriesShowing(SectionKind kind, const std::vector<MenuEntry>& entries, const QString& shown,
                                const MessageTable& messages)
{
    std::vector<int> found;
    const QStringList texts = translatedMenu(kind, entries, messages);
    for (qsizetype i = 0; i < texts.size(); ++i)
        if (texts[i] == shown)
            found.push_back(int(i));
    return found;
}
