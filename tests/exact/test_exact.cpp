#include "exact/exact_properties.h"
#include "exact/exact_values.h"
#include "exact/warping_mesh.h"

#include "published_sections.h"
#include "../common/torsion_series.h"

#include "sections/tab_computations.h"
#include "settings/message_table.h"

#include <QFile>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

ExactProperties exact(const Outline& outline, double wall)
{
    const ExactOutcome out = computeExactProperties(outline, wall);
    EXPECT_TRUE(out.properties.has_value()) << out.error.toStdString();
    return out.properties.value_or(ExactProperties{});
}

ExactProperties tab(SectionKind kind, const QString& entry, const QStringList& fields = {}, int angle = 0,
                    int arrangement = 0)
{
    const ExactOutcome out = exactForTab({kind, entry, fields, arrangement, angle});
    EXPECT_TRUE(out.properties.has_value()) << entry.toStdString() << ": " << out.error.toStdString();
    return out.properties.value_or(ExactProperties{});
}

QString custom()
{
    return MessageTable::english()(Msg::CustomSection);
}

} // namespace

TEST(ExactClosedForms, RectanglesFollowTheTorsionSeries)
{
    for (const auto& [a, b] : {std::pair{10.0, 10.0}, {20.0, 10.0}, {50.0, 10.0}, {100.0, 5.0}}) {
        const ExactProperties e = exact(rectangleOutline(a, b), std::min(a, b) / 2);
        const double series = rectangleTorsionSeries(a, b);
        EXPECT_NEAR(e.it, series, series * 0.001) << a << " x " << b;
        EXPECT_NEAR(e.area, a * b, 1e-9 * a * b);
        EXPECT_NEAR(e.ix, a * b * b * b / 12, 1e-9 * a * b * b * b);
        EXPECT_NEAR(e.wplX, a * b * b / 4, 1e-6 * a * b * b);
        EXPECT_NEAR(e.wplY, b * a * a / 4, 1e-6 * b * a * a);
        // The shear centre of a doubly symmetric section is its centroid, up
        // to the asymmetry of the mesh.
        if (a / b >= 10) { // thin: the largest lever is the thickness
            EXPECT_NEAR(e.kt, e.it / b, e.it / b * 0.03) << a << " x " << b;
        }
        EXPECT_NEAR(e.xs, 0, 1e-4 * a);
        EXPECT_NEAR(e.ys, 0, 1e-4 * b);
    }
}

TEST(ExactClosedForms, CircleAndTubesTwistWithoutWarping)
{
    const double d = 40;
    const ExactProperties disc = exact(discOutline(d), d / 2);
    const double j = Pi * std::pow(d, 4) / 32;
    EXPECT_NEAR(disc.area, Pi * d * d / 4, 1e-9 * d * d);
    EXPECT_NEAR(disc.it, j, j * 0.001);
    EXPECT_NEAR(disc.kt, j / (d / 2), j / (d / 2) * 0.001);
    EXPECT_NEAR(disc.wplX, d * d * d / 6, d * d * d / 6 * 0.001);

    // A round tube's Kt is It / r_out at any wall.
    for (const auto& [outer, wall] : {std::pair{100.0, 2.0}, {60.3, 4.0}, {200.0, 20.0}, {200.0, 0.2}}) {
        const ExactProperties tube = exact(pipeOutline(outer, wall), wall);
        const double inner = outer - 2 * wall;
        const double jt = Pi * (std::pow(outer, 4) - std::pow(inner, 4)) / 32;
        EXPECT_NEAR(tube.it, jt, jt * 0.001) << outer << " x " << wall;
        EXPECT_LT(tube.iw, 1e-6 * jt * outer * outer);
        EXPECT_TRUE(tube.ktDefined);
        EXPECT_NEAR(tube.kt / (jt / (outer / 2)), 1, 0.003) << outer << " x " << wall;
    }
}

