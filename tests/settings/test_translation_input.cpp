#include "settings/eight_bit_text.h"
#include "settings/translation_table.h"

#include <gtest/gtest.h>

// A translation table is sized by the lines it holds: a header that promises
// more cells than the text has is refused before anything is allocated.
TEST(TranslationTableInput, HeaderPromisingMoreCellsIsRefused)
{
    EXPECT_FALSE(TranslationTable::parse(QStringLiteral("1000\r\n100000\r\n")).has_value());
    EXPECT_FALSE(TranslationTable::parse(QStringLiteral("2147483647\r\n2147483647\r\na\r\n")).has_value());
    EXPECT_FALSE(TranslationTable::parse(QStringLiteral("3\r\n2\r\na\r\nb\r\nc\r\nd\r\ne\r\n")).has_value());
    EXPECT_FALSE(TranslationTable::parse(QStringLiteral("0\r\n2\r\n")).has_value());
    EXPECT_FALSE(TranslationTable::parse(QStringLiteral("-1\r\n-1\r\n")).has_value());
}

TEST(TranslationTableInput, ExactlyEnoughCellsReadAndWriteBack)
{
    const auto t = TranslationTable::parse(QStringLiteral("3\r\n2\r\na\r\nb\r\nc\r\nd\r\ne\r\n\r\n"));
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->columnCount(), 3);
    EXPECT_EQ(t->rowCount(), 2);
    EXPECT_EQ(t->cell(0, 2), "e");
    EXPECT_EQ(t->cell(1, 2), ""); // an empty last cell is a line of its own
    const auto again = TranslationTable::parse(t->serialise());
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->serialise(), t->serialise());
    // Lines after the last cell are not cells.
    const auto longer = TranslationTable::parse(QStringLiteral("1\r\n1\r\nx\r\ny\r\nz\r\n"));
    ASSERT_TRUE(longer.has_value());
    EXPECT_EQ(longer->serialise(), "1\r\n1\r\nx\r\n");
}
