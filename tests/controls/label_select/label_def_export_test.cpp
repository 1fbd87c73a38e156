// The LabelDef handed to the host: the stock in setter order (with the object's own catalog
// lookup in the middle) and the three address fields in address-label mode.
#include <limits>

#include "label_select_fixture.h"
#include "orvano/model/page_format.h"

namespace orvano::testing {
namespace {

class LabelDefExportTest : public LabelSelectTest {
 protected:
  LabelDefExportTest() {
    folder_.WriteDef(
        "[Marke]\r\n"
        "Std=Standard;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n"
        "F6=;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n"
        "F12=;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n"
        "F0=;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n"
        "Drei=;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n"
        "Ohne=;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n"
        "Mit=;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n");
    folder_.WriteAdr(
        "[Marke]\r\n"
        "F6=2;1;2;1;0;0;6;2; 1\r\n"
        "F12=2;1;2;1;0;0;12;2; 1\r\n"
        "F0=2;1;2;1;0;0;0;2; 1\r\n"
        "Drei=2;1;2;1;0;0;10;3; 0\r\n"
        "Ohne=2;1;2;1;1,5;0,5;10;1; 0\r\n"
        "Mit=2;1;2;1;1,5;0,5;10;1; 1\r\n");
    Control().SetDataFolder(folder_.Path());
    Control().SetAddressLabel(host::kTrue);
  }
  std::shared_ptr<LabelDef> Load(const std::string& name) {
    Control().SetBrand("Marke");
    Control().SetLabelName(name);
    return Control().LabelDef();
  }
};

TEST_F(LabelDefExportTest, OutsideAddressModeTheObjectHasNoFields) {
  Control().SetAddressLabel(host::kFalse);
  EXPECT_EQ(Load("Std")->Fields()->Count(), 0);
  Control().SetAddressLabel(1);  // only exactly true counts
  EXPECT_EQ(Control().LabelDef()->Fields()->Count(), 0);
}

TEST_F(LabelDefExportTest, StoredDefaultsPlaceSenderHeadingAndAddress) {
  const auto def = Load("Unbekannt");  // not in the catalog: the layout defaults apply
  auto& fields = *def->Fields();
  ASSERT_EQ(fields.Count(), 3);
  const auto sender = fields.Item(1);
  const auto heading = fields.Item(2);
  const auto address = fields.Item(3);
  EXPECT_EQ(sender->FieldName(), "ReturnAddress");
  EXPECT_EQ(sender->FieldSource(), "ReturnAddress");
  EXPECT_EQ(sender->FieldLeft(), 2);
  EXPECT_EQ(sender->FieldTop(), 1);
  EXPECT_NEAR(sender->FieldWidth(), 84.9, 1e-9);
  EXPECT_EQ(sender->FontSize(), 7);
  EXPECT_EQ(sender->FontName(), "Arial");
  EXPECT_NEAR(sender->FieldHeight(), 7.43889, 1e-5);
  EXPECT_EQ(sender->CanShrink(), host::kTrue);
  EXPECT_EQ(sender->CanGrow(), host::kFalse);

  EXPECT_EQ(heading->FieldName(), "LabelHeading");
  EXPECT_NEAR(heading->FieldTop(), 8.43889, 1e-5);
  EXPECT_EQ(heading->FontSize(), 10);
  EXPECT_EQ(heading->FontBold(), host::kTrue);
  EXPECT_NEAR(heading->FieldHeight(), 4.92778, 1e-5);

  EXPECT_EQ(address->FieldName(), "Address");
  EXPECT_NEAR(address->FieldTop(), 13.36667, 1e-5);
  EXPECT_EQ(address->FontSize(), 10);
  EXPECT_EQ(address->FontBold(), host::kFalse);
  EXPECT_NEAR(address->FieldHeight(), 32.19333, 1e-5);
  EXPECT_EQ(address->CanShrink(), host::kFalse);
  EXPECT_EQ(address->CanGrow(), host::kTrue);
}

TEST_F(LabelDefExportTest, FontSizeDecidesSenderAndMainSizes) {
  auto sizes = [&](const std::string& name) {
    const auto def = Load(name);
    return std::vector<std::int32_t>{def->Fields()->Item("ReturnAddress")->FontSize(),
                                     def->Fields()->Item("LabelHeading")->FontSize(),
                                     def->Fields()->Item("Address")->FontSize()};
  };
  EXPECT_EQ(sizes("F6"), (std::vector<std::int32_t>{6, 6, 6}));
  EXPECT_EQ(sizes("F12"), (std::vector<std::int32_t>{7, 12, 12}));
  EXPECT_EQ(sizes("F0"), (std::vector<std::int32_t>{7, 10, 10}));
}

TEST_F(LabelDefExportTest, FormatThreeIsLaidOutAsTwoLines) {
  const auto def = Load("Drei");
  EXPECT_DOUBLE_EQ(def->Fields()->Item("ReturnAddress")->FieldHeight(),
                   2 * LineHeightFromFontSize(7));
  EXPECT_EQ(def->Fields()->Count(), 2);  // no heading
}

TEST_F(LabelDefExportTest, SpaceBelowTheSenderDependsOnTheHeading) {
  const double line7 = LineHeightFromFontSize(7);
  const double line10 = LineHeightFromFontSize(10);
  auto without = Load("Ohne");
  EXPECT_DOUBLE_EQ(without->Fields()->Item("ReturnAddress")->FieldHeight(), line7 + 0.5);
  EXPECT_DOUBLE_EQ(without->Fields()->Item("Address")->FieldTop(), line7 + 0.5 + 1);

  auto with = Load("Mit");
  EXPECT_DOUBLE_EQ(with->Fields()->Item("ReturnAddress")->FieldHeight(), line7 + 1.5);
  EXPECT_DOUBLE_EQ(with->Fields()->Item("LabelHeading")->FieldHeight(), line10 + 0.5);
  EXPECT_DOUBLE_EQ(with->Fields()->Item("Address")->FieldHeight(),
                   46.56 - (line10 + 0.5 + (line7 + 1.5 + 1)) - 1);
}

TEST_F(LabelDefExportTest, ObjectsOwnLookupOverridesWhatWasSetBeforeTheName) {
  Load("Std");
  Control().SetBorderLeft(20);   // set before LabelName: the catalog's value wins
  Control().SetLabelWidth(70);   // set after LabelName: the control's value stays
  Control().SetPageWidth(250);
  const auto def = Control().LabelDef();
  EXPECT_EQ(def->BorderLeft(), 12.29);
  EXPECT_EQ(def->LabelWidth(), 70);
  EXPECT_EQ(def->PageWidth(), 250);
  EXPECT_EQ(def->Description(), "Standard");
}

TEST_F(LabelDefExportTest, LabelOutsideTheCatalogExportsAnEmptyDescription) {
  // Loading saved state looks nothing up, so the control can hold a label the catalog lacks.
  host::headless::MemoryPropertyBag bag;
  bag.Set("Brand", "Marke");
  bag.Set("LabelName", "Verschwunden");
  bag.Set("Description", "Eigene Beschreibung");
  Site().ReadProperties(bag);
  EXPECT_EQ(Control().Description(), "Eigene Beschreibung");
  EXPECT_EQ(Control().LabelDef()->Description(), "");
}

TEST_F(LabelDefExportTest, EveryReadIsAFreshEqualObject) {
  Load("Mit");
  const auto a = Control().LabelDef();
  const auto b = Control().LabelDef();
  ASSERT_NE(a, b);
  ASSERT_NE(a->Fields(), b->Fields());
  EXPECT_EQ(a->Fields()->Count(), b->Fields()->Count());
  EXPECT_EQ(a->Fields()->Item(3)->FieldHeight(), b->Fields()->Item(3)->FieldHeight());
  EXPECT_EQ(a->Brand(), b->Brand());
  Control().SetCols(5);
  EXPECT_EQ(a->Cols(), 2);
}

TEST_F(LabelDefExportTest, NonFiniteMeasurementEndsTheReadWithAnError) {
  Control().SetLabelHeight(std::numeric_limits<double>::infinity());
  EXPECT_THROW(Control().LabelDef(), host::Error);
  Control().SetAddressLabel(host::kFalse);
  EXPECT_NO_THROW(Control().LabelDef());
}

}  // namespace
}  // namespace orvano::testing
