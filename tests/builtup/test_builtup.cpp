#include "builtup/builtup.h"

#include "../common/torsion_series.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

BuiltUpPart plate(double width, double thickness, double x, double y, int angle = 0)
{
    return {SectionKind::RectSolid, {}, {QString::number(width), QString::number(thickness)}, x, y, angle, false};
}

BuiltUpPart entry(SectionKind kind, const char* name, double x, double y, int angle = 0, bool mirror = false)
{
    return {kind, QString::fromUtf8(name), {}, x, y, angle, mirror};
}

ExactProperties computed(const BuiltUpComposition& c)
{
    const BuiltUpResult r = computeBuiltUp(c);
    EXPECT_TRUE(r.properties.has_value()) << r.error.toStdString();
    return r.properties.value_or(ExactProperties{});
}

void expectSameSection(const ExactProperties& a, const ExactProperties& b, const char* what)
{
    SCOPED_TRACE(what);
    EXPECT_NEAR(a.area, b.area, 1e-6 * b.area);
    EXPECT_NEAR(a.ix, b.ix, 1e-6 * b.ix);
    EXPECT_NEAR(a.iy, b.iy, 1e-6 * b.iy);
    EXPECT_NEAR(a.wplX, b.wplX, 1e-5 * b.wplX);
    EXPECT_NEAR(a.wplY, b.wplY, 1e-5 * b.wplY);
    // Meshes sized by different walls (a 100 x 20 plate of two 10 mm plates)
    // agree within the torsion solution's 0.3 %.
    EXPECT_NEAR(a.it, b.it, 3e-3 * b.it);
    EXPECT_NEAR(a.iw, b.iw, 5e-3 * b.iw + 1e-6 * b.ix * b.ix / b.area);
}

// A composition moved, mirrored or turned as a whole: every part's centroid
// follows, and so does its own angle and mirror.
BuiltUpComposition transformed(BuiltUpComposition c, double dx, double dy, bool mirror, int angle)
{
    const double a = angle * std::numbers::pi / 180, cs = std::cos(a), sn = std::sin(a);
    for (BuiltUpPart& p : c.parts) {
        double x = mirror ? -p.x : p.x;
        if (mirror) {
            p.mirror = !p.mirror;
            p.angle = (360 - p.angle) % 360;
        }
        p.x = cs * x - sn * p.y + dx;
        p.y = sn * x + cs * p.y + dy;
        p.angle = (p.angle + angle) % 360;
    }
    return c;
}

// An IPE 300 with a 200 x 10 plate welded under its bottom flange, and an
// angle with a plate on its upright leg: neither is symmetric about both axes.
const BuiltUpComposition& strengthenedBeam()
{
    static const BuiltUpComposition c{{}, {entry(SectionKind::I, "IPE 300x150", 0, 0), plate(200, 10, 0, -155)}};
    return c;
}
const BuiltUpComposition& angleWithPlate()
{
    static const BuiltUpComposition c{
        {}, {entry(SectionKind::L, "L section 100x100x10", 0, 0), plate(8, 120, -28.2 - 3.5, 20)}};
    return c;
}

} // namespace

struct EqualCase {
    const char* name;
    BuiltUpComposition composed;
    BuiltUpComposition whole;
};

class BuiltUpEqualsWhole : public testing::TestWithParam<EqualCase> {};

