#include "sections/dimension_filter.h"
#include "sections/material.h"
#include "base/number_format.h"
#include "sections/units.h"

#include <gtest/gtest.h>

TEST(FormatFixed, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(formatFixed(7850.5L, 0), "7850");
    EXPECT_EQ(formatFixed(7851.5L, 0), "7852");
    EXPECT_EQ(formatFixed(0.125L, 2), "0.12");
    EXPECT_EQ(formatFixed(2.54L, 2, 6), "  2.54");
    // A negative value that rounds to zero loses its sign; one that does not keeps it.
    EXPECT_EQ(formatFixed(-0.004L, 2), "0.00");
    EXPECT_EQ(formatFixed(-0.006L, 2), "-0.01");
    EXPECT_EQ(formatFixed(-10.0L, 0), "-10");
}

TEST(PanelValue, SmallValuesGetTenDecimalsAndAreasSix)
{
    EXPECT_EQ(formatPanelValue(0.005L, false), "0.0050000000");
    EXPECT_EQ(formatPanelValue(0.01L, false), "0.01");
    EXPECT_EQ(formatPanelValue(100.0L / 1000000.0L, true), "0.000100");
    EXPECT_EQ(formatPanelValue(3.24L, true), "3.24");
}

TEST(ReadNumber, AcceptsSignPointAndExponentOnly)
{
    EXPECT_EQ(readNumber("  -12.5").value(), -12.5L);
    EXPECT_EQ(readNumber("2E3").value(), 2000.0L);
    EXPECT_EQ(readNumber("7850").value(), 7850.0L);
    for (const char* refused : {"", "12,5", "12.5 ", "1.2.3", "e5", "5e"})
        EXPECT_FALSE(readNumber(refused).has_value()) << refused;
}

// A typed whole number may have blanks and a sign in front, a written one a minus, a count nothing.
TEST(ReadInteger, EachFormTakesOnlyWhatItAllows)
{
    using F = IntegerForm;
    const std::tuple<const char*, IntegerForm, std::optional<long long>> rows[] = {
        {"  +42", F::Typed, 42},  {" -7", F::Typed, -7}, {"42 ", F::Typed, {}},   {"-", F::Typed, {}},
        {"-7", F::Written, -7},   {"+7", F::Written, {}}, {" 7", F::Written, {}}, {"-7", F::Digits, {}},
        {"007", F::Digits, 7},    {"9223372036854775807", F::Digits, 9223372036854775807LL},
        {"9223372036854775808", F::Digits, {}}};
    for (const auto& [text, form, value] : rows)
        EXPECT_EQ(readInteger(QString::fromLatin1(text), form), value) << text;
}

TEST(ReadNameStripped, DropsTheNameInFrontOfTheNumber)
{
    EXPECT_EQ(readNameStripped("Steel : 7850")->value, 7850.0L);
    EXPECT_EQ(readNameStripped("Pinewood : 500")->value, 500.0L);
    EXPECT_EQ(readNameStripped("Steel : 7850")->prefixLength, 7);
    EXPECT_EQ(readNameStripped("abc210000")->value, 210000.0L);
    EXPECT_FALSE(readNameStripped("abc").has_value());
}

TEST(readDensity, ReadsListTextsAndConvertsToKgPerCubicMetre)
{
    UnitSettings units;
    EXPECT_EQ(readDensity("Steel : 7850", units).value, 7850.0L);
    EXPECT_EQ(readDensity("7850", units).value, 7850.0L);
    units.setChoice(UnitGroup::Density, 2);
    EXPECT_NEAR(double(readDensity("0.00785", units).value), 7850.0, 1e-9);
    const DensityReading letters = readDensity("Steel", UnitSettings{});
    EXPECT_FALSE(letters.ok);
    EXPECT_EQ(letters.value, 0.0L);
}

struct FilterCase {
    const char* name;
    const char* typed;
    const char* kept;
};

class DimensionFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(DimensionFilter, CorrectsTheField)
{
    EXPECT_EQ(filterDimensionText(QString::fromLatin1(GetParam().typed)), QString::fromLatin1(GetParam().kept));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DimensionFilter,
    ::testing::Values(FilterCase{"FourthDigitRemoved", "1234", "123"},
                      FilterCase{"ThirdDecimalRemoved", "12.345", "12.34"},
                      FilterCase{"FourDigitsBeforePoint", "1234.5", "123.5"},
                      FilterCase{"EmptyBecomesOne", "", "1"},
                      FilterCase{"SecondPointRemoved", "1.2.", "1.2"},
                      FilterCase{"LetterRemoved", "2a0", "20"},
                      FilterCase{"OnlyLettersBecomeOne", "ab", "1"},
                      FilterCase{"CleanTextKept", "999.99", "999.99"},
                      FilterCase{"CommaRemoved", "21,3", "213"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Units, DefaultsAndDivisors)
{
    UnitSettings units;
    EXPECT_EQ(units.digits(), "1122233");
    EXPECT_TRUE(units.isDefault());
    EXPECT_EQ(unitText(units, UnitGroup::Area), "[cm2]");
    EXPECT_EQ(unitDivisor(units, UnitGroup::Area), 100.0L);
    units.setChoice(UnitGroup::Inertia, 3);
    EXPECT_EQ(unitText(units, UnitGroup::Inertia), "[mm4]");
    EXPECT_FALSE(units.isDefault());
    EXPECT_NEAR(double(unitFactor(UnitGroup::EModulus, 1, 3)), 0.001, 1e-15);
    EXPECT_NEAR(double(unitFactor(UnitGroup::Area, 1, 2)), 10000.0, 1e-9);
    EXPECT_FALSE(UnitSettings::fromDigits("1124233").has_value());
    EXPECT_EQ(UnitSettings::fromDigits("3333333")->choice(UnitGroup::Stress), 3);
}

TEST(FormatSignificant, FifteenDigitsWithoutTrailingZeros)
{
    for (const auto& [value, text] : {std::pair{0.0L, "0"}, {20000.0L, "20000"}, {1e-11L, "0.00000000001"},
                                      {-2.5L, "-2.5"}, {0.1L + 0.2L, "0.3"}, {123456789.123L, "123456789.123"}})
        EXPECT_EQ(formatSignificant(value), text);
}

TEST(FormatStress, TwoDecimalsFromAHundredthElseEight)
{
    for (const auto& [value, text] :
         {std::pair{0.01L, "0.01"}, {0.0099L, "0.00990000"}, {-0.005L, "-0.00500000"}, {-300.0L, "-300.00"}})
        EXPECT_EQ(formatStress(value), text);
}
