// Opening the dialog: its widgets, the catalog lists and the cascade of selections, the tab strip,
// and the change to the custom brand that a new page format or a typed name makes.
#include "dialog_fixture.h"

namespace orvano::testing {
namespace {

using Items = std::vector<std::string>;

TEST_F(LabelConfigTest, WidgetsCarryTheirCaptionsAccessKeysAndItems) {
  Open(
      "Avery Zweckform", "L7163",
      [](DialogUser& u) {
        const std::vector<std::pair<std::string, std::string>> captions = {
            {"lblBrands", "Etiketten&marke:"},
            {"lblLabels", "Etiketten&name:"},
            {"lblFormat", "Seiten&format:"},
            {"lblBorderTop", "&Oberer Rand:"},
            {"lblBorderLeft", "&Linker Rand:"},
            {"lblSpaceVertical", "&Vertikalabstand:"},
            {"lblSpaceHorizontal", "Ho&rizontalabstand:"},
            {"lblLabelHeight", "Etiketten&höhe:"},
            {"lblLabelWidth", "Etiketten&breite:"},
            {"lblCols", "Etiketten je &Zeile:"},
            {"lblRows", "Etiketten je &Spalte:"},
            {"lblLabelBorderTop", "&Oberer Rand:"},
            {"lblLabelBorderBottom", "&Unterer Rand:"},
            {"lblLabelBorderLeft", "&Linker Rand:"},
            {"lblLabelBorderRight", "&Rechter Rand:"},
            {"lblLabelHeadingSpace", "Abstand vor Versandanweisung::"},
            {"lblAddressSpace", "Abstand vor Adresse:"},
            {"lblFontSize", "&Schriftgrad:"},
            {"lblReturnAddressFormat", "Absenderzeile:"},
            {"lblWithLabelHeading", "Versandanweisung:"}};
        auto& strip = dynamic_cast<host::headless::HeadlessTabStrip&>(u.Tabs());
        for (const auto& [name, caption] : captions) {
          EXPECT_EQ(u.Form().Get<host::Label>(name).Caption(), caption) << name;
          const bool addressTab = name.starts_with("lblLabelB") || name == "lblLabelHeadingSpace" ||
                                  name == "lblAddressSpace" || name == "lblFontSize" ||
                                  name == "lblReturnAddressFormat" || name == "lblWithLabelHeading";
          if (name != "lblBrands" && name != "lblLabels") {
            EXPECT_EQ(strip.TabOf(*u.Form().Find(name)), addressTab ? 1 : 0) << name;
          }
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
    EXPECT_EQ(u.Text("txtBorderLeft"), " 7,2 mm");
    EXPECT_EQ(u.Text("txtBorderTop"), " 15,15 mm");
    EXPECT_EQ(u.Text("txtSpaceHorizontal"), " 66 mm");  // width 63,5 plus gap 2,5
    EXPECT_EQ(u.Text("txtLabelWidth"), " 63,5 mm");
    EXPECT_EQ(u.Text("txtSpaceVertical"), " 38,1 mm");
    EXPECT_EQ(u.Text("txtCols"), " 3");
    EXPECT_EQ(u.Text("txtRows"), " 7");
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

TEST_F(LabelConfigTest, UnknownBrandOrLabelFallsBackToTheFirst) {
  Open("Unbekannt", "L7160", [](DialogUser& u) {
    EXPECT_EQ(u.Text("cboBrands"), " Avery Zweckform");
    EXPECT_EQ(u.Text("cboLabels"), "L7160 Kleine Etiketten");
    // Another brand preselects its first label, and coming back the name opened with.
    u.ChooseItem("cboBrands", " Herma");
    EXPECT_EQ(u.Text("cboLabels"), "4360 Postkarten");
    EXPECT_EQ(u.List("cboLabels").Items(), (Items{"4360 Postkarten", "4200"}));
    u.ChooseItem("cboBrands", " Avery Zweckform");
    EXPECT_EQ(u.Text("cboLabels"), "L7160 Kleine Etiketten");
  });
  Open("Herma", "gibt es nicht",
       [](DialogUser& u) { EXPECT_EQ(u.Text("cboLabels"), "4360 Postkarten"); });
}

TEST_F(LabelConfigTest, CustomLabelOpensWithDeleteEnabled) {
  dialog_.SetDataFolder("  ");  // blank: the user's files lie in the component's folder
  Open(" BENUTZERDEFINIERT ", "zweites", [](DialogUser& u) {
    EXPECT_EQ(u.Text("cboBrands"), " Benutzerdefiniert");
    EXPECT_EQ(u.List("cboLabels").Items(), (Items{"Mein Etikett", "Zweites"}));
    EXPECT_EQ(u.Text("cboLabels"), "Zweites");
    EXPECT_TRUE(u.Button("btnDelete").Enabled());
    EXPECT_EQ(u.Text("txtLabelWidth"), " 100 mm");
  });
  EXPECT_EQ(dialog_.DataFolder(), folder_.Path());
}

TEST_F(LabelConfigTest, FormatOfTheLabelIsShownAndAChosenOneMakesACustomLabel) {
  Open("Herma", "4360", [](DialogUser& u) {
    EXPECT_EQ(u.List("cboFormat").ListIndex(), 3);  // A5 landscape
    EXPECT_EQ(u.Text("cboBrands"), " Herma");
    u.ChooseItem("cboFormat", " A5 (148 x 210 mm)");
    EXPECT_EQ(u.Text("cboBrands"), " Benutzerdefiniert");
    EXPECT_EQ(u.Text("cboLabels"), "");
    EXPECT_EQ(u.List("cboLabels").ListCount(), 2);  // the custom labels, none selected
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
        EXPECT_EQ(u.Text("txtLabelBorderLeft"), " 3 mm");
        EXPECT_EQ(u.Text("txtLabelBorderTop"), " 4 mm");
        EXPECT_EQ(u.Text("txtLabelBorderRight"), " 5 mm");
        EXPECT_EQ(u.Text("txtLabelBorderBottom"), " 6 mm");
        EXPECT_EQ(u.Text("txtLabelHeadingSpace"), " 1,5 mm");
        EXPECT_EQ(u.Text("cboFontSize"), "14 pt");
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
        EXPECT_EQ(u.Text("txtLabelBorderLeft"), " 2 mm");
        EXPECT_EQ(u.Text("txtLabelBorderBottom"), " 1 mm");
        EXPECT_EQ(u.Text("cboFontSize"), "10 pt");
        EXPECT_EQ(u.Text("cboReturnAddressFormat"), " 2-zeilig");
        EXPECT_EQ(u.Text("cboWithLabelHeading"), " Ja");
      },
      true);
}

}  // namespace
}  // namespace orvano::testing
