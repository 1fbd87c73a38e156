// Click versus Change of the lists, which the dialog's cascades (brand -> labels -> fields) rely
// on, and the click areas of a virtual array.
#include "backend.h"
#include "orvano/host/strings.h"

namespace orvano::host::contract {
namespace {

struct Lists : HostContract {
  std::unique_ptr<ComboBox> brands = form.CreateComboBox("cboBrands", false);
  std::unique_ptr<ComboBox> labels = form.CreateComboBox("cboLabels", true);
  Lists() {
    for (const char* b : {" Avery", " Herma", " Benutzerdefiniert"}) brands->AddItem(b);
    brands->OnClick(Note("cboBrands.Click"));
    brands->OnChange(Note("cboBrands.Change"));
    brands->OnGotFocus(Note("cboBrands.GotFocus"));
    labels->OnClick(Note("cboLabels.Click"));
    labels->OnChange(Note("cboLabels.Change"));
  }
};
ORVANO_HOST_CONTRACT(Lists);

TEST_P(Lists, EveryChoiceOfAFixedListRaisesClickOnly) {
  EXPECT_EQ(brands->ListIndex(), -1);  // adding selects nothing
  brands->SetListIndex(0);
  brands->SetListIndex(0);
  brands->SetText(" BENUTZERDEFINIERT");  // the text of a fixed list selects, ignoring case
  EXPECT_EQ(brands->ListIndex(), 2);
  EXPECT_EQ(brands->Text(), " Benutzerdefiniert");
  host->Choose(*brands, 1);
  EXPECT_EQ(brands->Text(), " Herma");
  EXPECT_EQ(log, (Log{"cboBrands.Click", "cboBrands.Click", "cboBrands.Click", "cboBrands.GotFocus",
                      "cboBrands.Click"}));
}

TEST_P(Lists, RefusedValuesKeepTheSelectionAndClearIsSilent) {
  brands->SetListIndex(0);
  log.clear();
  EXPECT_EQ(Raised([&] { brands->SetText(" Zweckform"); }), ErrorKind::InvalidPropertyValue);
  for (int refused : {3, -2})
    EXPECT_EQ(Raised([&] { brands->SetListIndex(refused); }), ErrorKind::InvalidPropertyValue);
  EXPECT_EQ(brands->ListIndex(), 0);
  EXPECT_EQ(brands->Text(), " Avery");
  labels->SetText("Mein Etikett");
  log.clear();
  for (ComboBox* list : {brands.get(), labels.get()}) {
    list->Clear();
    EXPECT_EQ(list->ListCount(), 0);
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(list->Text(), "");
  }
  EXPECT_TRUE(log.empty());
}

TEST_P(Lists, TheTextOfAnEditableListRaisesChangeOnly) {
  labels->AddItem("3490");
  labels->SetListIndex(0);
  for (int i = 0; i < 2; ++i) labels->SetText("Mein Etikett");
  EXPECT_EQ(log, (Log{"cboLabels.Click", "cboLabels.Change"}));
  EXPECT_EQ(labels->ListIndex(), -1);
  EXPECT_EQ(labels->ListCount(), 1);
  log.clear();
  host->Type(*labels, "Küchenetikett");
  EXPECT_EQ(labels->Text(), "Küchenetikett");
  EXPECT_EQ(labels->SelStart(), 13);
  EXPECT_EQ(Seen("cboLabels.Change"), std::ssize(log));
  EXPECT_FALSE(log.empty());
  labels->SetText("x\xF0\x9F\x98\x80yz");  // one character outside 16 bits
  labels->SetSelStart(1);
  labels->SetSelLength(2);
  EXPECT_EQ(labels->SelStart(), 1);
  EXPECT_EQ(labels->SelLength(), 2);
}

TEST_P(Lists, AClickHandlerMayRefillAnotherList) {
  brands->OnClick([&] {
    labels->Clear();
    labels->AddItem(Trim(brands->Text()) + " 1");  // the handler reads the new choice
    labels->SetItemData(labels->NewIndex(), -7);
    labels->SetListIndex(0);
  });
  brands->SetListIndex(1);
  EXPECT_EQ(labels->Text(), "Herma 1");
  EXPECT_EQ(labels->ItemData(0), -7);
  EXPECT_EQ(log, Log{"cboLabels.Click"});
}

TEST_P(Lists, AClickOnClickAreasHitsTheElementTheSourceNamesInTheScaleUnit) {
  Grid grid;
  auto areas = form.CreateVirtualArray("lblLabel", ArrayKind::ClickAreas, {});
  auto shapes = form.CreateVirtualArray("shpLabel", ArrayKind::Shapes, {});
  std::vector<std::int64_t> hits;
  areas->OnClick([&](std::int64_t i) { hits.push_back(i); });
  shapes->OnClick([&](std::int64_t i) { hits.push_back(100 + i); });
  host->ClickAt(*areas, 75, 75);  // no source yet
  areas->SetSource(&grid);
  shapes->SetSource(&grid);
  shapes->BringToFront();  // painted elements let the mouse through
  host->ClickAt(*areas, 25 * 15, 15 * 15);
  form.SetScaleMode(ScaleMode::Pixels);
  grid.unit = 1;
  host->ClickAt(*areas, 5, 5);
  host->ClickAt(*areas, 45, 5);  // beside the grid
  areas->SetVisible(false);
  host->ClickAt(*areas, 5, 15);
  EXPECT_EQ(hits, (std::vector<std::int64_t>{3, 0}));
}

}  // namespace
}  // namespace orvano::host::contract
