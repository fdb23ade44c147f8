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

TEST(TranslationTableParse, RejectsShortOrUnreadableCounts)
{
    EXPECT_FALSE(TranslationTable::parse("5").has_value());
    EXPECT_FALSE(TranslationTable::parse("x\r\n3\r\n").has_value());
    const auto t = TranslationTable::parse("2\r\n2\r\nItem\r\n1\r\nComponents\r\nford7\r\n");
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(MessageTable::fromTable(*t, 1)(7), "ford7");
}

TEST(EightBitText, TakesValidUtf8ElseWindows1252)
{
    EXPECT_EQ(decodeEightBit(QByteArray("Z\xc3\xa1rt")), QString::fromUtf8("Z\xc3\xa1rt"));
    EXPECT_EQ(decodeEightBit(QByteArray("Z\xe1rt \x80")), QString::fromUtf8("Z\xc3\xa1rt \xe2\x82\xac"));
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (QStringList{"a", "b"}));
}
