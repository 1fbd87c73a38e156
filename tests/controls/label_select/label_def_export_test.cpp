// The LabelDef handed to the host: the stock in setter order (with the object's own catalog
// lookup in the middle) and the three address fields in address-label mode. Where the fields go
// is the model's rule; here only that the catalog's layout reaches them.
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
        "F12=Standard;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n"
        "Ohne=Standard;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n");
    folder_.WriteAdr("[Marke]\r\nF12=2;1;2;1;0;0;12;2; 1\r\nOhne=2;1;2;1;1,5;0,5;10;1; 0\r\n");
    Control().SetAddressLabel(host::kTrue);
    Control().SetBrand("Marke");
  }
  std::shared_ptr<FieldDef> Field(const char* label, const char* field) {
    Control().SetLabelName(label);
    return Control().LabelDef()->Fields()->Item(field);
  }
};

TEST_F(LabelDefExportTest, StoredLayoutSetsTheFieldsFontAndSpacing) {
  EXPECT_EQ(Field("F12", "ReturnAddress")->FontSize(), 7);  // the sender at most 7 points
  EXPECT_EQ(Field("F12", "Address")->FontSize(), 12);
  // Without a heading, the heading space goes below the sender.
  const double line7 = LineHeightFromFontSize(7);
  EXPECT_DOUBLE_EQ(Field("Ohne", "ReturnAddress")->FieldHeight(), line7 + 0.5);
  EXPECT_DOUBLE_EQ(Field("Ohne", "Address")->FieldTop(), line7 + 0.5 + 1);
}

TEST_F(LabelDefExportTest, ObjectsOwnLookupOverridesWhatWasSetBeforeTheName) {
  // The LabelDef is filled in setter order and looks its name up itself: what precedes the name
  // there takes the catalog's value, what follows keeps the control's.
  Control().SetLabelName("F12");
  Control().SetBorderLeft(20);
  Control().SetLabelWidth(70);
  const auto def = Control().LabelDef();
  EXPECT_EQ(def->BorderLeft(), 12.29);
  EXPECT_EQ(def->LabelWidth(), 70);
  EXPECT_EQ(def->Fields()->Count(), 3);
  // Every read is a fresh object the control does not reach.
  Control().SetCols(5);
  EXPECT_EQ(def->Cols(), 2);
  EXPECT_NE(Control().LabelDef()->Fields(), def->Fields());
}

TEST_F(LabelDefExportTest, NonFiniteMeasurementEndsTheReadWithAnError) {
  Control().SetLabelHeight(std::numeric_limits<double>::infinity());
  EXPECT_THROW(Control().LabelDef(), host::Error);
}

}  // namespace
}  // namespace orvano::testing
