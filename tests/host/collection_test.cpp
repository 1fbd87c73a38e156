#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orvano/host/collection.h"
#include "raised.h"

namespace orvano::host {
namespace {

using testing::Raised;
using Strings = std::vector<std::string>;

class KeyedCollectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    c.Add("Absender", "ReturnAddress");
    c.Add("Überschrift", "Größe");
    c.Add("Anschrift", "Address");
  }
  Strings Values() const {
    Strings out;
    for (const auto& v : c) out.push_back(v);
    return out;
  }
  KeyedCollection<std::string> c;
};

TEST_F(KeyedCollectionTest, KeysIgnoreCaseAndUmlautCasePositionsCountFromOne) {
  EXPECT_EQ(c.Item("ADDRESS"), "Anschrift");
  EXPECT_EQ(c.Item("GRÖßE"), "Überschrift");
  EXPECT_EQ(c.Item(1), "Absender");
}

TEST_F(KeyedCollectionTest, DuplicateOrMissingKeysAreTrappableAndChangeNothing) {
  EXPECT_EQ(Raised([&] { c.Add("zweite", "address"); }), ErrorKind::DuplicateKey);
  EXPECT_EQ(Raised([&] { c.Item("Telefon"); }), ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(Raised([&] { c.Item(0); }), ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(Raised([&] { c.Item(4); }), ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(Raised([&] { c.Remove("Telefon"); }), ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(Values(), (Strings{"Absender", "Überschrift", "Anschrift"}));
  EXPECT_EQ(c.Item("Address"), "Anschrift");
}

TEST_F(KeyedCollectionTest, RemovalByPositionOrKeyKeepsTheOtherKeysRight) {
  c.Remove(1);
  EXPECT_EQ(c.Item(1), "Überschrift");
  EXPECT_EQ(c.Item("address"), "Anschrift");
  c.Add("neu", "ReturnAddress");  // the key is free again
  c.Remove("größe");
  EXPECT_EQ(Values(), (Strings{"Anschrift", "neu"}));
  EXPECT_EQ(c.Item("Address"), "Anschrift");
}

}  // namespace
}  // namespace orvano::host
