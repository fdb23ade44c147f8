#include "sections/number_format.h"

#include <gtest/gtest.h>

TEST(FormatFixed, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(formatFixed(7850.5L, 0), "7850");
    EXPECT_EQ(formatFixed(7851.5L, 0), "7852");
    EXPECT_EQ(formatFixed(2.5L, 0), "2");
}
