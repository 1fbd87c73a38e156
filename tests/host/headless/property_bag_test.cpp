// The platform's rule: a value equal to its default is not stored.
#include "fixture.h"

namespace orvano::host::headless::test {
namespace {

TEST(MemoryBag, StoresOnlyValuesThatDifferFromTheirDefault) {
  MemoryPropertyBag bag;
  bag.WriteProperty("Rows", std::int32_t{6}, std::int32_t{6});
  bag.WriteProperty("Brand", "Avery", "");
  bag.WriteProperty("LabelWidth", 63.5, 70.0);
  EXPECT_FALSE(bag.Contains("Rows"));
  EXPECT_EQ(bag.ReadProperty("Rows", std::int32_t{6}).ToLong(), 6);
  EXPECT_EQ(bag.ReadProperty("Brand", "").ToString(), "Avery");
  EXPECT_EQ(bag.WriteOrder(), (std::vector<std::string>{"Rows", "Brand", "LabelWidth"}));
  EXPECT_EQ(bag.ReadOrder(), (std::vector<std::string>{"Rows", "Brand"}));
}

TEST(MemoryBag, WritingTheDefaultRemovesAStoredValue) {
  MemoryPropertyBag bag;
  bag.WriteProperty("LabelWidth", 63.5, 70.0);
  bag.WriteProperty("LabelWidth", 70.0, 70.0);
  EXPECT_FALSE(bag.Contains("LabelWidth"));
  EXPECT_EQ(bag.ReadProperty("LabelWidth", 70.0).ToDouble(), 70.0);
  EXPECT_EQ(bag.WriteOrder().size(), 1u);
}

TEST(MemoryBag, NumbersEqualToTheDefaultInAnotherKindAreNotStored) {
  MemoryPropertyBag bag;
  bag.WriteProperty("FontSize", 10.0, std::int32_t{10});
  EXPECT_FALSE(bag.Contains("FontSize"));
  bag.Set("FontSize", 12.0);  // as a saved form would hold it
  EXPECT_EQ(bag.ReadProperty("FontSize", std::int32_t{10}).ToLong(), 12);
}

}  // namespace
}  // namespace orvano::host::headless::test
