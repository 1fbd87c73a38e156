// The LabelDef handed to the host: the stock in setter order (with the object's own catalog
// lookup in the middle) and the three address fields in address-label mode.
#include <limits>
#include <utility>
#include <vector>

#include "label_select_fixture.h"
#include "orvano/model/page_format.h"

namespace orvano::testing {
namespace {

class LabelDefExportTest : public LabelSelectTest {
 protected:
  LabelDefExportTest() {
    std::string def = "[Marke]\r\n", adr = "[Marke]\r\n";
    // Same stock for all; the address layouts differ (font size, format, heading).
    for (const char* layout :
         {"F6=2;1;2;1;0;0;6;2; 1", "F12=2;1;2;1;0;0;12;2; 1", "F0=2;1;2;1;0;0;0;3; 1",
          "Ohne=2;1;2;1;1,5;0,5;10;1; 0", "Mit=2;1;2;1;1,5;0,5;10;1; 1"}) {
      const std::string name = std::string(layout).substr(0, std::string(layout).find('='));
      def += name + "=Standard;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n";
      adr += std::string(layout) + "\r\n";
    }
    folder_.WriteDef(def);
    folder_.WriteAdr(adr);
    Control().SetAddressLabel(host::kTrue);
  }
  std::shared_ptr<LabelDef> Load(const std::string& name) {
    Control().SetBrand("Marke");
    Control().SetLabelName(name);
    return Control().LabelDef();
  }
  static std::shared_ptr<FieldDef> F(const std::shared_ptr<LabelDef>& d, const char* name) {
    return d->Fields()->Item(name);
  }
};

TEST_F(LabelDefExportTest, StoredDefaultsPlaceSenderHeadingAndAddress) {
  const auto def = Load("Unbekannt");  // not in the catalog: the layout defaults apply
  ASSERT_EQ(def->Fields()->Count(), 3);
  const auto sender = def->Fields()->Item(1);
  const auto heading = def->Fields()->Item(2);
  const auto address = def->Fields()->Item(3);
  EXPECT_EQ(sender->FieldName() + heading->FieldName() + address->FieldName(),
            "ReturnAddressLabelHeadingAddress");
  EXPECT_EQ(address->CanGrow(), host::kTrue);
  struct Place {
    std::shared_ptr<FieldDef> field;
    double left, top, width, height;
    int points;
  };
  for (const Place& p :
       {Place{sender, 2, 1, 84.9, 7.43889, 7}, Place{heading, 2, 8.43889, 84.9, 4.92778, 10},
        Place{address, 2, 13.36667, 84.9, 32.19333, 10}}) {
    SCOPED_TRACE(p.field->FieldName());
    EXPECT_NEAR(p.field->FieldLeft(), p.left, 1e-5);
    EXPECT_NEAR(p.field->FieldTop(), p.top, 1e-5);
    EXPECT_NEAR(p.field->FieldWidth(), p.width, 1e-9);
    EXPECT_NEAR(p.field->FieldHeight(), p.height, 1e-5);
    EXPECT_EQ(p.field->FontSize(), p.points);
  }
}

TEST_F(LabelDefExportTest, FontSizeDecidesSenderAndMainSizes) {
  const auto f6 = Load("F6"), f12 = Load("F12"), f0 = Load("F0");
  // Sender, heading, address: the sender at most 7 points, 0 means the default 10.
  for (auto [def, sizes] :
       {std::pair{f6, std::vector<int>{6, 6, 6}}, {f12, {7, 12, 12}}, {f0, {7, 10, 10}}}) {
    EXPECT_EQ((std::vector<int>{F(def, "ReturnAddress")->FontSize(),
                                F(def, "LabelHeading")->FontSize(), F(def, "Address")->FontSize()}),
              sizes);
  }
  // Format 3 is laid out like two lines.
  EXPECT_DOUBLE_EQ(F(f0, "ReturnAddress")->FieldHeight(), 2 * LineHeightFromFontSize(7));
}

TEST_F(LabelDefExportTest, SpaceBelowTheSenderDependsOnTheHeading) {
  const double line7 = LineHeightFromFontSize(7);
  const auto without = Load("Ohne");
  EXPECT_DOUBLE_EQ(F(without, "ReturnAddress")->FieldHeight(), line7 + 0.5);
  EXPECT_DOUBLE_EQ(F(without, "Address")->FieldTop(), line7 + 0.5 + 1);
  EXPECT_DOUBLE_EQ(F(Load("Mit"), "ReturnAddress")->FieldHeight(), line7 + 1.5);
}

TEST_F(LabelDefExportTest, ObjectsOwnLookupOverridesWhatWasSetBeforeTheName) {
  Load("Mit");
  Control().SetBorderLeft(20);  // set before LabelName: the catalog's value wins
  Control().SetLabelWidth(70);  // set after it: the control's value stays
  const auto def = Control().LabelDef();
  EXPECT_EQ(def->BorderLeft(), 12.29);
  EXPECT_EQ(def->LabelWidth(), 70);
  // Loading saved state looks nothing up, so the control can hold a label the catalog lacks.
  host::headless::MemoryPropertyBag bag;
  bag.Set("Brand", "Marke");
  bag.Set("LabelName", "Verschwunden");
  bag.Set("Description", "Eigene");
  Site().ReadProperties(bag);
  EXPECT_EQ(Control().LabelDef()->Description(), "");
}

TEST_F(LabelDefExportTest, EveryReadIsAFreshObjectTheControlDoesNotReach) {
  const auto a = Load("Mit");
  const auto b = Control().LabelDef();
  ASSERT_NE(a, b);
  ASSERT_NE(a->Fields(), b->Fields());
  EXPECT_EQ(F(a, "Address")->FieldHeight(), F(b, "Address")->FieldHeight());
  Control().SetCols(5);
  EXPECT_EQ(a->Cols(), 2);
}

TEST_F(LabelDefExportTest, OnlyExactlyTrueAddressModeAddsFields) {
  Control().SetAddressLabel(1);
  EXPECT_EQ(Load("Mit")->Fields()->Count(), 0);
}

TEST_F(LabelDefExportTest, NonFiniteMeasurementEndsTheReadWithAnError) {
  Control().SetLabelHeight(std::numeric_limits<double>::infinity());
  EXPECT_THROW(Control().LabelDef(), host::Error);
}

}  // namespace
}  // namespace orvano::testing
