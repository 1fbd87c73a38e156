#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orvano/host/collection.h"
#include "raised.h"

namespace orvano::host {
namespace {

using testing::Raised;

KeyedCollection<std::string> Fields() {
  KeyedCollection<std::string> c;
  c.Add("Absender", "ReturnAddress");
  c.Add("Überschrift", "LabelHeading");
  c.Add("Anschrift", "Address");
  return c;
}

std::vector<std::string> Values(const KeyedCollection<std::string>& c) {
  std::vector<std::string> out;
  for (const auto& v : c) out.push_back(v);
  return out;
}

TEST(KeyedCollectionKeys, CompareWithoutRegardToCase) {
  auto c = Fields();
  EXPECT_EQ(c.Item("ADDRESS"), "Anschrift");
  EXPECT_EQ(c.Item("labelheading"), "Überschrift");
  EXPECT_TRUE(c.Contains("returnADDRESS"));
  c.Add("x", "Größe");
  EXPECT_EQ(c.Item("GRÖßE"), "x");
}

TEST(KeyedCollectionKeys, DuplicateKeyLeavesTheCollectionUnchanged) {
  auto c = Fields();
  EXPECT_EQ(Raised([&] { c.Add("zweite", "address"); }), ErrorKind::DuplicateKey);
  EXPECT_EQ(c.Count(), 3);
  EXPECT_EQ(c.Item("Address"), "Anschrift");
  EXPECT_EQ(Values(c), (std::vector<std::string>{"Absender", "Überschrift", "Anschrift"}));
}

TEST(KeyedCollectionLookup, PositionsCountFromOne) {
  auto c = Fields();
  EXPECT_EQ(c.Item(1), "Absender");
  EXPECT_EQ(c.Item(3), "Anschrift");
  EXPECT_EQ(c.KeyAt(2), "LabelHeading");
}

TEST(KeyedCollectionLookup, MissingKeyOrPositionIsATrappableError) {
  auto c = Fields();
  EXPECT_EQ(Raised([&] { c.Item("Telefon"); }), ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(Raised([&] { c.Item(0); }), ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(Raised([&] { c.Item(4); }), ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(Raised([&] { c.Remove("Telefon"); }), ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(c.Count(), 3);
}

TEST(KeyedCollectionRemoval, ByPositionKeepsKeysOfTheOthers) {
  auto c = Fields();
  c.Remove(1);
  EXPECT_EQ(c.Count(), 2);
  EXPECT_EQ(c.Item(1), "Überschrift");
  EXPECT_EQ(c.Item("address"), "Anschrift");
  EXPECT_FALSE(c.Contains("ReturnAddress"));
  c.Add("neu", "ReturnAddress");  // the key is free again
  EXPECT_EQ(c.Item(3), "neu");
}

TEST(KeyedCollectionRemoval, ByKeyInAnyCase) {
  auto c = Fields();
  c.Remove("LABELHEADING");
  EXPECT_EQ(Values(c), (std::vector<std::string>{"Absender", "Anschrift"}));
  EXPECT_EQ(c.Item("Address"), "Anschrift");
  c.Clear();
  EXPECT_EQ(c.Count(), 0);
  EXPECT_FALSE(c.Contains("Address"));
}

}  // namespace
}  // namespace orvano::host
