#include "sections/material.h"
#include "sections/material_filters.h"

#include <gtest/gtest.h>

TEST(EModulusFilter, LetterIsRemovedWithOneBeep)
{
    const FilterOutcome out = filterEModulus("2100a00", eModulusItems());
    EXPECT_EQ(out.text, "210000");
    EXPECT_EQ(out.beeps, 1);
    EXPECT_TRUE(out.refocus);
    EXPECT_EQ(filterEModulus("Steel : 210000000", eModulusItems()).text, "Steel : 210000000");
    EXPECT_EQ(filterEModulus("Steel : 210000000", eModulusItems()).beeps, 0);
    EXPECT_EQ(filterEModulus("", eModulusItems()).text, "1");
    EXPECT_EQ(filterEModulus("abc", eModulusItems()).beeps, 3);
}

TEST(DensityFilter, SecondPointRemovedWithoutBeep)
{
    const FilterOutcome out = filterDensity("78.5.0", densityItems());
    EXPECT_EQ(out.text, "78.50");
    EXPECT_EQ(out.beeps, 0);
    EXPECT_TRUE(out.typedClean);
    EXPECT_EQ(filterDensity("", densityItems()).text, "1");
    EXPECT_FALSE(filterDensity("Pinewood : 500", densityItems()).typedClean);
}

TEST(PoissonFilter, EmptyBecomesPointThree)
{
    EXPECT_EQ(filterPoisson("", poissonItems()).text, "0.3");
    EXPECT_EQ(filterPoisson("0,29", poissonItems()).text, "029");
    EXPECT_EQ(filterPoisson("Steel : 0.29", poissonItems()).text, "Steel : 0.29");
}

TEST(StressFilters, DefaultsAndSigns)
{
    EXPECT_EQ(filterTensile("").text, "120");
    EXPECT_EQ(filterTensile("3x00").text, "300");
    EXPECT_EQ(filterPressure("").text, "-120");
    EXPECT_EQ(filterPressure("5").text, "-5");
    EXPECT_EQ(filterPressure("-").text, "-");
    EXPECT_EQ(filterPressure("-30-0").text, "-300");
    EXPECT_EQ(filterPressure("-1.2.3").text, "-1.23");
}

TEST(MaterialLists, NamedMaterialsInOrder)
{
    const QStringList e = eModulusItems();
    ASSERT_EQ(e.size(), 8);
    EXPECT_EQ(e.first(), "Steel : 210000000");
    EXPECT_EQ(densityItems().last(), "Pinewood : 500");
    EXPECT_EQ(poissonItems().at(4), "Bronze : 0.35");
}
