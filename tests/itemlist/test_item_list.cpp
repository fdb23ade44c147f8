#include "itemlist_fixture.h"

#include "itemlist/item_list.h"
#include "itemlist/requirement_limits.h"
#include "itemlist/units_apply.h"
#include "sections/hollow.h"
#include "base/number_format.h"

#include <gtest/gtest.h>

namespace {
SectionProperties tube()
{
    return rectHollowProperties(40, 20, 3, 0);
}

WriteOutcome write(const MaterialTexts& t, const UnitSettings& u = UnitSettings{}, int r = 1)
{
    return writeSectionRow(r, t, tube(), u, 0, m());
}
} // namespace

TEST(writeSectionRow, DefaultUnitCellsOfASteelItem)
{
    const WriteOutcome out = write(steel());
    ASSERT_TRUE(out.written);
    const ListRow& row = out.row;
    EXPECT_EQ(row.cells[1], "00");
    EXPECT_EQ(row.cells[3], "210000000");
    EXPECT_EQ(row.cells[4], "7850");
    EXPECT_EQ(row.cells[5], "3.240000");
    EXPECT_EQ(row.cells[6], "1.89&6.08");
    EXPECT_EQ(row.cells[10], " 0.29");
    EXPECT_EQ(row.cells[11], "300&-300");
    EXPECT_EQ(row.itemValues[0], 210000000.0L);
    EXPECT_EQ(row.itemValues[1], 7850.0L);
    EXPECT_NEAR(double(row.itemValues[2]), 324.0, 1e-12);
    EXPECT_EQ(row.itemValues[11], 300.0L);
    EXPECT_EQ(row.itemValues[12], -300.0L);
    EXPECT_EQ(out.eItems, eModulusItems()); // list items are not added again
}

TEST(writeSectionRow, CapacityIs250)
{
    EXPECT_TRUE(write(steel(), UnitSettings{}, 250).written);
    const WriteOutcome full = write(steel(), UnitSettings{}, 251);
    EXPECT_FALSE(full.written);
    EXPECT_EQ(full.refusal, "Max. 250 items !!!");
}

TEST(writeSectionRow, TypedEModulusWithLettersAndWithoutNumber)
{
    MaterialTexts t = steel();
    t.eModulus = "abc210000";
    const WriteOutcome out = write(t);
    ASSERT_TRUE(out.written);
    EXPECT_EQ(out.row.itemValues[0], 210000.0L);
    EXPECT_TRUE(out.eItems.contains("abc210000"));
    EXPECT_TRUE(out.messages.isEmpty());
    t.eModulus = "abc";
    const WriteOutcome none = write(t);
    ASSERT_TRUE(none.written);
    EXPECT_EQ(none.row.itemValues[0], 0.0L);
    EXPECT_EQ(none.messages, QStringList{"Error wrong data !"});
}

TEST(writeSectionRow, PoissonAndStressChecks)
{
    MaterialTexts t = steel();
    for (const char* bad : {"0", "1", "1.5", "x"}) {
        t.poisson = bad;
        const WriteOutcome out = write(t);
        EXPECT_FALSE(out.written) << bad;
        EXPECT_EQ(out.refusal, "Error. Poisson<0 or Poisson>1 !") << bad;
        EXPECT_EQ(out.focus, MaterialField::Poisson);
    }
    t.poisson = "0.5";
    EXPECT_TRUE(write(t).written);
    t = steel();
    t.pressure = "-";
    EXPECT_EQ(write(t).refusal, "Error wrong data !");
    t.pressure = "0";
    EXPECT_EQ(write(t).refusal, "Error. Min.Pressure>=0 !");
    t = steel();
    t.tensile = "0";
    EXPECT_EQ(write(t).refusal, "Error. Max.Tensil<=0 !");
    EXPECT_EQ(write(t).focus, MaterialField::Tensile);
}