TEST(ExactClosedForms, ThinWalledISectionWithSharpCorners)
{
    const double h = 400, b = 200, tw = 3, tf = 4;
    const ExactProperties e = exact(iOutline(h, b, tw, tf, 0, 0, 0), tw);
    // Plates of thickness t and length l give l t^3 / 3; the flanges and the
    // web between them.
    const double thin = (2 * b * tf * tf * tf + (h - 2 * tf) * tw * tw * tw) / 3;
    EXPECT_NEAR(e.it, thin, thin * 0.05);
    // Warping constant of the thin-walled doubly symmetric I.
    const double iw = tf * b * b * b * (h - tf) * (h - tf) / 24;
    EXPECT_NEAR(e.iw, iw, iw * 0.02);
    // Plastic moduli are exact for the polygon.
    EXPECT_NEAR(e.wplX, b * tf * (h - tf) + tw * (h - 2 * tf) * (h - 2 * tf) / 4, 1e-6 * e.wplX);
    EXPECT_NEAR(e.wplY, 2 * tf * b * b / 4 + (h - 2 * tf) * tw * tw / 4, 1e-6 * e.wplY);
    EXPECT_NEAR(e.xs, 0, 1e-6 * b);
    EXPECT_NEAR(e.ys, 0, 1e-6 * h);
}

// Cold-formed tubes of the catalogue have outer corner radii of 2 t up to
// 6 mm walls and 2.5 t up to 10 mm, inner ones a wall less: the area of two
// rounded rectangles, B H - (4 - pi) r^2 each (100x100x8 is 27.2 cm2 in the
// published tables).
TEST(ExactClosedForms, CatalogueTubesHaveTheirRoundedCorners)
{
    const struct {
        const char* entry;
        double b, h, t, outerRadius;
    } cases[] = {{"60x40x4", 60, 40, 4, 8}, {"100x100x6", 100, 100, 6, 12}, {"100x100x8", 100, 100, 8, 20},
                 {"120x80x8", 120, 80, 8, 20}};
    for (const auto& c : cases) {
        const double ri = c.outerRadius - c.t;
        const double area = c.b * c.h - (4 - M_PI) * c.outerRadius * c.outerRadius -
                            ((c.b - 2 * c.t) * (c.h - 2 * c.t) - (4 - M_PI) * ri * ri);
        EXPECT_NEAR(tab(SectionKind::RectHollow, c.entry).area, area, 2e-3 * area) << c.entry;
    }
}

TEST(ExactClosedForms, ChannelShearCentreLiesBehindTheWeb)
{
    const double h = 200, b = 80, tw = 4, tf = 4;
    const ExactProperties e = exact(channelOutline(h, b, tw, tf, 0, 0, 0), tw);
    // Thin-walled distance of the shear centre from the web's centre line.
    const double bm = b - tw / 2, hm = h - tf;
    const double distance = 3 * bm * bm * tf / (6 * bm * tf + hm * tw);
    const double shearCentreX = e.xc + e.xs;
    EXPECT_NEAR(shearCentreX, tw / 2 - distance, distance * 0.03);
    EXPECT_NEAR(e.ys, 0, 1e-6 * h);
}

TEST(ExactInvariants, QuarterTurnSwapsAxesAndTorsionIgnoresTheAngle)
{
    const ExactProperties upright = tab(SectionKind::I, "IPE 200x100");
    const ExactProperties turned = tab(SectionKind::I, "IPE 200x100", {}, 90);
    const ExactProperties oblique = tab(SectionKind::I, "IPE 200x100", {}, 30);
    EXPECT_NEAR(turned.wplX, upright.wplY, upright.wplY * 1e-6);
    EXPECT_NEAR(turned.wplY, upright.wplX, upright.wplX * 1e-6);
    EXPECT_NEAR(turned.ix, upright.iy, upright.iy * 1e-9);
    EXPECT_NEAR(oblique.it, upright.it, upright.it * 0.002);
    EXPECT_NEAR(oblique.iw, upright.iw, upright.iw * 0.005);
    EXPECT_NEAR(oblique.i1, upright.i1, upright.i1 * 1e-9);
    // An upright I bends most stiffly about X.
    EXPECT_GT(upright.wplX, upright.wplY);
    EXPECT_NEAR(upright.alpha, 0, 1e-6);
    EXPECT_NEAR(oblique.alpha, 30, 1e-6);
}

