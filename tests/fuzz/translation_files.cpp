// Both translation file readers on any bytes: no crash, no oversized
// allocation, and whatever reads writes back and reads again the same.
#include "fuzz_input.h"

#include "settings/translation_table.h"

FUZZ_TARGET(in)
{
    const QByteArray bytes = in.rest();
    const UserColumnRead user = readUserColumn(bytes);
    if (user.error.isEmpty()) {
        TranslationTable grid = TranslationTable::builtInGrid();
        applyUserColumn(grid, user);
        FUZZ_CHECK(grid.rowCount() >= user.rowCount && grid.rowCount() <= TranslationTable::MaxRows);
        const UserColumnRead again = readUserColumn(writeUserColumn(grid));
        FUZZ_CHECK(again.error.isEmpty() && again.rowCount == grid.rowCount());
    }
    const WholeTableRead whole = readWholeTable(bytes);
    FUZZ_CHECK(whole.table || !whole.error.isEmpty());
    if (whole.table) {
        const WholeTableRead again = readWholeTable(writeWholeTable(*whole.table));
        FUZZ_CHECK(again.table && again.error.isEmpty() && again.table->rowCount() == whole.table->rowCount() &&
                   again.table->columnCount() == whole.table->columnCount());
    }
}
