#include "panel_lookup.h"

#include "catalogue/profile_catalogue.h"
#include "sections/profiles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
// The built-in catalogue; the rows these tests read are pinned to the
// published tables by the catalogue's own tests.
const ProfileTable& table()
{
    return ProfileTable::builtIn();
}

const FourFields IStart{"50", "100", "3", "3"};
const FourFields UStart{"40", "10", "3", "3"};
} // namespace

TEST(IBeam, HotRolledI80UsesTableAreaAndOutlineModuli)
{
    const TabResult r = iBeamEntry("HR I80x42", IStart, turnedBy(0), table());
    ASSERT_TRUE(r.properties.has_value());
    const SectionProperties& p = *r.properties;
    EXPECT_NEAR(double(p.area), 758, 1e-9);
    EXPECT_NEAR(double(p.ix), 77.8, 1e-12);
    EXPECT_NEAR(double(p.iy), 6.29, 1e-12);
    EXPECT_NEAR(double(p.kxAbove), 19.45, 1e-9); // 77.8 / 4, not the table's 19.3
    EXPECT_NEAR(double(p.kyLeft), 6.29 / 2.1, 1e-9);
    EXPECT_EQ(r.title, "HR I80x42 section features :");
    EXPECT_EQ(lineAt(r, 22), "G Weight /Area x Density/:5.95 Kg/m");
    ASSERT_EQ(r.labels.size(), 4u);
    EXPECT_EQ((QStringList{r.labels[0].text, r.labels[1].text, r.labels[2].text, r.labels[3].text}),
              (QStringList{"42", "80", "5.9", "3.9"}));
    EXPECT_FALSE(r.fieldsEnabled.value());
    EXPECT_TRUE(r.toListEnabled);
}

TEST(IBeam, HeASizeFoundInTheSecondRangeWithItsLeadingBlank)
{
    const TabResult r = iBeamEntry("I PBI;(HE-A) 1000 990x300", IStart, turnedBy(0), table());
    ASSERT_TRUE(r.properties.has_value());
    EXPECT_NEAR(double(r.properties->kxAbove), 553800 / 49.5, 1e-6);
    EXPECT_EQ(r.labels[1].text, " 990");
    const TabResult heb = iBeamEntry("IPB;HE-B 100x100", IStart, turnedBy(0), table());
    ASSERT_TRUE(heb.properties.has_value());
    EXPECT_NEAR(double(heb.properties->kxAbove), 450 / 5.0, 1e-9);
}

TEST(IBeam, CustomStartTextsIxxAndKxx)
{
    const TabResult r = iBeamEntry("Custom-designed section", IStart, turnedBy(0), table());
    ASSERT_TRUE(r.properties.has_value());
    EXPECT_NEAR(double(r.properties->ixx), 0.228726, 1e-6);
    EXPECT_NEAR(double(r.properties->kxx), 1.31 * (2700 + 97 * 27) / 9 / 1000, 1e-9);
}

TEST(IBeam, InvalidCustomAndGroupHeading)
{
    EXPECT_FALSE(iBeamCustomValid({"3", "100", "3", "3"}));  // tw = B
    EXPECT_FALSE(iBeamCustomValid({"50", "6", "3", "3"}));   // H = 2 tf
    EXPECT_TRUE(iBeamCustomValid({"50.5", "100", "3", "3"}));
    const TabResult bad = iBeamEntry("Custom-designed section", {"3", "100", "3", "3"}, turnedBy(0), table());
    EXPECT_EQ(std::pair(bad.properties.has_value(), bad.toListEnabled), std::pair(false, false));
    EXPECT_EQ((QStringList{lineAt(bad, 5), lineAt(bad, 22)}),
              (QStringList{"Custom-designed section features :", "Error wrong data !"}));
    const TabResult heading = iBeamEntry("Hot rolled I section", IStart, turnedBy(0), table());
    EXPECT_EQ(std::tuple(heading.properties.has_value(), heading.panel.isEmpty(), heading.toListEnabled),
              std::tuple(false, true, false));
}

