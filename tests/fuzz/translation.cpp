// The translation table reader: any bytes give a table no larger than the
// lines it came from, or nothing; writing a table and reading it again gives
// the same table.
#include "fuzz_input.h"

#include "settings/eight_bit_text.h"
#include "settings/message_table.h"
#include "settings/translation_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = decodeEightBit(bytes);
    const auto table = TranslationTable::parse(text);
    if (!table)
        return 0;
    const qint64 cells = qint64(table->columnCount()) * table->rowCount();
    FUZZ_CHECK(table->columnCount() > 0 && table->rowCount() > 0);
    FUZZ_CHECK(cells + 2 <= splitLines(text).size());

    const QString written = table->serialise();
    const auto again = TranslationTable::parse(written);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(again->columnCount() == table->columnCount() && again->rowCount() == table->rowCount());
    for (int c = 0; c < table->columnCount(); ++c)
        for (int r = 0; r < table->rowCount(); ++r)
            FUZZ_CHECK(again->cell(r, c) == table->cell(r, c));
    FUZZ_CHECK(again->serialise() == written);

    // Applying a column (the first ones, one past the last) fills the
    // messages without failing.
    for (int column = 0; column <= table->columnCount() && column < 7; ++column)
        (void)MessageTable::fromTable(*table, column)(1);
    (void)MessageTable::fromTable(*table, table->columnCount())(1);
    for (int r = 0; r < table->rowCount() && r < 50; ++r)
        (void)TranslationTable::messageNumber(table->cell(r, TranslationTable::KeyColumn));
    return 0;
}