TEST(ExactInvariants, MeshConvergence)
{
    const Outline ipe = iOutline(200, 100, 5.6, 8.5, 12, 0, 0);
    const auto base = outlineProperties(ipe);
    ASSERT_TRUE(base.has_value());
    const WarpingOutcome coarse = solveWarping(ipe, base->xc, base->yc, 5.6);
    const WarpingOutcome fine = solveWarping(ipe, base->xc, base->yc, 5.6 / 2);
    ASSERT_TRUE(coarse.solution && fine.solution);
    EXPECT_GT(fine.solution->triangles, 2 * coarse.solution->triangles);
    EXPECT_NEAR(coarse.solution->torsionConstant, fine.solution->torsionConstant,
                fine.solution->torsionConstant * 0.001);
}

TEST(ExactAgainstThePanel, TypedSectionsWithSharpCornersMatchTheirFormulas)
{
    // The panel's typed angle is exact for its sharp outline at any angle,
    // so the two must agree in area and turned second moments.
    for (int angle : {0, 30, 135, 290}) {
        ComputeContext ctx;
        ctx.angle = angle;
        const auto pass = computeEntry(SectionKind::L, custom(), ctx, {"30", "45", "5"});
        ASSERT_TRUE(pass && pass->properties);
        const ExactProperties e = tab(SectionKind::L, custom(), {"30", "45", "5"}, angle);
        EXPECT_NEAR(e.area, double(pass->properties->area), 1e-6 * e.area) << angle;
        EXPECT_NEAR(e.ix / 1e4, double(pass->properties->ix), 1e-4 * e.ix / 1e4) << angle;
        EXPECT_NEAR(e.iy / 1e4, double(pass->properties->iy), 1e-4 * e.iy / 1e4) << angle;
    }
    ComputeContext ctx;
    const auto i = computeEntry(SectionKind::I, custom(), ctx, {"50", "100", "3", "3"});
    ASSERT_TRUE(i && i->properties);
    const ExactProperties e = tab(SectionKind::I, custom(), {"50", "100", "3", "3"});
    EXPECT_NEAR(e.ix / 1e4, double(i->properties->ix), 1e-6 * e.ix / 1e4);
}

TEST(ExactPublished, RolledIAndHSectionsAgreeWithTheTables)
{
    for (const PublishedSection& row : PublishedSections) {
        const ExactProperties e = tab(SectionKind::I, row.entry);
        const std::string name = row.entry;
        EXPECT_NEAR(e.it / 1e4, row.it, row.it * 0.03) << name;
        EXPECT_NEAR(e.iw / 1e6, row.iw, row.iw * 0.05) << name;
        EXPECT_NEAR(e.wplX / 1e3, row.wplX, row.wplX * 0.01) << name;
        EXPECT_NEAR(e.wplY / 1e3, row.wplY, row.wplY * 0.01) << name;
    }
}