TEST(IBeam, AngleOf300UsesThirtyForKy)
{
    const TabResult r300 = iBeamEntry("HR I80x42", IStart, turnedBy(300), table());
    // d(390) is d(30): R sin(30 + phi), with h = 4 and b = 2.1 cm.
    const double h = 4, b = 2.1, R = std::sqrt(h * h + b * b), phi = std::atan(h / b);
    const double d30 = R * std::sin(30 * M_PI / 180 + phi);
    ASSERT_TRUE(r300.properties.has_value());
    EXPECT_NEAR(double(r300.properties->kyLeft), double(r300.properties->iy) / d30, 1e-9);
    const TabResult r90 = iBeamEntry("HR I80x42", IStart, turnedBy(90), table());
    EXPECT_NEAR(double(r90.properties->ix), 6.29, 1e-9);
    EXPECT_NEAR(double(r90.properties->kxAbove), 6.29 / 2.1, 1e-9);
}

TEST(Channel, DoubleMarkerIsRemovedForTheLookup)
{
    EXPECT_EQ(channelLookupName("HR 2xU [] U50x38"), "HR U50x38");
    EXPECT_EQ(channelLookupName("HR 2xU ][ U100x50"), "HR U100x50");
    EXPECT_EQ(channelLookupName("CR U20x20x1.5"), "CR U20x20x1.5");
}

TEST(Channel, SingleHotRolledU50)
{
    const ChannelResult r = channelEntry("HR U50x38", UStart, ChannelArrangement::Single, turnedBy(0), table());
    ASSERT_TRUE(r.tab.properties.has_value());
    EXPECT_EQ(r.arrangement, ChannelArrangement::Single);
    const SectionProperties& p = *r.tab.properties;
    EXPECT_NEAR(double(p.kyRight), 3.75, 1e-9);          // flange-tip side
    EXPECT_NEAR(double(p.kyLeft), 9.12 / 1.368, 1e-9);   // web side
    EXPECT_EQ(lineAt(r.tab, 126), "e /Centroid/: 24.3 mm");
    EXPECT_EQ(r.tab.dataCaption.value(), "HR U50x38 section");
    EXPECT_NEAR(double(p.ixx), 1.2 * (2 * 38 * 343 + 36 * 125) / 3 / 10000, 1e-12);
}

TEST(Channel, ClosedBoxDoublesTheArea)
{
    const ChannelResult r = channelEntry("HR 2xU [] U100x50", UStart, ChannelArrangement::Single, turnedBy(0), table());
    ASSERT_TRUE(r.tab.properties.has_value());
    EXPECT_EQ(r.arrangement, ChannelArrangement::Box);
    EXPECT_NEAR(double(r.tab.properties->area), 2700, 1e-9);
    const double d = 29.3 / 8.49;
    EXPECT_NEAR(double(r.tab.properties->iy), 2 * (29.3 + 13.5 * d * d), 1e-9);
    EXPECT_NEAR(double(r.tab.properties->ix), 412, 1e-9);
    EXPECT_EQ(r.tab.labels.at(0).text, "100.00");
    EXPECT_EQ(lineAt(r.tab, 126), "<none>"); // no centroid line for pairs
    const ChannelResult pair = channelEntry("HR 2xU ][ U100x50", UStart, ChannelArrangement::Single, turnedBy(0), table());
    EXPECT_EQ(pair.arrangement, ChannelArrangement::Pair);
    EXPECT_NEAR(double(pair.tab.properties->iy), 2 * (29.3 + 13.5 * (5 - d) * (5 - d)), 1e-9);
}

TEST(Channel, ColdFormedTakesItsThicknessFromTheText)
{
    const ChannelResult r = channelEntry("CR U200x100x5", UStart, ChannelArrangement::Single, turnedBy(0), table());
    ASSERT_TRUE(r.tab.properties.has_value());
    EXPECT_EQ((QStringList{r.tab.labels.at(3).text, r.tab.labels.at(4).text}), (QStringList{"5.0", "5.0"}));
    EXPECT_NEAR(double(r.tab.properties->area), 1896, 1e-9);
    const ChannelResult small =
        channelEntry("CR U20x20x1.5", UStart, ChannelArrangement::Single, turnedBy(0), table());
    ASSERT_TRUE(small.tab.properties.has_value());
    EXPECT_EQ((QStringList{small.tab.labels.at(0).text, small.tab.labels.at(3).text, small.tab.labels.at(4).text}),
              (QStringList{"20", "1.5", "1.5"}));
}

TEST(Channel, CustomStartTextsAreValidAndKeepTheArrangement)
{
    EXPECT_TRUE(channelCustomValid(UStart));
    const ChannelResult r = channelEntry("Custom-designed section", UStart, ChannelArrangement::Pair, turnedBy(0), table());
    EXPECT_EQ(r.arrangement, ChannelArrangement::Pair);
}

