// The class factory knows every public class by its program name, and a control created through
// it works on the container it was given.
#include <gtest/gtest.h>

#include "orvano/controls/address_label/address_label.h"
#include "orvano/controls/label_select/label_select.h"
#include "orvano/controls/preview/preview.h"
#include "orvano/host/error.h"
#include "orvano/host/headless/headless.h"
#include "orvano/library/orvano.h"
#include "orvano/model/label_def.h"

namespace {

using namespace orvano;
using host::headless::HeadlessContainer;
using host::headless::HeadlessPlatform;

TEST(LibraryFactory, CreatesEveryPublicClassByName) {
  HeadlessPlatform platform;
  HeadlessContainer pixels(platform, host::ScaleMode::Pixels, 322, 417);
  HeadlessContainer preview(platform, host::ScaleMode::Pixels, 320, 240);
  HeadlessContainer twips(platform, host::ScaleMode::Twips, 5100, 2800);

  EXPECT_NE(Classes().CreateAs<LabelDef>("Orvano.LabelDef"), nullptr);
  EXPECT_NE(Classes().Create("orvano.fielddefs"), nullptr);
  EXPECT_NE(Classes().Create("Orvano.FieldDef"), nullptr);
  auto select = Classes().CreateAs<LabelSelect>("Orvano.LabelSelect", &pixels);
  ASSERT_NE(select, nullptr);
  EXPECT_EQ(select->Cols(), 2);
  EXPECT_NE(Classes().CreateAs<Preview>("Orvano.Preview", &preview), nullptr);
  EXPECT_NE(Classes().CreateAs<AddressLabel>("Orvano.AddressLabel", &twips), nullptr);
}

TEST(LibraryFactory, RefusesUnknownNamesAndControlsWithoutContainer) {
  try {
    Classes().Create("Orvano.Drucker");
    FAIL() << "an unknown name must not create anything";
  } catch (const host::Error& e) {
    EXPECT_EQ(e.Kind(), host::ErrorKind::ClassNotRegistered);
  }
  EXPECT_THROW(Classes().Create("Orvano.Preview"), host::Error);
}

}  // namespace
