// Click versus Change of the lists, which the dialog's cascades (brand -> labels -> fields) rely
// on.
#include "fixture.h"
#include "orvano/host/strings.h"

namespace orvano::host::headless::test {
namespace {

struct Lists : Window {
  std::unique_ptr<ComboBox> brands = form.CreateComboBox("cboBrands", false);
  std::unique_ptr<ComboBox> labels = form.CreateComboBox("cboLabels", true);
  void SetUp() override {
    for (const char* b : {" Avery", " Herma", " Benutzerdefiniert"}) brands->AddItem(b);
    brands->OnClick(Note("cboBrands.Click"));
    brands->OnChange(Note("cboBrands.Change"));
    labels->OnClick(Note("cboLabels.Click"));
    labels->OnChange(Note("cboLabels.Change"));
  }
};

TEST_F(Lists, EveryAssignmentOfTheSelectedPositionRaisesClickOnly) {
  brands->SetListIndex(1);
  brands->SetListIndex(1);
  EXPECT_EQ(log, (std::vector<std::string>{"cboBrands.Click", "cboBrands.Click"}));
  EXPECT_EQ(brands->Text(), " Herma");
}

TEST_F(Lists, TextOfAFixedListSelectsTheItemIgnoringCase) {
  brands->SetText(" BENUTZERDEFINIERT");
  EXPECT_EQ(brands->ListIndex(), 2);
  EXPECT_EQ(brands->Text(), " Benutzerdefiniert");
  EXPECT_EQ(log, std::vector<std::string>{"cboBrands.Click"});
}

TEST_F(Lists, RefusedValuesKeepTheSelection) {
  brands->SetListIndex(0);
  log.clear();
  EXPECT_EQ(RaisedKind([&] { brands->SetText(" Zweckform"); }), kInvalidPropertyValue);
  EXPECT_EQ(RaisedKind([&] { brands->SetListIndex(3); }), kInvalidPropertyValue);
  EXPECT_EQ(RaisedKind([&] { brands->SetListIndex(-2); }), kInvalidPropertyValue);
  EXPECT_EQ(brands->ListIndex(), 0);
  EXPECT_EQ(brands->Text(), " Avery");
  EXPECT_TRUE(log.empty());
}

TEST_F(Lists, TextOfAnEditableListRaisesChangeOnly) {
  labels->AddItem("3490");
  labels->SetListIndex(0);
  log.clear();
  labels->SetText("Mein Etikett");
  labels->SetText("Mein Etikett");
  EXPECT_EQ(log, std::vector<std::string>{"cboLabels.Change"});
  EXPECT_EQ(labels->ListIndex(), -1);
}

TEST_F(Lists, ClearRaisesNothingAndEmptiesTheList) {
  brands->SetListIndex(2);
  log.clear();
  brands->Clear();
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(brands->ListCount(), 0);
  EXPECT_EQ(brands->ListIndex(), -1);
  EXPECT_EQ(brands->NewIndex(), -1);
  EXPECT_EQ(brands->Text(), "");
}

TEST_F(Lists, AClickHandlerMayRefillAnotherList) {
  brands->OnClick([&] {
    labels->Clear();
    labels->AddItem(Trim(brands->Text()) + " 1");
    labels->SetItemData(labels->NewIndex(), 7);
    labels->SetListIndex(0);
  });
  brands->SetListIndex(1);
  EXPECT_EQ(labels->Text(), "Herma 1");
  EXPECT_EQ(labels->ItemData(0), 7);
  EXPECT_EQ(log, std::vector<std::string>{"cboLabels.Click"});
}

TEST_F(Lists, ChoosingFocusesTheListBeforeItsClick) {
  brands->OnGotFocus(Note("cboBrands.GotFocus"));
  form.Choose(*brands, 1);
  EXPECT_EQ(log, (std::vector<std::string>{"cboBrands.GotFocus", "cboBrands.Click"}));
}

TEST_F(Lists, TypingInAnEditableListPutsTheCaretAtTheEnd) {
  form.Type(*labels, "Küchenetikett");
  EXPECT_EQ(log, std::vector<std::string>{"cboLabels.Change"});
  EXPECT_EQ(labels->SelStart(), 13);
}

}  // namespace
}  // namespace orvano::host::headless::test
