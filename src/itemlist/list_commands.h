#pragma once

#include "itemlist/item_list.h"

class MessageTable;
class ProfileTable;

// What the list commands do to the item list, apart from any window.

// The row "To List" writes: the selected row (kept inside the list) while a
// correction is pending, else the next free row.
int listTargetRow(const ItemList& list, bool correcting, int selectedRow);

// "To List" on the plate tab: the plate of profile-table record `record` with
// its two typed lengths, as one piece, at the next free row.
PlateRowOutcome listPlate(const ItemList& list, int record, const QString& plateName, const QString& length1,
                          const QString& length2, const ProfileTable& table, const MessageTable& messages);
