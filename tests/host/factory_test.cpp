#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "orvano/host/factory.h"
#include "raised.h"

namespace orvano::host {
namespace {

struct Data : Object {
  explicit Data(int v = 0) : value(v) {}
  int value;
};

TEST(ClassFactory, NamesIgnoreCaseKeepTheirSpellingAndReRegisteringReplaces) {
  ClassFactory f;
  f.Register("Orvano.LabelDef", [](Container*) { return std::make_shared<Data>(); });
  EXPECT_TRUE(f.IsRegistered("orvano.labeldef"));
  EXPECT_EQ(f.CreateAs<Data>("ORVANO.LABELDEF")->value, 0);
  EXPECT_EQ(f.ProgIds(), std::vector<std::string>{"Orvano.LabelDef"});
  f.Register("ORVANO.LABELDEF", [](Container*) { return std::make_shared<Data>(2); });
  EXPECT_EQ(f.CreateAs<Data>("Orvano.LabelDef")->value, 2);
  EXPECT_EQ(f.ProgIds().size(), 1u);
  EXPECT_EQ(testing::Raised([&] { f.Register("Orvano.X", nullptr); }),
            ErrorKind::InvalidProcedureCall);
  EXPECT_FALSE(f.IsRegistered("Orvano.X"));
  EXPECT_EQ(testing::Raised([&] { f.Create("Orvano.Etikett"); }), ErrorKind::ClassNotRegistered);
}

}  // namespace
}  // namespace orvano::host
