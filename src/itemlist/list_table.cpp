#include "itemlist/list_table.h"

#include "itemlist/item_list.h"

namespace {

constexpr int OriginColumn = 1;
constexpr int AreaColumn = 5;

bool isPairColumn(int column)
{
    return column == 5 || column == 6 || column == 7 || column == 8 || column == 9 || column == 11;
}

// The captions of one grid column as one or two single-line captions. A
// three-line caption has either a shared title above its two parts ("Mom. of
// inertia" over "Ix [cm4]" and "Iy [cm4]") or a shared unit below them.
QStringList columnCaptions(int column, const QString& caption)
{
    QStringList lines = caption.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.trimmed();
    if (!isPairColumn(column))
        return {lines.join(QLatin1Char(' '))};
    while (lines.size() < 2)
        lines << QString();
    if (lines.size() == 2)
        return lines;
    if (lines.last().startsWith(QLatin1Char('[')))
        return {lines[0] + QLatin1Char(' ') + lines.last(), lines[1] + QLatin1Char(' ') + lines.last()};
    return {lines[0] + QLatin1Char(' ') + lines[1], lines[0] + QLatin1Char(' ') + lines[2]};
}

QString withoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

} // namespace

ListTable listTable(const ItemList& list, int first, int last, const QStringList& headerCaptions)
{
    ListTable table;
    for (int c = 0; c < ListColumns; ++c)
        if (c != OriginColumn)
            table.header << columnCaptions(c, headerCaptions.value(c));
    first = std::max(first, 1);
    last = std::min(last, list.count());
    for (int r = first; r <= last; ++r) {
        const ListRow& row = list.row(r);
        QStringList cells;
        for (int c = 0; c < ListColumns; ++c) {
            if (c == OriginColumn)
                continue;
            QString cell = row.cells[std::size_t(c)];
            if (!isPairColumn(c)) {
                cells << (c == 2 ? cell.trimmed() : withoutBlanks(cell));
                continue;
            }
            // The weight under the area is not stored in the cell.
            if (c == AreaColumn && !row.isPlate)
                cell += QLatin1Char('&') + ItemList::weightCell(row);
            const qsizetype cut = cell.indexOf(QLatin1Char('&'));
            cells << withoutBlanks(cell.left(cut < 0 ? cell.size() : cut))
                  << (cut < 0 ? QString() : withoutBlanks(cell.mid(cut + 1)));
        }
        table.rows.push_back(cells);
    }
    return table;
}

QString tabSeparatedText(const ListTable& table)
{
    const auto line = [](QStringList cells) {
        for (QString& cell : cells) {
            cell.replace(QLatin1Char('\t'), QLatin1Char(' '));
            cell.replace(QLatin1Char('\r'), QLatin1Char(' '));
            cell.replace(QLatin1Char('\n'), QLatin1Char(' '));
        }
        return cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    };
    QString text = line(table.header);
    for (const QStringList& row : table.rows)
        text += line(row);
    return text;
}

QString csvText(const ListTable& table)
{
    const auto line = [](QStringList cells) {
        for (QString& cell : cells) {
            if (cell.contains(QLatin1Char(',')) || cell.contains(QLatin1Char('"')) ||
                cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r'))) {
                cell.replace(QStringLiteral("\""), QStringLiteral("\"\""));
                cell = QLatin1Char('"') + cell + QLatin1Char('"');
            }
        }
        return cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    QString text = line(table.header);
    for (const QStringList& row : table.rows)
        text += line(row);
    return text;
}
