#include "catalogue/profile_catalogue.h"

#include <gtest/gtest.h>

TEST(MenuLoader, DepthComesFromLeadingTabsOrBlanksAndRisesByOne)
{
    const MenuLoad load = loadMenu("Custom-designed section\r\n20x20\r\n\t20x20x2\r\n 20x20x3\r\n30x30\r\n");
    ASSERT_TRUE(load.error.isEmpty());
    ASSERT_EQ(load.entries.size(), 5u);
    const std::vector<MenuEntry>& e = load.entries;
    EXPECT_EQ(std::tuple(e[2].depth, e[2].text, e[3].depth, e[3].text, e[4].depth),
              std::tuple(1, QString("20x20x2"), 1, QString("20x20x3"), 0));
    // It may fall by any amount, but never rise by two.
    EXPECT_TRUE(loadMenu("A\n\tB\n\t\tC\nD\n").error.isEmpty());
    const MenuLoad deep = loadMenu("Top\r\n\t\tToo deep\r\n");
    EXPECT_TRUE(deep.error.contains("2"));
    EXPECT_TRUE(deep.error.contains("Too deep"));
    EXPECT_FALSE(loadMenu("\tStarts deep\r\n").error.isEmpty());
    for (SectionKind kind : AllSectionKinds)
        EXPECT_TRUE(loadMenu(builtInMenuText(kind)).error.isEmpty()) << kindCode(kind).toStdString();
}

TEST(HollowMenus, LineCountsAndEntryForms)
{
    const auto& rh = builtInMenu(SectionKind::RectHollow);
    ASSERT_EQ(rh.size(), 92u);
    EXPECT_EQ(rh[0].text, "Custom-designed section");
    for (const MenuEntry& e : rh) {
        const int xs = int(e.text.count('x'));
        if (e.depth == 1) {
            EXPECT_EQ(xs, 2) << e.text.toStdString();
        } else if (&e != &rh[0]) {
            EXPECT_EQ(xs, 1) << e.text.toStdString();
        }
    }
    EXPECT_TRUE(std::any_of(rh.begin(), rh.end(), [](const MenuEntry& e) { return e.text == "40x20x3"; }));

    const auto& ch = builtInMenu(SectionKind::CircHollow);
    ASSERT_EQ(ch.size(), 68u);
    for (const MenuEntry& e : ch) {
        if (e.depth == 1) {
            const QString after = e.text.mid(e.text.indexOf(':') + 1);
            EXPECT_EQ(after.count('x'), 1) << e.text.toStdString();
            EXPECT_TRUE(after.contains(',')) << e.text.toStdString();
        }
    }
    EXPECT_TRUE(std::any_of(ch.begin(), ch.end(),
                            [](const MenuEntry& e) { return e.text == "1/2\" pipe diameter:21,3x2,6"; }));
}

