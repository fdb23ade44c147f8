#include "settings/translation_table.h"

#include "settings/eight_bit_text.h"

#include <QFile>
#include <algorithm>

namespace {
const QString Crlf = QStringLiteral("\r\n");

std::optional<int> readCount(const QString& line, int max)
{
    bool ok = false;
    const int n = line.trimmed().toInt(&ok);
    if (!ok || n <= 0 || n > max)
        return std::nullopt;
    return n;
}
} // namespace

TranslationTable::TranslationTable(int columns, int rows)
    : m_columns(std::clamp(columns, 0, MaxColumns))
    , m_rows(std::clamp(rows, 0, m_columns > 0 ? std::min<int>(MaxRows, int(MaxCells / m_columns)) : MaxRows))
    , m_cells(std::size_t(m_columns) * std::size_t(m_rows))
{
}

std::optional<TranslationTable> TranslationTable::parse(const QString& text)
{
    const QStringList lines = splitLines(text);
    if (lines.size() < 2)
        return std::nullopt;
    bool okColumns = false;
    bool okRows = false;
    const int columns = lines[0].trimmed().toInt(&okColumns);
    const int rows = lines[1].trimmed().toInt(&okRows);
    if (!okColumns || !okRows || columns <= 0 || rows <= 0)
        return std::nullopt;
    // The table is sized by the cells the text holds: a header that promises
    // more is refused, so a file cannot ask for more memory than its size.
    const qint64 cells = qint64(columns) * qint64(rows);
    if (cells > qint64(lines.size()) - 2)
        return std::nullopt;
    TranslationTable table;
    table.m_columns = columns;
    table.m_rows = rows;
    table.m_cells.assign(lines.cbegin() + 2, lines.cbegin() + 2 + cells);
    return table;
}

const TranslationTable& TranslationTable::builtIn()
{
    static const TranslationTable table = [] {
        QFile file(QStringLiteral(":/settings/data/translate.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return TranslationTable{};
        return parse(decodeEightBit(file.readAll())).value_or(TranslationTable{});
    }();
    return table;
}

TranslationTable TranslationTable::builtInGrid()
{
    TranslationTable grid = builtIn();
    grid.addUserColumns();
    return grid;
}

QString TranslationTable::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return {};
    return m_cells[std::size_t(column) * std::size_t(m_rows) + std::size_t(row)];
}

void TranslationTable::setCell(int row, int column, const QString& text)
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return;
    at(row, column) = text;
}

void TranslationTable::addUserColumns()
{
    setColumnCount(m_columns + 2);
    if (m_rows > 0)
        at(0, userColumn()) = QStringLiteral("My Translate");
}

void TranslationTable::setRowCount(int rows)
{
    rows = std::clamp(rows, 1, std::min<int>(MaxRows, int(MaxCells / std::max(1, m_columns))));
    if (rows == m_rows)
        return;
    std::vector<QString> cells(std::size_t(m_columns) * std::size_t(rows));
    for (int c = 0; c < m_columns; ++c)
        for (int r = 0; r < std::min(rows, m_rows); ++r)
            cells[std::size_t(c) * std::size_t(rows) + std::size_t(r)] = std::move(at(r, c));
    m_rows = rows;
    m_cells = std::move(cells);
}

void TranslationTable::setColumnCount(int columns)
{
    columns = std::clamp(columns, 1, std::min<int>(MaxColumns, int(MaxCells / std::max(1, m_rows))));
    m_cells.resize(std::size_t(columns) * std::size_t(m_rows));
    m_columns = columns;
}

void TranslationTable::insertRow(int row)
{
    if (row < 0 || row > m_rows || m_rows >= MaxRows)
        return;
    setRowCount(m_rows + 1);
    for (int c = 0; c < m_columns; ++c) {
        for (int r = m_rows - 1; r > row; --r)
            at(r, c) = std::move(at(r - 1, c));
        at(row, c).clear();
    }
}

void TranslationTable::deleteRow(int row)
{
    if (row < 0 || row >= m_rows)
        return;
    if (m_rows == 1) {
        for (int c = 0; c < m_columns; ++c)
            at(0, c).clear();
        return;
    }
    for (int c = 0; c < m_columns; ++c)
        for (int r = row; r + 1 < m_rows; ++r)
            at(r, c) = std::move(at(r + 1, c));
    if (row == m_rows - 1) {
        for (int c = 0; c < m_columns; ++c)
            at(row, c).clear();
        return;
    }
    setRowCount(m_rows - 1);
}

