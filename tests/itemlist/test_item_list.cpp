#include "itemlist_fixture.h"

#include "itemlist/requirement_limits.h"
#include "itemlist/units_apply.h"
#include "sections/hollow.h"
#include "base/number_format.h"

namespace {
WriteOutcome write(const MaterialTexts& t, const UnitSettings& u = UnitSettings{}, int r = 1)
{
    return writeSectionRow(r, t, rectHollowProperties(40, 20, 3, 0), u, 0, m());
}

PlateRowOutcome plate(int r)
{
    return writePlateRow(r, "1 mm steel plate", "1000", "2000", "1", "", 7.85L, m());
}
} // namespace

TEST(writeSectionRow, DefaultUnitCellsOfASteelItem)
{
    const WriteOutcome out = write(steel());
    ASSERT_TRUE(out.written);
    EXPECT_EQ(cellsOf(out.row, {1, 3, 4, 5, 6, 10, 11}),
              (QStringList{"00", "210000000", "7850", "3.240000", "1.89&6.08", " 0.29", "300&-300"}));
    expectValues(out.row, {{0, 210000000}, {1, 7850}, {2, 324}, {11, 300}, {12, -300}});
    EXPECT_EQ(out.eItems, eModulusItems()); // list items are not added again
}

TEST(writeSectionRow, RefusalsNameTheirReasonAndField)
{
    const struct {
        QString MaterialTexts::*field;
        const char* text;
        int row;
        const char* refusal;
        MaterialField focus;
    } cases[] = {
        {&MaterialTexts::poisson, "0", 1, "Error. Poisson<0 or Poisson>1 !", MaterialField::Poisson},
        {&MaterialTexts::poisson, "1", 1, "Error. Poisson<0 or Poisson>1 !", MaterialField::Poisson},
        {&MaterialTexts::poisson, "1.5", 1, "Error. Poisson<0 or Poisson>1 !", MaterialField::Poisson},
        {&MaterialTexts::poisson, "x", 1, "Error. Poisson<0 or Poisson>1 !", MaterialField::Poisson},
        {&MaterialTexts::pressure, "-", 1, "Error wrong data !", MaterialField::Pressure},
        {&MaterialTexts::pressure, "0", 1, "Error. Min.Pressure>=0 !", MaterialField::Pressure},
        {&MaterialTexts::tensile, "0", 1, "Error. Max.Tensil<=0 !", MaterialField::Tensile},
        {&MaterialTexts::poisson, "0.5", 251, "Max. 250 items !!!", MaterialField::None},
        {&MaterialTexts::poisson, "0.5", 250, "", MaterialField::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in row " + std::to_string(c.row));
        MaterialTexts t = steel();
        t.*c.field = c.text;
        const WriteOutcome out = write(t, UnitSettings{}, c.row);
        EXPECT_EQ(std::tuple(out.written, out.refusal, out.focus), std::tuple(!*c.refusal, c.refusal, c.focus));
    }
}

TEST(writeSectionRow, TypedEModulusWithLettersAndWithoutNumber)
{
    MaterialTexts t = steel();
    t.eModulus = "abc210000";
    const WriteOutcome out = write(t);
    EXPECT_EQ(std::tuple(out.written, out.row.itemValues[0], out.eItems.contains("abc210000"), out.messages),
              std::tuple(true, 210000.0L, true, QStringList()));
    t.eModulus = "abc";
    const WriteOutcome none = write(t);
    EXPECT_EQ(std::tuple(none.written, none.row.itemValues[0], none.messages),
              std::tuple(true, 0.0L, QStringList{"Error wrong data !"}));
}

TEST(ListCells, AreaAndDensityFormatsWithTiesToEven)
{
    EXPECT_EQ(areaCell(12.3456L), "12.345600");
    EXPECT_EQ(areaCell(123.456L), "123.46");
    EXPECT_EQ(areaCell(100), "100.00"); // two decimals from 100 cm2 on
    EXPECT_EQ(densityCell(0.5L), "0.5000");
    EXPECT_EQ(densityCell(1), "1.0000"); // whole numbers only above 1
    EXPECT_EQ(densityCell(7850.5L), "7850");
    EXPECT_EQ(densityCell(7851.5L), "7852");
    EXPECT_EQ(formatTwoOrTen(0.005L), "0.0050000000");
}

TEST(ItemList, DeletingRowsMovesPicturesAndValuesUp)
{
    ItemList list;
    for (int i = 1; i <= 5; ++i) {
        ListRow row;
        row.cells[2] = QStringLiteral("item %1").arg(i);
        row.itemValues[2] = i;
        row.rowPicture = QImage(2, 2, QImage::Format_RGB32);
        row.rowPicture.fill(QColor(i, 0, 0));
        ASSERT_TRUE(list.put(list.nextListRow(), row));
    }
    list.removeRows(2, 3);
    ASSERT_EQ(std::pair(list.count(), list.nextListRow()), std::pair(3, 4));
    const int kept[3] = {1, 4, 5};
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(cellsOf(list.row(r), {0, 2}),
                  (QStringList{QString::number(r), QStringLiteral("item %1").arg(kept[r - 1])}));
        EXPECT_EQ(list.row(r).itemValues[2], kept[r - 1]);
        EXPECT_EQ(qRed(list.row(r).rowPicture.pixel(0, 0)), kept[r - 1]);
    }
    list.removeRows(1, 3);
    EXPECT_EQ(std::pair(list.isEmpty(), list.nextListRow()), std::pair(true, 1));
}

