// The buttons: OK with its checks and the records it writes, the overwrite question, New, Delete
// (kept after Cancel), Cancel and the close box, and a user file that cannot be written.
#include "orvano/dialog/label_config/messages.h"
#include "support/dialog_user.h"

namespace orvano::test_support {
namespace {

using label_config::kTitle;

class SaveTest : public LabelConfigTest {
 protected:
  // The only message shown so far, checked for its title; its text.
  std::string OnlyMessage(int flags) {
    EXPECT_EQ(platform_.Messages().size(), 1u);
    if (platform_.Messages().empty()) return "";
    const host::headless::ShownMessage m = platform_.Messages().back();
    EXPECT_EQ(m.flags, flags);
    EXPECT_EQ(m.title, kTitle);
    platform_.ClearMessages();
    return m.text;
  }
};

TEST_F(SaveTest, EditedCatalogLabelIsSavedAsACustomOne) {
  Open("Avery Zweckform", "L7163", [&](DialogUser& u) {
    u.Spin("BorderLeft", true);  // 4,65 + 1 rounds to 6
    u.TypeName("Meine Adressen");
    u.Click("btnOK");
  });
  EXPECT_TRUE(dialog_.Result());
  EXPECT_EQ(dialog_.Brand(), "Benutzerdefiniert");
  EXPECT_EQ(dialog_.LabelName(), "Meine Adressen");
  EXPECT_EQ(Stored("ovAdrKit.usr", "Benutzerdefiniert", "Meine Adressen"),
            ";9;0;2;7;6;15,15;99,1;38,1;2,5;0");
}

TEST_F(SaveTest, GridMustFitThePage) {
  Open("Benutzerdefiniert", "Mein Etikett", [&](DialogUser& u) {
    u.Enter("txtLabelWidth", "105,5");  // 2 x 105,5 on 210 mm
    u.Click("btnOK");
    EXPECT_EQ(OnlyMessage(48), label_config::kGridTooLarge);
    EXPECT_TRUE(u.Dialog().IsShown());
    EXPECT_EQ(folder_.Read("ovAdrKit.usr"), kCustomLabels);

    // A5 is 148 mm wide here, not 148,5.
    u.ChooseItem("cboFormat", " A5 (148 x 210 mm)");
    for (const auto& [field, value] :
         std::vector<std::pair<std::string, std::string>>{{"txtCols", "1"},
                                                          {"txtRows", "1"},
                                                          {"txtBorderLeft", "0"},
                                                          {"txtSpaceHorizontal", "148,2"},
                                                          {"txtLabelWidth", "148,2"}})
      u.Enter(field, value);
    u.Click("btnOK");
    EXPECT_EQ(OnlyMessage(48), label_config::kGridTooLarge);
    u.Enter("txtSpaceHorizontal", "148");
    u.Click("btnOK");  // a label shown from the list is overwritten without asking
  });
  EXPECT_TRUE(dialog_.Result());
  EXPECT_EQ(Stored("ovAdrKit.usr", "Benutzerdefiniert", "Mein Etikett"),
            ";11;0;1;1;0;0;148;37;0;0");
}

TEST_F(SaveTest, NameMustBeGivenShortAndPlain) {
  Open("Benutzerdefiniert", "Zweites", [&](DialogUser& u) {
    u.Click("btnNew");
    EXPECT_EQ(u.Text("cboLabels"), "");
    EXPECT_TRUE(u.List("cboLabels").HasFocus());
    u.Click("btnOK");
    EXPECT_EQ(OnlyMessage(48), label_config::kNameMissing);
    u.TypeName(std::string(51, 'x'));
    u.Click("btnOK");
    EXPECT_EQ(OnlyMessage(48), label_config::kNameInvalid);
    EXPECT_TRUE(u.List("cboLabels").HasFocus());
    u.TypeName(std::string(50, 'x'));
    u.Click("btnOK");
  });
  EXPECT_TRUE(dialog_.Result());
  EXPECT_EQ(dialog_.LabelName(), std::string(50, 'x'));
}

TEST_F(SaveTest, NewLabelUnderAStoredNameAsksFirst) {
  Open("Avery Zweckform", "L7163", [&](DialogUser& u) {
    u.TypeName("Mein Etikett");
    platform_.QueueAnswer(host::msgbox::kNo);
    u.Click("btnOK");
    EXPECT_EQ(OnlyMessage(292),
              "Es ist bereits ein benutzerdefiniertes Etikett mit dem Namen Mein Etikett "
              "vorhanden. Soll es überschrieben werden?");
    EXPECT_TRUE(u.List("cboLabels").HasFocus());
    EXPECT_EQ(folder_.Read("ovAdrKit.usr"), kCustomLabels);
    platform_.QueueAnswer(host::msgbox::kYes);
    u.Click("btnOK");
  });
  EXPECT_TRUE(dialog_.Result());
  EXPECT_EQ(Stored("ovAdrKit.usr", "Benutzerdefiniert", "Mein Etikett"),
            ";9;0;2;7;4,65;15,15;99,1;38,1;2,5;0");
}

TEST_F(SaveTest, CatalogLabelSavesOnlyItsAddressLayout) {
  Open(
      "Avery Zweckform", "L7163",
      [&](DialogUser& u) {
        u.Form().ChooseTab(u.Tabs(), 1);
        u.Enter("txtLabelBorderLeft", "3");
        EXPECT_EQ(u.Text("txtLabelBorderLeft"), " 3 mm");
        EXPECT_EQ(dialog_.Preview1().LabelBorderLeft(), 3);
        // The font size is a whole number of points, without limits; nonsense is saved as 10.
        for (const auto& [typed, shown] :
             {std::pair{"11", "11 pt"}, {"10,7 pt", "10 pt"}, {"Unsinn", "0 pt"}}) {
          u.Enter("cboFontSize", typed);
          EXPECT_EQ(u.Text("cboFontSize"), shown);
        }
        EXPECT_EQ(u.Text("cboBrands"), " Avery Zweckform");
        u.Click("btnOK");
      },
      true);
  EXPECT_EQ(dialog_.Brand(), "Avery Zweckform");
  EXPECT_EQ(folder_.Read("ovAdrKit.usr"), kCustomLabels);
  EXPECT_NE(folder_.Read("ovAdrKit.adr").find("[Avery Zweckform]\r\nL7163=3;1;2;1;0;0;10;2; 1"),
            std::string::npos);
}

TEST_F(SaveTest, DeleteAsksRemovesBothRecordsAndEmptiesTheList) {
  folder_.Write("ovAdrKit.adr", "[Benutzerdefiniert]\r\nMein Etikett=2;1;2;1;0;0;10;2; 1\r\n");
  Open("Benutzerdefiniert", "Mein Etikett", [&](DialogUser& u) {
    u.Click("btnDelete");  // the empty answer queue says No
    EXPECT_EQ(OnlyMessage(292), "Sind Sie sicher, dass Mein Etikett gelöscht werden soll?");
    EXPECT_EQ(folder_.Read("ovAdrKit.usr"), kCustomLabels);

    platform_.QueueAnswer(host::msgbox::kYes);
    u.Click("btnDelete");
    EXPECT_EQ(u.List("cboLabels").Items(), std::vector<std::string>{"Zweites"});
    platform_.QueueAnswer(host::msgbox::kYes);
    u.Click("btnDelete");
    EXPECT_EQ(u.List("cboLabels").ListCount(), 0);
    EXPECT_FALSE(u.Button("btnDelete").Enabled());
    u.Dialog().PressEscape();
  });
  EXPECT_FALSE(dialog_.Result());
  EXPECT_EQ(Stored("ovAdrKit.usr", "Benutzerdefiniert", "Zweites"), "");
  EXPECT_EQ(Stored("ovAdrKit.adr", "Benutzerdefiniert", "Mein Etikett"), "");
}

TEST_F(SaveTest, CancelAndTheCloseBoxWriteNothing) {
  for (bool closeBox : {false, true}) {
    Open(
        "Avery Zweckform", "L7163",
        [&](DialogUser& u) {
          u.Enter("txtBorderTop", "20");
          u.TypeName("Verworfen");
          if (closeBox)
            u.Dialog().CloseBox();
          else
            u.Click("btnCancel");
          EXPECT_FALSE(u.Dialog().IsShown());
        },
        true);
    EXPECT_FALSE(dialog_.Result());
  }
  EXPECT_EQ(folder_.Read("ovAdrKit.usr"), kCustomLabels);
  EXPECT_EQ(folder_.Read("ovAdrKit.adr"), "");
}

TEST_F(SaveTest, UnwritableUserFileKeepsTheDialogOpenAndSaysSo) {
  // A folder below a plain file cannot be created or written, not even by root.
  folder_.Write("blocker", "");
  const std::string dataFolder = folder_.Path() + "/blocker/data";
  dialog_.SetDataFolder(dataFolder);
  Open("Benutzerdefiniert", "", [&](DialogUser& u) {
    u.TypeName("Neu");
    u.Click("btnOK");
    EXPECT_NE(OnlyMessage(48).find(dataFolder + "/ovAdrKit.usr"), std::string::npos);
    EXPECT_TRUE(u.Dialog().IsShown());
    EXPECT_EQ(u.Text("cboLabels"), "Neu");
  });
  EXPECT_FALSE(dialog_.Result());
}

TEST_F(SaveTest, UnwritableAddressLayoutUndoesTheCustomLabel) {
  std::filesystem::create_directory(folder_.Path() + "/ovAdrKit.adr");
  Open(
      "Avery Zweckform", "L7163",
      [&](DialogUser& u) {
        u.TypeName("Mein Etikett");
        platform_.QueueAnswer(host::msgbox::kYes);  // overwrite the stored one
        u.Click("btnOK");
        EXPECT_EQ(platform_.Messages().back().flags, 48);
        EXPECT_NE(platform_.Messages().back().text.find(folder_.Path() + "/ovAdrKit.adr"),
                  std::string::npos);
        EXPECT_TRUE(u.Dialog().IsShown());
      },
      true);
  EXPECT_FALSE(dialog_.Result());
  EXPECT_EQ(folder_.Read("ovAdrKit.usr"), kCustomLabels);
}

}  // namespace
}  // namespace orvano::test_support
