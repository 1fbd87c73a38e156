// The measurement fields and spinners: units, clamping, the fixed shown form, spinner rounding,
// the pitch/size partner rule, counts, the font size, and which edits make a custom label.
#include "support/dialog_user.h"

namespace orvano::test_support {
namespace {

TEST_F(LabelConfigTest, FieldsResolveUnitsClampRoundAndKeepPitchAndSizeTogether) {
  struct Step {
    const char* field;
    const char* typed;  // "+" and "-" press the field's spinner
    const char* shown;
    const char* in = nullptr;  // where it shows, when not in the field typed into
  };
  const Step steps[] = {
      {"txtBorderTop", "12,5", " 12,5 mm"},
      {"txtBorderTop", "+", " 14 mm"},  // 13,5 rounds to even
      {"txtBorderTop", "11,5", " 11,5 mm"},
      {"txtBorderTop", "+", " 12 mm"},  // 12,5 too
      {"txtBorderTop", "0", " 0 mm"},
      {"txtBorderTop", "-", " 0 mm"},
      {"txtBorderTop", "558,7", " 558,7 mm"},
      {"txtBorderTop", "+", " 558,7 mm"},
      {"txtBorderTop", "12.5", " 125 mm"},  // the point groups digits
      {"txtBorderTop", "-3", " 0 mm"},
      {"txtBorderTop", "600", " 558,7 mm"},
      {"txtBorderTop", "2 Zoll", " 50,8 mm"},
      {"txtBorderTop", "1,5 cm", " 15 mm"},
      {"txtBorderTop", "Unsinn", " 0 mm"},
      {"txtLabelHeight", "40", " 40 mm"},
      {"txtSpaceVertical", "42", " 42 mm"},
      {"txtLabelHeight", "45", " 45 mm", "txtSpaceVertical"},  // the pitch follows the label
      {"txtLabelHeight", "40", " 40 mm"},
      {"txtSpaceVertical", "42", " 42 mm"},
      {"txtSpaceVertical", "38", " 38 mm", "txtLabelHeight"},  // the label follows the pitch
      {"txtSpaceHorizontal", "50", " 50 mm", "txtLabelWidth"},
      {"txtCols", "0", " 1"},
      {"txtCols", "12000", " 9999"},
      {"txtCols", "2,7", " 2"},
      {"txtRows", "-12000", " 9999"},  // counted by its size
      {"txtRows", "1", " 1"},
      {"txtRows", "-", " 1"},
      {"txtRows", "+", " 2"},
  };
  Open("Avery Zweckform", "L7163", [&](DialogUser& u) {
    for (const Step& s : steps) {
      SCOPED_TRACE(std::string(s.field) + " " + s.typed);
      if (std::string(s.typed) == "+" || std::string(s.typed) == "-")
        u.Spin(std::string(s.field).substr(3), s.typed[0] == '+');
      else
        u.Enter(s.field, s.typed);
      EXPECT_EQ(u.Text(s.in ? s.in : s.field), s.shown);
    }
    auto& preview = dialog_.Preview1();
    EXPECT_EQ(preview.BorderTop(), 0);
    EXPECT_EQ(preview.LabelHeight(), 38);
    EXPECT_EQ(preview.SpaceVertical(), 38);
    EXPECT_EQ(preview.LabelWidth(), 50);
    EXPECT_EQ(preview.Cols(), 2);
    EXPECT_EQ(preview.Rows(), 2);
  });
}

TEST_F(LabelConfigTest, EditingACatalogPageLayoutMakesANewCustomLabel) {
  Open("Avery Zweckform", "L7163", [&](DialogUser& u) {
    u.Form().Focus(u.Box("txtBorderTop"));
    u.Form().Blur();  // leaving a field unchanged is no edit
    EXPECT_EQ(u.Text("cboBrands"), " Avery Zweckform");
    EXPECT_EQ(u.Text("cboLabels"), "L7163 Adressetiketten");

    u.Spin("BorderTop", true);
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

TEST_F(LabelConfigTest, AddressLayoutEditsKeepTheCatalogLabel) {
  auto play = [&](DialogUser& u) {
    u.Form().ChooseTab(u.Tabs(), 1);
    u.Enter("txtLabelBorderLeft", "4");
    EXPECT_EQ(u.Text("txtLabelBorderLeft"), " 4 mm");
    EXPECT_EQ(dialog_.Preview1().LabelBorderLeft(), 4);
    // The font size is a whole number of points, without limits.
    for (const auto& [typed, shown] :
         {std::pair{"11", "11 pt"}, {"10,7 pt", "10 pt"}, {"Unsinn", "0 pt"}}) {
      u.Enter("cboFontSize", typed);
      EXPECT_EQ(u.Text("cboFontSize"), shown);
    }
    u.ChooseItem("cboFontSize", "36 pt");
    EXPECT_EQ(dialog_.Preview1().FontSize(), 36);
    EXPECT_EQ(u.Text("cboBrands"), " Avery Zweckform");
    EXPECT_EQ(u.Text("cboLabels"), "L7163 Adressetiketten");
  };
  Open("Avery Zweckform", "L7163", play, true);
}

}  // namespace
}  // namespace orvano::test_support
