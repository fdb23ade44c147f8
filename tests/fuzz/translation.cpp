// The translation table reader: any bytes give a table no larger than its lines, or none; a table written
// and read again is the same, and any column (one past the last too) fills the messages.
#include "fuzz_input.h"

#include "settings/eight_bit_text.h"
#include "settings/message_table.h"
#include "settings/translation_table.h"

FUZZ_TARGET(in)
{
    const QString text = decodeEightBit(in.rest());
    const auto table = TranslationTable::parse(text);
    if (!table)
        return;
    FUZZ_CHECK(table->columnCount() > 0 && table->rowCount() > 0);
    FUZZ_CHECK(qint64(table->columnCount()) * table->rowCount() + 2 <= splitLines(text).size());
    const QString written = table->serialise();
    const auto again = TranslationTable::parse(written);
    FUZZ_CHECK(again && again->columnCount() == table->columnCount() && again->rowCount() == table->rowCount());
    for (int c = 0; c < table->columnCount(); ++c)
        for (int r = 0; r < table->rowCount(); ++r)
            FUZZ_CHECK(again->cell(r, c) == table->cell(r, c));
    FUZZ_CHECK(again->serialise() == written);
    for (int column = 0; column <= table->columnCount() && column < 7; ++column)
        (void)MessageTable::fromTable(*table, column)(1);
    (void)MessageTable::fromTable(*table, table->columnCount())(1);
    for (int r = 0; r < table->rowCount() && r < 50; ++r)
        (void)TranslationTable::messageNumber(table->cell(r, TranslationTable::KeyColumn));
}
