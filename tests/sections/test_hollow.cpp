#include "panel_lookup.h"

#include "sections/hollow.h"
#include "sections/units.h"
#include "settings/message_table.h"

#include <gtest/gtest.h>

TEST(RectHollow, Catalogue40x20x3AtZeroDegrees)
{
    const TabResult r = rectHollowEntry("40x20x3", ComputeContext{});
    ASSERT_TRUE(r.properties.has_value());
    const SectionProperties& p = *r.properties;
    EXPECT_NEAR(double(p.area), 324.0, 1e-12);
    EXPECT_NEAR(double(p.ix), 1.8892, 1e-4);
    EXPECT_NEAR(double(p.iy), 6.0812, 1e-4);
    EXPECT_NEAR(double(p.ixx), 4.3960, 1e-4);
    EXPECT_NEAR(double(p.kxx), 3.774, 1e-9);
    EXPECT_NEAR(double(p.kxAbove), 1.8892, 1e-4);
    EXPECT_NEAR(double(p.kxUnder), 1.8892, 1e-4);
    EXPECT_NEAR(double(p.kyLeft), 3.0406, 1e-4);
    EXPECT_NEAR(double(p.kyRight), 3.0406, 1e-4);
    EXPECT_TRUE(r.toListEnabled);
    EXPECT_EQ(r.dataCaption.value(), "40x20x3 Rectangular hollow section");
    EXPECT_EQ(r.title, "40x20x3 Rect. hollow section features :");

    const std::vector<PanelLine> lines = r.panel.lines();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ((QStringList{lines[0].label, lines[1].label, lines[1].value}),
              (QStringList{"40x20x3 Rect. hollow section features :", "G Weight /Area x Density/:", "2.54 [Kg/m]"}));
    EXPECT_EQ((QStringList{valueAt(r, 35), valueAt(r, 48), valueAt(r, 61), valueAt(r, 100), valueAt(r, 113)}),
              (QStringList{"3.24 [cm2]", "1.89 [cm4]", "6.08 [cm4]", "4.40 [cm4]", "3.77 [cm3]"}));
    // Labels: b at the right, a above, v at the lower left.
    ASSERT_EQ(r.labels.size(), 3u);
    EXPECT_EQ((QStringList{r.labels[0].text, r.labels[1].text, r.labels[2].text}), (QStringList{"20", "40", "3"}));
    EXPECT_EQ(r.labels[0].x, 190);
}

TEST(RectHollow, QuarterTurnExchangesTheAxes)
{
    const SectionProperties p0 = rectHollowProperties(40, 20, 3, 0);
    const SectionProperties p90 = rectHollowProperties(40, 20, 3, 90);
    EXPECT_NEAR(double(p90.ix), double(p0.iy), 1e-12);
    EXPECT_NEAR(double(p90.iy), double(p0.ix), 1e-12);
    // The vertical extreme distance becomes a/2 = 2 cm.
    EXPECT_NEAR(double(p90.kxAbove), double(p0.iy / 2.0L), 1e-9);
    EXPECT_NEAR(double(p90.kyLeft), double(p0.ix / 1.0L), 1e-9);
    EXPECT_NEAR(double(p90.area), double(p0.area), 1e-12);
    EXPECT_NEAR(double(p90.ixx), double(p0.ixx), 1e-12);
}

TEST(RectHollow, SquareTubeStaysSymmetricAtAnyAngle)
{
    const SectionProperties p0 = rectHollowProperties(50, 50, 4, 0);
    for (int angle : {13, 30, 45, 77, 180, 271}) {
        const SectionProperties p = rectHollowProperties(50, 50, 4, angle);
        EXPECT_NEAR(double(p.ix), double(p.iy), 1e-9) << angle;
        EXPECT_NEAR(double(p.ix), double(p0.ix), 1e-9) << angle;
    }
    const SectionProperties p45 = rectHollowProperties(50, 50, 4, 45);
    // The extreme distance grows from a/2 to a/sqrt(2).
    EXPECT_LT(p45.kxAbove, p0.kxAbove);
    EXPECT_NEAR(double(p45.kxAbove * 3.5355339059327L), double(p0.kxAbove * 2.5L), 1e-9);
}

