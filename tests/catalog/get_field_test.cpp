// Picking fields out of a record: counting, quotes, numbers, absent fields.
#include <gtest/gtest.h>

#include "orvano/catalog/value_parse.h"

namespace orvano::catalog {
namespace {

TEST(GetField, NumbersCountsAndMissingFields) {
  const FieldValue rec("Etikett A;9;0;2");
  EXPECT_EQ(GetField(2, rec), FieldValue(9.0));
  EXPECT_EQ(GetField(0, rec), FieldValue(std::int32_t{4}));
  EXPECT_EQ(GetField(1, rec), FieldValue("Etikett A"));
  EXPECT_TRUE(GetField(5, rec).IsNull());
}

TEST(GetField, AQuotedFieldStaysTextAndProtectsSeparators) {
  EXPECT_EQ(GetField(1, FieldValue("\"12,5\";x")), FieldValue("12,5"));
  EXPECT_EQ(GetField(1, FieldValue("12,5;x")), FieldValue(12.5));
  EXPECT_EQ(GetField(1, FieldValue("\"a;b\";c")), FieldValue("a;b"));
  EXPECT_EQ(GetField(0, FieldValue("\"a;b\";c")), FieldValue(std::int32_t{2}));
  EXPECT_EQ(GetField(2, FieldValue("x;\"\";y")), FieldValue(""));  // quoted nothing is text
  EXPECT_EQ(GetField(1, FieldValue("a\"b;c\"d;e")), FieldValue("ab;cd"));
}

TEST(GetField, EmptyTextAndEmptyFields) {
  EXPECT_EQ(GetField(0, FieldValue("")), FieldValue(std::int32_t{0}));
  EXPECT_EQ(GetField(3, FieldValue("")), FieldValue(""));
  EXPECT_TRUE(GetField(3, FieldValue()).IsNull());
  EXPECT_TRUE(GetField(2, FieldValue("x;;y")).IsNull());
  EXPECT_TRUE(GetField(-1, FieldValue("x;y")).IsNull());
}

TEST(GetField, WhatReadsAsANumber) {
  EXPECT_EQ(GetField(1, FieldValue(" -1.5E2 ")), FieldValue(-150.0));
  EXPECT_EQ(GetField(1, FieldValue("1.234,5")), FieldValue("1.234,5"));  // two points: text
  EXPECT_EQ(GetField(1, FieldValue("12 mm")), FieldValue("12 mm"));
  EXPECT_EQ(GetField(1, FieldValue("1e999")), FieldValue("1e999"));  // not finite: text
  EXPECT_EQ(GetField(1, FieldValue("Inf")), FieldValue("Inf"));
  EXPECT_EQ(GetField(1, FieldValue(12.5)), FieldValue(12.5));  // a number is read from its text
}

}  // namespace
}  // namespace orvano::catalog
