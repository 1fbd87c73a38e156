// AfterUpdate: at most once per loss of focus of the address box, and only after a change.
#include <gtest/gtest.h>

#include <string>

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
  EXPECT_EQ(host_.Label().AddressChanged(), host::kTrue);
  host_.Site().Blur();
  EXPECT_EQ(raised_, 1);
  EXPECT_EQ(host_.Label().AddressChanged(), host::kFalse);
}

TEST_F(AddressChangeTracking, SecondLossOfFocusWithoutChangeRaisesNothing) {
  host_.Site().Type(host_.Box(), "Max");
  host_.Site().Blur();
  host_.Site().Focus(host_.Box());
  host_.Site().Blur();
  EXPECT_EQ(raised_, 1);
}

TEST_F(AddressChangeTracking, FocusInAndOutWithoutChangeRaisesNothing) {
  host_.Site().Focus(host_.Box());
  EXPECT_EQ(host_.Label().AddressChanged(), host::kFalse);
  host_.Site().Blur();
  EXPECT_EQ(raised_, 0);
}

TEST_F(AddressChangeTracking, FlagIsResetOnlyAfterTheHostHandlerRan) {
  host_.Site().Type(host_.Box(), "Max");
  host_.Site().Blur();
  EXPECT_EQ(flagDuringEvent_, host::kTrue);
}

TEST_F(AddressChangeTracking, AddressSetByTheHostCountsAsAChange) {
  host_.Label().SetAddress("Erika Müller");
  EXPECT_EQ(host_.Label().AddressChanged(), host::kTrue);
  host_.Site().Focus(host_.Box());
  host_.Site().Blur();
  EXPECT_EQ(raised_, 1);
}

TEST_F(AddressChangeTracking, LoadedAddressCountsAsAChange) {
  host::headless::MemoryPropertyBag bag;
  bag.Set("Address", std::string("Erika Müller"));
  host_.Site().ReadProperties(bag);
  EXPECT_EQ(host_.Label().AddressChanged(), host::kTrue);
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
  EXPECT_EQ(raised_, 1);
  EXPECT_EQ(host_.Label().AddressChanged(), host::kFalse);
  host_.Site().Focus(host_.Box());
  host_.Site().Blur();
  EXPECT_EQ(raised_, 1);
}

TEST_F(AddressChangeTracking, NoHandlerRegisteredIsHarmless) {
  host_.Label().SetAfterUpdate(nullptr);
  host_.Site().Type(host_.Box(), "Max");
  host_.Site().Blur();
  EXPECT_EQ(host_.Label().AddressChanged(), host::kFalse);
}

TEST(AddressBoxFocus, ReceivingTheFocusSelectsTheWholeTextInCharacters) {
  AddressLabelHost host;
  host.Label().SetAddress("Jürgen Weiß\r\nStraße 5");
  host.Box().SetSelStart(3);
  host.Box().SetSelLength(0);
  host.Site().Focus(host.Box());
  EXPECT_EQ(host.Box().SelStart(), 0);
  // 11 + 2 + 8 characters; the umlauts and ß are two bytes each but one character.
  EXPECT_EQ(host.Box().SelLength(), 21);
}

}  // namespace
}  // namespace orvano::testing
