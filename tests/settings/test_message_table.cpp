#include "settings/eight_bit_text.h"
#include "settings/message_table.h"
#include "settings/translation_table.h"

#include <gtest/gtest.h>

TEST(BuiltInTranslationTable, SerialisesBackToTheSameText)
{
    const TranslationTable& t = TranslationTable::builtIn();
    const auto again = TranslationTable::parse(t.serialise());
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->serialise(), t.serialise());
    EXPECT_EQ(t.serialise().count(QStringLiteral("\r\n")), 2 + 5 * 317);
}

// A translation table is sized by the lines it holds: a header that promises
// more cells than the text has, or counts that cannot be read, are refused
// before anything is allocated.
TEST(TranslationTableParse, RefusesCountsTheTextDoesNotHold)
{
    for (const char* text : {"5", "x\r\n3\r\n", "1000\r\n100000\r\n", "2147483647\r\n2147483647\r\na\r\n",
                             "3\r\n2\r\na\r\nb\r\nc\r\nd\r\ne\r\n", "0\r\n2\r\n", "-1\r\n-1\r\n"})
        EXPECT_FALSE(TranslationTable::parse(QString::fromLatin1(text)).has_value()) << text;
    const auto t = TranslationTable::parse("2\r\n2\r\nItem\r\n1\r\nComponents\r\nford7\r\n");
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(MessageTable::fromTable(*t, 1)(7), "ford7");
}

TEST(TranslationTableParse, ExactlyEnoughCellsReadAndWriteBack)
{
    const auto t = TranslationTable::parse(QStringLiteral("3\r\n2\r\na\r\nb\r\nc\r\nd\r\ne\r\n\r\n"));
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(std::pair(t->columnCount(), t->rowCount()), std::pair(3, 2));
    EXPECT_EQ((QStringList{t->cell(0, 2), t->cell(1, 2)}), (QStringList{"e", ""})); // an empty last cell is a line of its own
    EXPECT_EQ(TranslationTable::parse(t->serialise()).value().serialise(), t->serialise());
    // Lines after the last cell are not cells.
    EXPECT_EQ(TranslationTable::parse(QStringLiteral("1\r\n1\r\nx\r\ny\r\nz\r\n")).value().serialise(), "1\r\n1\r\nx\r\n");
}

TEST(EightBitText, TakesValidUtf8ElseWindows1252)
{
    EXPECT_EQ(decodeEightBit(QByteArray("Z\xc3\xa1rt")), QString::fromUtf8("Z\xc3\xa1rt"));
    EXPECT_EQ(decodeEightBit(QByteArray("Z\xe1rt \x80")), QString::fromUtf8("Z\xc3\xa1rt \xe2\x82\xac"));
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (QStringList{"a", "b"}));
}
