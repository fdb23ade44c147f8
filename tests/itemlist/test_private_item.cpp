#include "itemlist_fixture.h"

#include "itemlist/private_item.h"
#include "itemlist/units_apply.h"
#include "sections/hollow.h"

#include <QPainter>

namespace {
PrivateItemTexts boxItem()
{
    PrivateItemTexts t;
    t.description = "Welded box 50";
    t.material = steel();
    t.properties = {"10", "10", "4", "4", "4", "4", "5", "3", "20"};
    return t;
}

QImage picture()
{
    QImage image(240, 160, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(10, 10, 50, 50, QColor(0, 0, 128));
    return image;
}
} // namespace

TEST(PrivateItem, RowInDefaultUnitsCarriesThePrivateMark)
{
    const WriteOutcome out = writePrivateRow(1, boxItem(), UnitSettings{}, picture(), m());
    ASSERT_TRUE(out.written) << out.refusal.toStdString();
    const ListRow& row = out.row;
    EXPECT_EQ(cellsOf(row, {1, 2, 3, 4, 5, 6, 7, 9, 10, 11}),
              (QStringList{"10", "Welded box 50", "210000000", "7850", "20.000000", "10.00&10.00", "4.00&4.00",
                           "5.00&3.00", " 0.29", "300&-300"}));
    expectValues(row, {{2, 2000}, {3, 10}, {10, 3}}); // 20 cm2 in mm2
    EXPECT_EQ(std::pair(row.rowPicture.format(), row.rowPicture.pixel(20, 20)),
              std::pair(QImage::Format_Indexed8, qRgb(0, 0, 128)));
    EXPECT_LE(row.rowPicture.colorCount(), 16);
    // A correction keeps the mark it is given.
    EXPECT_EQ(writePrivateRow(1, boxItem(), UnitSettings{}, picture(), m(), "045").row.cells[1], "045");
}

TEST(PrivateItem, TypedValuesAreStoredInBaseUnits)
{
    // mm2, mm4, mm3 and KN/m2 stresses.
    const UnitSettings units = *UnitSettings::fromDigits("1133313");
    PrivateItemTexts t = boxItem();
    t.properties = {"100000", "200000", "4000", "5000", "6000", "7000", "50000", "3000", "2000"};
    t.material.tensile = "300000";
    t.material.pressure = "-300000";
    const WriteOutcome out = writePrivateRow(3, t, units, picture(), m());
    ASSERT_TRUE(out.written);
    expectValues(out.row, {{2, 2000}, {3, 10}, {4, 20}, {5, 4}, {8, 7}, {9, 5}, {10, 3}, {11, 300}, {12, -300}});
    EXPECT_EQ(cellsOf(out.row, {5, 6}), (QStringList{"2000.00", "100000.00&200000.00"}));
}

// The row is written by the section row's writer: one of its material checks
// and its capacity show that it is reached.
TEST(PrivateItem, MaterialChecksOfTheSectionRowApply)
{
    PrivateItemTexts t = boxItem();
    t.material.tensile = "0";
    EXPECT_EQ(writePrivateRow(1, t, UnitSettings{}, picture(), m()).refusal, "Error. Max.Tensil<=0 !");
    EXPECT_EQ(writePrivateRow(251, boxItem(), UnitSettings{}, picture(), m()).refusal, "Max. 250 items !!!");
    // A lone point passes the field filter but is no number.
    t = boxItem();
    t.properties[std::size_t(PrivateProperty::Kxx)] = ".";
    const WriteOutcome dot = writePrivateRow(1, t, UnitSettings{}, picture(), m());
    EXPECT_EQ(std::pair(dot.written, dot.refusal), std::pair(false, QString("Error wrong data !")));
}

TEST(PrivateItem, FilledFieldsCountTheTwelveTextFields)
{
    PrivateItemTexts t = boxItem();
    EXPECT_EQ(std::pair(t.filledFields(), t.complete()), std::pair(12, true));
    t.description.clear();
    EXPECT_EQ(std::pair(t.filledFields(), t.complete()), std::pair(11, false));
    t.properties[0].clear();
    t.material.pressure.clear();
    EXPECT_EQ(t.filledFields(), 9);
    // The material boxes are not text fields.
    PrivateItemTexts empty;
    empty.material.eModulus = "1";
    EXPECT_EQ(empty.filledFields(), 0);
}

TEST(PrivateItem, PropertyFilterKeepsDigitsAndOnePoint)
{
    for (const auto& [typed, kept] : {std::pair{"1.2.3", "1.23"}, {"a1b,5", "15"}, {"-12.5e3", "12.53"}, {"", ""}})
        EXPECT_EQ(filterPropertyText(typed), kept) << typed;
}

TEST(PrivateItem, CorrectionStartsFromTheRowsTexts)
{
    // A listed section, re-expressed so that its pairs carry blanks.
    const WriteOutcome listed = writeSectionRow(1, steel(), rectHollowProperties(40, 20, 3, 0), UnitSettings{}, 0, m());
    ItemList list;
    list.put(1, listed.row);
    reexpressRows(list, UnitSettings{});
    const ListRow& row = list.row(1);
    ASSERT_EQ(row.cells[6], "1.89&  6.08");
    list.row(1).cells[2] = "40x20x3 RH Section";

    const PrivateItemTexts t = correctionTexts(list.row(1));
    const MaterialTexts& mt = t.material;
    EXPECT_EQ((QStringList{t.properties[0], t.properties[1], t.properties[8], t.description, mt.eModulus, mt.density,
                           mt.poisson, mt.tensile, mt.pressure}),
              (QStringList{"1.89", "6.08", "3.240000", "40x20x3 RH Section", "210000000", "7850", "0.29", "300.00",
                           "-300.00"}));
    const QString start = correctionStartValues(list.row(1));
    EXPECT_EQ(start, t.currentValues());
    EXPECT_TRUE(start.startsWith("1.896.08") && start.endsWith("3.240000")) << start.toStdString();

    // Writing the prefilled texts back gives the row's texts again.
    PrivateItemTexts back = t;
    back.material.eItems = {};
    const WriteOutcome again = writePrivateRow(1, back, UnitSettings{}, picture(), m(), row.cells[1]);
    ASSERT_TRUE(again.written);
    EXPECT_EQ(cellsOf(again.row, {1, 3, 5, 6}), (QStringList{"00", row.cells[3], row.cells[5], "1.89&6.08"}));
}

TEST(PrivateItem, SplitPairCellWithoutAmpersand)
{
    EXPECT_EQ(splitPairCell(" 12 "), std::pair(QString("12"), QString()));
    EXPECT_EQ(splitPairCell("1&2&3"), std::pair(QString("1"), QString("2&3")));
}

TEST(PrivateItem, PreviewWritesTheKnownDistances)
{
    PrivatePropertyTexts known = boxItem().properties;
    const QImage full = privatePreview(known, UnitSettings{});
    EXPECT_EQ(full.size(), QSize(240, 160));
    EXPECT_EQ(full, privatePreview(boxItem().properties, UnitSettings{}));
    known[std::size_t(PrivateProperty::KxAbove)] = "0";
    const QImage partial = privatePreview(known, UnitSettings{});
    // The text above the sketch is gone, the rest is the same.
    EXPECT_NE(full.copy(0, 0, 240, 16), partial.copy(0, 0, 240, 16));
    EXPECT_EQ(full.copy(0, 40, 240, 100), partial.copy(0, 40, 240, 100));
}
