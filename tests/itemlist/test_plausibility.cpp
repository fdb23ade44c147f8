#include "itemlist_fixture.h"

#include "itemlist/plausibility.h"

namespace {
// Ix, Iy, Kx above, Kx under, Ky left, Ky right, Ixx, Kxx, area.
PrivatePropertyTexts typed(const char* ix, const char* iy, const char* kx, const char* ky, const char* ixx,
                           const char* kxx, const char* area)
{
    return {ix, iy, kx, kx, ky, ky, ixx, kxx, area};
}
} // namespace

TEST(Plausibility, FiftyMillimetreBoxWithTypedValuesBelowItsMaxima)
{
    const PlausibilityResult r = checkPlausibility(typed("10", "10", "4", "4", "5", "3", "20"), UnitSettings{}, m());
    const ExtremeFibreDistances& d = r.distances;
    EXPECT_EQ(std::tuple(r.compared, r.plausible, d.above, d.under, d.left, d.right),
              std::tuple(true, true, 25.0L, 25.0L, 25.0L, 25.0L));
    EXPECT_EQ(r.report, "Ix max : 52.08 [cm4] > Ix : 10 [cm4] ----> OK\n"
                        "Iy max : 52.08 [cm4] > Iy : 10 [cm4] ----> OK\n"
                        "Ixx max : 93.28 [cm4] > Ixx : 5 [cm4] ----> OK\n"
                        "Kxx max : 34.72 [cm3] > Kxx : 3 [cm3] ----> OK\n"
                        "Max. Area : 25.00 [cm2] > Area : 20 [cm2] ----> OK\n");
}

TEST(Plausibility, InertiaAboveTheRectangleIsAnErrorWithTheQuestionInFront)
{
    // Ky 4 cm3 gives a width of 50 mm, Kx 40 cm3 a height of 5 mm.
    const PlausibilityResult r =
        checkPlausibility(typed("10", "10", "40", "4", "0.1", "0.2", "2"), UnitSettings{}, m());
    EXPECT_FALSE(r.plausible);
    // Ixx of a stepped-table rectangle of ratio 10: (10 - 0.63) x 5^4 / 3 mm4.
    EXPECT_EQ(r.report, "Impossible data ! Do you want to approved ? \n\n"
                        "Ix max : 0.0520833333 [cm4] < Ix : 10 [cm4] ----> Error\n"
                        "Iy max : 5.21 [cm4] < Iy : 10 [cm4] ----> Error\n"
                        "Ixx max : 0.20 [cm4] > Ixx : 0.1 [cm4] ----> OK\n"
                        "Kxx max : 0.39 [cm3] > Kxx : 0.2 [cm3] ----> OK\n"
                        "Max. Area : 2.50 [cm2] > Area : 2 [cm2] ----> OK\n");
}

TEST(Plausibility, AMaximumEqualToTheTypedValueIsAnErrorButAnEqualAreaIsNot)
{
    // A 60 x 60 mm square: Ix max = 60^4 / 12 mm4 = 108 cm4, area 36 cm2.
    const PlausibilityResult r =
        checkPlausibility(typed("108", "108", "36", "36", "1", "1", "36"), UnitSettings{}, m());
    EXPECT_FALSE(r.plausible);
    EXPECT_TRUE(r.report.contains("Ix max : 108.00 [cm4] < Ix : 108 [cm4] ----> Error\n"));
    EXPECT_TRUE(r.report.contains("Max. Area : 36.00 [cm2] > Area : 36 [cm2] ----> OK\n"));
    const PlausibilityResult over =
        checkPlausibility(typed("100", "100", "36", "36", "1", "1", "36.01"), UnitSettings{}, m());
    EXPECT_TRUE(over.report.contains(" < Area : 36.01 [cm2] ----> Error\n"));
}

TEST(Plausibility, NothingIsComparedUnlessBothInertiasArePositive)
{
    for (const auto& t : {typed("0", "10", "4", "4", "5", "3", "20"), typed("10", "0", "4", "4", "5", "3", "20"),
                          typed("", "", "4", "4", "5", "3", "99999")}) {
        const PlausibilityResult r = checkPlausibility(t, UnitSettings{}, m());
        EXPECT_EQ(std::tuple(r.compared, r.plausible, r.report), std::tuple(false, true, QString()));
    }
}

