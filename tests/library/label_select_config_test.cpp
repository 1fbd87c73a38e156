// ShowConfig and the name caption with the real settings dialog on the headless host.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "orvano/controls/label_select/label_select.h"
#include "orvano/host/headless/headless_widgets.h"
#include "orvano/library/orvano.h"
#include "support/control_fixture.h"

namespace orvano {
namespace {

// Before any control exists: each takes the default runner when it is created.
[[maybe_unused]] const bool kSettingsDialogWired = (UseSettingsDialog(), true);

class LabelSelectConfigTest : public ::testing::Test {
 protected:
  LabelSelectConfigTest() {
    folder_.WriteDef(
        "[Avery]\r\n"
        "L7163=Adressetiketten;9;0;2;7;4,65;15,15;99,1;38,1;2,5;0\r\n"
        "L7160=Kleiner;9;0;3;7;7,2;15,15;63,5;38,1;2,5;0\r\n");
    Control().SetDataFolder(folder_.Path());
    Control().SetBrand("Avery");
    Control().SetLabelName("L7163");
    Control().OnLabelChanged([this](const std::string& brand, std::string& name) {
      changed_.push_back(brand + "/" + name);
    });
  }
  // Plays the user in the next dialog shown.
  void User(std::function<void(host::headless::HeadlessDialog&)> play) {
    platform_.QueueUser(std::move(play));
  }
  static host::headless::HeadlessComboBox& List(host::headless::HeadlessDialog& d,
                                                const std::string& name) {
    return d.Form().Get<host::headless::HeadlessComboBox>(name);
  }
  LabelSelect& Control() { return *select_; }
  host::headless::HeadlessContainer& Site() { return select_.site; }
  host::Label& Caption() { return Site().Get<host::Label>("txtLabelName"); }

  test_support::CatalogFolder folder_;
  host::headless::HeadlessPlatform platform_{15, 15};
  test_support::Hosted<LabelSelect> select_{platform_};
  std::vector<std::string> changed_;
};

TEST_F(LabelSelectConfigTest, CaptionClickOpensTheDialogOnTheCurrentLabel) {
  User([](host::headless::HeadlessDialog& d) {
    EXPECT_EQ(List(d, "cboBrands").Text(), " Avery");
    EXPECT_EQ(List(d, "cboLabels").Text(), "L7163 Adressetiketten");
    d.Form().Choose(List(d, "cboLabels"), 1);
    d.PressEnter();
  });
  Site().Click(Caption());
  EXPECT_EQ(platform_.ShownDialogs(), std::vector<std::string>{"frmLabelConfig"});
  EXPECT_EQ(Control().LabelName(), "L7160");
  EXPECT_EQ(Control().Cols(), 3);
  EXPECT_EQ(changed_, std::vector<std::string>{"Avery/L7160"});
}

TEST_F(LabelSelectConfigTest, SavedCustomLabelAndAddressLayoutComeBackThroughTheFiles) {
  Control().SetAddressLabel(host::kTrue);
  User([](host::headless::HeadlessDialog& d) {
    d.Form().Type(d.Form().Get<host::TextBox>("txtRows"), "5");
    d.Form().ChooseTab(d.Form().Get<host::TabStrip>("SSTab1"), 1);
    d.Form().Type(d.Form().Get<host::TextBox>("txtLabelBorderLeft"), "3");
    d.Form().Type(List(d, "cboLabels"), "Eigene");
    d.PressEnter();
  });
  Control().ShowConfig();
  EXPECT_EQ(Control().Brand(), "Benutzerdefiniert");
  EXPECT_EQ(Control().LabelName(), "Eigene");
  EXPECT_EQ(Control().Rows(), 5);
  EXPECT_EQ(Control().AddressLabelBorderLeft(), 3);
  EXPECT_EQ(changed_, std::vector<std::string>{"Benutzerdefiniert/Eigene"});
}

}  // namespace
}  // namespace orvano
