#include "sections/tab_computations.h"

#include <gtest/gtest.h>

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
