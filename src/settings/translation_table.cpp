#include "settings/translation_table.h"

#include "settings/eight_bit_text.h"

#include <QFile>

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
    m_cells[std::size_t(column) * std::size_t(m_rows) + std::size_t(row)] = text;
}

QString TranslationTable::serialise() const
{
    QString out = QString::number(m_columns) + QStringLiteral("\r\n") + QString::number(m_rows) +
                  QStringLiteral("\r\n");
    for (const QString& c : m_cells)
        out += c + QStringLiteral("\r\n");
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
