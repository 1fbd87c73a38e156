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

TEST(GetField, QuotesNumbersAndEmptyFields) {
  // A quoted field stays text and protects separators; quoted nothing is text, an empty field
  // is absent. Two points, a unit, or a value that is not finite read as text.
  struct Case {
    int n;
    FieldValue record, field;
  };
  const Case cases[] = {{1, FieldValue("\"12,5\";x"), FieldValue("12,5")},
                        {1, FieldValue("12,5;x"), FieldValue(12.5)},
                        {1, FieldValue("\"a;b\";c"), FieldValue("a;b")},
                        {0, FieldValue("\"a;b\";c"), FieldValue(std::int32_t{2})},
                        {2, FieldValue("x;\"\";y"), FieldValue("")},
                        {1, FieldValue("a\"b;c\"d;e"), FieldValue("ab;cd")},
                        {0, FieldValue(""), FieldValue(std::int32_t{0})},
                        {3, FieldValue(""), FieldValue("")},
                        {1, FieldValue(" -1.5E2 "), FieldValue(-150.0)},
                        {1, FieldValue("1.234,5"), FieldValue("1.234,5")},
                        {1, FieldValue("12 mm"), FieldValue("12 mm")},
                        {1, FieldValue("1e999"), FieldValue("1e999")},
                        {1, FieldValue("Inf"), FieldValue("Inf")},
                        {1, FieldValue(12.5), FieldValue(12.5)}};
  for (const Case& c : cases) EXPECT_EQ(GetField(c.n, c.record), c.field) << c.n;
  EXPECT_TRUE(GetField(3, FieldValue()).IsNull());
  EXPECT_TRUE(GetField(2, FieldValue("x;;y")).IsNull());
  EXPECT_TRUE(GetField(-1, FieldValue("x;y")).IsNull());
}

}  // namespace
}  // namespace orvano::catalog
