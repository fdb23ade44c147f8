#include "itemlist_fixture.h"

#include "itemlist/list_commands.h"
#include "itemlist/list_section.h"

#include "catalogue/profile_catalogue.h"
#include "sections/hollow.h"

// Circles never carry the rotation suffix: they do not turn. A hollow
// rectangle's walls must fit both sides (a > 2v and b > 2v); a solid one with
// an unreadable size keeps its caption. "none": nothing is written and the
// "wrong data" message is given.
TEST(ListSection, DesignationInColumnTwoOfEachTab)
{
    using K = SectionKind;
    const struct {
        SectionKind kind;
        QStringList fields;
        const char* caption;
        int angle;
        const char* expected;
    } cases[] = {
        {K::RectHollow, {"40", "20", "3"}, "", 0, "40x20x3 RH Section"},
        {K::RectHollow, {"40", "20", "3"}, "", 30, "40x20x3 RH Section Rotate :30 deg."},
        {K::RectHollow, {"100", "50", "2.5"}, "", 0, "100x50x2.5 RH Section"},
        {K::CircHollow, {"48.3", "3.2"}, "", 0, "Pipe diameter:48.3x3.2"},
        {K::CircHollow, {"60", "4"}, "", 90, "Pipe diameter:60x4"},
        {K::RectSolid, {"40", "20"}, "Rectangular bar 40x20", 0, "Rectangular bar 40x20"},
        {K::RectSolid, {"40", "20"}, "Bar", 359, "Bar Rotate :359 deg."},
        {K::CircSolid, {"25"}, "", 0, "Circ.solid section diam.: 25"},
        {K::FlatBar, {"40", "5"}, "", 0, "R. section  40x5"},
        {K::FlatBar, {"40", "5"}, "", 45, "R. section  40x5 Rotate :45 deg."},
        {K::L, {"40", "10", "3"}, "L40x40x4", 0, "L40x40x4"},
        {K::T, {}, "T50x50x6", 180, "T50x50x6 Rotate :180 deg."},
        {K::U, {}, "HR U100x50", 0, "HR U100x50"},
        {K::I, {}, "IPE 200", 270, "IPE 200 Rotate :270 deg."},
        {K::RectHollow, {"40", "6", "3"}, "", 0, "none"},
        {K::RectHollow, {"6", "40", "3"}, "", 0, "none"},
        {K::RectHollow, {"40.5", "20", "3"}, "", 0, "none"},
        {K::RectHollow, {"40", "20", "x"}, "", 0, "none"},
        {K::RectHollow, {"7", "7", "3"}, "", 0, "7x7x3 RH Section"},
        {K::RectSolid, {"", "20"}, "Bar", 0, "Bar"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fields.join('x').toStdString() + " " + c.caption + " " + std::to_string(c.angle));
        const DesignationOutcome out = sectionDesignation(c.kind, c.fields, c.caption, c.angle, m());
        EXPECT_EQ(out.text.value_or("none").toStdString(), c.expected);
        // An unreadable solid size keeps the caption but still says so.
        const bool wrong = c.expected == std::string("none") || (c.kind == K::RectSolid && c.fields.contains(""));
        EXPECT_EQ(out.messages, wrong ? QStringList{m()(Msg::WrongData)} : QStringList());
    }
}

TEST(ListSection, RefusedDesignationWritesNothing)
{
    SectionListing listing;
    listing.kind = SectionKind::RectHollow;
    listing.fields = {"10", "40", "5"};
    listing.properties = rectHollowProperties(10, 40, 5, 0);
    listing.material = steel();
    const WriteOutcome refused = listSection(1, listing, m());
    EXPECT_EQ(std::pair(refused.written, refused.refusal), std::pair(false, m()(Msg::WrongData)));

    listing.fields = {"40", "20", "3"};
    listing.properties = rectHollowProperties(40, 20, 3, 0);
    listing.angle = 90;
    const WriteOutcome out = listSection(1, listing, m());
    ASSERT_TRUE(out.written);
    EXPECT_EQ(out.row.cells[2], "40x20x3 RH Section Rotate :90 deg.");
}

TEST(ListCommands, ToListTargetsTheNextRowOrTheCorrectedOne)
{
    ItemList list;
    EXPECT_EQ(listTargetRow(list, false, 1), 1);
    EXPECT_EQ(listTargetRow(list, true, 3), 1); // nothing to correct in an empty list
    for (int r = 1; r <= 3; ++r)
        list.put(r, ListRow{});
    // {correcting, selected row, target}
    for (const auto& [correct, selected, target] : {std::tuple{false, 2, 4}, {true, 2, 2}, {true, 9, 3}, {true, 0, 1}})
        EXPECT_EQ(listTargetRow(list, correct, selected), target) << correct << " " << selected;
}

TEST(ListCommands, PlateRowTakesItsMassFromTheTable)
{
    const ProfileTable& table = ProfileTable::builtIn();
    const QString name = "1 mm steel plate";
    const int record = table.find(name, 0, table.lineCount() - 1).value_or(-1);
    ASSERT_GE(record, 0);
    ItemList list;
    list.put(1, ListRow{});
    const PlateRowOutcome out = listPlate(list, record, name, "1000", "2000", table, m());
    ASSERT_TRUE(out.written);
    EXPECT_EQ(cellsOf(out.row, {6, 7}), (QStringList{" 15.70", " 4.000"})); // both faces
    EXPECT_FALSE(listPlate(list, record, name, "0", "2000", table, m()).written);
    // The plate goes to the next free row, so a full list refuses it.
    for (int r = 2; r <= ItemListCapacity; ++r)
        list.put(r, ListRow{});
    const PlateRowOutcome full = listPlate(list, record, name, "1000", "2000", table, m());
    EXPECT_EQ(std::pair(full.written, full.refusal), std::pair(false, m()(Msg::ListFull)));
}