TEST(ItemList, NeverGrowsBeyond250)
{
    ItemList list;
    for (int i = 0; i < 250; ++i)
        ASSERT_TRUE(list.put(list.nextListRow(), ListRow{}));
    EXPECT_TRUE(list.isFull());
    EXPECT_FALSE(list.put(251, ListRow{}));
    EXPECT_EQ(list.count(), 250);
    EXPECT_TRUE(list.put(7, ListRow{})); // a correction overwrites
    EXPECT_EQ(list.count(), 250);
}

// Plate rows: size, pieces, weights, surface; the totals leave section rows
// (which hold "Ix&Iy" in column 6) out.
TEST(PlateRows, WeightsSurfaceAndTotals)
{
    const PlateRowOutcome out = plate(1);
    ASSERT_TRUE(out.written);
    EXPECT_EQ(cellsOf(out.row, {3, 5, 6, 7}), (QStringList{"1000x2000", " 15.70", " 15.70", " 4.000"}));
    EXPECT_EQ(writePlateRow(1, "x", "0", "2000", "1", "", 7.85L, m()).refusal,
              "Error ! Zero length of material or zero piece.");

    ItemList list;
    list.put(1, write(steel()).row);
    list.put(2, out.row);
    list.put(3, writePlateRow(3, "2 mm steel plate", "500", "1000", "3", "", 15.7L, m()).row);
    const ListTotals totals = showListTotals(list, m()); // 15.70 + 23.55 Kg
    EXPECT_EQ(std::tuple(totals.unreadable, totals.weight, totals.outside),
              std::tuple(false, "Total weight:    39.2 Kg", "Total outside:    7.00 m2"));
    ListRow heavy = out.row;
    heavy.cells[6] = "12000";
    ItemList big;
    big.put(1, heavy);
    EXPECT_EQ(showListTotals(big, m()).weight, "Total weight:   12.00 Tonne");
}

TEST(Units, ReexpressingRowsAndListTexts)
{
    ItemList list;
    list.put(1, write(steel()).row);
    reexpressRows(list, units("2122233"));
    EXPECT_EQ(list.row(1).cells[3], "21000000");
    reexpressRows(list, UnitSettings{});
    EXPECT_EQ(list.row(1).cells[3], "210000000");
    const auto e = [](int from, int to) { return unitFactor(UnitGroup::EModulus, from, to); };
    EXPECT_EQ(reexpressListText("Steel : 210000000", e(1, 2), ListNumberStyle::Whole), "Steel : 21000000");
    EXPECT_EQ(reexpressListText("Steel : 210000000", e(1, 3), ListNumberStyle::Whole), "Steel : 210000");
    EXPECT_EQ(reexpressListText("Steel : 7850", unitFactor(UnitGroup::Density, 1, 2), ListNumberStyle::Density),
              "Steel : 0.00785");
    EXPECT_EQ(reexpressListText("Steel", 10, ListNumberStyle::Whole), "Steel");

    reexpressRows(list, units("1122213"));
    EXPECT_EQ(list.row(1).cells[11], "300000.00&  -300000.00");
    const long double f = unitFactor(UnitGroup::Stress, 3, 1);
    EXPECT_EQ(reexpressStress("300", f, false), "300000.00");
    EXPECT_EQ(reexpressStress("-300", f, true), "-300000.00");

    ItemList one;
    one.put(1, ListRow{});
    one.row(1).itemValues[2] = 1250; // 12.5 cm2
    reexpressRows(one, units("1112233"));
    EXPECT_EQ(one.row(1).cells[5], "0.001250");
    EXPECT_EQ(headerCaptions(units("1112233"), m())[5], "Area[m2]\nWeight[Kg/m]");
}

TEST(Units, PlateRowsKeepTheirTexts)
{
    ItemList list;
    list.put(1, plate(1).row);
    const ListRow before = list.row(1);
    reexpressRows(list, units("1132233"));
    EXPECT_EQ(list.row(1).cells, before.cells);
}

TEST(Units, HeaderAreaCaptionBeforeAndAfterTheFirstApply)
{
    const UnitSettings u;
    EXPECT_EQ(headerCaptions(u, m(), false)[5], "Area[cm2]\nweightKg/m");
    EXPECT_EQ(headerCaptions(u, m(), true)[5], "Area[cm2]\nWeight[Kg/m]");
}

