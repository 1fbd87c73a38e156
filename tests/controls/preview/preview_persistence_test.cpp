// Saving to and loading from the host's property bag, with its quirks: the pitches default to 0
// in the bag, the layout is not saved, whole numbers round half to even.
#include "preview_fixture.h"

namespace orvano::preview_test {
namespace {

using host::headless::MemoryPropertyBag;

class PreviewPersistenceTest : public PreviewTest {
 protected:
  // A second instance on its own site, loaded from the bag.
  std::unique_ptr<Preview> Load(MemoryPropertyBag& bag) {
    other = std::make_unique<HeadlessContainer>(platform, host::ScaleMode::Pixels, 320, 240);
    auto loaded = std::make_unique<Preview>(*other);
    other->ReadProperties(bag);
    return loaded;
  }
  std::unique_ptr<HeadlessContainer> other;
};

const std::vector<std::string> kKeys = {"BorderLeft",
                                        "BorderTop",
                                        "LabelWidth",
                                        "LabelHeight",
                                        "SpaceVertical",
                                        "SpaceHorizontal",
                                        "Cols",
                                        "Rows",
                                        "LabelBorderLeft",
                                        "LabelBorderTop",
                                        "LabelBorderRight",
                                        "LabelBorderBottom",
                                        "LabelHeadingSpace",
                                        "AddressSpace",
                                        "ReturnAddressFormat",
                                        "WithLabelHeading",
                                        "FontSize"};

TEST_F(PreviewPersistenceTest, FreshInstanceSavesOnlyThePitches) {
  MemoryPropertyBag bag;
  site.WriteProperties(bag);
  EXPECT_EQ(bag.Values().size(), 2u);
  EXPECT_EQ(bag.ReadProperty("SpaceVertical", 0.0).ToDouble(), 46.56);
  EXPECT_EQ(bag.ReadProperty("SpaceHorizontal", 0.0).ToDouble(), 88.9);
}

TEST_F(PreviewPersistenceTest, EmptyBagLoadsZeroPitchesAndStartValuesOtherwise) {
  MemoryPropertyBag bag;
  auto loaded = Load(bag);
  EXPECT_EQ(loaded->SpaceVertical(), 0);
  EXPECT_EQ(loaded->SpaceHorizontal(), 0);
  EXPECT_EQ(loaded->BorderLeft(), 12.29);
  EXPECT_EQ(loaded->Rows(), 6);
  EXPECT_EQ(loaded->WithLabelHeading(), host::kTrue);
  EXPECT_EQ(bag.ReadOrder(), kKeys);
}

TEST_F(PreviewPersistenceTest, RoundTripKeepsEveryFieldButTheLayout) {
  preview->SetBorderTop(-1);
  preview->SetLabelWidth(63.5);
  preview->SetSpaceHorizontal(66);
  preview->SetRows(0);
  preview->SetLabelBorderLeft(1.25);
  preview->SetLabelBorderBottom(5);
  preview->SetAddressSpace(2.5);
  preview->SetReturnAddressFormat(static_cast<ovReturnAddressFormatConstants>(7));
  preview->SetWithLabelHeading(host::kFalse);
  preview->SetFontSize(12);
  preview->SetPreviewLayout(ovPreviewAddressLayout);
  MemoryPropertyBag saved;
  site.WriteProperties(saved);
  EXPECT_EQ(saved.Values().size(), 11u);

  auto loaded = Load(saved);
  EXPECT_EQ(loaded->PreviewLayout(), ovPreviewPageLayout);
  MemoryPropertyBag again;
  other->WriteProperties(again);
  EXPECT_EQ(again.Values(), saved.Values());
  EXPECT_EQ(again.WriteOrder(), saved.WriteOrder());
}

TEST_F(PreviewPersistenceTest, LoadingRedrawsWithTheLoadedValues) {
  MemoryPropertyBag bag;
  bag.Set("Cols", 1);
  bag.Set("LabelWidth", 50.0);
  other = std::make_unique<HeadlessContainer>(platform, host::ScaleMode::Pixels, 320, 240);
  Preview loaded(*other);
  other->ClearDrawing();
  other->ReadProperties(bag);
  EXPECT_FALSE(other->Drawing().empty());
  EXPECT_EQ(loaded.Layout().ExtentX, 62);  // 12.29 + 50, one column
  EXPECT_FALSE(other->Get<host::Label>("lblSpaceHorizontal").Visible());
}

TEST_F(PreviewPersistenceTest, StoredFractionsRoundHalfToEven) {
  MemoryPropertyBag bag;
  bag.Set("Cols", 2.5);
  bag.Set("Rows", 3.5);
  bag.Set("FontSize", 10.5);
  bag.Set("ReturnAddressFormat", 0.5);
  auto loaded = Load(bag);
  EXPECT_EQ((std::vector<int>{loaded->Cols(), loaded->Rows(), loaded->FontSize(),
                              loaded->ReturnAddressFormat()}),
            (std::vector<int>{2, 4, 10, 0}));
}

TEST_F(PreviewPersistenceTest, HeadingFlagLoadsAsABooleanAnUnreadableKeyIsSkipped) {
  preview->SetWithLabelHeading(1);
  MemoryPropertyBag bag;
  site.WriteProperties(bag);
  EXPECT_TRUE(bag.Contains("WithLabelHeading"));
  EXPECT_EQ(Load(bag)->WithLabelHeading(), host::kTrue);
  bag.Set("BorderLeft", "kein Wert");
  bag.Set("Cols", 4);
  bag.Set("FontSize", 3e10);  // beyond 32 bits
  auto loaded = Load(bag);
  EXPECT_EQ(loaded->BorderLeft(), 12.29);
  EXPECT_EQ(loaded->Cols(), 4);
  EXPECT_EQ(loaded->FontSize(), 10);
}

}  // namespace
}  // namespace orvano::preview_test
