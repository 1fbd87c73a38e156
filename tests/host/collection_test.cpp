#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orvano/host/collection.h"
#include "raised.h"

namespace orvano::host {
namespace {

using testing::Raised;
using Strings = std::vector<std::string>;

KeyedCollection<std::string> Fields() {
  KeyedCollection<std::string> c;
  c.Add("Absender", "ReturnAddress");
  c.Add("Überschrift", "Größe");
  c.Add("Anschrift", "Address");
  return c;
}

Strings Values(const KeyedCollection<std::string>& c) {
  Strings out;
  for (const auto& v : c) out.push_back(v);
  return out;
}

TEST(KeyedCollectionKeys, CompareWithoutRegardToCaseAndUmlautCase) {
  const auto c = Fields();
  EXPECT_EQ(c.Item("ADDRESS"), "Anschrift");
  EXPECT_EQ(c.Item("GRÖßE"), "Überschrift");
  EXPECT_EQ(c.Item(1), "Absender");  // positions count from 1
}

TEST(KeyedCollectionKeys, DuplicateKeyLeavesTheCollectionUnchanged) {
  auto c = Fields();
  EXPECT_EQ(Raised([&] { c.Add("zweite", "address"); }), ErrorKind::DuplicateKey);
  EXPECT_EQ(Values(c), (Strings{"Absender", "Überschrift", "Anschrift"}));
  EXPECT_EQ(c.Item("Address"), "Anschrift");
}

TEST(KeyedCollectionLookup, MissingKeyOrPositionIsATrappableError) {
  auto c = Fields();
  EXPECT_EQ(Raised([&] { c.Item("Telefon"); }), ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(Raised([&] { c.Item(0); }), ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(Raised([&] { c.Item(4); }), ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(Raised([&] { c.Remove("Telefon"); }), ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(c.Count(), 3);
}

TEST(KeyedCollectionRemoval, ByPositionKeepsTheKeysOfTheOthersRight) {
  auto c = Fields();
  c.Remove(1);
  EXPECT_EQ(c.Item(1), "Überschrift");
  EXPECT_EQ(c.Item("address"), "Anschrift");
  c.Add("neu", "ReturnAddress");  // the key is free again
  EXPECT_EQ(c.Item(3), "neu");
}

TEST(KeyedCollectionRemoval, ByKeyInAnyCase) {
  auto c = Fields();
  c.Remove("größe");
  EXPECT_EQ(Values(c), (Strings{"Absender", "Anschrift"}));
  EXPECT_EQ(c.Item("Address"), "Anschrift");
}

}  // namespace
}  // namespace orvano::host
