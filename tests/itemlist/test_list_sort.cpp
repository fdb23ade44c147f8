#include "itemlist_fixture.h"

#include "itemlist/list_sort.h"

#include <QColor>
#include <QLocale>

namespace {
// A row with the given description, E text, Ix/Iy pair and pressure; its
// picture is one pixel of a colour that tells the rows apart, slot 0 its E.
ListRow item(const QString& description, const QString& e = "1", const QString& inertias = "1&1",
             const QString& pressure = "-300")
{
    ListRow row;
    row.cells = {QString(), "00", description, e, "7850", "3.240000", inertias, "1.00&2.00", "3.00&4.00", "5.00&6.00",
                 " 0.29", "300&" + pressure};
    row.itemValues[0] = e.toDouble();
    row.itemValues[1] = 7850;
    row.itemValues[2] = 324;
    row.itemValues[12] = pressure.toDouble();
    row.rowPicture = QImage(1, 1, QImage::Format_RGB32);
    row.rowPicture.fill(QColor::fromHsv(int(qHash(description) % 360), 255, 255));
    return row;
}

ItemList listOf(const std::vector<ListRow>& rows)
{
    ItemList list;
    for (const ListRow& row : rows)
        list.put(list.nextListRow(), row);
    return list;
}

std::vector<int> rowsOf(const std::vector<EditorLine>& lines)
{
    std::vector<int> rows;
    for (const EditorLine& line : lines)
        rows.push_back(line.row);
    return rows;
}

std::vector<int> sortedRows(const ItemList& list, int column, bool second = false)
{
    std::vector<EditorLine> lines = editorLines(list);
    sortEditorLines(lines, column, second);
    return rowsOf(lines);
}
} // namespace

TEST(ListEditor, OneLineTextsOfASectionRow)
{
    const std::vector<EditorLine> lines = editorLines(listOf({item("HR I80x42", "210000000", "77.80&  6.29", "-120")}));
    ASSERT_EQ(lines.size(), 1u);
    const auto texts = editorLineTexts(lines[0], m());
    EXPECT_EQ(QStringList(texts.begin(), texts.end()),
              (QStringList{"1", "00", "HR I80x42", "210000000", "7850", "A:3.240000 G:2.54", "Ix:77.80 Iy:6.29",
                           "Kx Above:1.00 Kx Under:2.00", "Ky Left:3.00 Ky Right:4.00", "Ixx:5.00 Kxx:6.00", " 0.29",
                           "300 / -120"}));
}