TEST(Units, SmallStressesInTheListMatchTheStressFields)
{
    MaterialTexts t = steel();
    t.tensile = "0.05";
    t.pressure = "-0.07";
    ItemList list;
    list.put(1, write(t).row);
    reexpressRows(list, units("1122223")); // KN/cm2: a tenth of the N/mm2 figure
    const long double f = unitFactor(UnitGroup::Stress, 3, 2);
    EXPECT_EQ(reexpressStress(t.tensile, f, false), "0.00500000");
    EXPECT_EQ(reexpressStress(t.pressure, f, true), "-0.00700000");
    EXPECT_EQ(list.row(1).cells[11], "0.00500000&  -0.00700000");
    reexpressRows(list, units("1122213")); // from 0.01 on both keep two decimals
    EXPECT_EQ(list.row(1).cells[11], "50.00&  -70.00");
}

TEST(Requirement, ColoursAtAndAroundTheBounds)
{
    using P = PanelColour;
    RequirementLimits limits;
    limits.setMin(0, "0");
    limits.setMax(0, "100");
    const auto area = [&](long double value) { return limits.requirementColour("area", value, m()); };
    EXPECT_EQ(std::pair(limits.enabled(0), area(50)), std::pair(true, P::Neutral)); // not ticked
    limits.setTicked(0, true);
    EXPECT_EQ((std::array{area(100), area(100.5L), area(0)}), (std::array{P::Green, P::Yellow, P::Green}));
    limits.setMin(0, "10");
    EXPECT_EQ(std::pair(area(9.99L), limits.requirementColour("ix", 9.99L, m())), std::pair(P::Red, P::Neutral));
    limits.setMax(0, "5"); // min not below max
    EXPECT_EQ(std::pair(limits.enabled(0), area(7)), std::pair(false, P::Neutral));
}

TEST(Requirement, LimitFieldFilterSignatureAndParsing)
{
    EXPECT_EQ(RequirementLimits::filterLimitText("1.2.3"), "1.23");
    EXPECT_EQ(RequirementLimits::filterLimitText("-5a"), "5");
    RequirementLimits a, b;
    EXPECT_EQ(a.signature(), b.signature());
    b.setTicked(3, true);
    EXPECT_NE(a.signature(), b.signature());

    // Seven min:max pairs.
    QString error;
    ASSERT_TRUE(a.parse("0:100,,,1:2,,,", error)) << error.toStdString();
    EXPECT_EQ(std::pair(a.row(0).ticked, a.row(1).ticked), std::pair(true, false));
    EXPECT_EQ(a.requirementColour("kxab", 1.5L, m()), PanelColour::Green);
    for (const char* bad : {"10:5,,,,,,", "1:2", "a:2,,,,,,"})
        EXPECT_FALSE(a.parse(bad, error)) << bad;
}

TEST(Requirement, CaptionsCarryTheUnitsOfTheirGroups)
{
    EXPECT_EQ(RequirementLimits::caption(0, UnitSettings{}) + RequirementLimits::caption(4, UnitSettings{}),
              "A /Area/ [cm2]Kx under /Mom. of resist. / [cm3] :");
    QStringList captions; // in mm2, m4 and mm3
    for (int row : {0, 2, 3, 5, 6})
        captions << RequirementLimits::caption(row, units("1131333"));
    EXPECT_EQ(captions, (QStringList{"A /Area/ [mm2]", "Iy /Moment of inertia / [m4] :",
                                     "Kx above /Mom. of resist. / [mm3] :", "Ixx /Torsion inertia / [m4] :",
                                     "Kxx /Torsion resistance / [mm3] :"}));
}

// cm4 and cm3 to m4 and m3, on to mm4 and mm3 and back: every typed digit stays.
TEST(Requirement, LimitsFollowTheUnitsKeepingEverySignificantDigit)
{
    const QStringList typed{"0.5", "12.5", "0.001", "0.002", "123.456789", "98765.4321"};
    RequirementLimits r;
    for (int i = 0; i < 3; ++i) {
        r.setMin(std::array{0, 1, 6}[i], typed[2 * i]);
        r.setMax(std::array{0, 1, 6}[i], typed[2 * i + 1]);
    }
    const UnitSettings m4 = units("1121133"), mm4 = units("1133333");
    r.reexpress(UnitSettings{}, m4);
    EXPECT_EQ((QStringList{r.row(1).min, r.row(1).max}), (QStringList{"0.00000000001", "0.00000000002"}));
    EXPECT_TRUE(r.enabled(1) && r.enabled(6));
    r.reexpress(m4, mm4);
    EXPECT_EQ((QStringList{r.row(1).min, r.row(6).max}), (QStringList{"10", "98765432.1"}));
    EXPECT_EQ(std::pair(readNumber(r.row(1).max).value_or(-1), readNumber(r.row(0).max).value_or(-1)),
              std::pair(20.0L, 1250.0L));
    r.reexpress(mm4, UnitSettings{});
    EXPECT_EQ((QStringList{r.row(0).min, r.row(0).max, r.row(1).min, r.row(1).max, r.row(6).min, r.row(6).max}), typed);
    EXPECT_TRUE(r.enabled(1));
}
