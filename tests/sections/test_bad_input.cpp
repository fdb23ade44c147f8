// Hostile input to the number readers and writers, the filters and the tab
// computations: numbers that do not fit, very long texts, impossible
// sections, angles far outside a turn.
#include "panel_lookup.h"

#include "sections/compute_helpers.h"
#include "sections/material.h"
#include "sections/material_filters.h"
#include "base/number_format.h"
#include "sections/solid.h"
#include "sections/tab_computations.h"
#include "sections/units.h"
#include "settings/message_table.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>

namespace {
bool panelShows(const TabResult& r, const QString& text)
{
    for (const PanelText& t : r.panel.texts())
        if (t.text.contains(text))
            return true;
    return false;
}

ComputeContext withDensity(const QString& density)
{
    ComputeContext ctx;
    ctx.densityText = density;
    return ctx;
}

} // namespace

struct UnfitCase {
    const char* name;
    std::string text;
};

class NumberThatDoesNotFit : public ::testing::TestWithParam<UnfitCase> {};

// A number beyond a double's range, or too small for extended precision, is
// no number; it is never read as its exponent or another tail.
TEST_P(NumberThatDoesNotFit, IsNoNumberAtAll)
{
    const QString text = QString::fromStdString(GetParam().text);
    EXPECT_FALSE(readNumber(text).has_value());
    EXPECT_FALSE(readNameStripped(text).has_value());
    EXPECT_FALSE(readNameStripped(QStringLiteral("Steel : ") + text).has_value());
    const DensityReading density = readDensity(text, UnitSettings{});
    EXPECT_FALSE(density.ok);
    EXPECT_EQ(density.value, 0.0L);
}

