// The measurement fields and spinners: units, clamping, the fixed shown form, spinner rounding,
// the pitch/size partner rule, counts, and which edits make a custom label.
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
      {"txtBorderTop", "-3", " 0 mm"},
      {"txtBorderTop", "-", " 0 mm"},
      {"txtBorderTop", "600", " 558,7 mm"},
      {"txtBorderTop", "+", " 558,7 mm"},
      {"txtBorderTop", "2 Zoll", " 50,8 mm"},
      {"txtBorderTop", "Unsinn", " 0 mm"},
      {"txtLabelHeight", "40", " 40 mm"},
      {"txtSpaceVertical", "42", " 42 mm"},
      {"txtLabelHeight", "45", " 45 mm", "txtSpaceVertical"},  // the pitch follows the label
      {"txtSpaceVertical", "38", " 38 mm", "txtLabelHeight"},  // the label follows the pitch
      {"txtCols", "-12000", " 9999"},                          // counted by its size
      {"txtCols", "2,7", " 2"},
      {"txtRows", "0", " 1"},
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
    EXPECT_EQ(dialog_.Preview1().LabelHeight(), 38);
    EXPECT_EQ(dialog_.Preview1().Cols(), 2);
  });
}

TEST_F(LabelConfigTest, APageLayoutEditAFormatOrATypedNameMakeANewCustomLabel) {
  const std::pair<std::function<void(DialogUser&)>, const char*> edits[] = {
      {[](DialogUser& u) { u.Spin("BorderTop", true); }, ""},
      {[](DialogUser& u) { u.ChooseItem("cboFormat", " A5 (148 x 210 mm)"); }, ""},
      {[](DialogUser& u) { u.TypeName("Neu"); }, "Neu"},
  };
  for (const auto& row : edits) {
    Open("Avery Zweckform", "L7163", [&](DialogUser& u) {
      u.Form().Focus(u.Box("txtBorderTop"));
      u.Form().Blur();  // leaving a field unchanged is no edit
      EXPECT_EQ(u.Text("cboBrands"), " Avery Zweckform");
      row.first(u);
      EXPECT_EQ(u.Text("cboBrands"), " Benutzerdefiniert");
      EXPECT_EQ(u.Text("cboLabels"), row.second);
      EXPECT_FALSE(u.Button("btnDelete").Enabled());
      EXPECT_EQ(u.Text("txtLabelWidth"), " 99,1 mm");  // the fields keep the catalog's values
    });
  }
}

}  // namespace
}  // namespace orvano::test_support
