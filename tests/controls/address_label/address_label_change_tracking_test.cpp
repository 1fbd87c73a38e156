// AfterUpdate: at most once per loss of focus of the address box, and only after a change.
#include <gtest/gtest.h>

#include "address_label_fixture.h"
#include "orvano/host/error.h"

namespace orvano::testing {
namespace {

class AddressChangeTracking : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.Label().SetAfterUpdate([this] {
      ++raised_;
      flagDuringEvent_ = host_.Label().AddressChanged();
    });
  }
  AddressLabelHost host_;
  int raised_ = 0;
  host::Flag flagDuringEvent_ = host::kFalse;
};

TEST_F(AddressChangeTracking, TwoChangesAndOneLossOfFocusRaiseOnce) {
  host_.Site().Type(host_.Box(), "Max");
  host_.Site().Type(host_.Box(), "Max Meier");
  host_.Site().Blur();
  EXPECT_EQ(raised_, 1);
  EXPECT_EQ(flagDuringEvent_, host::kTrue);  // reset only after the host's handler
  EXPECT_EQ(host_.Label().AddressChanged(), host::kFalse);
  host_.Site().Focus(host_.Box());
  host_.Site().Blur();
  EXPECT_EQ(raised_, 1);
}

TEST_F(AddressChangeTracking, AddressSetByTheHostCountsAsAChange) {
  host_.Label().SetAddress("Erika Müller");
  host_.Site().Focus(host_.Box());
  host_.Site().Blur();
  EXPECT_EQ(raised_, 1);
}

TEST_F(AddressChangeTracking, FailingHostHandlerStillEndsTheChange) {
  host_.Label().SetAfterUpdate([this] {
    ++raised_;
    host::Raise(host::ErrorKind::InvalidProcedureCall);
  });
  host_.Site().Type(host_.Box(), "Max");
  host_.Site().Blur();
  host_.Site().Focus(host_.Box());
  host_.Site().Blur();
  EXPECT_EQ(raised_, 1);
}

TEST(AddressBoxFocus, SelectsTheWholeTextCountedInCharacters) {
  AddressLabelHost host;
  host.Label().SetAddress("Jürgen Weiß\r\nStraße 5");
  host.Box().SetSelStart(3);
  host.Site().Focus(host.Box());
  EXPECT_EQ(host.Box().SelStart(), 0);
  EXPECT_EQ(host.Box().SelLength(), 21);  // 11 + 2 + 8; umlauts and ß are one character each
}

}  // namespace
}  // namespace orvano::testing
