#include "itemlist/list_sort.h"

#include "base/parallel_items.h"
#include "itemlist/private_item.h"
#include "base/number_format.h"
#include "settings/message_table.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

namespace {
constexpr int KeyWidth = 50;
constexpr int RowDigits = 9;

QString padded(const QString& text, int width)
{
    return text.size() >= width ? text : QString(width - text.size(), QLatin1Char('0')) + text;
}

// The number a key is made of, as the key writes it (ten decimals).
std::optional<long double> keyNumber(const EditorLine& line, int column, bool secondValue)
{
    if (line.plate) // pieces, weights and surface
        return column >= 4 && column <= 7 ? readNumber(line.cells[std::size_t(column)].trimmed()) : std::nullopt;
    if (isPairColumn(column)) {
        const auto [first, second] = splitPairCell(line.cells[std::size_t(column)]);
        return readNumber(formatFixed(readNumber(secondValue ? second : first).value_or(0), 10));
    }
    if (column == 5)
        return readNumber(formatFixed(readNumber(line.cells[5].trimmed()).value_or(0), 10));
    return std::nullopt;
}

struct SortEntry {
    QString key;
    std::optional<long double> number;
    int row = 0;
    bool plateValue = false; // a plate row in a sort of its values: after the sections
    std::optional<QCollatorSortKey> textKey;
};
} // namespace

std::vector<EditorLine> editorLines(const ItemList& list)
{
    std::vector<EditorLine> lines;
    lines.reserve(std::size_t(list.count()));
    for (int r = 1; r <= list.count(); ++r) {
        const ListRow& row = list.row(r);
        EditorLine line;
        line.row = r;
        line.cells = row.cells;
        line.plate = row.isPlate;
        if (!row.isPlate)
            line.weight = ItemList::weightCell(row);
        lines.push_back(std::move(line));
    }
    return lines;
}

bool isPairColumn(int column)
{
    return (column >= 6 && column <= 9) || column == 11;
}

std::array<QString, ListColumns> editorLineTexts(const EditorLine& line, const MessageTable& m)
{
    std::array<QString, ListColumns> texts = line.cells;
    if (line.plate)
        return texts;
    const auto pair = [&](int column, const QString& first, const QString& second, const QString& between) {
        const auto [upper, lower] = splitPairCell(line.cells[std::size_t(column)]);
        texts[std::size_t(column)] = first + upper + between + second + lower;
    };
    const QString colon = QStringLiteral(":");
    texts[5] = QStringLiteral("A:") + line.cells[5].trimmed() + QStringLiteral(" G:") + line.weight;
    pair(6, QStringLiteral("Ix:"), QStringLiteral("Iy:"), QStringLiteral(" "));
    pair(7, m(Msg::KxAbove) + colon, m(Msg::KxUnder) + colon, QStringLiteral(" "));
    pair(8, m(Msg::KyLeft) + colon, m(Msg::KyRight) + colon, QStringLiteral(" "));
    pair(9, QStringLiteral("Ixx:"), QStringLiteral("Kxx:"), QStringLiteral(" "));
    pair(11, QString(), QString(), QStringLiteral(" / "));
    return texts;
}

std::array<QString, ListColumns> editorColumnCaptions(const MessageTable& m)
{
    return {m(Msg::Item), QString(), m(Msg::Material), m(Msg::EModulus), m(Msg::Density), m(Msg::Area), m(Msg::MomentOfInertia), m(Msg::SectionModulus), m(Msg::SectionModulus), m(Msg::TorsionInertia), m(Msg::Poisson), m(Msg::TensilePressure)};
}

QString sortCaption(int column, bool secondValue, const MessageTable& m)
{
    const int first = column == 6 ? 129 : column == 7 ? 131 : column == 8 ? 133 : column == 9 ? 135 : 137;
    if (!isPairColumn(column))
        return editorColumnCaptions(m)[std::size_t(std::clamp(column, 0, ListColumns - 1))];
    return m(secondValue ? first + 1 : first);
}

