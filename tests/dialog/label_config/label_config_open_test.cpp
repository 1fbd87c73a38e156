// Opening the dialog: its widgets, the catalog lists and the cascade of selections, the tab strip,
// and the change to the custom brand that a new page format or a typed name makes.
#include <tuple>

#include "support/dialog_user.h"

namespace orvano::test_support {
namespace {

using Items = std::vector<std::string>;

TEST_F(LabelConfigTest, WidgetsCarryTheirCaptionsAccessKeysAndItems) {
  Open(
      "Avery Zweckform", "L7163",
      [](DialogUser& u) {
        // Name, caption, and the tab it sits on (-1: above the tabs).
        const std::tuple<const char*, const char*, int> captions[] = {
            {"lblBrands", "Etiketten&marke:", -1},
            {"lblLabels", "Etiketten&name:", -1},
            {"lblFormat", "Seiten&format:", 0},
            {"lblBorderTop", "&Oberer Rand:", 0},
            {"lblBorderLeft", "&Linker Rand:", 0},
            {"lblSpaceVertical", "&Vertikalabstand:", 0},
            {"lblSpaceHorizontal", "Ho&rizontalabstand:", 0},
            {"lblLabelHeight", "Etiketten&höhe:", 0},
            {"lblLabelWidth", "Etiketten&breite:", 0},
            {"lblCols", "Etiketten je &Zeile:", 0},
            {"lblRows", "Etiketten je &Spalte:", 0},
            {"lblLabelBorderTop", "&Oberer Rand:", 1},
            {"lblLabelBorderBottom", "&Unterer Rand:", 1},
            {"lblLabelBorderLeft", "&Linker Rand:", 1},
            {"lblLabelBorderRight", "&Rechter Rand:", 1},
            {"lblLabelHeadingSpace", "Abstand vor Versandanweisung::", 1},
            {"lblAddressSpace", "Abstand vor Adresse:", 1},
            {"lblFontSize", "&Schriftgrad:", 1},
            {"lblReturnAddressFormat", "Absenderzeile:", 1},
            {"lblWithLabelHeading", "Versandanweisung:", 1}};
        auto& strip = dynamic_cast<host::headless::HeadlessTabStrip&>(u.Tabs());
        for (const auto& [name, caption, tab] : captions) {
          EXPECT_EQ(u.Form().Get<host::Label>(name).Caption(), caption) << name;
          EXPECT_EQ(tab < 0 ? tab : strip.TabOf(*u.Form().Find(name)), tab) << name;
        }
        EXPECT_EQ(u.Tabs().TabCaption(0), "Sei&tenlayout");
        EXPECT_EQ(u.Tabs().TabCaption(1), "A&dresslayout");
        EXPECT_EQ(u.Dialog().Caption(), "Etiketteneinstellungen");

        // One row of buttons, from the left; Enter presses OK, Escape Abbrechen.
        float left = -1;
        for (const auto& [name, caption] :
             std::vector<std::pair<std::string, std::string>>{{"btnNew", "Neues &Etikett"},
                                                              {"btnDelete", "Löschen"},
                                                              {"btnOK", "OK"},
                                                              {"btnCancel", "Abbrechen"}}) {
          auto& b = u.Form().Get<host::headless::HeadlessButton>(name);
          EXPECT_EQ(b.Caption(), caption);
          EXPECT_EQ(b.Top(), u.Button("btnOK").Top());
          EXPECT_GT(b.Left(), left);
          left = b.Left() + b.Width();
          EXPECT_EQ(b.IsDefault(), name == "btnOK");
          EXPECT_EQ(b.IsCancel(), name == "btnCancel");
        }
        EXPECT_FALSE(u.Button("btnDelete").Enabled());

        EXPECT_EQ(u.List("cboFormat").Items(),
                  (Items{" A4 (210 x 297 mm)", " A4 Querformat (297 x 210 mm)",
                         " A5 (148 x 210 mm)", " A5 Querformat (210 x 148 mm)"}));
        const std::int32_t data[] = {9, -9, 11, -11};
        for (std::int32_t i = 0; i < 4; ++i) EXPECT_EQ(u.List("cboFormat").ItemData(i), data[i]);
        EXPECT_EQ(u.List("cboFontSize").Items(),
                  (Items{"8 pt", "9 pt", "10 pt", "11 pt", "12 pt", "14 pt", "16 pt", "18 pt",
                         "20 pt", "22 pt", "24 pt", "26 pt", "28 pt", "36 pt", "48 pt", "72 pt"}));
        EXPECT_EQ(u.List("cboReturnAddressFormat").Items(),
                  (Items{" ohne", " 1-zeilig", " 2-zeilig"}));
        EXPECT_EQ(u.List("cboWithLabelHeading").Items(), (Items{" Ja", " Nein"}));
        EXPECT_EQ(u.List("cboBrands").Items(),
                  (Items{" Avery Zweckform", " Herma", " Benutzerdefiniert"}));
      },
      true);
}

TEST_F(LabelConfigTest, OpensOnTheCallersLabelWithPitchesInItsFields) {
  Open("avery zweckform", "l7160", [&](DialogUser& u) {
    EXPECT_EQ(u.Text("cboBrands"), " Avery Zweckform");
    EXPECT_EQ(u.List("cboLabels").Items(),
              (Items{"L7163 Adressetiketten", "L7160 Kleine Etiketten"}));
    EXPECT_EQ(u.List("cboLabels").ListIndex(), 1);
    // The pitch, 66 mm, is width 63,5 plus gap 2,5.
    for (const auto& [field, shown] : {std::pair{"txtBorderLeft", " 7,2 mm"},
                                       {"txtBorderTop", " 15,15 mm"},
                                       {"txtSpaceHorizontal", " 66 mm"},
                                       {"txtLabelWidth", " 63,5 mm"},
                                       {"txtSpaceVertical", " 38,1 mm"},
                                       {"txtCols", " 3"},
                                       {"txtRows", " 7"}})
      EXPECT_EQ(u.Text(field), shown) << field;
    EXPECT_EQ(u.List("cboFormat").ListIndex(), 0);
    EXPECT_EQ(dialog_.Preview1().SpaceHorizontal(), 66);
    EXPECT_EQ(dialog_.Preview1().Cols(), 3);
    EXPECT_TRUE(u.Form().Find("Preview1")->Visible());
    EXPECT_FALSE(dialog_.Result());
  });
  EXPECT_EQ(
      platform_.PointerHistory(),
      (std::vector<host::MousePointer>{host::MousePointer::Busy, host::MousePointer::Default}));
  EXPECT_FALSE(dialog_.Result());  // closed by the close box
  EXPECT_EQ(dialog_.LabelName(), "l7160");
}

TEST_F(LabelConfigTest, UnknownBrandOrLabelFallsBackToTheFirstAndTheFormatIsShown) {
  dialog_.SetDataFolder("  ");  // blank: the user's files lie in the component's folder
  const struct {
    const char *brand, *name, *shownBrand, *shownLabel;
    bool canDelete;
    std::int32_t format;  // A5 landscape is the fourth
    const char* width;
  } rows[] = {
      {"Unbekannt", "L7160", " Avery Zweckform", "L7160 Kleine Etiketten", false, 0, " 63,5 mm"},
      {"Herma", "gibt es nicht", " Herma", "4360 Postkarten", false, 3, " 90 mm"},
      {" BENUTZERDEFINIERT ", "zweites", " Benutzerdefiniert", "Zweites", true, 0, " 100 mm"},
  };
  for (const auto& row : rows) {
    Open(row.brand, row.name, [&](DialogUser& u) {
      EXPECT_EQ(u.Text("cboBrands"), row.shownBrand);
      EXPECT_EQ(u.Text("cboLabels"), row.shownLabel);
      EXPECT_EQ(u.Button("btnDelete").Enabled(), row.canDelete);
      EXPECT_EQ(u.List("cboFormat").ListIndex(), row.format);
      EXPECT_EQ(u.Text("txtLabelWidth"), row.width);
    });
  }
  EXPECT_EQ(dialog_.DataFolder(), folder_.Path());
  Open("Unbekannt", "L7160", [](DialogUser& u) {
    // Another brand preselects its first label, and coming back the name opened with.
    u.ChooseItem("cboBrands", " Herma");
    EXPECT_EQ(u.Text("cboLabels"), "4360 Postkarten");
    EXPECT_EQ(u.List("cboLabels").Items(), (Items{"4360 Postkarten", "4200"}));
    u.ChooseItem("cboBrands", " Avery Zweckform");
    EXPECT_EQ(u.Text("cboLabels"), "L7160 Kleine Etiketten");
  });
}

TEST_F(LabelConfigTest, AChosenFormatMakesACustomLabel) {
  Open("Herma", "4360", [](DialogUser& u) {
    u.ChooseItem("cboFormat", " A5 (148 x 210 mm)");
    EXPECT_EQ(u.Text("cboBrands"), " Benutzerdefiniert");
    EXPECT_EQ(u.Text("cboLabels"), "");
    EXPECT_EQ(u.List("cboLabels").Items(), (Items{"Mein Etikett", "Zweites"}));  // none chosen
    EXPECT_FALSE(u.Button("btnDelete").Enabled());
    EXPECT_EQ(u.Text("txtLabelWidth"), " 90 mm");  // the fields keep the catalog's values
    EXPECT_EQ(u.Text("txtSpaceVertical"), " 62 mm");
  });
}

TEST_F(LabelConfigTest, TypingANameTurnsTheLabelIntoANewCustomOne) {
  Open("Avery Zweckform", "L7163", [](DialogUser& u) {
    u.TypeName("Neu");
    EXPECT_EQ(u.Text("cboBrands"), " Benutzerdefiniert");
    EXPECT_EQ(u.Text("cboLabels"), "Neu");
    EXPECT_EQ(u.List("cboLabels").SelStart(), 3);
    EXPECT_EQ(u.Text("txtBorderLeft"), " 4,65 mm");
    // Focusing the list selects its whole text, so typing replaces it.
    u.Form().Focus(u.Box("txtBorderTop"));
    u.Form().Focus(u.List("cboLabels"));
    EXPECT_EQ(u.List("cboLabels").SelLength(), 3);
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
        u.Choose("cboReturnAddressFormat", 0);
        EXPECT_EQ(dialog_.Preview1().ReturnAddressFormat(), ovReturnAddressNone);
        u.Form().ChooseTab(u.Tabs(), 0);
        EXPECT_EQ(dialog_.Preview1().PreviewLayout(), ovPreviewPageLayout);
        EXPECT_TRUE(u.Box("txtBorderTop").HasFocus());

        // A label without a stored layout shows the defaults.
        u.ChooseItem("cboLabels", "L7160 Kleine Etiketten");
        for (const auto& [field, shown] : {std::pair{"txtLabelBorderLeft", " 2 mm"},
                                           {"txtLabelBorderBottom", " 1 mm"},
                                           {"cboFontSize", "10 pt"},
                                           {"cboReturnAddressFormat", " 2-zeilig"},
                                           {"cboWithLabelHeading", " Ja"}})
          EXPECT_EQ(u.Text(field), shown) << field;
      },
      true);
}

}  // namespace
}  // namespace orvano::test_support