TEST(ExactEveryKind, CatalogueRowsAndArrangementsHaveOutlines)
{
    const std::vector<std::pair<SectionKind, QString>> rows{
        {SectionKind::RectHollow, "60x40x4"},      {SectionKind::CircHollow, "1/2\" pipe diameter:21,3x2,6"},
        {SectionKind::RectSolid, "R.S. section :20x20"}, {SectionKind::CircSolid, "Circ.solid section diameter:20"},
        {SectionKind::FlatBar, "R. section 20x5"}, {SectionKind::L, "L section 100x100x10"},
        {SectionKind::L, "CR L section 40x20x2"},  {SectionKind::T, "T50x50x6"},
        {SectionKind::T, "T100x55x10"},            {SectionKind::U, "HR U200x75"},
        {SectionKind::U, "HR 2xU [] U100x50"},     {SectionKind::U, "HR 2xU ][ U100x50"},
        {SectionKind::U, "CR U200x100x5"},         {SectionKind::I, "HR I80x42"}};
    for (const auto& [kind, entry] : rows) {
        const ExactOutcome out = exactForTab({kind, entry, {}, 0, 0});
        ASSERT_TRUE(out.properties.has_value()) << entry.toStdString() << ": " << out.error.toStdString();
        const ExactProperties& e = *out.properties;
        EXPECT_GT(e.it, 0) << entry.toStdString();
        EXPECT_LE(e.it, (e.ix + e.iy) * (1 + 1e-12)) << entry.toStdString(); // equal for a tube
        EXPECT_GE(e.wplX, std::min(e.welXAbove, e.welXUnder)) << entry.toStdString();
    }
    // The closed box twists far more stiffly than the same two channels back
    // to back.
    const ExactProperties box = tab(SectionKind::U, "HR 2xU [] U100x50");
    const ExactProperties pair = tab(SectionKind::U, "HR 2xU ][ U100x50");
    EXPECT_NEAR(box.area, pair.area, pair.area * 1e-9);
    EXPECT_GT(box.it, 20 * pair.it);
}

TEST(ExactInvariants, EqualPrincipalMomentsGiveTheAngleZero)
{
    // A square tube has the same second moment about every axis: no angle
    // of rounding noise, no product of inertia.
    for (int angle : {0, 17, 30, 45, 90, 301}) {
        for (const ExactProperties& e : {tab(SectionKind::RectHollow, "30x30x3", {}, angle),
                                         tab(SectionKind::RectHollow, custom(), {"40", "40", "3"}, angle)}) {
            EXPECT_EQ(e.alpha, 0) << angle;
            EXPECT_NEAR(e.i1, e.i2, e.i1 * 1e-9) << angle;
            EXPECT_NEAR(e.ix, e.iy, e.ix * 1e-9) << angle;
            EXPECT_NEAR(e.ixy, 0, e.ix * 1e-9) << angle;
        }
    }
}

TEST(ExactRefusals, AGroupHeadingIsNoSectionWhileABadSectionIsRefused)
{
    // The window shows these reasons: a heading is not an error of the user.
    EXPECT_EQ(exactForTab({SectionKind::I, "Hot rolled I section", {}, 0, 0}).error,
              QStringLiteral("no section is selected"));
    EXPECT_EQ(exactForTab({SectionKind::RectHollow, "20x20", {}, 0, 0}).error, QStringLiteral("no section is selected"));
    // The panel refuses a web as wide as the flange; the exact values follow.
    const ExactOutcome wideWeb = exactForTab({SectionKind::I, custom(), {"50", "100", "50", "3"}, 0, 0});
    EXPECT_FALSE(wideWeb.properties);
    EXPECT_EQ(wideWeb.error, QStringLiteral("the section is refused (Error wrong data !)"));
    EXPECT_EQ(exactForTab({SectionKind::RectSolid, custom(), {"0", "20"}, 0, 0}).error,
              QStringLiteral("the section is refused (Error wrong data !)"));
}

