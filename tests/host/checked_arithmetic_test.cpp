#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

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
  EXPECT_STREQ(DefaultMessage(ErrorKind::DuplicateKey),
               "Schlüssel ist bereits einem Element dieser Auflistung zugeordnet");
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

}  // namespace
}  // namespace orvano::host
