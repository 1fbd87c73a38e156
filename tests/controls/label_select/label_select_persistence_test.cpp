// Saving to and loading from the property bag: keys, order, defaults and the two documented
// quirks (the "SpaceWidth" default, "DataFolder" written but not read).
#include <vector>

#include "label_select_fixture.h"

namespace orvano::testing {
namespace {

using host::headless::MemoryPropertyBag;
using LabelSelectPersistenceTest = LabelSelectTest;

const std::vector<std::string> kKeys = {
    "PageWidth",   "PageHeight",  "BorderLeft",  "BorderTop",  "LabelWidth",
    "LabelHeight", "SpaceHeight", "SpaceWidth",  "Cols",       "Rows",
    "Brand",       "LabelName",   "Description", "DataFolder", "AllowMarquee",
    "AllowConfig", "Direction",   "Landscape",   "PageFormat", "AddressLabel"};

TEST_F(LabelSelectPersistenceTest, KeysInOrderDataFolderOnlyWritten) {
  MemoryPropertyBag bag;
  Site().WriteProperties(bag);
  EXPECT_EQ(bag.WriteOrder(), kKeys);
  // A new control's 7.62 differs from the key's default 0, so it is the one value stored.
  EXPECT_EQ(bag.Values().size(), 1u);
  EXPECT_EQ(bag.ReadProperty("SpaceWidth", 0.0).ToDouble(), 7.62);

  MemoryPropertyBag empty;
  Site().ReadProperties(empty);
  std::vector<std::string> read = kKeys;
  std::erase(read, std::string("DataFolder"));
  EXPECT_EQ(empty.ReadOrder(), read);
  EXPECT_EQ(Control().SpaceWidth(), 0);
}

TEST_F(LabelSelectPersistenceTest, RoundTripRestoresTheStockButNotTheDataFolder) {
  Control().SetPageFormat(ovPageFormatA5);
  Control().SetLandscape(host::kTrue);
  Control().SetCols(4);
  Control().SetDescription("Vier mal drei");
  Control().SetDataFolder(folder_.Path());
  Control().SetDirection(ovTopBottom);
  Control().SetAllowConfig(host::kFalse);
  Control().SetAddressLabel(host::kTrue);
  Control().SetLabelID(9);
  MemoryPropertyBag bag;
  Site().WriteProperties(bag);
  EXPECT_EQ(bag.ReadProperty("DataFolder", "").ToString(), folder_.Path());
  EXPECT_EQ(bag.ReadProperty("Landscape", std::int32_t{0}).ToLong(), 1);

  host::headless::HeadlessContainer site2(platform_, host::ScaleMode::Pixels, 322, 417);
  LabelSelect copy(site2);
  site2.ReadProperties(bag);
  EXPECT_EQ(
      (std::vector<double>{copy.PageHeight(), double(copy.Landscape()), double(copy.Cols()),
                           double(copy.Direction()), double(copy.AllowConfig()),
                           double(copy.AddressLabel()), double(copy.LabelID())}),
      (std::vector<double>{148.5, host::kTrue, 4, ovTopBottom, host::kFalse, host::kTrue, 0}));
  EXPECT_EQ(copy.Description(), "Vier mal drei");
  EXPECT_EQ(copy.DataFolder(), "");
  EXPECT_EQ(copy.LoadedCount(), 24);
}

TEST_F(LabelSelectPersistenceTest, LoadingLooksNothingUpAndSkipsWhatDoesNotConvert) {
  folder_.WriteDef("[Avery]\r\nL7163=Adressetiketten;9;0;2;7;4,65;15,15;99,1;38,1;2,5;0\r\n");
  MemoryPropertyBag bag;
  bag.Set("Brand", "Avery");
  bag.Set("LabelName", "L7163");
  bag.Set("Cols", "viele");
  bag.Set("Rows", std::int32_t{3});
  Site().ReadProperties(bag);
  EXPECT_EQ(Control().LabelName(), "L7163");
  EXPECT_EQ(Control().Description(), "");
  EXPECT_EQ(Control().Cols(), 2);
  EXPECT_EQ(Control().Rows(), 3);
  EXPECT_EQ(Control().AddressLabelFontSize(), 0);
  EXPECT_TRUE(Control().ElementVisible(SheetArray::LabelArea, 5));
}

}  // namespace
}  // namespace orvano::testing
