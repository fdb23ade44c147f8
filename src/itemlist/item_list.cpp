#include "itemlist/item_list.h"

#include "base/number_format.h"
#include "settings/message_table.h"

#include <cmath>

namespace {
// Factors from the chosen unit to the stored base unit.
long double eFactor(const UnitSettings& u)
{
    return unitDivisor(UnitGroup::EModulus, u.choice(UnitGroup::EModulus));
}

long double densityFactor(const UnitSettings& u)
{
    return unitDivisor(UnitGroup::Density, u.choice(UnitGroup::Density));
}

long double stressFactor(const UnitSettings& u)
{
    return unitDivisor(UnitGroup::Stress, u.choice(UnitGroup::Stress));
}

// A list box's number: the text read with its name stripped; a text that does
// not read at all gives 0 and message 1.
long double listNumber(const QString& text, QStringList& items, QStringList& messages, const MessageTable& m)
{
    if (!items.contains(text))
        items << text;
    if (auto read = readNameStripped(text))
        return read->value;
    messages << m(Msg::WrongData);
    return 0;
}
} // namespace

QString densityCell(long double density)
{
    if (density > 1)
        return formatFixed(density, 0);
    return formatFixed(density, 4, 3).trimmed();
}

QString areaCell(long double shownArea)
{
    return shownArea < 100 ? formatFixed(shownArea, 6) : formatFixed(shownArea, 2, 2);
}

QString poissonCell(long double poisson)
{
    return formatFixed(poisson, 2, 5);
}

QString pairCell(const QString& upper, const QString& lower)
{
    return upper + QLatin1Char('&') + lower;
}

WriteOutcome writeSectionRow(int r, const MaterialTexts& material, const SectionProperties& p,
                             const UnitSettings& units, int angle, const MessageTable& m)
{
    WriteOutcome out;
    out.eItems = material.eItems;
    out.densityItems = material.densityItems;
    out.poissonItems = material.poissonItems;
    const auto refuse = [&](const QString& message, MaterialField field) {
        out.refusal = message;
        out.focus = field;
        return out;
    };
    if (r > ItemListCapacity)
        return refuse(m(Msg::ListFull), MaterialField::None);
    const auto tensile = readNumber(material.tensile);
    if (!tensile || *tensile <= 0)
        return refuse(m(Msg::TensileNotPositive), MaterialField::Tensile);
    if (material.pressure == QLatin1String("-"))
        return refuse(m(Msg::WrongData), MaterialField::Pressure);
    const auto pressure = readNumber(material.pressure);
    if (!pressure || *pressure >= 0)
        return refuse(m(Msg::PressureNotNegative), MaterialField::Pressure);
    if (!material.poissonItems.contains(material.poisson)) {
        const auto nu = readNumber(material.poisson);
        if (!nu || !(*nu > 0 && *nu < 1))
            return refuse(m(Msg::PoissonOutOfRange), MaterialField::Poisson);
    }

    ListRow& row = out.row;
    const long double e = listNumber(material.eModulus, out.eItems, out.messages, m);
    row.cells[1] = QLatin1Char('0') + QString::number(angle);
    row.itemValues[0] = e * eFactor(units);
    row.cells[3] = formatFixed(e, 0);
    const long double density = listNumber(material.density, out.densityItems, out.messages, m);
    row.itemValues[1] = density * densityFactor(units);
    row.cells[4] = densityCell(density);
    const long double nu = listNumber(material.poisson, out.poissonItems, out.messages, m);
    row.cells[10] = poissonCell(nu);

    row.itemValues[2] = p.area;
    row.cells[5] = areaCell(p.area / unitDivisor(units, UnitGroup::Area));
    const long double stored[8] = {p.ix, p.iy, p.kxAbove, p.kxUnder, p.kyLeft, p.kyRight, p.ixx, p.kxx};
    const UnitGroup groups[8] = {UnitGroup::Inertia, UnitGroup::Inertia, UnitGroup::Modulus, UnitGroup::Modulus,
                                 UnitGroup::Modulus, UnitGroup::Modulus, UnitGroup::Inertia, UnitGroup::Modulus};
    QString shown[8];
    for (int k = 0; k < 8; ++k) {
        row.itemValues[std::size_t(3 + k)] = stored[k];
        shown[k] = formatTwoOrTen(stored[k] / unitDivisor(units, groups[k]));
    }
    for (int c = 0; c < 4; ++c)
        row.cells[std::size_t(6 + c)] = pairCell(shown[2 * c], shown[2 * c + 1]);
    row.itemValues[11] = *tensile * stressFactor(units);
    row.itemValues[12] = *pressure * stressFactor(units);
    row.cells[11] = pairCell(material.tensile, material.pressure);
    out.written = true;
    return out;
}

