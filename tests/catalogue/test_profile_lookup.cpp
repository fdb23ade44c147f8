#include "catalogue/profile_catalogue.h"

#include <gtest/gtest.h>

// A user's text is looked up among record names only: a value line that
// happens to equal the text is no record.
TEST(ProfileLookup, ValueLinesAreNeverNames)
{
    const ProfileTable& table = ProfileTable::builtIn();
    const int last = table.lineCount() - 1;
    ASSERT_EQ(table.line(1), "5.59"); // the weight of "HR U50x38"
    EXPECT_FALSE(table.find(QStringLiteral("5.59"), 0, last).has_value());
    EXPECT_FALSE(table.find(QStringLiteral("2380"), 0, last).has_value());
    EXPECT_FALSE(table.find(QStringLiteral("3.925"), 0, last).has_value());
    EXPECT_EQ(table.find(QStringLiteral("HR U50x38"), 0, last), 0);
    const auto plate = table.find(QStringLiteral("0.5 mm steel plate"), 1000, 1399);
    ASSERT_TRUE(plate.has_value());
    EXPECT_EQ(table.line(*plate + 1), "3.925");
}

TEST(ProfileLookup, NumberLikeLinesInAnyTable)
{
    const ProfileTable table(QStringList{"1e5", "A", "7", " 7", "B", "-", "1e5000"});
    EXPECT_FALSE(table.find(QStringLiteral("1e5"), 0, 6).has_value());
    EXPECT_FALSE(table.find(QStringLiteral("7"), 0, 6).has_value());
    EXPECT_FALSE(table.find(QStringLiteral(" 7"), 0, 6).has_value());
    EXPECT_EQ(table.find(QStringLiteral("B"), 0, 6), 4);
    EXPECT_EQ(table.find(QStringLiteral("-"), 0, 6), 5);
    // A text too big to be a number is a name like any other text.
    EXPECT_EQ(table.find(QStringLiteral("1e5000"), 0, 6), 6);
    EXPECT_FALSE(table.find(QStringLiteral("B"), 5, 100).has_value());
    EXPECT_FALSE(table.find(QStringLiteral("A"), -10, 0).has_value());
}
