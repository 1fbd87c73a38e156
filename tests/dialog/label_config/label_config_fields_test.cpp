// The measurement fields and spinners: units, clamping, the fixed shown form, spinner rounding,
// the pitch/size partner rule, counts, the font size, and which edits make a custom label.
#include "dialog_fixture.h"

namespace orvano::testing {
namespace {

class FieldsTest : public LabelConfigTest {
 protected:
  // What the top border shows after the user typed `typed` and left the field.
  std::string Accepted(DialogUser& u, const std::string& typed) {
    u.Enter("txtBorderTop", typed);
    return u.Text("txtBorderTop");
  }
};

TEST_F(FieldsTest, LengthsResolveUnitsAndClamp) {
  Open("Avery Zweckform", "L7163", [&](DialogUser& u) {
    EXPECT_EQ(Accepted(u, "12,5"), " 12,5 mm");
    EXPECT_EQ(Accepted(u, "12.5"), " 125 mm");  // the point groups digits
    EXPECT_EQ(Accepted(u, "-3"), " 0 mm");
    EXPECT_EQ(Accepted(u, "600"), " 558,7 mm");
    EXPECT_EQ(Accepted(u, "2 Zoll"), " 50,8 mm");
    EXPECT_EQ(Accepted(u, "1,5 cm"), " 15 mm");
    EXPECT_EQ(Accepted(u, "Unsinn"), " 0 mm");
    EXPECT_EQ(dialog_.Preview1().BorderTop(), 0);
  });
}

TEST_F(FieldsTest, EditingACatalogPageLayoutMakesANewCustomLabel) {
  Open("Avery Zweckform", "L7163", [&](DialogUser& u) {
    // Leaving a field unchanged is no edit.
    u.Form().Focus(u.Box("txtBorderTop"));
    u.Form().Blur();
    EXPECT_EQ(u.Text("cboBrands"), " Avery Zweckform");
    EXPECT_EQ(u.Text("cboLabels"), "L7163 Adressetiketten");

    u.SpinUp("BorderTop");
    EXPECT_EQ(u.Text("txtBorderTop"), " 16 mm");
    EXPECT_EQ(dialog_.Preview1().BorderTop(), 16);
    EXPECT_TRUE(u.Box("txtBorderTop").HasFocus());
    EXPECT_EQ(u.Text("cboBrands"), " Benutzerdefiniert");
    EXPECT_EQ(u.Text("cboLabels"), "");
    EXPECT_FALSE(u.Button("btnDelete").Enabled());
    EXPECT_EQ(u.Text("txtBorderLeft"), " 4,65 mm");
    EXPECT_EQ(u.Text("txtLabelWidth"), " 99,1 mm");
    EXPECT_EQ(u.Text("txtRows"), " 7");
  });
}

TEST_F(FieldsTest, SpinnersStepToWholeNumbersTiesToEven) {
  Open("Avery Zweckform", "L7163", [&](DialogUser& u) {
    u.Enter("txtBorderTop", "12,5");
    u.SpinUp("BorderTop");  // 13,5 -> 14
    EXPECT_EQ(u.Text("txtBorderTop"), " 14 mm");
    u.Enter("txtBorderTop", "11,5");
    u.SpinUp("BorderTop");  // 12,5 -> 12
    EXPECT_EQ(u.Text("txtBorderTop"), " 12 mm");
    u.Enter("txtBorderTop", "0");
    u.SpinDown("BorderTop");
    EXPECT_EQ(u.Text("txtBorderTop"), " 0 mm");
    u.Enter("txtBorderTop", "558,7");
    u.SpinUp("BorderTop");
    EXPECT_EQ(u.Text("txtBorderTop"), " 558,7 mm");
  });
}

TEST_F(FieldsTest, PitchAndLabelSizeNeverContradict) {
  Open("Avery Zweckform", "L7163", [&](DialogUser& u) {
    u.Enter("txtLabelHeight", "40");
    u.Enter("txtSpaceVertical", "42");
    u.Enter("txtLabelHeight", "45");  // the label grows: its pitch follows
    EXPECT_EQ(u.Text("txtSpaceVertical"), " 45 mm");
    EXPECT_EQ(dialog_.Preview1().LabelHeight(), 45);
    EXPECT_EQ(dialog_.Preview1().SpaceVertical(), 45);

    u.Enter("txtLabelHeight", "40");
    u.Enter("txtSpaceVertical", "42");
    u.Enter("txtSpaceVertical", "38");  // the pitch shrinks: the label follows
    EXPECT_EQ(u.Text("txtLabelHeight"), " 38 mm");
    EXPECT_EQ(dialog_.Preview1().LabelHeight(), 38);

    u.Enter("txtSpaceHorizontal", "50");
    EXPECT_EQ(u.Text("txtLabelWidth"), " 50 mm");
    EXPECT_EQ(dialog_.Preview1().LabelWidth(), 50);
  });
}

TEST_F(FieldsTest, CountsAreWholeAndWithinOneTo9999) {
  Open("Avery Zweckform", "L7163", [&](DialogUser& u) {
    u.Enter("txtCols", "0");
    EXPECT_EQ(u.Text("txtCols"), " 1");
    u.Enter("txtCols", "2,7");
    EXPECT_EQ(u.Text("txtCols"), " 2");
    EXPECT_EQ(dialog_.Preview1().Cols(), 2);
    u.Enter("txtCols", "12000");
    EXPECT_EQ(u.Text("txtCols"), " 9999");
    // A negative entry counts by its size, and still not above the maximum.
    u.Enter("txtRows", "-12000");
    EXPECT_EQ(u.Text("txtRows"), " 9999");
    u.Enter("txtRows", "1");
    u.SpinDown("Rows");
    EXPECT_EQ(u.Text("txtRows"), " 1");
    u.SpinUp("Rows");
    EXPECT_EQ(u.Text("txtRows"), " 2");
    EXPECT_EQ(dialog_.Preview1().Rows(), 2);
  });
}

TEST_F(FieldsTest, AddressLayoutEditsKeepTheCatalogLabel) {
  Open(
      "Avery Zweckform", "L7163",
      [&](DialogUser& u) {
        u.Form().ChooseTab(u.Tabs(), 1);
        u.Enter("txtLabelBorderLeft", "4");
        EXPECT_EQ(u.Text("txtLabelBorderLeft"), " 4 mm");
        EXPECT_EQ(dialog_.Preview1().LabelBorderLeft(), 4);
        // The font size is a whole number of points, without limits.
        auto& list = u.List("cboFontSize");
        for (const auto& [typed, shown] : std::vector<std::pair<std::string, std::string>>{
                 {"11", "11 pt"}, {"10,7 pt", "10 pt"}, {"Unsinn", "0 pt"}}) {
          u.Form().Type(list, typed);
          u.Form().Blur();
          EXPECT_EQ(list.Text(), shown);
        }
        u.ChooseItem("cboFontSize", "36 pt");
        EXPECT_EQ(dialog_.Preview1().FontSize(), 36);
        EXPECT_EQ(u.Text("cboBrands"), " Avery Zweckform");
        EXPECT_EQ(u.Text("cboLabels"), "L7163 Adressetiketten");
      },
      true);
}

}  // namespace
}  // namespace orvano::testing
