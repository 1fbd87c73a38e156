#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "orvano/host/variant.h"
#include "raised.h"

namespace orvano::host {
namespace {

using testing::Raised;

TEST(VariantToNumber, NumericTextInEitherNotationElseTypeMismatch) {
  const std::pair<const char*, double> numbers[] = {
      {"12,5", 12.5}, {"12.5", 12.5}, {" -3 ", -3.0}, {"1,5E+20", 1.5e20}};
  for (auto [text, want] : numbers) EXPECT_EQ(Variant(text).ToDouble(), want) << text;
  EXPECT_EQ(Variant().ToDouble(), 0.0);
  for (const char* text : {"", "abc", "12 mm", "1.234,5", "1E", "-"})
    EXPECT_EQ(Raised([&] { Variant(text).ToDouble(); }), ErrorKind::TypeMismatch) << text;
  EXPECT_EQ(Raised([] { Variant("1E999").ToDouble(); }), ErrorKind::Overflow);
}

TEST(VariantToLongAndFlag, HalfToEvenRangeCheckedAndTrueIsMinusOne) {
  EXPECT_EQ(Variant(2.5).ToLong(), 2);
  EXPECT_EQ(Variant(kTrue).ToLong(), -1);
  EXPECT_EQ(Raised([] { Variant(3e9).ToLong(); }), ErrorKind::Overflow);
  EXPECT_EQ(Raised([] { Variant("zehn").ToLong(); }), ErrorKind::TypeMismatch);
  EXPECT_EQ(Variant(std::int32_t{5}).ToFlag(), kTrue);
  EXPECT_EQ(Variant(0.0).ToFlag(), kFalse);
  EXPECT_EQ(Variant("True").ToFlag(), kTrue);
  EXPECT_EQ(Variant("0,5").ToFlag(), kTrue);
  EXPECT_EQ(Raised([] { Variant("vielleicht").ToFlag(); }), ErrorKind::TypeMismatch);
  EXPECT_EQ(Variant(Flag{1}).ToFlag(), Flag{1});  // a stored flag keeps its value
}

TEST(VariantToString, GermanNumbersAndFlagWordsThatConvertBack) {
  EXPECT_EQ(Variant(std::int32_t{-42}).ToString(), "-42");
  EXPECT_EQ(Variant(true).ToString(), "Wahr");
  EXPECT_EQ(Variant(Variant(12.5).ToString()).ToDouble(), 12.5);
  EXPECT_EQ(Variant(Variant(true).ToString()).ToFlag(), kTrue);
}

TEST(VariantEquality, NumbersAcrossKindsStringsByContent) {
  EXPECT_EQ(Variant(std::int32_t{10}), Variant(10.0));
  EXPECT_EQ(Variant(kTrue), Variant(std::int32_t{-1}));
  EXPECT_NE(Variant("a4"), Variant("A4"));
  EXPECT_NE(Variant("10"), Variant(std::int32_t{10}));  // no conversion, so no TypeMismatch
  EXPECT_EQ(Variant(), Variant(0.0));
  EXPECT_EQ(Variant(), Variant(""));
}

}  // namespace
}  // namespace orvano::host
