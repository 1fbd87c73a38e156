// Opening the dialog: its widgets, the catalog lists and the cascade of selections, and the
// address tab.
#include "support/dialog_user.h"

namespace orvano::test_support {
namespace {

using Items = std::vector<std::string>;

TEST_F(LabelConfigTest, WidgetsCarryTheirCaptionsAccessKeysAndItems) {
  Open(
      "Avery Zweckform", "L7163",
      [](DialogUser& u) {
        // A caption with its access key; the tab a label sits on (-1: above the tabs).
        auto& strip = dynamic_cast<host::headless::HeadlessTabStrip&>(u.Tabs());
        EXPECT_EQ(u.Form().Get<host::Label>("lblBorderTop").Caption(), "&Oberer Rand:");
        for (const auto& [name, tab] :
             {std::pair{"lblBorderTop", 0}, {"lblFontSize", 1}, {"lblLabelBorderTop", 1}})
          EXPECT_EQ(strip.TabOf(*u.Form().Find(name)), tab) << name;
        EXPECT_EQ(u.Tabs().TabCaption(1), "A&dresslayout");

        // One row of buttons, from the left; Enter presses OK, Escape Abbrechen.
        float left = -1;
        for (const std::string name : {"btnNew", "btnDelete", "btnOK", "btnCancel"}) {
          auto& b = u.Form().Get<host::headless::HeadlessButton>(name);
          EXPECT_EQ(b.Top(), u.Button("btnOK").Top());
          EXPECT_GT(b.Left(), left);
          left = b.Left() + b.Width();
          EXPECT_EQ(b.IsDefault(), name == "btnOK");
          EXPECT_EQ(b.IsCancel(), name == "btnCancel");
        }
        EXPECT_FALSE(u.Button("btnDelete").Enabled());

        const std::int32_t data[] = {9, -9, 11, -11};  // the format, negative for landscape
        for (std::int32_t i = 0; i < 4; ++i) EXPECT_EQ(u.List("cboFormat").ItemData(i), data[i]);
        EXPECT_EQ(u.List("cboBrands").Items(),
                  (Items{" Avery Zweckform", " Herma", " Benutzerdefiniert"}));
      },
      true);
}

TEST_F(LabelConfigTest, OpensOnTheCallersLabelOrFallsBackToTheFirstWithPitchesInItsFields) {
  dialog_.SetDataFolder("  ");  // blank: the user's files lie in the component's folder
  const struct {
    const char *brand, *name, *shownBrand, *shownLabel;
    bool canDelete;
    std::int32_t format;  // A5 landscape is the fourth
    const char* pitch;    // label width plus gap
    std::int32_t cols;
  } rows[] = {
      {"avery zweckform", "l7160", " Avery Zweckform", "L7160 Kleine Etiketten", false, 0, " 66 mm",
       3},
      {"Unbekannt", "L7160", " Avery Zweckform", "L7160 Kleine Etiketten", false, 0, " 66 mm", 3},
      {"Herma", "gibt es nicht", " Herma", "4360 Postkarten", false, 3, " 95 mm", 2},
      {" BENUTZERDEFINIERT ", "zweites", " Benutzerdefiniert", "Zweites", true, 0, " 100 mm", 1},
  };
  for (const auto& row : rows) {
    Open(row.brand, row.name, [&](DialogUser& u) {
      EXPECT_EQ(u.Text("cboBrands"), row.shownBrand);
      EXPECT_EQ(u.Text("cboLabels"), row.shownLabel);
      EXPECT_EQ(u.Button("btnDelete").Enabled(), row.canDelete);
      EXPECT_EQ(u.List("cboFormat").ListIndex(), row.format);
      EXPECT_EQ(u.Text("txtSpaceHorizontal"), row.pitch);
      EXPECT_EQ(dialog_.Preview1().Cols(), row.cols);
    });
  }
  // Busy while the catalog loads; closed by the close box, the caller's name stays.
  EXPECT_EQ(platform_.PointerHistory().front(), host::MousePointer::Busy);
  EXPECT_EQ(platform_.PointerHistory()[1], host::MousePointer::Default);
  EXPECT_FALSE(dialog_.Result());
  EXPECT_EQ(dialog_.LabelName(), "zweites");
  EXPECT_EQ(dialog_.DataFolder(), folder_.Path());
  Open("Unbekannt", "L7160", [](DialogUser& u) {
    // Another brand preselects its first label, and coming back the name opened with.
    u.ChooseItem("cboBrands", " Herma");
    EXPECT_EQ(u.Text("cboLabels"), "4360 Postkarten");
    u.ChooseItem("cboBrands", " Avery Zweckform");
    EXPECT_EQ(u.Text("cboLabels"), "L7160 Kleine Etiketten");
  });
}

TEST_F(LabelConfigTest, MissingCatalogFilesLeaveAnEmptyCustomBrand) {
  std::filesystem::remove(folder_.Path() + "/ovAdrKit.def");
  std::filesystem::remove(folder_.Path() + "/ovAdrKit.usr");
  Open("Avery Zweckform", "L7163", [](DialogUser& u) {
    EXPECT_EQ(u.List("cboBrands").Items(), (Items{" Benutzerdefiniert"}));
    EXPECT_EQ(u.List("cboLabels").ListCount(), 0);
    u.TypeName("Erstes");  // an empty custom list still takes a new name
    EXPECT_EQ(u.Text("cboBrands"), " Benutzerdefiniert");
    EXPECT_FALSE(u.Button("btnDelete").Enabled());
  });
  EXPECT_TRUE(platform_.Messages().empty());
}

TEST_F(LabelConfigTest, AddressTabOnlyForAddressLabels) {
  folder_.Write("ovAdrKit.adr", "[Avery Zweckform]\r\nL7163=3;4;5;6;1,5;2;14;1; 0\r\n");
  Open("Avery Zweckform", "L7163", [](DialogUser& u) {
    u.Form().ChooseTab(u.Tabs(), 1);
    EXPECT_EQ(u.Tabs().Tab(), 0);
    EXPECT_EQ(u.List("cboFontSize").ListCount(), 0);
    EXPECT_EQ(u.Text("txtLabelBorderLeft"), "");  // no address layout was read
  });
  Open(
      "Avery Zweckform", "L7163",
      [&](DialogUser& u) {
        for (const auto& [field, shown] : {std::pair{"txtLabelBorderLeft", " 3 mm"},
                                           {"txtLabelBorderTop", " 4 mm"},
                                           {"txtLabelBorderRight", " 5 mm"},
                                           {"txtLabelBorderBottom", " 6 mm"},
                                           {"txtLabelHeadingSpace", " 1,5 mm"},
                                           {"cboFontSize", "14 pt"}})
          EXPECT_EQ(u.Text(field), shown) << field;
        EXPECT_EQ(u.List("cboReturnAddressFormat").ListIndex(), 1);
        EXPECT_EQ(u.List("cboWithLabelHeading").ListIndex(), 1);
        EXPECT_EQ(dialog_.Preview1().FontSize(), 14);
        EXPECT_EQ(dialog_.Preview1().WithLabelHeading(), host::kFalse);

        u.Form().ChooseTab(u.Tabs(), 1);
        EXPECT_EQ(dialog_.Preview1().PreviewLayout(), ovPreviewAddressLayout);
        EXPECT_TRUE(u.Box("txtLabelBorderTop").HasFocus());
        u.Choose("cboWithLabelHeading", 0);
        EXPECT_EQ(dialog_.Preview1().WithLabelHeading(), host::kTrue);
        u.Form().ChooseTab(u.Tabs(), 0);
        EXPECT_EQ(dialog_.Preview1().PreviewLayout(), ovPreviewPageLayout);
        EXPECT_TRUE(u.Box("txtBorderTop").HasFocus());

        // A label without a stored layout shows the defaults.
        u.ChooseItem("cboLabels", "L7160 Kleine Etiketten");
        EXPECT_EQ(u.Text("txtLabelBorderLeft"), " 2 mm");
        EXPECT_EQ(u.Text("cboFontSize"), "10 pt");
      },
      true);
}

}  // namespace
}  // namespace orvano::test_support