TEST(ExactRefusals, RefusedOrDegenerateSectionsEndWithAReason)
{
    // Refused panel sections and headings are the test above; a plate has no cross-section.
    EXPECT_FALSE(exactForTab({SectionKind::Plate, "0.5 mm steel plate", {}, 0, 0}).properties);
    // A very slender bar is refused at once instead of meshed for minutes.
    const auto start = std::chrono::steady_clock::now();
    const ExactOutcome slender = computeExactProperties(rectangleOutline(999.99, 0.01), 0.005);
    EXPECT_FALSE(slender.properties);
    EXPECT_TRUE(slender.error.startsWith("the section is too slender")) << slender.error.toStdString();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    // Tiny and huge sections mesh alike.
    const ExactProperties tiny = exact(rectangleOutline(0.02, 0.01), 0.005);
    const ExactProperties huge = exact(rectangleOutline(2e5, 1e5), 5e4);
    EXPECT_NEAR(tiny.it / rectangleTorsionSeries(0.02, 0.01), huge.it / rectangleTorsionSeries(2e5, 1e5), 1e-6);
    std::atomic<bool> cancel{true};
    EXPECT_FALSE(computeExactProperties(rectangleOutline(100, 10), 2, &cancel).properties);
}

namespace {

// The radius of the arc drawn at a corner of the nominal outline: the
// circumradius of the outline's point nearest the corner (the arc's middle)
// and its two neighbours. The arc's inner points lie a little outside the
// arc (its chords keep its area), by 0.15 % of the radius at 7.5 degrees a
// chord.
double arcRadiusAt(const Outline& outline, OutlinePoint corner)
{
    const auto& p = outline.rings.front().points;
    std::size_t nearest = 0;
    for (std::size_t i = 0; i < p.size(); ++i)
        if (std::hypot(p[i].x - corner.x, p[i].y - corner.y) <
            std::hypot(p[nearest].x - corner.x, p[nearest].y - corner.y))
            nearest = i;
    const OutlinePoint a = p[(nearest + p.size() - 1) % p.size()], b = p[nearest], c = p[(nearest + 1) % p.size()];
    const double ab = std::hypot(a.x - b.x, a.y - b.y), bc = std::hypot(b.x - c.x, b.y - c.y),
                 ca = std::hypot(c.x - a.x, c.y - a.y);
    const double twiceArea = std::abs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y));
    return ab * bc * ca / (2 * twiceArea);
}

struct TableRadius {
    const char* name;
    SectionKind kind;
    const char* entry;
    OutlinePoint corner; // the sharp corner of the outline before rounding
    double radius;       // the outline table's radius there
};

// Toes whose arc reaches past the middle of the toe face: the whole face is
// the arc's to use, because the face's far corner is sharp.
const TableRadius TableRadii[] = {
    // h 200, b 75, tf 11.5 at b/2, 8 % taper: the toe face is 8.5 high.
    {"ChannelToe", SectionKind::U, "HR U200x75", {75, 100 - 8.5}, 5.75},
    {"ChannelRoot", SectionKind::U, "HR U200x75", {8.5, 100 - (11.5 + 0.08 * (37.5 - 8.5))}, 11.5},
    {"AngleToeLevelLeg", SectionKind::L, "L section 100x100x10", {100, 10}, 6},
    {"AngleToeUprightLeg", SectionKind::L, "L section 100x100x10", {10, 100}, 6},
    {"AngleRoot", SectionKind::L, "L section 100x100x10", {10, 10}, 12},
    {"SmallAngleToe", SectionKind::L, "L section 20x20x3", {20, 3}, 1.75},
    // b 50, t 6: the flange toe is 6 - 0.02 * 12.5 high, its radius t / 2.
    {"TeeToe", SectionKind::T, "T50x50x6", {25, -5.75}, 3},
};

class ExactTableRadius : public ::testing::TestWithParam<TableRadius> {};

} // namespace

TEST_P(ExactTableRadius, OutlineKeepsTheTablesRadius)
{
    const TableRadius& row = GetParam();
    const OutlineResult shape = sectionOutline(row.kind, row.entry, false, {}, 0, 0);
    ASSERT_TRUE(shape.outline) << shape.reason.toStdString();
    EXPECT_NEAR(arcRadiusAt(*shape.outline, row.corner), row.radius, 0.005 * row.radius);
}

