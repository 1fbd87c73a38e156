#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "orvano/host/factory.h"
#include "raised.h"

namespace orvano::host {
namespace {

using testing::Raised;

struct Data : Object {
  int value = 0;
};
struct Control : Object {
  explicit Control(Container* s) : site(s) {}
  Container* site;
};

ClassFactory Factory() {
  ClassFactory f;
  f.Register("Orvano.LabelDef", [](Container*) { return std::make_shared<Data>(); });
  f.Register("Orvano.Preview", [](Container* site) -> std::shared_ptr<Object> {
    if (site == nullptr) Raise(ErrorKind::ObjectRequired);
    return std::make_shared<Control>(site);
  });
  return f;
}

TEST(ClassFactory, ProgramNamesIgnoreCase) {
  const auto f = Factory();
  EXPECT_TRUE(f.IsRegistered("orvano.labeldef"));
  EXPECT_NE(f.CreateAs<Data>("ORVANO.LABELDEF"), nullptr);
  EXPECT_EQ(f.ProgIds(), (std::vector<std::string>{"Orvano.LabelDef", "Orvano.Preview"}));
}

TEST(ClassFactory, EveryCreateGivesANewObject) {
  const auto f = Factory();
  auto a = f.CreateAs<Data>("Orvano.LabelDef");
  auto b = f.CreateAs<Data>("Orvano.LabelDef");
  a->value = 7;
  EXPECT_EQ(b->value, 0);
}

TEST(ClassFactory, UnknownNameIsClassNotRegisteredAndNamesIt) {
  const auto f = Factory();
  try {
    f.Create("Orvano.Etikett");
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.Kind(), ErrorKind::ClassNotRegistered);
    EXPECT_NE(std::string(e.what()).find("Orvano.Etikett"), std::string::npos);
  }
}

TEST(ClassFactory, TheSiteReachesTheCreator) {
  const auto f = Factory();
  EXPECT_EQ(Raised([&] { f.Create("Orvano.Preview"); }), ErrorKind::ObjectRequired);
  auto* site = reinterpret_cast<Container*>(0x1000);  // never dereferenced
  EXPECT_EQ(f.CreateAs<Control>("orvano.preview", site)->site, site);
}

TEST(ClassFactory, ReRegisteringReplacesAndEmptyCreatorsAreRefused) {
  auto f = Factory();
  f.Register("ORVANO.LABELDEF", [](Container*) {
    auto d = std::make_shared<Data>();
    d->value = 2;
    return d;
  });
  EXPECT_EQ(f.CreateAs<Data>("Orvano.LabelDef")->value, 2);
  EXPECT_EQ(f.ProgIds().size(), 2u);
  EXPECT_EQ(Raised([&] { f.Register("Orvano.X", nullptr); }), ErrorKind::InvalidProcedureCall);
  EXPECT_FALSE(f.IsRegistered("Orvano.X"));
}

}  // namespace
}  // namespace orvano::host
