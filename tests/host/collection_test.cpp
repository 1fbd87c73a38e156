#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orvano/host/collection.h"
#include "raised.h"

namespace orvano::host {
namespace {

using testing::Raised;
using Strings = std::vector<std::string>;

Strings Values(const KeyedCollection<std::string>& c) {
  Strings out;
  for (const auto& v : c) out.push_back(v);
  return out;
}

TEST(KeyedCollection, KeysIgnoreCaseMistakesChangeNothingAndRemovalKeepsTheOtherKeys) {
  KeyedCollection<std::string> c;
  c.Add("Absender", "ReturnAddress");
  c.Add("Überschrift", "Größe");
  c.Add("Anschrift", "Address");
  EXPECT_EQ(c.Item("ADDRESS"), "Anschrift");
  EXPECT_EQ(c.Item("GRÖßE"), "Überschrift");
  EXPECT_EQ(c.Item(1), "Absender");  // positions count from one
  EXPECT_EQ(Raised([&] { c.Add("zweite", "address"); }), ErrorKind::DuplicateKey);
  for (auto* mistake : {+[](KeyedCollection<std::string>& k) { k.Item("Telefon"); },
                        +[](KeyedCollection<std::string>& k) { k.Item(0); },
                        +[](KeyedCollection<std::string>& k) { k.Item(4); },
                        +[](KeyedCollection<std::string>& k) { k.Remove("Telefon"); }})
    EXPECT_EQ(Raised([&] { mistake(c); }), ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(Values(c), (Strings{"Absender", "Überschrift", "Anschrift"}));
  c.Remove(1);
  EXPECT_EQ(c.Item(1), "Überschrift");
  EXPECT_EQ(c.Item("address"), "Anschrift");
  c.Add("neu", "ReturnAddress");  // the key is free again
  c.Remove("größe");
  EXPECT_EQ(Values(c), (Strings{"Anschrift", "neu"}));
  EXPECT_EQ(c.Item("Address"), "Anschrift");
}

}  // namespace
}  // namespace orvano::host