// A typed U is its outer rectangle B x H less the inner one (B - tw) x (H - 2 tf):
// area, Ix and, about the centroid e from the back of the web, Iy.
TEST(Channel, TypedChannelIsItsRectangleLessTheInnerOne)
{
    const struct {
        double B, H, tw, tf;
    } cases[] = {{40, 10, 3, 3}, {50, 100, 5, 7}, {80, 200, 6, 11}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.H);
        const FourFields typed{QString::number(c.B), QString::number(c.H), QString::number(c.tw),
                               QString::number(c.tf)};
        const ChannelResult r =
            channelEntry("Custom-designed section", typed, ChannelArrangement::Single, turnedBy(0), table());
        ASSERT_TRUE(r.tab.properties.has_value());
        const double inner = c.H - 2 * c.tf, gap = c.B - c.tw;
        const double area = c.B * c.H - gap * inner;
        const double ix = (c.B * std::pow(c.H, 3) - gap * std::pow(inner, 3)) / 12 / 1e4;
        const double e = (c.H * c.B * c.B / 2 - inner * gap * (c.tw + gap / 2)) / area;
        const double backMoment = (c.H * std::pow(c.B, 3) - inner * (std::pow(c.B, 3) - std::pow(c.tw, 3))) / 3;
        const double iy = (backMoment - area * e * e) / 1e4;
        const SectionProperties& p = *r.tab.properties;
        EXPECT_NEAR(double(p.area), area, 1e-9 * area);
        EXPECT_NEAR(double(p.ix), ix, 1e-6 * ix);
        EXPECT_NEAR(double(p.iy), iy, 1e-6 * iy);
    }
}

TEST(Tee, RolledT20AndItsCentroidLine)
{
    const TabResult r = teeEntry("T20x20x3", {"50", "100", "3", "3"}, turnedBy(0), table());
    ASSERT_TRUE(r.properties.has_value());
    EXPECT_EQ(lineAt(r, 126), "e /Centroid/: 14.1 mm");
    const double c = 10 * 0.38 / 0.27;
    EXPECT_NEAR(double(r.properties->kxAbove), 0.38 / (c / 10), 1e-9);
    EXPECT_NEAR(double(r.properties->kxUnder), 0.38 / ((20 - c) / 10), 1e-9);
    EXPECT_EQ(r.dataCaption.value(), "T20x20x3 section");
    EXPECT_EQ(r.title, "T20x20x3 section features :");
}

TEST(Tee, CustomNarrowFlangeIsRefused)
{
    EXPECT_FALSE(teeCustomValid({"3", "100", "3", "3"}));
    const TabResult bad = teeEntry("Custom-designed section", {"3", "100", "3", "3"}, turnedBy(0), table());
    EXPECT_FALSE(bad.toListEnabled);
    EXPECT_EQ(lineAt(bad, 22), "Error wrong data !");
}

// A typed tee is a flange W x tf on a stem tw wide: its second moments from
// the two rectangles' moments about the flange's top edge, less A e^2.
TEST(Tee, TypedTeeFollowsItsTwoRectangles)
{
    const struct {
        double W, H, tw, tf;
    } cases[] = {{50, 100, 3, 3}, {120, 60, 8, 12}, {40, 40, 5, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.W);
        const FourFields typed{QString::number(c.W), QString::number(c.H), QString::number(c.tw), QString::number(c.tf)};
        const TabResult r = teeEntry("Custom-designed section", typed, turnedBy(0), table());
        ASSERT_TRUE(r.properties.has_value());
        const double area = c.W * c.tf + c.tw * (c.H - c.tf);
        const double e = (c.W * c.tf * c.tf / 2 + c.tw * (c.H * c.H - c.tf * c.tf) / 2) / area;
        const double topMoment = c.W * std::pow(c.tf, 3) / 3 + c.tw * (std::pow(c.H, 3) - std::pow(c.tf, 3)) / 3;
        const double ix = (topMoment - area * e * e) / 1e4; // cm4
        const double iy = (c.tf * std::pow(c.W, 3) + (c.H - c.tf) * std::pow(c.tw, 3)) / 12 / 1e4;
        const SectionProperties& p = *r.properties;
        EXPECT_NEAR(double(p.area), area, 1e-9 * area);
        EXPECT_NEAR(double(p.ix), ix, 1e-9 * ix);
        EXPECT_NEAR(double(p.iy), iy, 1e-9 * iy);
        EXPECT_NEAR(double(p.kxAbove) * std::max(e, c.H - e) / 10, ix, 1e-3 * ix);
        EXPECT_NEAR(double(p.kyLeft) * c.W / 20, iy, 1e-3 * iy);
        // Torsion of a thin-walled open section: eta / 3 times the sum of b t^3,
        // eta = 1.15 for tees.
        const double it = 1.15 / 3 * (c.W * std::pow(c.tf, 3) + (c.H - c.tf) * std::pow(c.tw, 3)) / 1e4;
        EXPECT_NEAR(double(p.ixx), it, 1e-9 * it);
    }
}

