#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <stdexcept>
#include <string>

#include "orvano/host/error.h"
#include "orvano/host/runtime.h"
#include "raised.h"

namespace orvano::host {
namespace {

using testing::Raised;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(CheckedLongArithmetic, ResultsInsideTheRangePass) {
  EXPECT_EQ(AddL(kMax - 1, 1), kMax);
  EXPECT_EQ(SubL(kMin + 1, 1), kMin);
  EXPECT_EQ(MulL(-65536, 32768), kMin);
}

TEST(CheckedLongArithmetic, LeavingTheRangeIsOverflow) {
  EXPECT_EQ(Raised([] { AddL(kMax, 1); }), ErrorKind::Overflow);
  EXPECT_EQ(Raised([] { SubL(kMin, 1); }), ErrorKind::Overflow);
  EXPECT_EQ(Raised([] { MulL(65536, 32768); }), ErrorKind::Overflow);
  EXPECT_EQ(Raised([] { MulL(kMin, -1); }), ErrorKind::Overflow);
}

TEST(Division, ZeroDivisorIsDivisionByZero) {
  EXPECT_EQ(Raised([] { Div(1.0, 0.0); }), ErrorKind::DivisionByZero);
  EXPECT_EQ(Raised([] { Div(0.0, 0.0); }), ErrorKind::DivisionByZero);
  EXPECT_EQ(Raised([] { Div(1.0, -0.0); }), ErrorKind::DivisionByZero);
}

TEST(Division, NonFiniteResultIsOverflow) {
  EXPECT_EQ(Raised([] { Div(1e308, 1e-308); }), ErrorKind::Overflow);
  EXPECT_EQ(Raised([] { Div(std::nan(""), 2.0); }), ErrorKind::Overflow);
  EXPECT_DOUBLE_EQ(Div(558.7, 2.0), 279.35);
}

TEST(Division, FiniteGuardsResults) {
  EXPECT_EQ(Finite(3.25), 3.25);
  EXPECT_EQ(Raised([] { Finite(std::numeric_limits<double>::infinity()); }), ErrorKind::Overflow);
}

TEST(PlatformErrors, CarryKindNumberAndGermanMessage) {
  try {
    Div(1.0, 0.0);
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.Number(), 11);
    EXPECT_STREQ(e.what(), "Division durch Null");
  }
  EXPECT_STREQ(DefaultMessage(ErrorKind::Overflow), "Überlauf");
  EXPECT_STREQ(DefaultMessage(ErrorKind::TypeMismatch), "Typen unverträglich");
  EXPECT_STREQ(DefaultMessage(ErrorKind::InvalidPropertyValue), "Ungültiger Eigenschaftswert");
  EXPECT_STREQ(DefaultMessage(ErrorKind::DuplicateKey),
               "Schlüssel ist bereits einem Element dieser Auflistung zugeordnet");
}

TEST(PlatformErrors, EveryKindHasItsOwnMessage) {
  const ErrorKind kinds[] = {
      ErrorKind::InvalidProcedureCall, ErrorKind::Overflow,        ErrorKind::OutOfMemory,
      ErrorKind::SubscriptOutOfRange,  ErrorKind::DivisionByZero,  ErrorKind::TypeMismatch,
      ErrorKind::FileNotFound,         ErrorKind::BadFileMode,     ErrorKind::IoError,
      ErrorKind::PermissionDenied,     ErrorKind::PathNotFound,    ErrorKind::InvalidPropertyValue,
      ErrorKind::ObjectRequired,       ErrorKind::ClassNotRegistered, ErrorKind::DuplicateKey};
  std::set<std::string> seen;
  for (ErrorKind k : kinds) EXPECT_TRUE(seen.insert(DefaultMessage(k)).second) << DefaultMessage(k);
  EXPECT_STRNE(DefaultMessage(static_cast<ErrorKind>(999)), "");
}

TEST(PlatformErrors, RaiseWithoutTextFallsBackToTheDefault) {
  try {
    Raise(ErrorKind::FileNotFound, "");
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Datei nicht gefunden");
  }
}

TEST(ResumedStatements, APlatformErrorIsSkippedAndRemembered) {
  int reached = 0;
  ResumeScope scope;
  EXPECT_FALSE(scope([] { CLng(1e12); }));
  EXPECT_TRUE(scope([&] { reached = CLng(2.5); }));
  EXPECT_FALSE(scope([] { Div(1, 0); }));
  EXPECT_EQ(reached, 2);
  EXPECT_TRUE(scope.Pending());
  EXPECT_EQ(scope.PendingKind(), ErrorKind::Overflow);  // the first failure counts
  EXPECT_FALSE(Resume([] { Raise(ErrorKind::TypeMismatch); }));
}

TEST(ResumedStatements, ABugIsNotSwallowed) {
  EXPECT_THROW(Resume([] { throw std::logic_error("bug"); }), std::logic_error);
}

}  // namespace
}  // namespace orvano::host