INSTANTIATE_TEST_SUITE_P(Cases, NumberThatDoesNotFit,
                         ::testing::Values(UnfitCase{"HugeExponent", "1e5000"},
                                           UnfitCase{"TinyExponent", "1e-5000"},
                                           UnfitCase{"NegativeTiny", "-1e-5000"},
                                           UnfitCase{"JustAboveExtended", "1.5e4933"},
                                           UnfitCase{"AboveDouble", "1e309"},
                                           UnfitCase{"PlusSignedHuge", "+2E+400"},
                                           UnfitCase{"ManyDigits", std::string(326, '9')}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadNumber, LongNumbersReadWhole)
{
    // 200 zeros after the point and a 1 at the end: 1e-201, not the last
    // 127 characters' value.
    const QString tiny = QStringLiteral("0.") + QString(200, QLatin1Char('0')) + QStringLiteral("1");
    ASSERT_TRUE(readNumber(tiny).has_value());
    EXPECT_NEAR(double(*readNumber(tiny) * 1e201L), 1.0, 1e-12);
    const QString big = QStringLiteral("5") + QString(130, QLatin1Char('0')) + QStringLiteral(".5");
    ASSERT_TRUE(readNumber(big).has_value());
    EXPECT_NEAR(double(*readNumber(big) / 5e130L), 1.0, 1e-15);
    const QString leadingZeros = QString(100000, QLatin1Char('0')) + QStringLiteral("7850");
    EXPECT_EQ(readNumber(leadingZeros).value_or(0), 7850.0L);
    EXPECT_EQ(readNameStripped(QStringLiteral("Steel : ") + leadingZeros)->value, 7850.0L);
    EXPECT_EQ(readNameStripped(QStringLiteral("Steel : ") + leadingZeros)->prefixLength, 7);
    EXPECT_TRUE(readNumber(QStringLiteral("1e-400")).has_value()); // fits extended precision
}

TEST(ReadNameStripped, LongTextsWithoutANumericTail)
{
    const QString digitsThenLetter = QString(120000, QLatin1Char('7')) + QLatin1Char('a');
    EXPECT_FALSE(readNameStripped(digitsThenLetter).has_value());
    EXPECT_FALSE(readDensity(digitsThenLetter, UnitSettings{}).ok);
    // Of 120 000 digits only the tail after the name counts: still too big.
    EXPECT_FALSE(readNameStripped(QString(120000, QLatin1Char('7'))).has_value());
    // The number form needs the whole tail.
    EXPECT_FALSE(readNameStripped(QStringLiteral("x.5e")).has_value());
    EXPECT_FALSE(readNameStripped(QStringLiteral("Steel : 12e")).has_value());
    for (const auto& [text, value, prefix] :
         {std::tuple{"a1e5", 100000.0L, 1}, {"Mix: -.5", -0.5L, 4}, {"e-3.e+2", -300.0L, 1}}) {
        const auto read = readNameStripped(QString::fromLatin1(text));
        ASSERT_TRUE(read.has_value()) << text;
        EXPECT_EQ(std::pair(read->value, read->prefixLength), std::pair(value, prefix)) << text;
    }
}

TEST(FormatFixed, WritesEveryFiniteValueWhole)
{
    const QString big = formatFixed(1e300L, 2);
    EXPECT_EQ(big.size(), 301 + 3);
    EXPECT_TRUE(big.startsWith(QStringLiteral("100000000000000000")));
    EXPECT_TRUE(big.endsWith(QStringLiteral(".00")));
    EXPECT_EQ(readNumber(big).value_or(0), 1e300L);
    const QString largest = formatFixed(LDBL_MAX, 2);
    EXPECT_EQ(largest.size(), 4933 + 3);
    EXPECT_TRUE(largest.startsWith(QStringLiteral("11897314953572317650")));
    EXPECT_EQ(formatFixed(-1e200L, 0, 0).size(), 202);
    EXPECT_EQ(formatFixed(1e130L, 2, 140).size(), 140);
}

TEST(UnitDigits, OnlyAsciiOneToThree)
{
    EXPECT_TRUE(UnitSettings::fromDigits(QStringLiteral("1122233")).has_value());
    EXPECT_FALSE(UnitSettings::fromDigits(QString::fromUtf8("11\u06622233")).has_value()); // Arabic-Indic two
    EXPECT_FALSE(UnitSettings::fromDigits(QString::fromUtf8("\uff11122233")).has_value()); // fullwidth one
    EXPECT_FALSE(UnitSettings::fromDigits(QString::fromUtf8("112223\u0969")).has_value()); // Devanagari three
}

// The first point stays, every other character that is not a digit goes.
TEST(DecimalFilters, KeepDigitsAndTheFirstPoint)
{
    const std::pair<const char*, const char*> cases[] = {{"1.2.3", "1.23"}, {"a.b.1.2", ".12"}, {"..5", ".5"},
                                                         {"-30-0", "300"},  {"12,5e3", "1253"}, {"", ""},
                                                         {"abc", ""},       {"7.", "7."},       {". . .", "."}};
    for (const auto& [typed, kept] : cases)
        EXPECT_EQ(keepDecimal(QString::fromLatin1(typed)), QString::fromLatin1(kept)) << typed;
    // A paste of 60 000 digits and 60 000 letters keeps the digits.
    QString paste;
    for (int i = 0; i < 60000; ++i)
        paste += QStringLiteral("7x");
    EXPECT_EQ(keepDecimal(paste), QString(60000, QLatin1Char('7')));
    EXPECT_EQ(filterDensity(paste, densityItems()).text, QString(60000, QLatin1Char('7')));
    EXPECT_EQ(filterPressure(QStringLiteral("5-") + paste).text.size(), 60002);
    EXPECT_EQ(filterEModulus(paste, eModulusItems()).beeps, 60000);
}

TEST(Density, ThatCannotGiveAShowableWeightIsRefused)
{
    const MessageTable& m = MessageTable::english();
    // Beyond what any weight line can show.
    const auto huge = computeCustom(SectionKind::RectHollow, {"40", "20", "3"}, 0, withDensity("1e4932"));
    ASSERT_TRUE(huge.has_value());
    EXPECT_EQ(std::pair(huge->messages.contains(m(Msg::WrongData)), huge->weight), std::pair(true, 0.0L));
    EXPECT_EQ(valueAt(*huge, PanelRow::Weight), "0.00 [Kg/m]");
    ASSERT_TRUE(huge->properties.has_value()); // the section itself is fine
    // In kg/cm3 the same text is a million times more.
    ComputeContext perCubicCentimetre = withDensity("1e305");
    perCubicCentimetre.units.setChoice(UnitGroup::Density, 2);
    EXPECT_FALSE(readDensity("1e305", perCubicCentimetre.units).ok);
    // A density within range whose weight for a large box would not be.
    const auto box = computeEntry(SectionKind::U, m(Msg::CustomSection), withDensity("1.5e308"), {"999", "999", "998", "499"}, 1);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(std::pair(box->messages.contains(m(Msg::WrongData)), box->weight), std::pair(true, 0.0L));
    // A large density that gives a showable weight is written whole, not "0".
    const auto large = computeCustom(SectionKind::RectHollow, {"40", "20", "3"}, 0, withDensity("1e300"));
    ASSERT_TRUE(large.has_value());
    EXPECT_FALSE(large->messages.contains(m(Msg::WrongData)));
    EXPECT_NEAR(double(large->weight / 3.24e296L), 1.0, 1e-15);
    const QString weight = valueAt(*large, PanelRow::Weight);
    EXPECT_TRUE(weight.startsWith(QStringLiteral("32400000000000000"))) << weight.toStdString();
    EXPECT_TRUE(weight.endsWith(QStringLiteral(".00 [Kg/m]")));
    EXPECT_EQ(weight.size(), 297 + 3 + 7);
}

struct ImpossibleCase {
    const char* name;
    SectionKind kind;
    const char* fields;
    int arrangement;
};

class ImpossibleSection : public ::testing::TestWithParam<ImpossibleCase> {};

// Small legal dimensions whose results no section can have: refused with
// "Error wrong data !", nothing stored, "To List" disabled.
TEST_P(ImpossibleSection, IsRefusedLikeAnyInvalidSection)
{
    const ImpossibleCase& c = GetParam();
    const QStringList fields = QString::fromLatin1(c.fields).split(QLatin1Char(','));
    const ComputeContext ctx;
    const auto r = c.kind == SectionKind::U ? computeEntry(c.kind, ctx.msg()(Msg::CustomSection), ctx, fields, c.arrangement)
                                            : computeCustom(c.kind, fields, 0, ctx);
    ASSERT_TRUE(r.has_value());
    EXPECT_FALSE(r->properties.has_value());
    EXPECT_FALSE(r->toListEnabled);
    EXPECT_TRUE(panelShows(*r, ctx.msg()(Msg::WrongData)));
    EXPECT_EQ(valueAt(*r, PanelRow::Ix), "<none>");
    EXPECT_FALSE(panelShows(*r, QStringLiteral("inf")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImpossibleSection,
    ::testing::Values(ImpossibleCase{"AngleWhoseAreaRoundsToZero", SectionKind::L, "0.5,0.5,0.01", 0},
                      ImpossibleCase{"BoxWithNegativeTorsionModulus", SectionKind::U, "2,0.5,1,0.01", 1},
                      ImpossibleCase{"CircularBarOfDiameterZero", SectionKind::CircSolid, "0", 0},
                      ImpossibleCase{"CircularBarBeyondExtendedPrecision", SectionKind::CircSolid, "1e2000", 0},
                      ImpossibleCase{"CircularBarWhoseMomentsOverflow", SectionKind::CircSolid, "1e300", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ImpossibleSection, PossibleNeighboursStillCompute)
{
    const ComputeContext ctx;
    EXPECT_TRUE(computeCustom(SectionKind::L, {"30", "45", "5"}, 0, ctx)->properties.has_value());
    EXPECT_TRUE(computeEntry(SectionKind::U, ctx.msg()(Msg::CustomSection), ctx, {"40", "10", "3", "3"}, 1)->properties.has_value());
    EXPECT_TRUE(computeCustom(SectionKind::CircSolid, {"0.01"}, 0, ctx)->properties.has_value());
}

TEST(NonFiniteCustom, CircularSolidEndsSilentlyThroughTheCore)
{
    // A double holds 1e300 but not its fourth power; the tab refuses it (above).
    const ComputeContext ctx;
    const TabResult direct = circSolidCustom(QStringLiteral("1e300"), ctx);
    EXPECT_FALSE(direct.properties.has_value());
    EXPECT_FALSE(panelShows(direct, QStringLiteral("inf")));
    EXPECT_TRUE(direct.messages.isEmpty());
    // Beyond a double (1e100 to the fourth is 1e400): not showable either.
    EXPECT_FALSE(circSolidCustom(QStringLiteral("1e100"), ctx).properties.has_value());
}

struct AngleCase {
    const char* name;
    SectionKind kind;
    const char* entry;
    int angle;
    int reduced;
};

class FarAngle : public ::testing::TestWithParam<AngleCase> {};

// Any stored angle is reduced to 0..359 before the formulas see it.
TEST_P(FarAngle, ComputesAsItsReducedAngle)
{
    const AngleCase& c = GetParam();
    const ComputeContext far = turnedBy(c.angle), near = turnedBy(c.reduced);
    EXPECT_EQ(far.rotationAngle(), c.reduced);
    const auto a = computeEntry(c.kind, QString::fromLatin1(c.entry), far);
    const auto b = computeEntry(c.kind, QString::fromLatin1(c.entry), near);
    ASSERT_TRUE(a && b && a->properties && b->properties);
    const SectionProperties& p = *a->properties;
    const SectionProperties& q = *b->properties;
    for (auto [x, y] : {std::pair{p.ix, q.ix}, {p.iy, q.iy}, {p.kxAbove, q.kxAbove}, {p.kxUnder, q.kxUnder},
                        {p.kyLeft, q.kyLeft}, {p.kyRight, q.kyRight}})
        EXPECT_NEAR(double(x), double(y), 1e-9 * double(std::fabs(y)) + 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FarAngle,
    ::testing::Values(AngleCase{"IBeamAtIntMax", SectionKind::I, "HR I80x42", INT_MAX, 127},
                      AngleCase{"AngleAtIntMax", SectionKind::L, "L section 30x45x5", INT_MAX, 127},
                      AngleCase{"IBeamAtIntMin", SectionKind::I, "IPE 80x46", INT_MIN, 232},
                      AngleCase{"AngleNegativeQuarter", SectionKind::L, "L section 30x45x5", -90, 270},
                      AngleCase{"TeeAtIntMaxLessOne", SectionKind::T, "T20x20x3", INT_MAX - 1, 126},
                      AngleCase{"ChannelTwoTurns", SectionKind::U, "HR U50x38", 720 + 33, 33}),
    [](const auto& info) { return std::string(info.param.name); });