TEST(ListEditor, SortsEachColumnByItsKey)
{
    const std::vector pairs{item("a", "1", "5.00&  1.00"), item("b", "1", "3.00&  9.00"),
                            item("c", "1", "40.00&  2.00")};
    const struct {
        const char* name;
        std::vector<ListRow> rows;
        int column;
        bool second;
        std::vector<int> sorted;
    } cases[] = {
        {"E modulus as zero-padded texts",
         {item("a", "210000000"), item("b", "70000000"), item("c", "120000000"), item("d", "9000000")}, 3, false,
         {4, 2, 3, 1}},
        {"Ix of the pair", pairs, 6, false, {2, 1, 3}},
        {"Iy of the pair", pairs, 6, true, {1, 3, 2}},
        {"description without case, equal texts in list order",
         {item("beta"), item("Alpha"), item("gamma"), item("ALPHA"), item("Beta")}, 2, false, {2, 4, 1, 5, 3}},
        {"equal keys in list order", {item("a", "5"), item("b", "3"), item("c", "5"), item("d", "3"), item("e", "5")},
         3, false, {2, 4, 1, 3, 5}},
        {"pressure by value",
         {item("a", "1", "1&1", "-300"), item("b", "1", "1&1", "-1200"), item("c", "1", "1&1", "-120"),
          item("d", "1", "1&1", "-80.5")}, 11, true, {2, 1, 3, 4}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sortedRows(listOf(c.rows), c.column, c.second), c.sorted) << c.name;
}

TEST(ListEditor, EqualNumbersAfterShufflingFollowTheRowNumber)
{
    const ItemList list = listOf({item("a", "5"), item("b", "3"), item("c", "5")});
    std::vector<EditorLine> lines = editorLines(list);
    std::reverse(lines.begin(), lines.end());
    sortEditorLines(lines, 7, false);
    EXPECT_EQ(rowsOf(lines), (std::vector<int>{1, 2, 3}));
}

// Dropped on a line that moves itself: before the next line that stays.
TEST(ListEditor, MovingSelectedLines)
{
    const ItemList list = listOf({item("a"), item("b"), item("c"), item("d"), item("e")});
    const struct {
        std::vector<int> selected;
        int target;
        std::vector<int> rows;
    } cases[] = {{{2, 0}, 4, {2, 4, 1, 3, 5}}, {{0, 2}, 5, {2, 4, 5, 1, 3}}, {{3}, 0, {4, 1, 2, 3, 5}},
                 {{1, 2}, 2, {1, 2, 3, 4, 5}}, {{}, 0, {1, 2, 3, 4, 5}},      {{9}, 0, {1, 2, 3, 4, 5}}};
    for (const auto& c : cases) {
        std::vector<EditorLine> lines = editorLines(list);
        moveEditorLines(lines, c.selected, c.target);
        EXPECT_EQ(rowsOf(lines), c.rows) << "to " << c.target;
    }
}

TEST(ListEditor, ApplyingAnOrderMovesRowsPicturesAndValues)
{
    ItemList list = listOf({item("a", "100"), item("b", "200"), item("c", "300")});
    const QRgb pictureOfC = list.row(3).rowPicture.pixel(0, 0);
    ASSERT_NE(pictureOfC, list.row(1).rowPicture.pixel(0, 0));
    ASSERT_TRUE(applyItemOrder(list, {3, 1, 2}));
    EXPECT_EQ(cellsOf(list.row(1), {0, 2, 3}) + cellsOf(list.row(3), {0, 2}), (QStringList{"1", "c", "300", "3", "b"}));
    EXPECT_EQ(std::tuple(list.row(1).itemValues[0], list.row(1).rowPicture.pixel(0, 0), list.row(3).itemValues[0]),
              std::tuple(300.0L, pictureOfC, 200.0L));

    // Orders that do not name every row once change nothing.
    for (const std::vector<int>& bad : {std::vector<int>{1, 2}, {1, 1, 2}, {0, 1, 2}, {1, 2, 4}}) {
        EXPECT_FALSE(applyItemOrder(list, bad));
        EXPECT_EQ(std::pair(list.row(1).cells[2], list.count()), std::pair(QString("c"), 3));
    }
    ASSERT_TRUE(applyItemOrder(list, {1, 2, 3}));
    EXPECT_EQ(list.row(2).cells[2], "a");
}

TEST(ListEditor, RemovingSelectedItems)
{
    ItemList list = listOf({item("a"), item("b", "2"), item("c", "3"), item("d", "4"), item("e", "5")});
    removeItems(list, {4, 2, 4, 9});
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(cellsOf(list.row(2), {0, 2}) << list.row(1).cells[2] << list.row(3).cells[2],
              (QStringList{"2", "c", "a", "e"}));
    EXPECT_EQ(list.row(2).itemValues[0], 3.0L);
}

namespace {
// A plate row as the plate tab lists it: size, pieces, weight of one, weight
// of all, outside surface.
ListRow plate(const QString& description, const QString& weightOfOne, const QString& weightOfAll)
{
    ListRow row;
    row.isPlate = true;
    row.cells = {QString(), QString(), description, "1000x2000", "1", weightOfOne, weightOfAll, " 4.000"};
    return row;
}
} // namespace

TEST(ListEditor, DescriptionsSortInTheOrderOfTheLanguage)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const ItemList list = listOf({item("zeta"), item(QString::fromUtf8("\xc3\x81""cs")), item("alpha"), item("Beta")});
    EXPECT_EQ(sortedRows(list, 2), (std::vector<int>{2, 3, 4, 1}));
    QLocale::setDefault(before);
}

// Plates after the sections in sorts of section values, among themselves by
// the numbers their cells hold (9.40 before 15.70); the description sort mixes them.
TEST(ListEditor, PlateRowsSortByWhatTheirCellsHold)
{
    const ItemList list = listOf({item("b", "1", "5.00&  1.00"), plate("a plate", " 4.70", " 9.40"),
                                  item("c", "1", "3.00&  9.00"), plate("d plate", " 15.70", " 15.70")});
    const struct {
        const char* name;
        int column;
        std::vector<int> sorted;
    } cases[] = {
        {"Ix, then plates by the weight of all", 6, {3, 1, 2, 4}},
        {"area, then plates by the weight of one", 5, {1, 3, 2, 4}},
        {"Kx above, plates in list order", 7, {1, 3, 2, 4}},
        {"description", 2, {2, 1, 3, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sortedRows(list, c.column), c.sorted);
    }
}