TEST(Angle, HotRolledLegsAreExchanged)
{
    const TabResult r = angleEntry("L section 30x45x5", {"40", "10", "3"}, turnedBy(0), table());
    ASSERT_TRUE(r.properties.has_value());
    EXPECT_NEAR(double(r.properties->ix), 6.99, 1e-6);
    EXPECT_NEAR(double(r.properties->iy), 2.47, 1e-6);
    EXPECT_EQ(lineAt(r, 126), "e /Centroid/: e1=29.7 e2=22.3 mm");
    EXPECT_EQ(r.labels.at(0).text, "30"); // Q
    EXPECT_EQ(r.labels.at(1).text, "45"); // P
}

TEST(Angle, ColdFormedKeepsItsLegOrder)
{
    const TabResult r = angleEntry("CR L section 40x20x2", {"40", "10", "3"}, turnedBy(0), table());
    ASSERT_TRUE(r.properties.has_value());
    EXPECT_EQ(r.labels.at(1).text, "40");
    EXPECT_EQ(r.labels.at(3).text, "25.6"); // e1 = 10 * 1.87 / 0.73
}

TEST(Angle, EqualLegsUseTheGuardAndQuarterTurnSwaps)
{
    const TabResult r0 = angleEntry("L section 50x50x5", {"40", "10", "3"}, turnedBy(0), table());
    ASSERT_TRUE(r0.properties.has_value());
    EXPECT_NEAR(double(r0.properties->ix), 11, 1e-4);
    // With Ix = Iy the principal moments differ by 2 |Ixy|; at 45 degrees the
    // turned Ix reaches one of them.
    const TabResult r45 = angleEntry("L section 50x50x5", {"40", "10", "3"}, turnedBy(45), table());
    ASSERT_TRUE(r45.properties.has_value());
    EXPECT_GT(std::fabs(double(r45.properties->ix - r0.properties->ix)), 3.0);
    EXPECT_NEAR(double(r45.properties->ix + r45.properties->iy), 22.0, 1e-6);
    const TabResult r90 = angleEntry("L section 30x45x5", {"40", "10", "3"}, turnedBy(90), table());
    EXPECT_NEAR(double(r90.properties->ix), 2.47, 1e-6);
    EXPECT_NEAR(double(r90.properties->iy), 6.99, 1e-6);
}

TEST(Angle, HeadingsAndZeroThickness)
{
    EXPECT_FALSE(angleEntry("L section 20x...", {"40", "10", "3"}, turnedBy(0), table()).properties.has_value());
    EXPECT_FALSE(angleEntry("Hot rolled L section", {"40", "10", "3"}, turnedBy(0), table()).toListEnabled);
    const TabResult zero = angleEntry("Custom-designed section", {"40", "10", "0"}, turnedBy(0), table());
    EXPECT_FALSE(zero.properties.has_value());
    EXPECT_EQ(lineAt(zero, 22), "Error wrong data !");
    const TabResult custom = angleEntry("Custom-designed section", {"40", "10", "3"}, turnedBy(0), table());
    ASSERT_TRUE(custom.properties.has_value());
    EXPECT_EQ(custom.dataCaption.value(), "L section 40x10x3");
    EXPECT_NEAR(double(custom.properties->area), 3 * 7 + 3 * 40, 1e-6);
}

TEST(Plate, WeightPerSquareMetre)
{
    const PlateResult r = plateEntry("0.5 mm steel plate", ComputeContext{}, table());
    EXPECT_EQ(r.record, 1134);
    EXPECT_EQ(r.weightText, "3.925");
    EXPECT_EQ(lineAt(r.tab, 22), "G Weight /Area x Density/:3.925 Kg/m2");
    EXPECT_TRUE(r.tab.fieldsEnabled.value());
    EXPECT_FALSE(r.tab.toListEnabled);
    const PlateResult group = plateEntry("Steel plates", ComputeContext{}, table());
    EXPECT_EQ(group.record, -1);
    EXPECT_TRUE(group.tab.panel.isEmpty());
}
