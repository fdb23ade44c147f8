#include "sections/tab_computations.h"
#include "settings/message_table.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {
// Typed sizes that read as numbers but describe no section.
const QStringList DegenerateTexts = {"0.0", "0", "0.00", ".", "0e5"};
} // namespace

TEST(ToListOffer, EveryKindOffersListingOnlyWithStoredValues)
{
    for (SectionKind kind : AllSectionKinds) {
        if (!kindComputes(kind))
            continue;
        const int n = customFieldCount(kind);
        for (const QString& zero : DegenerateTexts) {
            for (int changed = 0; changed < n; ++changed) {
                QStringList fields;
                for (int i = 0; i < n; ++i)
                    fields << (i == changed ? zero : QStringLiteral("0.0"));
                const auto result = computeCustom(kind, fields, changed, ComputeContext{});
                if (!result)
                    continue;
                EXPECT_EQ(result->toListEnabled, result->properties.has_value())
                    << kindCode(kind).toStdString() << " " << fields.join('x').toStdString();
                // A solid circle of diameter 0 computes to zeros; every
                // other kind stores nothing for zero sizes.
                if (kind != SectionKind::CircSolid) {
                    EXPECT_FALSE(result->toListEnabled) << kindCode(kind).toStdString() << " "
                                                        << fields.join('x').toStdString();
                }
            }
        }
    }
    // A real section still is.
    const auto pipe = computeCustom(SectionKind::CircHollow, {"48.3", "3.2"}, 1, ComputeContext{});
    ASSERT_TRUE(pipe && pipe->properties);
    EXPECT_TRUE(pipe->toListEnabled);
}

// The custom entry of each tab: the I, U and T compute the typed fields they
// are given, the others start from their own first sizes.
TEST(CustomEntry, ComputesFromTypedOrStartSizes)
{
    const struct { // area in mm2, no caption: not checked here
        SectionKind kind;
        QStringList typed;
        int arrangement;
        QStringList start;
        double area;
        const char* caption;
    } rows[] = {
        {SectionKind::I, {"50", "100", "3", "3"}, 0, {}, 2 * 50 * 3 + (100 - 6) * 3, "I 50x100x(3x3) section"},
        {SectionKind::U, {"40", "10", "3", "3"}, 2, {}, 2 * (3 * 4 + 2 * 3 * 40), "2xU ][ 40x10x(3x3) section"},
        {SectionKind::T, {"50", "100", "3", "3"}, 0, {}, 50 * 3 + (100 - 3) * 3, "T 50x100x(3x3) section"},
        {SectionKind::RectHollow, {}, 0, {"20", "20", "1"}, 20 * 20 - 18 * 18, "20x20x1 Rectangular hollow section"},
        {SectionKind::CircHollow, {}, 0, {"22", "2"}, std::numbers::pi / 4 * (22 * 22 - 18 * 18), nullptr},
        {SectionKind::RectSolid, {}, 0, {"10", "10"}, 10 * 10, nullptr},
    };
    ComputeContext ctx;
    for (const auto& row : rows) {
        SCOPED_TRACE(kindCode(row.kind).toStdString());
        const auto r = computeEntry(row.kind, ctx.msg()(Msg::CustomSection), ctx, row.typed, row.arrangement);
        ASSERT_TRUE(r && r->properties);
        EXPECT_NEAR(double(r->properties->area), row.area, 1e-9 * row.area);
        EXPECT_TRUE(r->toListEnabled && r->fieldsEnabled.value_or(false));
        EXPECT_EQ(row.start.isEmpty() ? row.start : r->fieldTexts.value_or(QStringList{}), row.start);
        EXPECT_EQ(row.caption ? r->dataCaption.value_or(QString{}) : QString{}, QString::fromLatin1(row.caption));
    }
}
