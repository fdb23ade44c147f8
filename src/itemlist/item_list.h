#pragma once

#include "sections/section_properties.h"
#include "sections/units.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class MessageTable;

inline constexpr int ItemListCapacity = 250;
inline constexpr int ListColumns = 12;
inline constexpr int ItemValueSlots = 251;

// One row of the item list: twelve text cells (two-line cells joined by "&"),
// the numbers behind them in base units, and the section picture.
struct ListRow {
    std::array<QString, ListColumns> cells;
    std::array<long double, ItemValueSlots> itemValues{}; // slots 0..12 used
    QImage rowPicture;                                     // null for plate rows
    bool isPlate = false;
};

// Which material field a refused listing points the user at.
enum class MaterialField { None, EModulus, Density, Poisson, Tensile, Pressure };

// The material bar as the listing reads it.
struct MaterialTexts {
    QString eModulus;
    QString density;
    QString poisson;
    QString tensile;
    QString pressure;
    QStringList eItems;
    QStringList densityItems;
    QStringList poissonItems;
};

// The outcome of writeSectionRow: a refusal with its message and the field to
// focus, or the cells 1 and 3..11 and the stored values. Typed material texts
// that are not list items are added to their lists.
struct WriteOutcome {
    bool written = false;
    QString refusal; // the message box of a refused listing
    MaterialField focus = MaterialField::None;
    QStringList messages; // messages shown on the way (an unreadable material text)
    ListRow row;          // cells 1, 3..11 and itemValues when written
    QStringList eItems, densityItems, poissonItems;
};

// Writes row r (1-based) from the material bar and the current section.
WriteOutcome writeSectionRow(int r, const MaterialTexts& material, const SectionProperties& section,
                             const UnitSettings& units, int angle, const MessageTable& messages);

// Cell formats of the list.
QString densityCell(long double density);   // whole number above 1, else four decimals
QString areaCell(long double shownArea);     // six decimals below 100, else two
QString poissonCell(long double poisson);    // width 5, two decimals
QString pairCell(const QString& upper, const QString& lower);

// The item list of the job: rows 1..count, nextListRow = count + 1.
class ItemList {
public:
    int count() const { return int(m_rows.size()); }
    int nextListRow() const { return count() + 1; }
    bool isEmpty() const { return m_rows.empty(); }
    bool isFull() const { return count() >= ItemListCapacity; }

    const ListRow& row(int r) const { return m_rows.at(std::size_t(r - 1)); }
    ListRow& row(int r) { return m_rows.at(std::size_t(r - 1)); }

    // Appends (row = nextListRow) or overwrites an existing row; column 0 is
    // the row's index. Returns false past the capacity.
    bool put(int r, ListRow row);
    // Removes rows first..last (1-based, inclusive); the rows below move up
    // with their pictures and values and are numbered again.
    void removeRows(int first, int last);
    void clear() { m_rows.clear(); }

    // The weight per metre shown under the area: slot 2 x slot 1 / 1 000 000.
    static QString weightCell(const ListRow& row);

private:
    std::vector<ListRow> m_rows;
};

// What a plate row's cell 3 to 7 holds, as the report and the printout
// label it (a line break before the unit): size, pieces, weight of one plate,
// weight of all and outside surface. Empty for the other columns, which a
// plate row leaves empty.
QString plateCellCaption(int column);

// Totals of the plate rows for the status bar.
struct ListTotals {
    QString weight;  // "Total weight:" + ...
    QString outside; // "Total outside:" + ...
    bool unreadable = false; // a cell did not read (message 1, once)
    int plateRows = 0;       // the plate rows summed
};
// Sums the weights (column 6) and surfaces (column 7) of the plate rows.
ListTotals showListTotals(const ItemList& list, const MessageTable& messages);

// A plate row: columns 0..7; refused when a length or the pieces text is "0".
struct PlateRowOutcome {
    bool written = false;
    QString refusal;
    QStringList messages;
    ListRow row;
};
PlateRowOutcome writePlateRow(int r, const QString& plateName, const QString& length1, const QString& length2,
                              const QString& pieces, const QString& designation, long double massPerSquareMetre,
                              const MessageTable& messages);
