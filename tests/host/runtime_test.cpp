// The runtime's numbers: checked arithmetic and its errors, rounding, and number text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

#include "orvano/host/error.h"
#include "orvano/host/runtime.h"
#include "raised.h"

namespace orvano::host {
namespace {

using testing::Raised;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(CheckedArithmetic, OverflowOnlyOutsideTheRangeAZeroDivisorIsDivisionByZero) {
  EXPECT_EQ(AddL(kMax - 1, 1), kMax);
  EXPECT_EQ(SubL(kMin + 1, 1), kMin);
  EXPECT_EQ(MulL(-65536, 32768), kMin);
  void (*const overflowing[])() = {[] { AddL(kMax, 1); },
                                   [] { SubL(kMin, 1); },
                                   [] { MulL(65536, 32768); },
                                   [] { MulL(kMin, -1); },
                                   [] { Div(1e308, 1e-308); },
                                   [] { Div(std::nan(""), 2.0); },
                                   [] { Finite(-std::numeric_limits<double>::infinity()); }};
  for (auto* statement : overflowing) EXPECT_EQ(Raised(statement), ErrorKind::Overflow);
  for (double n : {1.0, 0.0})
    for (double d : {0.0, -0.0})
      EXPECT_EQ(Raised([&] { Div(n, d); }), ErrorKind::DivisionByZero) << n << "/" << d;
}

TEST(PlatformErrors, CarryNumberAndGermanMessageAndResumeSkipsOnlyThem) {
  try {
    Div(1.0, 0.0);
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.Number(), 11);
    EXPECT_STREQ(e.what(), "Division durch Null");
  }
  EXPECT_STRNE(DefaultMessage(static_cast<ErrorKind>(999)), "");
  int reached = 0;
  ResumeScope scope;  // a failure is skipped and the first one remembered
  EXPECT_FALSE(scope([] { CLng(1e12); }));
  EXPECT_TRUE(scope([&] { reached = CLng(2.5); }));
  EXPECT_FALSE(scope([] { Div(1, 0); }));
  EXPECT_EQ(reached, 2);
  EXPECT_EQ(scope.PendingKind(), ErrorKind::Overflow);
  EXPECT_THROW(Resume([] { throw std::logic_error("bug"); }), std::logic_error);
}

// German notation, fifteen digits, an exponent only at the extremes.
TEST(NumberText, GermanNotationFifteenDigitsExponentOnlyAtTheExtremes) {
  const std::pair<double, const char*> cases[] = {{12.5, "12,5"},
                                                  {1e14, "100000000000000"},
                                                  {0.00001, "0,00001"},
                                                  {-0.0, "0"},
                                                  {2.0 / 3.0, "0,666666666666667"},
                                                  {99.99999999999999, "100"},
                                                  {1e20, "1E+20"},
                                                  {1e15, "1E+15"},
                                                  {1.5e-7, "1,5E-07"}};
  for (auto [x, want] : cases) EXPECT_EQ(NumberText(x), want) << x;
  for (double x : {std::numeric_limits<double>::infinity(), std::nan("")})
    EXPECT_EQ(Raised([&] { NumberText(x); }), ErrorKind::Overflow);
}

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(CLngRounding, TiesGoToTheEvenNeighbourWithinThirtyTwoBits) {
  // Just off a tie is no tie; the lowest long is reached through a tie to even.
  const std::pair<double, std::int32_t> cases[] = {
      {0.5, 0},
      {2.5, 2},
      {-3.5, -4},
      {2.4999999999999996, 2},
      {2.5000000000000004, 3},
      {2147483647.4, 2147483647},
      {-2147483648.5, std::numeric_limits<std::int32_t>::min()}};
  for (auto [x, want] : cases) EXPECT_EQ(CLng(x), want) << x;
  for (double x : {2147483647.5, -2147483649.0, kInf, std::nan("")})
    EXPECT_EQ(Raised([&] { CLng(x); }), ErrorKind::Overflow) << x;
}

TEST(RoundDecimals, TiesOnTheDecimalTextGoToEven) {
  struct Case {
    double x;
    int n;
    double want;
  };
  // 0.35 and 2.675 are stored just below the tie but read as their decimal text; the inch
  // lengths n x 25.45 round to one decimal (3 x 25.45 = 76,35). Carries and values with
  // nothing to drop come through whole, and 20 decimals do not cut to 15 digits.
  const Case cases[] = {{0.25, 1, 0.2},     {0.35, 1, 0.4},       {2.675, 2, 2.68},
                        {1.005, 2, 1.0},    {3 * 25.45, 1, 76.4}, {9.96, 1, 10.0},
                        {99.995, 2, 100.0}, {1e-20, 3, 0.0},      {0.1 + 0.2, 20, 0.1 + 0.2},
                        {1e300, 2, 1e300}};
  for (const Case& c : cases) EXPECT_EQ(Round(c.x, c.n), c.want) << c.x << " / " << c.n;
  // Round(x + 0.5), the layout's next whole number up: a whole even x stays, an odd one goes up.
  for (auto [x, want] : {std::pair{2.5, 2.0}, {-2.5, -2.0}, {2.3 + 0.5, 3.0}, {3.0 + 0.5, 4.0}})
    EXPECT_EQ(Round(x), want) << x;
  EXPECT_FALSE(std::signbit(Round(-0.04, 1)));
  EXPECT_EQ(Raised([] { Round(1.0, -1); }), ErrorKind::InvalidProcedureCall);
}

TEST(IntFloor, TakesTheLargestWholeNumberNotAbove) {
  for (auto [x, want] : {std::pair{2.5, 2.0}, {-2.5, -3.0}, {-0.1, -1.0}}) EXPECT_EQ(Int(x), want);
  EXPECT_EQ(IntL(-2.5), -3);
  EXPECT_EQ(IntL(2147483647.9), 2147483647);
  for (double x : {2147483648.0, -2147483648.5})
    EXPECT_EQ(Raised([&] { IntL(x); }), ErrorKind::Overflow) << x;
}

}  // namespace
}  // namespace orvano::host
