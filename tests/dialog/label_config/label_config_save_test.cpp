// The buttons: OK with its checks and the records it writes, the overwrite question, New, Delete,
// Cancel and the close box, and a user file that cannot be written.
#include "orvano/dialog/label_config/messages.h"
#include "support/dialog_user.h"

namespace orvano::test_support {
namespace {

class SaveTest : public LabelConfigTest {
 protected:
  // The only message shown so far, checked for its title; its text.
  std::string OnlyMessage(int flags) {
    EXPECT_EQ(platform_.Messages().size(), 1u);
    if (platform_.Messages().empty()) return "";
    const host::headless::ShownMessage m = platform_.Messages().back();
    EXPECT_EQ(m.flags, flags);
    EXPECT_EQ(m.title, label_config::kTitle);
    platform_.ClearMessages();
    return m.text;
  }
};

TEST_F(SaveTest, GridMustFitThePage) {
  Open("Benutzerdefiniert", "Mein Etikett", [&](DialogUser& u) {
    u.Enter("txtLabelWidth", "105,5");  // 2 x 105,5 on 210 mm
    u.Click("btnOK");
    EXPECT_EQ(OnlyMessage(48), label_config::kGridTooLarge);
    EXPECT_EQ(folder_.Read("ovAdrKit.usr"), kCustomLabels);
    u.Enter("txtLabelWidth", "100");  // the pitch stays at 105,5: a gap of 5,5
    u.Click("btnOK");                 // a label shown from the list is overwritten without asking
  });
  EXPECT_TRUE(dialog_.Result());
  EXPECT_EQ(Stored("ovAdrKit.usr", "Benutzerdefiniert", "Mein Etikett"),
            ";9;0;2;8;0;0;100;37;5,5;0");
}

TEST_F(SaveTest, NameMustBeGivenAndPlain) {
  Open("Benutzerdefiniert", "Zweites", [&](DialogUser& u) {
    u.Click("btnNew");
    EXPECT_EQ(u.Text("cboLabels"), "");
    u.Click("btnOK");
    EXPECT_EQ(OnlyMessage(48), label_config::kNameMissing);
    u.TypeName("a=b");
    u.Click("btnOK");
    EXPECT_EQ(OnlyMessage(48), label_config::kNameInvalid);
    EXPECT_TRUE(u.List("cboLabels").HasFocus());
  });
  EXPECT_FALSE(dialog_.Result());
}

// An edited catalog label saved under a stored custom name, once refused and once confirmed.
TEST_F(SaveTest, NewLabelUnderAStoredNameAsksFirst) {
  Open("Avery Zweckform", "L7163", [&](DialogUser& u) {
    u.Spin("BorderLeft", true);  // 4,65 + 1 rounds to 6
    u.TypeName("Mein Etikett");
    platform_.QueueAnswer(host::msgbox::kNo);
    u.Click("btnOK");
    EXPECT_EQ(OnlyMessage(292),
              "Es ist bereits ein benutzerdefiniertes Etikett mit dem Namen Mein Etikett "
              "vorhanden. Soll es überschrieben werden?");
    EXPECT_EQ(folder_.Read("ovAdrKit.usr"), kCustomLabels);
    platform_.QueueAnswer(host::msgbox::kYes);
    u.Dialog().PressEnter();
  });
  EXPECT_TRUE(dialog_.Result());
  EXPECT_EQ(dialog_.Brand(), "Benutzerdefiniert");
  EXPECT_EQ(dialog_.LabelName(), "Mein Etikett");
  EXPECT_EQ(Stored("ovAdrKit.usr", "Benutzerdefiniert", "Mein Etikett"),
            ";9;0;2;7;6;15,15;99,1;38,1;2,5;0");
}

TEST_F(SaveTest, CatalogLabelSavesOnlyItsAddressLayout) {
  Open(
      "Avery Zweckform", "L7163",
      [&](DialogUser& u) {
        u.Form().ChooseTab(u.Tabs(), 1);
        u.Enter("txtLabelBorderLeft", "3");
        // Nonsense as the font size shows 0 and is saved as 10.
        u.Enter("cboFontSize", "Unsinn");
        EXPECT_EQ(u.Text("cboFontSize"), "0 pt");
        EXPECT_EQ(u.Text("cboBrands"), " Avery Zweckform");
        u.Click("btnOK");
      },
      true);
  EXPECT_EQ(dialog_.Brand(), "Avery Zweckform");
  EXPECT_EQ(folder_.Read("ovAdrKit.usr"), kCustomLabels);
  EXPECT_NE(folder_.Read("ovAdrKit.adr").find("[Avery Zweckform]\r\nL7163=3;1;2;1;0;0;10;2; 1"),
            std::string::npos);
}

TEST_F(SaveTest, DeleteAsksAndRemovesBothRecords) {
  folder_.Write("ovAdrKit.adr", "[Benutzerdefiniert]\r\nMein Etikett=2;1;2;1;0;0;10;2; 1\r\n");
  Open("Benutzerdefiniert", "Mein Etikett", [&](DialogUser& u) {
    u.Click("btnDelete");  // the empty answer queue says No
    EXPECT_EQ(OnlyMessage(292), "Sind Sie sicher, dass Mein Etikett gelöscht werden soll?");
    EXPECT_EQ(folder_.Read("ovAdrKit.usr"), kCustomLabels);
    platform_.QueueAnswer(host::msgbox::kYes);
    u.Click("btnDelete");
    EXPECT_EQ(u.List("cboLabels").Items(), std::vector<std::string>{"Zweites"});
  });
  EXPECT_EQ(Stored("ovAdrKit.usr", "Benutzerdefiniert", "Mein Etikett"), "");
  EXPECT_EQ(Stored("ovAdrKit.adr", "Benutzerdefiniert", "Mein Etikett"), "");
}

TEST_F(SaveTest, EscapeAndTheCloseBoxWriteNothing) {
  for (bool closeBox : {false, true}) {
    Open(
        "Avery Zweckform", "L7163",
        [&](DialogUser& u) {
          u.Enter("txtBorderTop", "20");
          u.TypeName("Verworfen");
          closeBox ? u.Dialog().CloseBox() : u.Dialog().PressEscape();
          EXPECT_FALSE(u.Dialog().IsShown());
        },
        true);
    EXPECT_FALSE(dialog_.Result());
  }
  EXPECT_EQ(folder_.Read("ovAdrKit.usr"), kCustomLabels);
  EXPECT_EQ(folder_.Read("ovAdrKit.adr"), "");
}

// The custom label is written first: when its address layout then fails, the stored label is
// put back and the dialog stays open naming the file.
TEST_F(SaveTest, UnwritableAddressLayoutUndoesTheCustomLabel) {
  std::filesystem::create_directory(folder_.Path() + "/ovAdrKit.adr");
  Open(
      "Avery Zweckform", "L7163",
      [&](DialogUser& u) {
        u.TypeName("Mein Etikett");
        platform_.QueueAnswer(host::msgbox::kYes);  // overwrite the stored one
        u.Click("btnOK");
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
