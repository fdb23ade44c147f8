#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The translation table: row 0 holds the headers, column 1 the keys
// ("form1.Panel53", "form1.tabcontrol1", "ford12"), columns 2.. the languages.
class TranslationTable {
public:
    static constexpr int KeyColumn = 1;
    static constexpr int EnglishColumn = 2;

    // The built-in text format: column count, row count, then the cells
    // column by column, one per line. Returns nothing when the counts do not
    // read or promise more cells than the text holds (lines after the last
    // cell are ignored).
    static std::optional<TranslationTable> parse(const QString& text);
    static const TranslationTable& builtIn();

    int columnCount() const { return m_columns; }
    int rowCount() const { return m_rows; }
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);

    // Writes the same format back (CR LF line ends).
    QString serialise() const;

    // The message number of a key "ford12" or "ford 171", if it is one.
    static std::optional<int> messageNumber(const QString& key);

private:
    int m_columns = 0;
    int m_rows = 0;
    std::vector<QString> m_cells; // column-major
};