bool ItemList::put(int r, ListRow row)
{
    if (r < 1 || r > nextListRow() || r > ItemListCapacity)
        return false;
    row.cells[0] = QString::number(r);
    if (r == nextListRow())
        m_rows.push_back(std::move(row));
    else
        m_rows[std::size_t(r - 1)] = std::move(row);
    return true;
}

void ItemList::removeRows(int first, int last)
{
    first = std::max(first, 1);
    last = std::min(last, count());
    if (first > last)
        return;
    m_rows.erase(m_rows.begin() + (first - 1), m_rows.begin() + last);
    for (int r = 1; r <= count(); ++r)
        m_rows[std::size_t(r - 1)].cells[0] = QString::number(r);
}

QString ItemList::weightCell(const ListRow& row)
{
    return formatFixed(row.itemValues[2] * row.itemValues[1] / 1000000.0L, 2);
}

QString plateCellCaption(int column)
{
    switch (column) {
    case 3: return QStringLiteral("Size\n[mm]");
    case 4: return QStringLiteral("Pieces");
    case 5: return QStringLiteral("Weight of one\n[Kg]");
    case 6: return QStringLiteral("Weight of all\n[Kg]");
    case 7: return QStringLiteral("Outside surface\n[m2]");
    default: return {};
    }
}

ListTotals showListTotals(const ItemList& list, const MessageTable& m)
{
    ListTotals totals;
    long double weight = 0, outside = 0;
    const auto add = [&](const QString& text, long double& sum) {
        if (text.trimmed().isEmpty())
            return;
        if (auto v = readNumber(text))
            sum += *v;
        else
            totals.unreadable = true;
    };
    // Only plate rows carry weights and surfaces in columns 6 and 7; a section
    // row holds Ix & Iy and Kx above & under there, which are no weights.
    for (int r = 1; r <= list.count(); ++r) {
        if (!list.row(r).isPlate)
            continue;
        ++totals.plateRows;
        add(list.row(r).cells[6], weight);
        add(list.row(r).cells[7], outside);
    }
    const QString weightText = weight > 9999 ? formatFixed(weight / 1000, 2, 8) + m(Msg::TonneSuffix)
                                             : formatFixed(weight, 1, 8) + QStringLiteral(" Kg");
    totals.weight = QStringLiteral("Total weight:") + weightText;
    totals.outside = QStringLiteral("Total outside:") + formatFixed(outside, 2, 8) + QStringLiteral(" m2");
    return totals;
}

PlateRowOutcome writePlateRow(int r, const QString& plateName, const QString& length1, const QString& length2,
                              const QString& pieces, const QString& designation, long double mass,
                              const MessageTable& m)
{
    PlateRowOutcome out;
    const QString zero = QStringLiteral("0");
    if (pieces == zero || length1 == zero || length2 == zero) {
        out.refusal = QStringLiteral("Error ! Zero length of material or zero piece.");
        return out;
    }
    if (r > ItemListCapacity) {
        out.refusal = m(Msg::ListFull);
        return out;
    }
    const auto whole = [&](const QString& text) -> long double {
        if (auto v = readInteger(text))
            return static_cast<long double>(*v);
        out.messages << m(Msg::WrongData);
        return 0;
    };
    const long double l1 = whole(length1), l2 = whole(length2), n = whole(pieces);
    const long double one = (l1 / 1000) * mass * (l2 / 1000);
    ListRow& row = out.row;
    row.isPlate = true;
    row.cells[1] = designation;
    row.cells[2] = plateName;
    row.cells[3] = length1 + QLatin1Char('x') + length2;
    row.cells[4] = pieces;
    row.cells[5] = formatFixed(one, 2, 6);
    row.cells[6] = formatFixed(one * n, 2, 6);
    row.cells[7] = formatFixed((l1 / 1000) * (l2 / 1000) * n * 2, 3, 6);
    out.written = true;
    return out;
}
