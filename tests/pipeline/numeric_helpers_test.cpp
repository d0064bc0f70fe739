// The well-defined stand-ins for IEEE division and float-to-int casts.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "pipeline/ieee_quotient.h"
#include "pipeline/truncate_to_int32.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(IeeeQuotient, MatchesIeeeDivision) {
  EXPECT_EQ(IeeeQuotient(3.0, -2.0), -1.5);
  EXPECT_EQ(IeeeQuotient(400, 0), kInf);
  EXPECT_EQ(IeeeQuotient(-400, 0), -kInf);
  EXPECT_EQ(IeeeQuotient(400, -0.0), -kInf);
  EXPECT_EQ(IeeeQuotient(-400, -0.0), kInf);
  EXPECT_TRUE(std::isnan(IeeeQuotient(0, 0)));
  EXPECT_TRUE(std::isnan(IeeeQuotient(std::nan(""), 0)));
}

TEST(TruncateToInt32, TowardZeroInRangeAndSaturatingOutside) {
  EXPECT_EQ(TruncateToInt32(67.5), 67);
  EXPECT_EQ(TruncateToInt32(-67.5), -67);
  EXPECT_EQ(TruncateToInt32(-0.0), 0);
  EXPECT_EQ(TruncateToInt32(2147483647.9), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(TruncateToInt32(-2147483648.9), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(TruncateToInt32(-2147483647.5), -2147483647);
  EXPECT_EQ(TruncateToInt32(1e300), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(TruncateToInt32(-std::numeric_limits<double>::infinity()), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(TruncateToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
  // Screen x = halfW - trunc(v): with halfW 200, 67.5 gives 133 and -67.5 gives 267.
  EXPECT_EQ(200 - TruncateToInt32(67.5), 133);
  EXPECT_EQ(200 - TruncateToInt32(-67.5), 267);
}

}  // namespace