INSTANTIATE_TEST_SUITE_P(Rows, ExactTableRadius, ::testing::ValuesIn(TableRadii),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExactOutline, ArcsThatWouldOverlapMeetHalfWay)
{
    // Two radii of 8 on a 10 long edge between right angles: both shrink to 5
    // and meet at its middle; the far corners stay sharp.
    const std::vector<OutlinePoint> ring = filletCorners({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, {0, 8, 8, 0});
    OutlineRing r{ring, false};
    const Outline o{{r}};
    EXPECT_NEAR(arcRadiusAt(o, {10, 0}), 5, 0.005 * 5);
    EXPECT_NEAR(arcRadiusAt(o, {10, 10}), 5, 0.005 * 5);
    EXPECT_NEAR(signedArea(ring), 100 - 2 * (25 - Pi * 25 / 4), 1e-9 * 100);
}

namespace {

// The nominal I of rolled tables, drawn here on its own: parallel flanges and
// four root fillets of radius r traced with so many chords that the polygon
// misses a hundred-thousandth of each fillet's area.
Outline nominalI(double h, double b, double tw, double tf, double r)
{
    constexpr int chords = 400;
    std::vector<OutlinePoint> p{{-b / 2, -h / 2}, {b / 2, -h / 2}, {b / 2, -h / 2 + tf}};
    // Root fillets counter-clockwise: bottom right, top right, top left, bottom left.
    const double cx = tw / 2 + r, cy = h / 2 - tf - r;
    const std::array<std::array<double, 3>, 4> arcs{{{cx, -cy, -Pi / 2}, {cx, cy, Pi}, {-cx, cy, Pi / 2},
                                                     {-cx, -cy, 0}}};
    for (std::size_t k = 0; k < 4; ++k) {
        const auto [x, y, start] = arcs[k];
        for (int i = 0; i <= chords; ++i) {
            const double a = start - (Pi / 2) * i / chords;
            p.push_back({x + r * std::cos(a), y + r * std::sin(a)});
        }
        if (k == 1)
            p.insert(p.end(), {{b / 2, h / 2 - tf}, {b / 2, h / 2}, {-b / 2, h / 2}, {-b / 2, h / 2 - tf}});
    }
    p.insert(p.end(), {{-b / 2, -h / 2 + tf}});
    Outline o;
    o.rings.push_back({p, false});
    orientRings(o);
    return o;
}

struct RoundI {
    const char* name;
    const char* entry;
    double h, b, tw, tf, r;
};

class ExactRoundGeometry : public ::testing::TestWithParam<RoundI> {};

} // namespace

TEST_P(ExactRoundGeometry, RolledIRowsAgreeWithTheRoundShape)
{
    const RoundI& row = GetParam();
    const ExactProperties e = tab(SectionKind::I, row.entry);
    // Area of the round shape in closed form: each fillet adds r^2 (1 - pi/4).
    const double fillets = (4 - Pi) * row.r * row.r;
    const double area = 2 * row.b * row.tf + (row.h - 2 * row.tf) * row.tw + fillets;
    EXPECT_NEAR(e.area, area, 1e-4 * fillets);
    // It of the round shape on a mesh twice as fine.
    const ExactProperties round = exact(nominalI(row.h, row.b, row.tw, row.tf, row.r), row.tw / 2);
    EXPECT_NEAR(round.area, area, 2e-5 * fillets);
    EXPECT_NEAR(e.it, round.it, 5e-4 * round.it);
    // The chords miss at most a ten-thousandth of each fillet, at most h / 2
    // from the axis.
    EXPECT_NEAR(e.ix, round.ix, 1e-4 * fillets * row.h * row.h / 4);
}

INSTANTIATE_TEST_SUITE_P(Rows, ExactRoundGeometry,
                         ::testing::Values(RoundI{"Ipe200", "IPE 200x100", 200, 100, 5.6, 8.5, 12},
                                           RoundI{"Ipe450", "IPE 450x190", 450, 190, 9.4, 14.6, 21},
                                           RoundI{"HeB300", "IPB;HE-B 300x300", 300, 300, 11, 19, 27},
                                           RoundI{"HeA200", "I PBI;(HE-A) 200 190x200", 190, 200, 6.5, 10, 18}),
                         [](const auto& info) { return std::string(info.param.name); });

struct KtCase {
    const char* name;
    SectionKind kind;
    const char* entry; // nullptr: the typed section of fields
    QStringList fields;
    int arrangement;
    bool defined;
};

class ExactKt : public ::testing::TestWithParam<KtCase> {};

TEST_P(ExactKt, DefinedOnlyWhereNoInnerCornerIsSharp)
{
    const KtCase& c = GetParam();
    for (int angle : {0, 30}) {
        const ExactProperties e =
            tab(c.kind, c.entry ? QString::fromUtf8(c.entry) : custom(), c.fields, angle, c.arrangement);
        EXPECT_EQ(e.ktDefined, c.defined) << angle;
        EXPECT_EQ(exactNotes(e).isEmpty(), c.defined);
        bool shown = false;
        for (const ExactValue& v : exactValues(e, SectionProperties{}))
            if (v.name == QLatin1String("Kt") || v.name == QLatin1String("KxxDifference")) {
                EXPECT_EQ(std::isfinite(v.value), c.defined) << v.name.toStdString();
                shown = true;
            }
        EXPECT_TRUE(shown);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sections, ExactKt,
    ::testing::Values(KtCase{"TypedI", SectionKind::I, nullptr, {"150", "300", "7.1", "10.7"}, 0, false},
                      KtCase{"CatalogueTwinIPE300", SectionKind::I, "IPE 300x150", {}, 0, true},
                      KtCase{"TypedTube", SectionKind::RectHollow, nullptr, {"200", "100", "8"}, 0, false},
                      KtCase{"CatalogueTube", SectionKind::RectHollow, "60x40x4", {}, 0, true},
                      KtCase{"TypedAngle", SectionKind::L, nullptr, {"30", "45", "5"}, 0, false},
                      KtCase{"TypedU", SectionKind::U, nullptr, {"75", "200", "8.5", "11.5"}, 0, false},
                      KtCase{"CatalogueU", SectionKind::U, "HR U200x75", {}, 0, true},
                      // Where the two channels' rounded toes meet, the box's
                      // hole ends in a slit.
                      KtCase{"CatalogueBox", SectionKind::U, "HR 2xU [] U100x50", {}, 1, false},
                      KtCase{"CataloguePair", SectionKind::U, "HR 2xU ][ U100x50", {}, 2, true},
                      KtCase{"TypedRectangle", SectionKind::RectSolid, nullptr, {"40", "10"}, 0, true},
                      KtCase{"Pipe", SectionKind::CircHollow, "1/2\" pipe diameter:21,3x2,6", {}, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExactOutline, EveryCatalogueRowHasRoundedInnerCorners)
{
    QFile file(QStringLiteral(":/catalogue/data/outlines.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto rows = parseOutlineTable(QString::fromLatin1(file.readAll()));
    EXPECT_EQ(rows.size(), 14u + 17 + 12 + 104 + 18 + 24 + 24 + 67 + 154);
    for (const auto& [name, shape] : rows) {
        const SectionKind kind = shape.shape.endsWith(QLatin1String("channel")) ? SectionKind::U
                                 : shape.shape == QLatin1String("i")          ? SectionKind::I
                                 : shape.shape == QLatin1String("tee")        ? SectionKind::T
                                                                              : SectionKind::L;
        const OutlineResult r = sectionOutline(kind, name, false, {}, 0, 0);
        ASSERT_TRUE(r.outline) << name.toStdString() << ": " << r.reason.toStdString();
        EXPECT_FALSE(hasSharpInnerCorner(*r.outline)) << name.toStdString();
    }
}
