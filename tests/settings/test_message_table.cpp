#include "settings/eight_bit_text.h"
#include "settings/message_table.h"
#include "settings/translation_table.h"

#include <gtest/gtest.h>

TEST(BuiltInTranslationTable, HasFiveColumnsAnd317Rows)
{
    const TranslationTable& t = TranslationTable::builtIn();
    EXPECT_EQ(t.columnCount(), 5);
    EXPECT_EQ(t.rowCount(), 317);
    EXPECT_EQ(t.cell(0, 2), "English language");
    EXPECT_EQ(t.cell(1, 1), "form1.Panel53");
    EXPECT_EQ(t.cell(94, 1), "form1.tabcontrol1");
    EXPECT_EQ(t.cell(94, 2), "Rectangular Hollow Section");
    EXPECT_EQ(t.cell(104, 1), "ford1");
    EXPECT_EQ(t.cell(198, 1), "ford95");
    EXPECT_EQ(t.cell(199, 1), "form1.GroupBox15");
    EXPECT_EQ(t.cell(209, 1), "ford96");
    EXPECT_EQ(t.cell(284, 1), "ford 171");
    EXPECT_EQ(t.cell(316, 1), "ford203");
}

TEST(BuiltInTranslationTable, SerialisesBackToTheSameText)
{
    const TranslationTable& t = TranslationTable::builtIn();
    const auto again = TranslationTable::parse(t.serialise());
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->serialise(), t.serialise());
    EXPECT_EQ(t.serialise().count(QStringLiteral("\r\n")), 2 + 5 * 317);
}

TEST(EnglishMessages, KeepTheirBlanksAndNumbers)
{
    const MessageTable& m = MessageTable::english();
    EXPECT_EQ(m(1), "Error wrong data !");
    EXPECT_EQ(m(14), " deg.");
    EXPECT_EQ(m(18), " Tonne");
    EXPECT_EQ(m(22), "A /Area/    : ");
    EXPECT_EQ(m(96), "Custom-designed section");
    EXPECT_EQ(m(171), "* Only HTML at report");
    EXPECT_EQ(m(200), "Error ! Current paper size is insufficient !");
    EXPECT_TRUE(m(201).isEmpty());
    EXPECT_TRUE(m(203).isEmpty());
    EXPECT_TRUE(m(0).isEmpty());
    EXPECT_TRUE(m(204).isEmpty());
    for (int n = 1; n <= 200; ++n)
        EXPECT_FALSE(m(n).isEmpty()) << n;
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
    EXPECT_EQ(t->columnCount(), 3);
    EXPECT_EQ(t->rowCount(), 2);
    EXPECT_EQ(t->cell(0, 2), "e");
    EXPECT_EQ(t->cell(1, 2), ""); // an empty last cell is a line of its own
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
