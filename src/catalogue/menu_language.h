#pragma once

#include "catalogue/profile_catalogue.h"
#include "base/section_kind.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class MessageTable;

// The language rules of the catalogue menus. Each rule gives an entry's text
// in a language from the entry's text before (any language); the size part of
// the entry comes through unchanged, so any sequence of languages keeps it.
// The menus keep their language-independent texts for the lookups; these
// texts are only what the trees show.

// Entry 0 of every menu but the plate menu: message 96.
QString customEntryText(const MessageTable& messages);
// Rectangular solid: message 29 without ":" + " " + the text from its first ":" on.
QString rectSolidEntryText(const QString& old, const MessageTable& messages);
// Circular solid: message 50 without ":" + " " + the text from its first ":" on.
QString circSolidEntryText(const QString& old, const MessageTable& messages);
// Circular hollow: the nominal size up to its inch mark, " ", message 93,
// then the text after its first ":" (the diameter and the wall).
QString circHollowEntryText(const QString& old, const MessageTable& messages);
// The size that follows a section name: the number before the first "x" and
// everything after it, blanks removed ("R. section 10x3" gives "10x3").
QString sizeAfterName(const QString& old);
// Flat bar: message 68 without "x" + " " + the size.
QString flatBarEntryText(const QString& old, const MessageTable& messages);
// L group heading n (0 hot rolled, 1 cold rolled): message 156 or 157.
QString lHeadingText(int heading, const MessageTable& messages);
// L sizes and size groups: message 72 + " " + the size.
QString lSizeEntryText(const QString& old, const MessageTable& messages);
// I entries holding "IPE;", "IPB;E" or "I PBI;E": message 66 + " " + the text
// from that marker on. Nothing for other entries.
std::optional<QString> iMarkerEntryText(const QString& old, const MessageTable& messages);
// The hot rolled I heading: message 159 + " " + message 66.
QString iHotRolledHeadingText(const MessageTable& messages);
// U group heading n (0..3): hot rolled U, hot rolled 2xU [], hot rolled
// 2xU ][, cold rolled U.
QString uHeadingText(int heading, const MessageTable& messages);
// U entries holding "2xU []" or "2xU ][": message 159 without "x" and "U" +
// " " + the text from that marker on. Nothing for other entries.
std::optional<QString> uDoubleEntryText(const QString& old, const MessageTable& messages);
// Other U entries holding "U": message 159 (hot) or 160 (cold) without "x"
// and "U" + " " + the text from the first "U" on. Nothing without a "U".
std::optional<QString> uEntryText(const QString& old, bool coldRolled, const MessageTable& messages);

// The texts a menu shows in a language, entry by entry, from its
// language-independent entries.
QStringList translatedMenu(SectionKind kind, const std::vector<MenuEntry>& entries, const MessageTable& messages);

// The text a computation looks an entry up by: the entry's own text, except
// that the custom choice is message 96 of the active language (the tabs
// recognise it by that message).
QString entryLookupText(SectionKind kind, const std::vector<MenuEntry>& entries, int index,
                        const MessageTable& messages);
// The indexes of the entries that show this text in the language. More than
// one when the language joins entries that differ only in their group (the
// hot and cold rolled L sizes both read "L section 30x30x3").
std::vector<int> entriesShowing(SectionKind kind, const std::vector<MenuEntry>& entries, const QString& shown,
                                const MessageTable& messages);
