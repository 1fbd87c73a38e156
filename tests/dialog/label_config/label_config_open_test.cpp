// Opening the dialog: the catalog lists and the cascade of selections, and the address tab.
#include "support/dialog_user.h"

namespace orvano::test_support {
namespace {

using Items = std::vector<std::string>;

TEST_F(LabelConfigTest, OpensOnTheCallersLabelOrFallsBackToTheFirstWithPitchesInItsFields) {
  dialog_.SetDataFolder("  ");  // blank: the user's files lie in the component's folder
  const struct {
    const char *brand, *name, *shownBrand, *shownLabel;
    bool canDelete;
    std::int32_t format;  // A5 landscape is the fourth
    const char* pitch;    // label width plus gap
  } rows[] = {
      {"avery zweckform", "l7160", " Avery Zweckform", "L7160 Kleine Etiketten", false, 0,
       " 66 mm"},
      {"Unbekannt", "L7160", " Avery Zweckform", "L7160 Kleine Etiketten", false, 0, " 66 mm"},
      {"Herma", "gibt es nicht", " Herma", "4360 Postkarten", false, 3, " 95 mm"},
      {" BENUTZERDEFINIERT ", "zweites", " Benutzerdefiniert", "Zweites", true, 0, " 100 mm"},
  };
  for (const auto& row : rows) {
    Open(row.brand, row.name, [&](DialogUser& u) {
      EXPECT_EQ(u.Text("cboBrands"), row.shownBrand);
      EXPECT_EQ(u.Text("cboLabels"), row.shownLabel);
      EXPECT_EQ(u.Button("btnDelete").Enabled(), row.canDelete);
      EXPECT_EQ(u.List("cboFormat").ListIndex(), row.format);
      EXPECT_EQ(u.Text("txtSpaceHorizontal"), row.pitch);
    });
  }
  // Busy while the catalog loads; closed by the close box, the caller's name stays.
  EXPECT_EQ(platform_.PointerHistory().front(), host::MousePointer::Busy);
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
  });
  EXPECT_TRUE(platform_.Messages().empty());
}

TEST_F(LabelConfigTest, AddressTabOnlyForAddressLabels) {
  folder_.Write("ovAdrKit.adr", "[Avery Zweckform]\r\nL7163=3;4;5;6;1,5;2;14;1; 0\r\n");
  Open("Avery Zweckform", "L7163", [](DialogUser& u) {
    u.Form().ChooseTab(u.Tabs(), 1);
    EXPECT_EQ(u.Tabs().Tab(), 0);
    EXPECT_EQ(u.Text("txtLabelBorderLeft"), "");  // no address layout was read
  });
  Open(
      "Avery Zweckform", "L7163",
      [&](DialogUser& u) {
        EXPECT_EQ(u.Form().Get<host::Label>("lblBorderTop").Caption(), "&Oberer Rand:");
        EXPECT_EQ(u.List("cboBrands").Items(),
                  (Items{" Avery Zweckform", " Herma", " Benutzerdefiniert"}));
        EXPECT_EQ(u.Text("txtLabelBorderBottom"), " 6 mm");
        EXPECT_EQ(u.Text("cboFontSize"), "14 pt");
        EXPECT_EQ(dialog_.Preview1().WithLabelHeading(), host::kFalse);

        u.Form().ChooseTab(u.Tabs(), 1);
        EXPECT_EQ(dialog_.Preview1().PreviewLayout(), ovPreviewAddressLayout);
        EXPECT_TRUE(u.Box("txtLabelBorderTop").HasFocus());

        // A label without a stored layout shows the defaults.
        u.ChooseItem("cboLabels", "L7160 Kleine Etiketten");
        EXPECT_EQ(u.Text("txtLabelBorderLeft"), " 2 mm");
      },
      true);
}

}  // namespace
}  // namespace orvano::test_support
