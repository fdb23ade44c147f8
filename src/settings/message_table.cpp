#include "settings/message_table.h"

#include "settings/language_texts.h"
#include "settings/translation_table.h"

MessageTable MessageTable::fromTable(const TranslationTable& table, int column)
{
    MessageTable messages;
    for (int row = 1; row < table.rowCount(); ++row) {
        if (auto n = TranslationTable::messageNumber(table.cell(row, TranslationTable::KeyColumn)))
            messages.set(*n, table.cell(row, column));
    }
    return messages;
}

const MessageTable& MessageTable::english()
{
    static const MessageTable table = fromTable(TranslationTable::builtIn(), TranslationTable::EnglishColumn);
    return table;
}

QString MessageTable::text(int n) const
{
    return (n >= 1 && n <= Count) ? m_texts[n] : QString();
}

void MessageTable::set(int n, const QString& text)
{
    if (n >= 1 && n <= Count)
        m_texts[n] = text;
}

const MessageTable& MessageTable::forLanguage(int position)
{
    if (position < 0 || position >= BuiltInLanguageCount)
        position = 0;
    return builtInLanguage(position).messages;
}