// A text is looked up among record names only, exactly and within the range:
// a value line, or a line that reads as a number, is never a name.
TEST(ProfileTableLookup, ExactNameWithinTheRange)
{
    QStringList lines(20, QStringLiteral("-"));
    lines[5] = "HR I80x42";
    lines[6] = "5.95";
    lines[7] = "7.58";
    lines[15] = "I PBI;(HE-A) 100 96x100";
    const ProfileTable table(lines);
    EXPECT_EQ(table.find("HR I80x42", 0, 10).value(), 5);
    EXPECT_FALSE(table.find("HR I80x42", 6, 19).has_value());
    EXPECT_FALSE(table.find("hr i80x42", 0, 19).has_value());
    EXPECT_EQ(table.find("I PBI;(HE-A) 100 96x100", 10, 5000).value(), 15);
    EXPECT_EQ(table.value(5, 2).value(), 7.58L);
    EXPECT_FALSE(table.value(5, 20).has_value());
    EXPECT_FALSE(table.find("7.58", 0, 19).has_value());

    const ProfileTable numbers(QStringList{"1e5", "A", "7", " 7", "B", "-", "1e5000"});
    for (const char* number : {"1e5", "7", " 7"})
        EXPECT_FALSE(numbers.find(QString::fromLatin1(number), 0, 6).has_value()) << number;
    EXPECT_EQ(numbers.find("B", 0, 6), 4);
    EXPECT_EQ(numbers.find("-", 0, 6), 5);
    // A text too big to be a number is a name like any other text.
    EXPECT_EQ(numbers.find("1e5000", 0, 6), 6);
    EXPECT_FALSE(numbers.find("B", 5, 100).has_value());
    EXPECT_FALSE(numbers.find("A", -10, 0).has_value());

    const ProfileTable& builtIn = ProfileTable::builtIn();
    const int last = builtIn.lineCount() - 1;
    ASSERT_EQ(builtIn.line(1), "5.59"); // the weight of "HR U50x38"
    for (const char* value : {"5.59", "2380", "3.925"})
        EXPECT_FALSE(builtIn.find(QString::fromLatin1(value), 0, last).has_value()) << value;
    EXPECT_EQ(builtIn.find("HR U50x38", 0, last), 0);
}

// A family runs from its first name to the last value of its last record; a
// name of no family ends the record before it; a lookup by family finds only
// names within its lines.
TEST(ProfileTableLookup, ByFamily)
{
    const ProfileTable table(QStringList{"HR U50x38", "5.59", "7.12", "T20x20x3", "0.88", "HR U65x42", "7.09",
                                         "Note", "1", "HR I80x42", "5.95", "IPE 80x46", "6"});
    EXPECT_EQ(table.familyLines(ProfileFamily::HotRolledU), (LineRange{0, 6}));
    EXPECT_EQ(table.familyLines(ProfileFamily::Tee), (LineRange{3, 4}));
    EXPECT_EQ(table.familyLines(ProfileFamily::Ipe), (LineRange{11, 12}));
    EXPECT_TRUE(table.familyLines(ProfileFamily::Plate).last < table.familyLines(ProfileFamily::Plate).first);
    EXPECT_EQ(table.find("HR U65x42", {ProfileFamily::HotRolledU}), 5);
    EXPECT_FALSE(table.find("HR I80x42", {ProfileFamily::HotRolledU, ProfileFamily::Plate}).has_value());
    EXPECT_EQ(table.find("IPE 80x46", {ProfileFamily::HotRolledI, ProfileFamily::Ipe}), 11);

    const std::vector<std::pair<const char*, std::optional<ProfileFamily>>> names{
        {"CR L section 30x30x2", ProfileFamily::ColdRolledL}, {"L section 20x20x3", ProfileFamily::HotRolledL},
        {"CR U20x20x1.5", ProfileFamily::ColdRolledU},        {"I PBI;(HE-A) 100 96x100", ProfileFamily::HeA},
        {"IPB;HE-B 100x100", ProfileFamily::HeB},             {"3 mm rib steel plate", ProfileFamily::Plate},
        {"T100x55x10", ProfileFamily::Tee},                   {"Tee", std::nullopt},
        {"Hot rolled U section", std::nullopt}};
    for (const auto& [name, family] : names)
        EXPECT_EQ(profileFamilyOf(QString::fromLatin1(name)), family) << name;
}

TEST(ProfileMenus, PlateMenuHasFourRootsAndNoCustomEntry)
{
    const auto& plates = builtInMenu(SectionKind::Plate);
    ASSERT_EQ(plates.size(), 69u);
    std::vector<QString> roots;
    for (const MenuEntry& e : plates)
        if (e.depth == 0)
            roots.push_back(e.text);
    EXPECT_EQ(roots, (std::vector<QString>{"Steel plates", "Rib steel plates", "Zn steel plates", "Aluminium plates"}));
    EXPECT_EQ(plates[1].text, "0.5 mm steel plate");
    EXPECT_EQ(plates.back().text, "10 mm Aluminium plate");
}