// A group row of either menu computes nothing and shows the tab's own caption.
TEST(HollowEntry, GroupRowComputesNothing)
{
    const struct {
        TabResult (*entry)(const QString&, const ComputeContext&);
        const char* text;
        const char* caption;
    } rows[] = {{rectHollowEntry, "40x20", "Rectangular hollow section"},
                {pipeEntry, "1/2\" pipe diameter:21,3", "Circular Hollow Section"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const TabResult r = row.entry(QString::fromLatin1(row.text), ComputeContext{});
        EXPECT_EQ(std::tuple(r.properties.has_value(), r.panel.isEmpty(), r.toListEnabled),
                  std::tuple(false, true, false));
        EXPECT_EQ(r.dataCaption.value(), row.caption);
        EXPECT_EQ(r.fieldTexts.value().mid(0, 2), (QStringList{"0", "0"}));
    }
}

TEST(RectHollow, CustomWallOfHalfTheWidthIsASolidSquare)
{
    const TabResult r = rectHollowCustom("20", "20", "10", ComputeContext{});
    ASSERT_TRUE(r.properties.has_value());
    EXPECT_NEAR(double(r.properties->area), 400.0, 1e-12);
    EXPECT_TRUE(r.toListEnabled);
    EXPECT_EQ(r.dataCaption.value(), "20x20x10 Rectangular hollow section");
    EXPECT_EQ(r.title, " Rect. hollow section features :");
}

TEST(RectHollow, CustomWallTooThickIsRefused)
{
    const TabResult r = rectHollowCustom("20", "20", "11", ComputeContext{});
    EXPECT_EQ(std::pair(r.properties.has_value(), r.toListEnabled), std::pair(false, false));
    ASSERT_EQ(r.panel.texts().size(), 1u);
    const PanelText& error = r.panel.texts()[0];
    EXPECT_EQ(std::tuple(error.text, error.x, error.y), std::tuple(QString("Error wrong data !"), 5, 5));
    // The labels still show the typed values.
    EXPECT_EQ(r.labels[2].text, "11");
}

TEST(RectHollow, UnreadableDensityReportsOnceAndWeighsNothing)
{
    ComputeContext ctx = ComputeContext{};
    ctx.densityText = "Steel";
    const TabResult r = rectHollowEntry("40x20x3", ctx);
    EXPECT_EQ(r.messages, QStringList{"Error wrong data !"});
    EXPECT_EQ(r.panel.lines()[1].value, "0.00 [Kg/m]");
}

// Each line asks for its colour by its own key: "area" by its shown value,
// the modulus under the X axis by its message.
TEST(RectHollow, ColoursFollowTheRequirementQuery)
{
    ComputeContext ctx = ComputeContext{};
    ctx.colour = [](const QString& key, long double shown) {
        return (key == "area" && shown > 3) || key == MessageTable::english()(7) ? PanelColour::Green
                                                                                 : PanelColour::Neutral;
    };
    std::vector<PanelColour> colours;
    for (const PanelLine& line : rectHollowEntry("40x20x3", ctx).panel.lines())
        colours.push_back(line.colour);
    const PanelColour N = PanelColour::Neutral, G = PanelColour::Green;
    // Title, weight, area 3.24 cm2, Ix, Iy, Ixx, Kx above, Kx under, Kxx.
    EXPECT_EQ(colours, (std::vector<PanelColour>{N, N, G, N, N, N, N, G, N}));
}

TEST(RectHollow, AreaInSquareMetresKeepsSixDecimals)
{
    ComputeContext ctx = ComputeContext{};
    ctx.units.setChoice(UnitGroup::Area, 1);
    const TabResult r = rectHollowCustom("10", "10", "5", ctx); // 100 mm2
    EXPECT_EQ(valueAt(r, 35), "0.000100 [m2]");
}

TEST(Pipe, HalfInchEntryReadsDecimalCommas)
{
    const TabResult r = pipeEntry("1/2\" pipe diameter:21,3x2,6", ComputeContext{});
    ASSERT_TRUE(r.properties.has_value());
    EXPECT_EQ(r.fieldTexts.value(), (QStringList{"21.3", "2.6"}));
    ASSERT_EQ(r.labels.size(), 2u);
    EXPECT_EQ((QStringList{r.labels[0].text, r.labels[1].text}), (QStringList{"2,6", "21,3"}));
    const long double area = 3.14159265358979323846L * (21.3L * 21.3L - 16.1L * 16.1L) / 4;
    EXPECT_NEAR(double(r.properties->area), double(area), 1e-9);
    EXPECT_EQ(r.title, "1/2\" pipe diameter:21,3x2,6 features :");
    EXPECT_EQ(r.panel.lines()[1].value, "  1.20 Kg/m");
    EXPECT_NEAR(double(r.properties->ix), double(r.properties->iy), 1e-15);
    EXPECT_NEAR(double(r.properties->kxx), double(2 * r.properties->kxAbove), 1e-12);
}

TEST(Pipe, CustomZeroWallIsRefusedAndHalfDiameterIsASolidBar)
{
    const TabResult zero = pipeCustom("22", "0", false, ComputeContext{});
    EXPECT_EQ(std::tuple(zero.properties.has_value(), zero.toListEnabled, zero.panel.texts().at(0).text),
              std::tuple(false, false, QString("Error wrong data !")));

    const TabResult solid = pipeCustom("22", "11", false, ComputeContext{});
    ASSERT_TRUE(solid.properties.has_value());
    EXPECT_NEAR(double(solid.properties->area), double(3.14159265358979323846L * 121), 1e-9);
    EXPECT_EQ(solid.dataCaption.value(), "Pipe 22x11");
    EXPECT_EQ(solid.title, "Custom-designed section features :");
}

TEST(Pipe, CustomEntryLabelsItsStartDiameter)
{
    EXPECT_EQ(pipeEntry("Custom-designed section", ComputeContext{}).labels.at(1).text, "22");
}