TEST(ListCells, AreaAndDensityFormatsWithTiesToEven)
{
    EXPECT_EQ(areaCell(12.3456L), "12.345600");
    EXPECT_EQ(areaCell(123.456L), "123.46");
    EXPECT_EQ(densityCell(0.5L), "0.5000");
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
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.nextListRow(), 4);
    const int kept[3] = {1, 4, 5};
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(list.row(r).cells[0], QString::number(r));
        EXPECT_EQ(list.row(r).cells[2], QStringLiteral("item %1").arg(kept[r - 1]));
        EXPECT_EQ(list.row(r).itemValues[2], kept[r - 1]);
        EXPECT_EQ(qRed(list.row(r).rowPicture.pixel(0, 0)), kept[r - 1]);
    }
    list.removeRows(1, 3);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(list.nextListRow(), 1);
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

TEST(PlateRows, WeightsSurfaceAndTotals)
{
    const PlateRowOutcome out = writePlateRow(1, "1 mm steel plate", "1000", "2000", "1", "", 7.85L, m());
    ASSERT_TRUE(out.written);
    EXPECT_EQ(out.row.cells[3], "1000x2000");
    EXPECT_EQ(out.row.cells[5], " 15.70");
    EXPECT_EQ(out.row.cells[6], " 15.70");
    EXPECT_EQ(out.row.cells[7], " 4.000");
    ListRow heavy = out.row;
    heavy.cells[6] = "12000";
    ItemList big;
    big.put(1, heavy);
    EXPECT_EQ(showListTotals(big, m()).weight, "Total weight:   12.00 Tonne");
    EXPECT_EQ(writePlateRow(1, "x", "0", "2000", "1", "", 7.85L, m()).refusal,
              "Error ! Zero length of material or zero piece.");
}

TEST(Units, ReexpressingRowsAndListTexts)
{
    ItemList list;
    list.put(1, write(steel()).row);
    UnitSettings u;
    u.setChoice(UnitGroup::EModulus, 2);
    reexpressRows(list, u);
    EXPECT_EQ(list.row(1).cells[3], "21000000");
    EXPECT_EQ(reexpressListText("Steel : 210000000", unitFactor(UnitGroup::EModulus, 1, 2), ListNumberStyle::Whole),
              "Steel : 21000000");
    EXPECT_EQ(reexpressListText("Steel : 210000000", unitFactor(UnitGroup::EModulus, 1, 3), ListNumberStyle::Whole),
              "Steel : 210000");
    u = UnitSettings{};
    reexpressRows(list, u);
    EXPECT_EQ(list.row(1).cells[3], "210000000");

    u.setChoice(UnitGroup::Stress, 1);
    reexpressRows(list, u);
    EXPECT_EQ(list.row(1).cells[11], "300000.00&  -300000.00");
    const long double f = unitFactor(UnitGroup::Stress, 3, 1);
    EXPECT_EQ(reexpressStress("300", f, false), "300000.00");
    EXPECT_EQ(reexpressStress("-300", f, true), "-300000.00");

    u = UnitSettings{};
    u.setChoice(UnitGroup::Area, 1);
    ListRow area;
    area.itemValues[2] = 1250; // 12.5 cm2
    ItemList one;
    one.put(1, area);
    reexpressRows(one, u);
    EXPECT_EQ(one.row(1).cells[5], "0.001250");
    EXPECT_EQ(headerCaptions(u, m())[5], "Area[m2]\nWeight[Kg/m]");

    EXPECT_EQ(reexpressListText("Steel : 7850", unitFactor(UnitGroup::Density, 1, 2), ListNumberStyle::Density),
              "Steel : 0.00785");
    EXPECT_EQ(reexpressListText("Steel", 10, ListNumberStyle::Whole), "Steel");
}

TEST(Units, PlateRowsKeepTheirTexts)
{
    ItemList list;
    list.put(1, writePlateRow(1, "1 mm steel plate", "1000", "2000", "1", "", 7.85L, m()).row);
    const ListRow before = list.row(1);
    UnitSettings u;
    u.setChoice(UnitGroup::Area, 3);
    reexpressRows(list, u);
    EXPECT_EQ(list.row(1).cells, before.cells);
}

