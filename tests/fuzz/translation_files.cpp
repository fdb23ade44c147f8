// Both translation file readers on any bytes: no crash, no oversized
// allocation, and whatever reads writes back and reads again the same.
#include "settings/translation_table.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const UserColumnRead user = readUserColumn(bytes);
    if (user.error.isEmpty()) {
        TranslationTable grid = TranslationTable::builtInGrid();
        applyUserColumn(grid, user);
        if (grid.rowCount() < user.rowCount || grid.rowCount() > TranslationTable::MaxRows)
            std::abort();
        const UserColumnRead again = readUserColumn(writeUserColumn(grid));
        if (!again.error.isEmpty() || again.rowCount != grid.rowCount())
            std::abort();
    }
    const WholeTableRead whole = readWholeTable(bytes);
    if (whole.table) {
        const WholeTableRead again = readWholeTable(writeWholeTable(*whole.table));
        if (!again.table || !again.error.isEmpty() || again.table->rowCount() != whole.table->rowCount() ||
            again.table->columnCount() != whole.table->columnCount())
            std::abort();
    } else if (whole.error.isEmpty()) {
        std::abort();
    }
    return 0;
}
