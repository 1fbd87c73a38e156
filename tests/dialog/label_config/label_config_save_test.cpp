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

TEST_F(SaveTest, EditedCatalogLabelIsSavedAndLaterDeletedForGood) {
  Open("Avery Zweckform", "L7163", [&](DialogUser& u) {
    u.Spin("BorderLeft", true);  // 4,65 + 1 rounds to 6
    EXPECT_EQ(u.Text("cboBrands"), " Benutzerdefiniert");
    u.TypeName("Meine Adressen");
    u.Click("btnOK");
    EXPECT_FALSE(u.Dialog().IsShown());
  });
  EXPECT_TRUE(dialog_.Result());
  EXPECT_EQ(dialog_.Brand(), "Benutzerdefiniert");
  EXPECT_EQ(dialog_.LabelName(), "Meine Adressen");
  EXPECT_EQ(Stored("ovAdrKit.usr", "Benutzerdefiniert", "Meine Adressen"),
            ";9;0;2;7;6;15,15;99,1;38,1;2,5;0");

  frmLabelConfig again(platform_);
  again.SetDataFolder(folder_.Path());
  Open(again, "Benutzerdefiniert", "Meine Adressen", [&](DialogUser& u) {
    EXPECT_EQ(u.Text("cboLabels"), "Meine Adressen");
    platform_.QueueAnswer(host::msgbox::kYes);
    u.Click("btnDelete");
    u.Click("btnCancel");
  });
  EXPECT_FALSE(again.Result());
  EXPECT_EQ(Stored("ovAdrKit.usr", "Benutzerdefiniert", "Meine Adressen"), "");
}

TEST_F(SaveTest, CustomRecordCarriesGapsNotPitches) {
  Open("Avery Zweckform", "L7160", [&](DialogUser& u) {
    u.Enter("txtBorderLeft", "7,5");
    u.TypeName("Drei mal sieben");
    u.Click("btnOK");
  });
  EXPECT_EQ(Stored("ovAdrKit.usr", "Benutzerdefiniert", "Drei mal sieben"),
            ";9;0;3;7;7,5;15,15;63,5;38,1;2,5;0");
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
    EXPECT_FALSE(u.Button("btnDelete").Enabled());
    EXPECT_EQ(u.Text("txtLabelWidth"), " 100 mm");
    u.Click("btnOK");
    EXPECT_EQ(OnlyMessage(48), label_config::kNameMissing);
    const std::vector<std::string> refused = {"Müller & Co", "Test=1", std::string(51, 'x')};
    for (const std::string& name : refused) {
      u.TypeName(name);
      u.Click("btnOK");
      EXPECT_EQ(OnlyMessage(48), label_config::kNameInvalid) << name;
      EXPECT_TRUE(u.List("cboLabels").HasFocus());
    }
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
    EXPECT_TRUE(u.Dialog().IsShown());
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
        u.Form().Type(u.List("cboFontSize"), "Unsinn");  // shown as 0 pt, saved as 10
        u.Click("btnOK");
      },
      true);
  EXPECT_TRUE(dialog_.Result());
  EXPECT_EQ(dialog_.Brand(), "Avery Zweckform");
  EXPECT_EQ(dialog_.LabelName(), "L7163");
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
    EXPECT_TRUE(u.Button("btnDelete").Enabled());
    platform_.QueueAnswer(host::msgbox::kYes);
    u.Click("btnDelete");
    EXPECT_EQ(u.List("cboLabels").ListCount(), 0);
    EXPECT_FALSE(u.Button("btnDelete").Enabled());
    EXPECT_EQ(u.Text("txtLabelWidth"), " 100 mm");  // the values last shown stay
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
    const std::string text = OnlyMessage(48);
    EXPECT_NE(text.find("konnte nicht gespeichert werden"), std::string::npos);
    EXPECT_NE(text.find(dataFolder + "/ovAdrKit.usr"), std::string::npos);
    EXPECT_TRUE(u.Dialog().IsShown());
    EXPECT_EQ(u.Text("cboLabels"), "Neu");
  });
  EXPECT_FALSE(dialog_.Result());
  EXPECT_EQ(dialog_.LabelName(), "");
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
