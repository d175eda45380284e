#include "platform/Arithmetic.h"

#include <gtest/gtest.h>

TEST(Arithmetic, RoundsHalvesToEven) {
    EXPECT_EQ(Arithmetic::RoundHalfEven(2.5), 2);
    EXPECT_EQ(Arithmetic::RoundHalfEven(3.5), 4);
    EXPECT_EQ(Arithmetic::RoundHalfEven(-2.5), -2);
    EXPECT_EQ(Arithmetic::ScaleRounded(401, 500, 1000), 200); // 200.5 -> 200
    EXPECT_EQ(Arithmetic::ScaleRounded(403, 500, 1000), 202); // 201.5 -> 202
    EXPECT_EQ(Arithmetic::ScaleRounded(800, 500, 600), 667);
}
