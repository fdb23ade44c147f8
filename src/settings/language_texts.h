#pragma once

#include "settings/message_table.h"
#include "settings/settings_store.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

class TranslationTable;

// The languages of the settings window's list, by position; the translation
// window's list adds "My Translate". The active column is position + 2
// (languageColumn).
enum class Language { English = 0, Hungarian = 1, Dutch = 2, MyTranslate = 3 };
inline constexpr int BuiltInLanguageCount = 3;

// "en", "hu" and "nl", as the command line takes them.
std::optional<int> languagePositionOfCode(const QString& code);
// The names of the translation window's list, in order.
QStringList languageListNames();

// Everything a language gives the program, read from one column: the texts
// of the main window's components by their name (the key without "form1.",
// the first row of a key wins), the ten tab captions in table order, and the
// message table.
struct LanguageTexts {
    QHash<QString, QString> components;
    QStringList tabCaptions;
    MessageTable messages;

    // The component's text, or nothing when the table has no row for it.
    std::optional<QString> component(const QString& name) const;
};
LanguageTexts languageTexts(const TranslationTable& table, int column);

// The built-in table's texts of a language of the settings list (0..2).
const LanguageTexts& builtInLanguage(int position);

// An entry of a material list ("Steel : 7850") in the new language: the
// material name of message 187 + index, a blank, then the old text from its
// first ":" on. Entries without ":" keep their text.
QString materialEntryText(int index, const QString& old, const MessageTable& messages);
