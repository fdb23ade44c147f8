#pragma once

#include <QString>
#include <array>

class TranslationTable;

// The numbered texts of the active language, slots 1..203.
class MessageTable {
public:
    static constexpr int Count = 203;

    MessageTable() = default;
    // The texts of one language column of a translation table.
    static MessageTable fromTable(const TranslationTable& table, int column);
    // English, from the built-in table.
    static const MessageTable& english();
    // A language of the settings list (0 English, 1 Hungarian, 2 Dutch) from
    // the built-in table; positions outside the list give English.
    static const MessageTable& forLanguage(int position);

    QString text(int n) const;
    QString operator()(int n) const { return text(n); }
    void set(int n, const QString& text);

private:
    std::array<QString, Count + 1> m_texts;
};