TEST(Requirement, ColoursAtAndAroundTheBounds)
{
    RequirementLimits limits;
    limits.setMin(0, "0");
    limits.setMax(0, "100");
    EXPECT_TRUE(limits.enabled(0));
    EXPECT_EQ(limits.requirementColour("area", 50, m()), PanelColour::Neutral); // not ticked
    limits.setTicked(0, true);
    EXPECT_EQ(limits.requirementColour("area", 100, m()), PanelColour::Green);
    EXPECT_EQ(limits.requirementColour("area", 100.5L, m()), PanelColour::Yellow);
    EXPECT_EQ(limits.requirementColour("area", 0, m()), PanelColour::Green);
    limits.setMin(0, "10");
    EXPECT_EQ(limits.requirementColour("area", 9.99L, m()), PanelColour::Red);
    EXPECT_EQ(limits.requirementColour("ix", 9.99L, m()), PanelColour::Neutral);
    limits.setMax(0, "5"); // min not below max
    EXPECT_FALSE(limits.enabled(0));
    EXPECT_EQ(limits.requirementColour("area", 7, m()), PanelColour::Neutral);
}

TEST(Requirement, LimitFieldFilterAndSignature)
{
    EXPECT_EQ(RequirementLimits::filterLimitText("1.2.3"), "1.23");
    EXPECT_EQ(RequirementLimits::filterLimitText("-5a"), "5");
    RequirementLimits a, b;
    EXPECT_EQ(a.signature(), b.signature());
    b.setTicked(3, true);
    EXPECT_NE(a.signature(), b.signature());
}

TEST(Requirement, ParsesSevenPairs)
{
    RequirementLimits limits;
    QString error;
    ASSERT_TRUE(limits.parse("0:100,,,1:2,,,", error)) << error.toStdString();
    EXPECT_TRUE(limits.row(0).ticked);
    EXPECT_FALSE(limits.row(1).ticked);
    EXPECT_EQ(limits.requirementColour("kxab", 1.5L, m()), PanelColour::Green);
    EXPECT_FALSE(limits.parse("10:5,,,,,,", error));
    EXPECT_FALSE(limits.parse("1:2", error));
    EXPECT_FALSE(limits.parse("a:2,,,,,,", error));
}

TEST(PlateRows, TotalsLeaveSectionRowsOut)
{
    // A section row holds "Ix&Iy" in column 6: no weight to add, no message.
    ItemList list;
    list.put(1, write(steel()).row);
    list.put(2, writePlateRow(2, "1 mm steel plate", "1000", "2000", "1", "", 7.85L, m()).row);
    list.put(3, writePlateRow(3, "2 mm steel plate", "500", "1000", "3", "", 15.7L, m()).row);
    const ListTotals totals = showListTotals(list, m());
    EXPECT_FALSE(totals.unreadable);
    EXPECT_EQ(totals.weight, "Total weight:    39.2 Kg"); // 15.70 + 23.55
    EXPECT_EQ(totals.outside, "Total outside:    7.00 m2");
}

TEST(Units, HeaderAreaCaptionBeforeAndAfterTheFirstApply)
{
    const UnitSettings u;
    EXPECT_EQ(headerCaptions(u, m(), false)[5], "Area[cm2]\nweightKg/m");
    EXPECT_EQ(headerCaptions(u, m(), true)[5], "Area[cm2]\nWeight[Kg/m]");
    EXPECT_EQ(headerCaptions(u, m())[6], "Mom. of inertia\nIx [cm4]\nIy [cm4]");
}

TEST(Requirement, CaptionsCarryTheUnitsOfTheirGroups)
{
    UnitSettings u;
    EXPECT_EQ(RequirementLimits::caption(0, u), "A /Area/ [cm2]");
    EXPECT_EQ(RequirementLimits::caption(4, u), "Kx under /Mom. of resist. / [cm3] :");
    u.setChoice(UnitGroup::Area, 3);
    u.setChoice(UnitGroup::Inertia, 1);
    u.setChoice(UnitGroup::Modulus, 3);
    EXPECT_EQ(RequirementLimits::caption(0, u), "A /Area/ [mm2]");
    EXPECT_EQ(RequirementLimits::caption(2, u), "Iy /Moment of inertia / [m4] :");
    EXPECT_EQ(RequirementLimits::caption(3, u), "Kx above /Mom. of resist. / [mm3] :");
    EXPECT_EQ(RequirementLimits::caption(5, u), "Ixx /Torsion inertia / [m4] :");
    EXPECT_EQ(RequirementLimits::caption(6, u), "Kxx /Torsion resistance / [mm3] :");
}

