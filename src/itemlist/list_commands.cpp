#include "itemlist/list_commands.h"

#include "base/number_format.h"
#include "catalogue/profile_catalogue.h"

#include <algorithm>

int listTargetRow(const ItemList& list, bool correcting, int selectedRow)
{
    if (correcting && !list.isEmpty())
        return std::clamp(selectedRow, 1, list.count());
    return list.nextListRow();
}

PlateRowOutcome listPlate(const ItemList& list, int record, const QString& plateName, const QString& length1,
                          const QString& length2, const ProfileTable& table, const MessageTable& messages)
{
    // Slot 1 of a plate record is its mass per square metre.
    const long double mass = readNumber(table.valueText(record, 1)).value_or(0);
    return writePlateRow(list.nextListRow(), plateName, length1, length2, QStringLiteral("1"), QString(), mass,
                         messages);
}
