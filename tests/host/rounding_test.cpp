#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "orvano/host/runtime.h"
#include "raised.h"

namespace orvano::host {
namespace {

using testing::Raised;

TEST(CLngRounding, TiesGoToTheEvenNeighbour) {
  EXPECT_EQ(CLng(0.5), 0);
  EXPECT_EQ(CLng(2.5), 2);
  EXPECT_EQ(CLng(3.5), 4);
  EXPECT_EQ(CLng(-2.5), -2);
  EXPECT_EQ(CLng(-3.5), -4);
  // Just off a tie is no tie.
  EXPECT_EQ(CLng(2.4999999999999996), 2);
  EXPECT_EQ(CLng(2.5000000000000004), 3);
}

TEST(CLngRounding, ThirtyTwoBitRangeOrOverflow) {
  EXPECT_EQ(CLng(2147483647.4), 2147483647);
  EXPECT_EQ(CLng(-2147483648.5), std::numeric_limits<std::int32_t>::min());  // tie to even
  EXPECT_EQ(Raised([] { CLng(2147483647.5); }), ErrorKind::Overflow);
  EXPECT_EQ(Raised([] { CLng(-2147483649.0); }), ErrorKind::Overflow);
  EXPECT_EQ(Raised([] { CLng(std::numeric_limits<double>::infinity()); }), ErrorKind::Overflow);
  EXPECT_EQ(Raised([] { CLng(std::nan("")); }), ErrorKind::Overflow);
}

TEST(RoundWhole, TiesToEvenAndTheHalfTrickOfTheLayout) {
  EXPECT_EQ(Round(2.5), 2.0);
  EXPECT_EQ(Round(-2.5), -2.0);
  // Round(x + 0.5): the next whole number up, a whole even x stays, a whole odd x goes up.
  EXPECT_EQ(Round(2.3 + 0.5), 3.0);
  EXPECT_EQ(Round(2.0 + 0.5), 2.0);
  EXPECT_EQ(Round(3.0 + 0.5), 4.0);
}

TEST(RoundDecimals, TiesOnTheDecimalTextGoToEven) {
  EXPECT_EQ(Round(0.25, 1), 0.2);
  EXPECT_EQ(Round(0.35, 1), 0.4);  // stored just below 0.35, read as 0,35
  EXPECT_EQ(Round(-0.25, 1), -0.2);
  EXPECT_EQ(Round(2.675, 2), 2.68);
  EXPECT_EQ(Round(2.665, 2), 2.66);
  EXPECT_EQ(Round(1.005, 2), 1.0);
  // Inch lengths: n x 25.45 to one decimal.
  EXPECT_EQ(Round(2 * 25.45, 1), 50.9);
  EXPECT_EQ(Round(10 * 25.45, 1), 254.5);
  EXPECT_EQ(Round(3 * 25.45, 1), 76.4);  // 76,35
}

TEST(RoundDecimals, CarriesAndValuesWithNothingToDrop) {
  EXPECT_EQ(Round(9.96, 1), 10.0);
  EXPECT_EQ(Round(99.995, 2), 100.0);
  EXPECT_EQ(Round(1e-20, 3), 0.0);
  EXPECT_FALSE(std::signbit(Round(-0.04, 1)));
  EXPECT_EQ(Round(0.1 + 0.2, 20), 0.1 + 0.2);  // not cut to 15 digits
  EXPECT_EQ(Round(1e300, 2), 1e300);
  EXPECT_EQ(Raised([] { Round(1.0, -1); }), ErrorKind::InvalidProcedureCall);
}

TEST(IntFloor, TakesTheLargestWholeNumberNotAbove) {
  EXPECT_EQ(Int(2.5), 2.0);
  EXPECT_EQ(Int(-2.5), -3.0);
  EXPECT_EQ(Int(-0.1), -1.0);
  EXPECT_EQ(IntL(-2.5), -3);
  EXPECT_EQ(IntL(2147483647.9), 2147483647);
  EXPECT_EQ(Raised([] { IntL(2147483648.0); }), ErrorKind::Overflow);
  EXPECT_EQ(Raised([] { IntL(-2147483648.5); }), ErrorKind::Overflow);
}

}  // namespace
}  // namespace orvano::host