TEST(Plausibility, TypedValuesAreReadInTheChosenUnits)
{
    // The same 50 mm box typed in mm4, mm3 and mm2 ...
    const PlausibilityResult mm =
        checkPlausibility(typed("100000", "100000", "4000", "4000", "50000", "3000", "2000"), units("1133333"), m());
    EXPECT_DOUBLE_EQ(double(mm.distances.above), 25.0);
    EXPECT_TRUE(mm.plausible);
    EXPECT_TRUE(mm.report.startsWith("Ix max : 520833.33 [mm4] > Ix : 100000 [mm4] ----> OK\n"));
    EXPECT_TRUE(mm.report.contains("Max. Area : 2500.00 [mm2] > Area : 2000 [mm2] ----> OK\n"));
    // ... and in m4, m3 and m2, whose maxima fall below 0.1 and take ten decimals.
    const PlausibilityResult metres = checkPlausibility(
        typed("0.0000001", "0.0000001", "0.000004", "0.000004", "0.00000005", "0.000003", "0.002"),
        units("1111133"), m());
    EXPECT_NEAR(double(metres.distances.left), 25.0, 1e-9);
    EXPECT_TRUE(metres.report.startsWith("Ix max : 0.0000005208 [m4] > Ix : 0.0000001 [m4] ----> OK\n"));
    EXPECT_TRUE(metres.report.contains("Kxx max : 0.0000347222 [m3] > Kxx : 0.000003 [m3] ----> OK\n"));
    EXPECT_TRUE(metres.report.contains("Max. Area : 0.0025000000 [m2] > Area : 0.002 [m2] ----> OK\n"));
}

TEST(Plausibility, DistancesOfMissingModuliAreUnknown)
{
    const ExtremeFibreDistances d = extremeFibreDistances({"10", "20", "4", "0", "", "8", "", "", ""}, UnitSettings{});
    EXPECT_EQ((std::array{d.aboveKnown, d.underKnown, d.leftKnown, d.rightKnown}),
              (std::array{true, false, false, true}));
    EXPECT_EQ((std::array{double(d.above), double(d.under), double(d.right), double(d.height())}),
              (std::array{25.0, 0.0, 25.0, 25.0}));
}

// Ixx and Kxx of a w x h rectangle, in cm4 and cm3, by the steps of the ratio.
TEST(Plausibility, TorsionMaximaByStepsOfTheRatio)
{
    const struct {
        const char* name;
        long double w, h;
        double ixxCm4, kxxCm3;
    } cases[] = {
        {"square", 50, 50, 50.0 * 125000 / 6.7 / 1e4, 50.0 * 2500 / 3.6 / 1e3},
        {"ratio 1.5", 15, 10, 15.0 * 1000 / 6.7 / 1e4, 15.0 * 100 / 3.6 / 1e3},
        {"ratio 1.6", 16, 10, 16.0 * 1000 / 5 / 1e4, 16.0 * 100 / 3.6 / 1e3},
        {"ratio 2", 100, 50, 100.0 * 125000 / 5 / 1e4, 100.0 * 2500 / 3.6 / 1e3},
        {"ratio 3", 30, 10, 30.0 * 1000 / 4.4 / 1e4, 30.0 * 100 / 3.6 / 1e3},
        {"ratio 4", 40, 10, 40.0 * 1000 / 3.8 / 1e4, 40.0 * 100 / 3.6 / 1e3},
        {"ratio 5", 50, 10, (5 - 0.63) * 10000 / 3 / 1e4, (5 - 0.63) * 1000 / 3 / 1e3},
        {"no width", 0, 10, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RectangleMaxima mx = rectangleMaxima(c.w, c.h, UnitSettings{});
        EXPECT_NEAR(double(mx.ixx), c.ixxCm4, 1e-9 * std::max(1.0, c.ixxCm4));
        EXPECT_NEAR(double(mx.kxx), c.kxxCm3, 1e-9 * std::max(1.0, c.kxxCm3));
        // Turning the rectangle leaves the torsion values alone.
        const RectangleMaxima turned = rectangleMaxima(c.h, c.w, UnitSettings{});
        EXPECT_NEAR(double(turned.ixx), double(mx.ixx), 1e-12);
        EXPECT_NEAR(double(turned.ix), double(mx.iy), 1e-12);
    }
}