void TranslationTable::renumber()
{
    for (int r = 1; r < m_rows; ++r)
        at(r, ItemColumn) = QString::number(r);
}

int TranslationTable::fillScratchColumn()
{
    const int scratch = scratchColumn();
    const int user = userColumn();
    if (user < 0)
        return scratch;
    for (int r = 0; r < m_rows; ++r) {
        const QString mine = at(r, user);
        at(r, scratch) = mine.isEmpty() ? at(r, EnglishColumn) : mine;
    }
    return scratch;
}

QString TranslationTable::serialise() const
{
    QString out = QString::number(m_columns) + Crlf + QString::number(m_rows) + Crlf;
    for (const QString& c : m_cells)
        out += c + Crlf;
    return out;
}

std::optional<int> TranslationTable::messageNumber(const QString& key)
{
    if (!key.startsWith(QLatin1String("ford")))
        return std::nullopt;
    bool ok = false;
    const int n = key.mid(4).trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

QByteArray writeUserColumn(const TranslationTable& grid)
{
    QString out = QString::number(grid.rowCount()) + Crlf;
    for (int r = 0; r < grid.rowCount(); ++r)
        out += grid.cell(r, grid.userColumn()) + Crlf;
    return out.toUtf8();
}

UserColumnRead readUserColumn(const QByteArray& bytes)
{
    UserColumnRead read;
    QStringList lines = splitLines(decodeEightBit(bytes));
    if (lines.isEmpty()) {
        read.error = QStringLiteral("the file is empty");
        return read;
    }
    const auto rows = readCount(lines[0], TranslationTable::MaxRows);
    if (!rows) {
        read.error = QStringLiteral("the first line is not a row count: %1").arg(lines[0].left(40));
        return read;
    }
    read.rowCount = *rows;
    lines.removeFirst();
    read.cells = std::move(lines);
    return read;
}

void applyUserColumn(TranslationTable& grid, const UserColumnRead& read)
{
    if (read.rowCount <= 0 || grid.userColumn() < 0)
        return;
    if (read.rowCount > grid.rowCount())
        grid.setRowCount(read.rowCount);
    for (int r = 0; r < grid.rowCount(); ++r)
        grid.setCell(r, grid.userColumn(), read.cells.value(r));
}

QByteArray writeWholeTable(const TranslationTable& grid)
{
    const int columns = std::max(0, grid.columnCount() - 1);
    QString out = QString::number(columns) + Crlf + QString::number(grid.rowCount()) + Crlf;
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < grid.rowCount(); ++r)
            out += grid.cell(r, c) + Crlf;
    return out.toUtf8();
}

WholeTableRead readWholeTable(const QByteArray& bytes)
{
    WholeTableRead read;
    const QStringList lines = splitLines(decodeEightBit(bytes));
    if (lines.size() < 2) {
        read.error = QStringLiteral("the file has no column and row counts");
        return read;
    }
    const auto columns = readCount(lines[0], TranslationTable::MaxColumns - 1);
    const auto rows = readCount(lines[1], TranslationTable::MaxRows);
    if (!columns || !rows) {
        read.error = QStringLiteral("the column or row count does not read");
        return read;
    }
    if (!TranslationTable::fits(*columns + 1, *rows)) {
        read.error = QStringLiteral("%1 columns of %2 rows are more cells than a table may hold").arg(*columns).arg(*rows);
        return read;
    }
    TranslationTable table(*columns + 1, *rows);
    const qsizetype total = qsizetype(*columns) * *rows;
    const qsizetype available = std::min<qsizetype>(total, lines.size() - 2);
    for (qsizetype i = 0; i < available; ++i)
        table.setCell(int(i % *rows), int(i / *rows), lines[i + 2]);
    read.cellsRead = int(available);
    if (available < total)
        read.error = QStringLiteral("the file ends after %1 of %2 cells").arg(available).arg(total);
    read.table = std::move(table);
    return read;
}
