// ShowConfig with the real settings dialog on the headless host: a custom label and its address
// layout go through the user's files and come back into the control.
#include <gtest/gtest.h>

#include "orvano/controls/label_select/label_select.h"
#include "orvano/host/headless/headless_widgets.h"
#include "orvano/library/orvano.h"
#include "support/control_fixture.h"

namespace orvano {
namespace {

// Before any control exists: each takes the default runner when it is created.
[[maybe_unused]] const bool kSettingsDialogWired = (UseSettingsDialog(), true);

TEST(LabelSelectConfig, SavedCustomLabelAndAddressLayoutComeBackThroughTheFiles) {
  test_support::CatalogFolder folder;
  folder.WriteDef("[Avery]\r\nL7163=Adressetiketten;9;0;2;7;4,65;15,15;99,1;38,1;2,5;0\r\n");
  host::headless::HeadlessPlatform platform{15, 15};
  test_support::Hosted<LabelSelect> select{platform};
  select->SetDataFolder(folder.Path());
  select->SetBrand("Avery");
  select->SetLabelName("L7163");
  select->SetAddressLabel(host::kTrue);
  platform.QueueUser([](host::headless::HeadlessDialog& d) {
    d.Form().Type(d.Form().Get<host::TextBox>("txtRows"), "5");
    d.Form().ChooseTab(d.Form().Get<host::TabStrip>("SSTab1"), 1);
    d.Form().Type(d.Form().Get<host::TextBox>("txtLabelBorderLeft"), "3");
    d.Form().Type(d.Form().Get<host::headless::HeadlessComboBox>("cboLabels"), "Eigene");
    d.PressEnter();
  });
  select->ShowConfig();
  EXPECT_EQ(select->Brand(), "Benutzerdefiniert");
  EXPECT_EQ(select->LabelName(), "Eigene");
  EXPECT_EQ(select->Rows(), 5);
  EXPECT_EQ(select->AddressLabelBorderLeft(), 3);
}

}  // namespace
}  // namespace orvano
