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
  try {
    f.Create("Orvano.Etikett");
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.Kind(), ErrorKind::ClassNotRegistered);
    EXPECT_NE(std::string(e.what()).find("Orvano.Etikett"), std::string::npos);
  }
}

}  // namespace
}  // namespace orvano::host