TEST(Requirement, LimitsFollowTheUnits)
{
    RequirementLimits limits;
    limits.setMin(1, "1");
    limits.setMax(1, "2");
    limits.setMin(0, "0.5");
    limits.setMax(0, "12.5");
    UnitSettings to;
    to.setChoice(UnitGroup::Inertia, 3); // cm4 -> mm4
    to.setChoice(UnitGroup::Area, 3);    // cm2 -> mm2
    limits.reexpress(UnitSettings{}, to);
    EXPECT_EQ(readNumber(limits.row(1).min).value_or(-1), 10000);
    EXPECT_EQ(readNumber(limits.row(1).max).value_or(-1), 20000);
    EXPECT_EQ(readNumber(limits.row(0).max).value_or(-1), 1250);
    EXPECT_TRUE(limits.enabled(1));
}

TEST(Units, SmallStressesInTheListMatchTheStressFields)
{
    MaterialTexts t = steel();
    t.tensile = "0.05";
    t.pressure = "-0.07";
    ItemList list;
    list.put(1, write(t).row);
    UnitSettings u;
    u.setChoice(UnitGroup::Stress, 2); // KN/cm2: a tenth of the N/mm2 figure
    reexpressRows(list, u);
    const long double f = unitFactor(UnitGroup::Stress, 3, 2);
    const QString tensile = reexpressStress(t.tensile, f, false);
    const QString pressure = reexpressStress(t.pressure, f, true);
    EXPECT_EQ(tensile, "0.00500000");
    EXPECT_EQ(pressure, "-0.00700000");
    EXPECT_EQ(list.row(1).cells[11], tensile + "&  " + pressure);
    // From 0.01 on both keep two decimals.
    u.setChoice(UnitGroup::Stress, 1);
    reexpressRows(list, u);
    EXPECT_EQ(list.row(1).cells[11], "50.00&  -70.00");
}

TEST(Requirement, LimitsKeepEverySignificantDigitThroughUnits)
{
    RequirementLimits limits;
    limits.setMin(1, "0.001");
    limits.setMax(1, "0.002");
    limits.setMin(6, "123.456789");
    limits.setMax(6, "98765.4321");
    ASSERT_TRUE(limits.enabled(1));
    ASSERT_TRUE(limits.enabled(6));
    UnitSettings m4;
    m4.setChoice(UnitGroup::Inertia, 1);
    m4.setChoice(UnitGroup::Modulus, 1);
    limits.reexpress(UnitSettings{}, m4);
    EXPECT_EQ(limits.row(1).min, "0.00000000001");
    EXPECT_EQ(limits.row(1).max, "0.00000000002");
    EXPECT_TRUE(limits.enabled(1));
    EXPECT_TRUE(limits.enabled(6));
    // Through mm4 and back to cm4: the typed numbers again.
    UnitSettings mm4;
    mm4.setChoice(UnitGroup::Inertia, 3);
    mm4.setChoice(UnitGroup::Modulus, 3);
    limits.reexpress(m4, mm4);
    EXPECT_EQ(limits.row(1).min, "10");
    EXPECT_EQ(limits.row(6).max, "98765432.1");
    limits.reexpress(mm4, UnitSettings{});
    EXPECT_EQ(limits.row(1).min, "0.001");
    EXPECT_EQ(limits.row(1).max, "0.002");
    EXPECT_EQ(limits.row(6).min, "123.456789");
    EXPECT_EQ(limits.row(6).max, "98765.4321");
    EXPECT_TRUE(limits.enabled(1));
}
