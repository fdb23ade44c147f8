#include "settings/language_texts.h"

#include "settings/translation_table.h"

#include <algorithm>
#include <array>

std::optional<int> languagePositionOfCode(const QString& code)
{
    static const QStringList codes{QStringLiteral("en"), QStringLiteral("hu"), QStringLiteral("nl")};
    const qsizetype i = codes.indexOf(code.toLower());
    if (i < 0)
        return std::nullopt;
    return int(i);
}

QStringList languageListNames()
{
    return LanguageNames + QStringList{QStringLiteral("My Translate")};
}

std::optional<QString> LanguageTexts::component(const QString& name) const
{
    const auto it = components.constFind(name);
    if (it == components.constEnd())
        return std::nullopt;
    return *it;
}

LanguageTexts languageTexts(const TranslationTable& table, int column)
{
    static const QString FormPrefix = QStringLiteral("form1.");
    static const QString TabKey = QStringLiteral("form1.tabcontrol1");
    LanguageTexts texts;
    for (int row = 1; row < table.rowCount(); ++row) {
        const QString key = table.cell(row, TranslationTable::KeyColumn);
        const QString text = table.cell(row, column);
        if (key == TabKey) {
            texts.tabCaptions << text;
        } else if (key.startsWith(FormPrefix)) {
            const QString name = key.mid(FormPrefix.size());
            if (!texts.components.contains(name))
                texts.components.insert(name, text);
        } else if (const auto n = TranslationTable::messageNumber(key)) {
            texts.messages.set(*n, text);
        }
    }
    return texts;
}

const LanguageTexts& builtInLanguage(int position)
{
    static const std::array<LanguageTexts, BuiltInLanguageCount> languages = [] {
        std::array<LanguageTexts, BuiltInLanguageCount> all;
        for (int p = 0; p < BuiltInLanguageCount; ++p)
            all[std::size_t(p)] = languageTexts(TranslationTable::builtIn(), languageColumn(p));
        return all;
    }();
    return languages[std::size_t(std::clamp(position, 0, BuiltInLanguageCount - 1))];
}

QString materialEntryText(int index, const QString& old, const MessageTable& messages)
{
    const qsizetype colon = old.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return old;
    return messages(187 + index) + QLatin1Char(' ') + old.mid(colon);
}