TEST_P(BuiltUpEqualsWhole, SameValues)
{
    const EqualCase& c = GetParam();
    const BuiltUpResult composed = computeBuiltUp(c.composed);
    ASSERT_TRUE(composed.properties) << composed.error.toStdString();
    EXPECT_FALSE(composed.separatePieces);
    EXPECT_EQ(composed.united.pieces.size(), 1u);
    expectSameSection(*composed.properties, computed(c.whole), c.name);
    double shares = 0;
    for (const PartShare& s : composed.shares)
        shares += s.areaShare;
    EXPECT_NEAR(shares, 100, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    ClosedForms, BuiltUpEqualsWhole,
    testing::Values(EqualCase{"TwoPlatesStackedAreTheRectangle", {{}, {plate(100, 10, 0, 5), plate(100, 10, 0, -5)}},
                              {{}, {plate(100, 20, 0, 0)}}},
                    EqualCase{"PlateSplitSideBySideIsThePlate",
                              {{}, {plate(100, 10, -50, 0), plate(100, 10, 50, 0)}},
                              {{}, {plate(200, 10, 0, 0)}}},
                    EqualCase{"PlateTwiceAtOnePlaceIsOnePlate", {{}, {plate(60, 30, 0, 0), plate(60, 30, 0, 0)}},
                              {{}, {plate(60, 30, 0, 0)}}},
                    EqualCase{"ThreeStripsTurnedAQuarterAreTheRectangle",
                              {{}, {plate(40, 10, 10, 0, 90), plate(40, 10, 0, 0, 90), plate(40, 10, -10, 0, 270)}},
                              {{}, {plate(30, 40, 0, 0)}}}),
    [](const testing::TestParamInfo<EqualCase>& info) { return std::string(info.param.name); });

TEST(BuiltUpClosedForms, RectangleOfTwoPlatesFollowsItsFormulas)
{
    const ExactProperties e = computed({{}, {plate(100, 10, 0, 5), plate(100, 10, 0, -5)}});
    EXPECT_NEAR(e.area, 2000, 1e-6);
    EXPECT_NEAR(e.ix, 100.0 * 20 * 20 * 20 / 12, 1e-3);
    EXPECT_NEAR(e.wplX, 100.0 * 20 * 20 / 4, 1e-3);
    EXPECT_NEAR(e.it, rectangleTorsionSeries(100, 20), 1e-3 * rectangleTorsionSeries(100, 20));
}

TEST(BuiltUpClosedForms, TwoFlangesApartActAsAnIWithoutItsWeb)
{
    // Two 100 x 10 plates 100 mm apart: It adds up, Ix follows the parallel
    // axes, and Iw is the flanges' Iy h^2 / 4 (plus the plates' own, small).
    const BuiltUpResult r = computeBuiltUp({{}, {plate(100, 10, 0, 50), plate(100, 10, 0, -50)}});
    ASSERT_TRUE(r.properties) << r.error.toStdString();
    EXPECT_TRUE(r.separatePieces);
    const ExactProperties& e = *r.properties;
    EXPECT_NEAR(e.ix, 2 * (100.0 * 1000 / 12 + 1000 * 2500), 1e-3);
    EXPECT_NEAR(e.it, 2 * rectangleTorsionSeries(100, 10), 3e-3 * 2 * rectangleTorsionSeries(100, 10));
    const double flanges = 2 * (10 * 1e6 / 12) * 100 * 100 / 4;
    EXPECT_NEAR(e.iw, flanges, 0.01 * flanges);
    EXPECT_NEAR(e.xs, 0, 1e-3);
    EXPECT_NEAR(e.ys, 0, 1e-3);
}

TEST(BuiltUpClosedForms, ClosingTheBoxRaisesTorsionByOrdersOfMagnitude)
{
    const BuiltUpPart heb = entry(SectionKind::I, "IPB;HE-B 300x300", 0, 0);
    const ExactProperties open = computed({{}, {heb}});
    const BuiltUpResult boxed = computeBuiltUp({{}, {heb, plate(10, 300, -155, 0), plate(10, 300, 155, 0)}});
    ASSERT_TRUE(boxed.properties) << boxed.error.toStdString();
    EXPECT_EQ(boxed.united.pieces.size(), 1u);
    int holes = 0;
    for (const OutlineRing& ring : boxed.united.outline.rings)
        holes += ring.hole;
    EXPECT_EQ(holes, 2);
    EXPECT_GT(boxed.properties->it, 30 * open.it);
}

struct TransformCase {
    const char* name;
    double dx, dy;
    bool mirror;
    int angle;
};

class BuiltUpInvariants : public testing::TestWithParam<TransformCase> {};

TEST_P(BuiltUpInvariants, WholeSectionMovedMirroredOrTurned)
{
    const TransformCase& t = GetParam();
    for (const BuiltUpComposition* c : {&strengthenedBeam(), &angleWithPlate()}) {
        const ExactProperties a = computed(*c);
        const ExactProperties b = computed(transformed(*c, t.dx, t.dy, t.mirror, t.angle));
        // Invariants of any turn and mirror.
        EXPECT_NEAR(b.area, a.area, 1e-6 * a.area);
        EXPECT_NEAR(b.i1, a.i1, 1e-6 * a.i1);
        EXPECT_NEAR(b.i2, a.i2, 1e-5 * a.i1);
        EXPECT_NEAR(b.it, a.it, 3e-3 * a.it);
        EXPECT_NEAR(b.iw, a.iw, 5e-3 * a.iw);
        const double r = std::hypot(a.xs, a.ys);
        EXPECT_NEAR(std::hypot(b.xs, b.ys), r, 0.01 * r + 0.05);
        if (t.angle == 0 && !t.mirror) { // a move: only the centroid changes
            EXPECT_NEAR(b.xc - a.xc, t.dx, 1e-6);
            EXPECT_NEAR(b.yc - a.yc, t.dy, 1e-6);
            expectSameSection(b, a, t.name);
            EXPECT_NEAR(b.ixy, a.ixy, 1e-6 * a.i1);
        }
        if (t.mirror && t.angle == 0) {
            EXPECT_NEAR(b.ixy, -a.ixy, 1e-6 * a.i1);
            EXPECT_NEAR(b.xs, -a.xs, 0.05);
            EXPECT_NEAR(b.welYLeft, a.welYRight, 1e-6 * a.welYRight);
        }
        if (t.angle == 90 && !t.mirror) {
            EXPECT_NEAR(b.ix, a.iy, 1e-6 * a.i1);
            EXPECT_NEAR(b.iy, a.ix, 1e-6 * a.i1);
            EXPECT_NEAR(b.wplX, a.wplY, 1e-5 * a.wplY);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Moves, BuiltUpInvariants,
                         testing::Values(TransformCase{"Moved", 37, -12.5, false, 0},
                                         TransformCase{"Mirrored", 0, 0, true, 0},
                                         TransformCase{"QuarterTurn", 0, 0, false, 90},
                                         TransformCase{"Turned30", 0, 0, false, 30},
                                         TransformCase{"MirroredAndTurned", 20, 10, true, 200}),
                         [](const testing::TestParamInfo<TransformCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(BuiltUpShares, PartsShareAreaAndIxOfTheSection)
{
    const BuiltUpResult r = computeBuiltUp(strengthenedBeam());
    ASSERT_TRUE(r.properties);
    ASSERT_EQ(r.shares.size(), 2u);
    EXPECT_NEAR(r.shares[1].area, 2000, 1e-6);
    EXPECT_NEAR(r.shares[1].areaShare, 100 * 2000 / r.properties->area, 1e-6);
    const double plateIx = 200.0 * 1000 / 12 + 2000 * std::pow(-155 - r.properties->yc, 2);
    EXPECT_NEAR(r.shares[1].ixShare, 100 * plateIx / r.properties->ix, 1e-4);
    EXPECT_NEAR(r.shares[0].ixShare + r.shares[1].ixShare, 100, 1e-4);
}

TEST(BuiltUpRefusals, APartThatIsNoSectionIsNamed)
{
    struct Case {
        BuiltUpPart part;
        const char* says;
    };
    for (const Case& c : {Case{entry(SectionKind::I, "IPE 301x150", 0, 0), "IPE 301x150"},
                          Case{entry(SectionKind::I, "I section IPE;EUR 19", 0, 0), "group heading"},
                          Case{plate(0, 10, 0, 0), "refused"},
                          Case{{SectionKind::Plate, QStringLiteral("0.5 mm steel plate"), {}, 0, 0, 0, false}, "kind rs"}}) {
        const BuiltUpResult r = computeBuiltUp({{}, {plate(100, 10, 0, 0), c.part}});
        EXPECT_FALSE(r.properties);
        EXPECT_EQ(r.failedPart, 1);
        EXPECT_TRUE(r.error.startsWith(QStringLiteral("part 2"))) << r.error.toStdString();
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.says))) << r.error.toStdString();
    }
}

TEST(BuiltUpNames, DefaultNameJoinsTheParts)
{
    EXPECT_EQ(compositionName(strengthenedBeam()), QStringLiteral("IPE 300x150 + PL 200x10"));
    BuiltUpComposition named = strengthenedBeam();
    named.name = QStringLiteral("Beam B3");
    EXPECT_EQ(compositionName(named), QStringLiteral("Beam B3"));
}

TEST(BuiltUpSnap, MovesUntilTheNeighbourIsTouched)
{
    struct Case {
        const char* name;
        BuiltUpPart moving;
        double dx, dy;
        std::optional<double> distance;
    };
    const BuiltUpPart ipe = entry(SectionKind::I, "IPE 300x150", 0, 0);
    for (const Case& c : {Case{"PlateBelowMovesUp", plate(200, 10, 0, -200), 0, 1, 45.0},
                          Case{"TouchingAlreadyMovesNothing", plate(200, 10, 0, -155), 0, 1, 0.0},
                          Case{"SlidingAlongTheFlangeFindsNothing", plate(200, 10, 0, -155), -1, 0, std::nullopt},
                          Case{"NothingAhead", plate(200, 10, 0, -200), 0, -1, std::nullopt},
                          Case{"PlateBesideMovesIntoTheWebSide", plate(10, 100, 200, 0), -1, 0, 200 - 5 - 7.1 / 2},
                          Case{"QuarterTurnedPlateLandsOnTheFlange", plate(100, 10, 0, 300, 90), 0, -1, 100.0}}) {
        const auto d = snapDistance({{}, {ipe, c.moving}}, 1, c.dx, c.dy);
        ASSERT_EQ(d.has_value(), c.distance.has_value()) << c.name;
        if (d) {
            EXPECT_NEAR(*d, *c.distance, 1e-6) << c.name;
        }
    }
}