QString editorSortKey(const EditorLine& line, int column, bool secondValue)
{
    if (column == 2)
        return line.cells[2];
    QString key;
    if (const auto number = keyNumber(line, column, secondValue))
        key = formatFixed(*number, 10);
    else
        key = line.cells[std::size_t(std::clamp(column, 0, ListColumns - 1))];
    return padded(key, KeyWidth) + padded(QString::number(line.row), RowDigits);
}

void sortEditorLines(std::vector<EditorLine>& lines, int column, bool secondValue, const SortProgress& progress)
{
    const auto report = [&](int step) {
        if (progress)
            progress(step, sortSteps);
    };
    report(1);
    // Steps 2 to 5 follow the keys as they are made.
    int keyStep = 1;
    std::vector<SortEntry> entries;
    parallelItems<SortEntry>(
        lines.size(),
        [&](std::size_t i) {
            SortEntry e;
            e.key = editorSortKey(lines[i], column, secondValue);
            e.number = keyNumber(lines[i], column, secondValue);
            e.row = lines[i].row;
            e.plateValue = lines[i].plate && column >= 3;
            return e;
        },
        entries,
        [&](std::size_t finished, std::size_t count) {
            const int step = 1 + int((finished * 4) / count);
            while (keyStep < step)
                report(++keyStep);
            return true;
        });
    while (keyStep < 5)
        report(++keyStep);

    // Texts in the order of the user's language, without regard to case (the
    // texts are case-folded as well: the C locale's keys are the plain
    // texts). The keys are made once per line, here, as the collator is not
    // shared between threads.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (SortEntry& e : entries)
        e.textKey = collator.sortKey(e.key.toCaseFolded());

    std::vector<std::size_t> order(lines.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    // A padded key orders non-negative numbers by value; a negative value
    // (a pressure) would order by its digits, so numbers compare by value.
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const SortEntry& x = entries[a];
        const SortEntry& y = entries[b];
        if (x.plateValue != y.plateValue)
            return y.plateValue;
        if (x.number && y.number) {
            if (*x.number != *y.number)
                return *x.number < *y.number;
            return x.row < y.row;
        }
        return x.textKey->compare(*y.textKey) < 0;
    });
    report(6);
    std::vector<EditorLine> sorted;
    sorted.reserve(lines.size());
    for (std::size_t i : order)
        sorted.push_back(std::move(lines[i]));
    lines = std::move(sorted);
    report(7);
}

void moveEditorLines(std::vector<EditorLine>& lines, std::vector<int> positions, int target)
{
    const int n = int(lines.size());
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    positions.erase(std::remove_if(positions.begin(), positions.end(), [n](int p) { return p < 0 || p >= n; }),
                    positions.end());
    if (positions.empty())
        return;
    target = std::clamp(target, 0, n);
    std::vector<EditorLine> moved, rest;
    std::vector<bool> isMoved(std::size_t(n), false);
    for (int p : positions)
        isMoved[std::size_t(p)] = true;
    int insertAt = 0;
    for (int i = 0; i < n; ++i) {
        if (i == target)
            insertAt = int(rest.size());
        if (isMoved[std::size_t(i)])
            moved.push_back(std::move(lines[std::size_t(i)]));
        else
            rest.push_back(std::move(lines[std::size_t(i)]));
    }
    if (target == n)
        insertAt = int(rest.size());
    // Dropped on one of the moved lines: they land before the next line that stays.
    rest.insert(rest.begin() + insertAt, std::make_move_iterator(moved.begin()), std::make_move_iterator(moved.end()));
    lines = std::move(rest);
}

bool applyItemOrder(ItemList& list, const std::vector<int>& order)
{
    const int n = list.count();
    if (int(order.size()) != n)
        return false;
    std::vector<bool> seen(std::size_t(n) + 1, false);
    for (int r : order) {
        if (r < 1 || r > n || seen[std::size_t(r)])
            return false;
        seen[std::size_t(r)] = true;
    }
    std::vector<ListRow> rows;
    rows.reserve(std::size_t(n));
    for (int r : order)
        rows.push_back(list.row(r));
    list.clear();
    for (int i = 0; i < n; ++i)
        list.put(i + 1, std::move(rows[std::size_t(i)]));
    return true;
}

void removeItems(ItemList& list, std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int r : rows)
        if (r >= 1 && r <= list.count())
            list.removeRows(r, r);
}
