#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The translation table: row 0 holds the headers, column 1 the keys
// ("form1.Panel53", "form1.tabcontrol1", "ford12"), columns 2.. the languages.
// The translation window's grid is the built-in table with two more columns:
// the user's "My Translate" column and a scratch column that "Test" fills.
class TranslationTable {
public:
    static constexpr int ItemColumn = 0;
    static constexpr int KeyColumn = 1;
    static constexpr int EnglishColumn = 2;
    static constexpr int HungarianColumn = 3;
    static constexpr int DutchColumn = 4;
    // Tables larger than this are refused rather than allocated.
    static constexpr int MaxColumns = 1000;
    static constexpr int MaxRows = 100000;
    // Also at most this many cells in all (the built-in grid has 2219).
    static constexpr qsizetype MaxCells = 1000000;
    static bool fits(int columns, int rows) { return qsizetype(columns) * rows <= MaxCells; }

    TranslationTable() = default;
    TranslationTable(int columns, int rows);

    // The built-in text format: column count, row count, then the cells
    // column by column, one per line. Returns nothing when the counts do not
    // read or promise more cells than the text holds (lines after the last
    // cell are ignored).
    static std::optional<TranslationTable> parse(const QString& text);
    static const TranslationTable& builtIn();
    // The built-in table as the translation window holds it: with the
    // "My Translate" column (empty) and the zero-width scratch column.
    static TranslationTable builtInGrid();

    int columnCount() const { return m_columns; }
    int rowCount() const { return m_rows; }
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);

    // The grid's user column and scratch column (the last two).
    int userColumn() const { return m_columns - 2; }
    int scratchColumn() const { return m_columns - 1; }
    // Adds "My Translate" and the scratch column after the last column.
    void addUserColumns();

    // Grid editing (programmer mode). Rows and columns outside the table are
    // ignored; a table keeps at least one row and one column.
    void setRowCount(int rows);
    void setColumnCount(int columns);
    void insertRow(int row);
    // Deletes a row; the last row is only emptied.
    void deleteRow(int row);
    // Column 0 becomes 1, 2, ... from row 1 on.
    void renumber();

    // "Test": every scratch cell gets the "My Translate" cell, or the English
    // cell when that is empty. Returns the scratch column.
    int fillScratchColumn();

    // Writes the same format back (CR LF line ends).
    QString serialise() const;

    // The message number of a key "ford12" or "ford 171", if it is one.
    static std::optional<int> messageNumber(const QString& key);

private:
    QString& at(int row, int column) { return m_cells[std::size_t(column) * std::size_t(m_rows) + std::size_t(row)]; }

    int m_columns = 0;
    int m_rows = 0;
    std::vector<QString> m_cells; // column-major
};

// The user column file ("mytranslate.lng"): the row count, then the user
// column's cells from row 0 on (so line 2 is the header "My Translate").
// Written as UTF-8 with CR LF line ends.
QByteArray writeUserColumn(const TranslationTable& grid);

// The largest translation file read: some 650 times the built-in table.
// Larger files, and anything that is not a regular file, are refused unread.
inline constexpr qint64 TranslationFileMaxBytes = 16 * 1024 * 1024;

struct UserColumnRead {
    int rowCount = 0;  // line 1 of the file
    QStringList cells; // the lines after it, as many as the file has
    QString error;     // empty when the file read
};
// Reads the bytes as UTF-8 when valid, else as Windows-1252. Refuses a file
// whose first line is not a row count the table can hold.
UserColumnRead readUserColumn(const QByteArray& bytes);
// Takes a read file into the grid: the grid grows to the file's row count
// when that is larger, then the user column gets as many lines as the grid
// has rows; lines past the end of the file read as empty.
void applyUserColumn(TranslationTable& grid, const UserColumnRead& read);

// The whole-table file ("translate.lng"): the number of columns written (all
// but the scratch column), the row count, then those columns' cells column by
// column.
QByteArray writeWholeTable(const TranslationTable& grid);

struct WholeTableRead {
    std::optional<TranslationTable> table; // none when the counts do not read
    int cellsRead = 0;
    QString error; // empty when every cell was in the file
};
// Reads a whole-table file. A file that ends early still gives a table with
// the cells read so far (the rest empty) and an error naming how far it got.
// The scratch column is added back so that the table can serve as the grid.
WholeTableRead readWholeTable(const QByteArray& bytes);
