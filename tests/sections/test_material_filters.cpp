#include "sections/material.h"
#include "sections/material_filters.h"

#include <gtest/gtest.h>

TEST(EModulusFilter, LetterIsRemovedWithOneBeep)
{
    const FilterOutcome out = filterEModulus("2100a00", eModulusItems());
    EXPECT_EQ(std::tuple(out.text, out.beeps, out.refocus), std::tuple(QString("210000"), 1, true));
    const FilterOutcome item = filterEModulus("Steel : 210000000", eModulusItems());
    EXPECT_EQ(std::tuple(item.text, item.beeps), std::tuple(QString("Steel : 210000000"), 0));
    EXPECT_EQ(filterEModulus("", eModulusItems()).text, "1");
    EXPECT_EQ(filterEModulus("abc", eModulusItems()).beeps, 3);
}

TEST(DensityFilter, SecondPointRemovedWithoutBeep)
{
    const FilterOutcome out = filterDensity("78.5.0", densityItems());
    EXPECT_EQ(std::tuple(out.text, out.beeps, out.typedClean), std::tuple(QString("78.50"), 0, true));
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
    EXPECT_EQ((QStringList{filterTensile("").text, filterTensile("3x00").text}), (QStringList{"120", "300"}));
    for (const auto& [typed, kept] :
         {std::pair{"", "-120"}, {"5", "-5"}, {"-", "-"}, {"-30-0", "-300"}, {"-1.2.3", "-1.23"}})
        EXPECT_EQ(filterPressure(typed).text, kept) << typed;
}

TEST(MaterialLists, NamedMaterialsInOrder)
{
    const QStringList e = eModulusItems();
    ASSERT_EQ(e.size(), 8);
    EXPECT_EQ(e.first(), "Steel : 210000000");
    EXPECT_EQ(densityItems().last(), "Pinewood : 500");
    EXPECT_EQ(poissonItems().at(4), "Bronze : 0.35");
}
