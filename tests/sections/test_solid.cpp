#include "panel_lookup.h"

#include "sections/solid.h"

#include <gtest/gtest.h>

TEST(RectangleTorsion, StepsOfTheTable)
{
    // 10 x 10, n = 1: divisor 6.7 and h t2 / 3.6.
    const RectangleTorsion square = rectangleTorsion(10, 10);
    EXPECT_NEAR(double(square.ixx), 10 * 1000 / 6.7, 1e-9);
    EXPECT_NEAR(double(square.kxx), 10 * 100 / 3.6, 1e-9);
    // 20 x 10, n = 2 exactly: divisor 5.0.
    EXPECT_NEAR(double(rectangleTorsion(20, 10).ixx), 4000.0, 1e-9);
    EXPECT_NEAR(double(rectangleTorsion(10, 20).ixx), 4000.0, 1e-9);
    // n = 3 and n = 4 stay in their steps.
    EXPECT_NEAR(double(rectangleTorsion(30, 10).ixx), 30 * 1000 / 4.4, 1e-9);
    EXPECT_NEAR(double(rectangleTorsion(40, 10).ixx), 40 * 1000 / 3.8, 1e-9);
    // 50 x 10, n = 5: (n - 0.63) t4 / 3 and Ixx / t.
    const RectangleTorsion flat = rectangleTorsion(50, 10);
    EXPECT_NEAR(double(flat.ixx), 14566.6667, 1e-3);
    EXPECT_NEAR(double(flat.kxx), 1456.66667, 1e-4);
}

TEST(RectSolid, SquareBarShowsItsTorsionValues)
{
    const TabResult r = rectSolidCustom("10", "10", ComputeContext{});
    ASSERT_TRUE(r.properties.has_value());
    EXPECT_EQ((QStringList{valueAt(r, 100), valueAt(r, 113)}), (QStringList{"0.15 [cm4]", "0.28 [cm3]"}));
    EXPECT_EQ(r.dataCaption.value(), "Rect. solid section  10x10");
    EXPECT_EQ(r.panel.lines()[0].label, "Rect. solid section features :10x10");
    EXPECT_EQ(valueAt(r, 22), "0.79 Kg/m");
}

TEST(RectSolid, CatalogueRow)
{
    const TabResult r = rectSolidEntry("R.S. section :20x20", ComputeContext{});
    ASSERT_TRUE(r.properties.has_value());
    EXPECT_NEAR(double(r.properties->area), 400, 1e-12);
    EXPECT_EQ(r.fieldTexts.value(), (QStringList{"20", "20"}));
    EXPECT_EQ(r.labels.at(0).x, 192);
}

TEST(RectSolid, ZeroSideIsRefusedWithItsTitle)
{
    const TabResult r = rectSolidCustom("0", "10", ComputeContext{});
    EXPECT_FALSE(r.properties.has_value());
    EXPECT_FALSE(r.toListEnabled);
    ASSERT_EQ(r.panel.texts().size(), 2u);
    const std::vector<PanelText>& t = r.panel.texts();
    EXPECT_EQ(std::tuple(t[0].text, t[0].y, t[1].text, t[1].y),
              std::tuple(QString("Rect. solid section features :0x10"), 9, QString("Error wrong data !"), 22));
}

TEST(Rectangle, QuarterTurnSwapsAxesAndUsesHalfTheWidth)
{
    const SectionProperties p0 = rectangleProperties(50, 10, 0);
    const SectionProperties p90 = rectangleProperties(50, 10, 90);
    EXPECT_NEAR(double(p90.ix), double(p0.iy), 1e-12);
    EXPECT_NEAR(double(p90.iy), double(p0.ix), 1e-12);
    EXPECT_NEAR(double(p90.kxAbove), double(p0.iy / 2.5L), 1e-9); // a/2 = 2.5 cm
    EXPECT_NEAR(double(p0.kxAbove), double(p0.ix / 0.5L), 1e-9);
    EXPECT_NEAR(double(p0.kyLeft), double(p0.kyRight), 1e-12);
}

TEST(FlatBar, CatalogueRowGroupRowAndCustom)
{
    const TabResult r = flatBarEntry("R. section 10x3", ComputeContext{});
    ASSERT_TRUE(r.properties.has_value());
    EXPECT_NEAR(double(r.properties->area), 30, 1e-12);
    EXPECT_EQ(r.title, "Ribbon section features :10x3");
    EXPECT_EQ(r.dataCaption.value(), "R. section 10x3");
    EXPECT_EQ(r.fieldTexts.value(), (QStringList{"10", "3"}));
    EXPECT_EQ((QStringList{r.labels.at(0).text, r.labels.at(1).text}), (QStringList{"3", "10"}));

    const TabResult group = flatBarEntry("Ribbon section 10x...", ComputeContext{});
    EXPECT_EQ(std::tuple(group.properties.has_value(), group.toListEnabled, group.panel.isEmpty()),
              std::tuple(false, false, true));
    EXPECT_EQ(group.dataCaption.value(), "Ribbon section ");

    const TabResult custom = flatBarEntry("Custom-designed section", ComputeContext{});
    ASSERT_TRUE(custom.properties.has_value());
    EXPECT_NEAR(double(custom.properties->area), 100, 1e-12);
    EXPECT_EQ(custom.dataCaption.value(), "R. section  20x5");
    const TabResult bad = flatBarCustom("20", "0", ComputeContext{});
    EXPECT_EQ(bad.panel.texts().at(0).text, "R. section  20x0");
}

TEST(CircSolid, TwentyMillimetreBar)
{
    const TabResult r = circSolidEntry("Circ.solid section diameter:20", ComputeContext{});
    ASSERT_TRUE(r.properties.has_value());
    EXPECT_NEAR(double(r.properties->area), 314.159265, 1e-5);
    EXPECT_NEAR(double(r.properties->ix), 0.785398, 1e-6);
    EXPECT_NEAR(double(r.properties->kxAbove), 0.785398, 1e-6);
    EXPECT_EQ(valueAt(r, 22), "  2.47 Kg/m");
    EXPECT_EQ(r.title, "Circ.solid section diam.: 20 mm features:");
    EXPECT_EQ(r.dataCaption.value(), "Circ.solid section diameter:20");
    EXPECT_FALSE(r.fieldsEnabled.value());
    const TabResult custom = circSolidCustom("20", ComputeContext{});
    EXPECT_EQ(custom.dataCaption.value(), "Circ.solid section diam.: 20");
    EXPECT_EQ(custom.labels.at(0).x, 128);
}
