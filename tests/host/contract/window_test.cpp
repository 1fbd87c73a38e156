// Tab pages, modal dialogs, message boxes, property bags, self-sizing captions and paint
// delivery.
#include "backend.h"

namespace orvano::host::contract {
namespace {

struct Tabs : HostContract {
  std::unique_ptr<TabStrip> tabs = form.CreateTabStrip("SSTab1");
  std::unique_ptr<TextBox> page0 = form.CreateTextBox("txtBorderTop");
  std::unique_ptr<TextBox> page1 = form.CreateTextBox("txtLabelBorderTop");
  Tabs() {
    tabs->Move(0, 0, 5000, 3000);
    tabs->AddTab("Sei&tenlayout");
    tabs->AddTab("A&dresslayout");
    tabs->PlaceOnTab(*page0, 0);
    tabs->PlaceOnTab(*page1, 1);
    tabs->OnTabChange(Note("TabChange"));
    page0->OnLostFocus(Note("txtBorderTop.LostFocus"));
  }
};
ORVANO_HOST_CONTRACT(Tabs);

TEST_P(Tabs, OnlyTheSelectedPageIsShownAndTheFieldIsLeftFirst) {
  EXPECT_TRUE(host->Usable(*page0));
  EXPECT_FALSE(host->Usable(*page1));
  EXPECT_TRUE(page1->Visible());  // the property itself is untouched
  EXPECT_EQ(Raised([&] { page1->SetFocus(); }), ErrorKind::InvalidProcedureCall);
  host->Type(*page0, "5");
  host->ChooseTab(*tabs, 1);
  tabs->SetTab(1);  // no change, no event
  EXPECT_EQ(log, (Log{"txtBorderTop.LostFocus", "TabChange"}));
  EXPECT_FALSE(host->Usable(*page0));
  page1->SetFocus();
}

TEST_P(Tabs, ADisabledTabRefusesCodeAndUser) {
  tabs->SetTabEnabled(1, false);
  host->ChooseTab(*tabs, 1);
  EXPECT_EQ(Raised([&] { tabs->SetTab(1); }), ErrorKind::InvalidPropertyValue);
  EXPECT_EQ(tabs->Tab(), 0);
  EXPECT_TRUE(log.empty());
  tabs->SetTabEnabled(1, true);
  page1.reset();  // a widget gone before its strip is forgotten
  host->ChooseTab(*tabs, 1);
  EXPECT_EQ(tabs->Tab(), 1);
  EXPECT_EQ(log, Log{"TabChange"});
}

struct Modal : HostContract {
  std::unique_ptr<DialogWindow> dialog = host->GetPlatform().CreateDialog("frmLabelConfig");
  std::unique_ptr<TextBox> field = dialog->CreateTextBox("txtCols");
  std::unique_ptr<Button> ok = dialog->CreateButton("btnOK");
  std::unique_ptr<Button> cancel = dialog->CreateButton("btnCancel");
  Modal() {
    dialog->SetClientSize(6000, 3000);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    field->OnLostFocus([&] { log.push_back("LostFocus " + field->Text()); });
    ok->OnClick([&] { log.push_back("OK"), dialog->Close(); });
    cancel->OnClick([&] { log.push_back("Cancel"), dialog->Close(); });
  }
};
ORVANO_HOST_CONTRACT(Modal);

TEST_P(Modal, EnterAndEscapeClickTheirButtonsAfterTheFieldIsLeft) {
  EXPECT_EQ(dialog->ScaleWidth(), 6000);
  EXPECT_EQ(Raised([&] { dialog->AsWidget(); }), ErrorKind::InvalidProcedureCall);
  host->ShowModal(*dialog, [&] {
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_EQ(Raised([&] { dialog->ShowModal(); }), ErrorKind::InvalidProcedureCall);
    host->Type(*field, "3");
    host->Press(*dialog, Key::Enter);
  });
  EXPECT_FALSE(dialog->IsShown());
  host->ShowModal(*dialog, [&] {
    field->SetFocus();
    host->Press(*dialog, Key::Escape);
  });
  EXPECT_EQ(log, (Log{"LostFocus 3", "OK", "LostFocus 3", "Cancel"}));
}

TEST_P(Modal, OnlyAnEnabledDefaultButtonIsPressedAndThereIsOnlyOne) {
  ok->SetEnabled(false);
  host->ShowModal(*dialog, [&] {
    field->SetFocus();
    host->Press(*dialog, Key::Enter);
    EXPECT_TRUE(dialog->IsShown());
    ok->SetEnabled(true);
    cancel->SetDefault(true);
    host->Press(*dialog, Key::Enter);
  });
  EXPECT_EQ(log.back(), "Cancel");
  EXPECT_EQ(Seen("OK"), 0);
}

TEST_P(Modal, TheCloseBoxAsksTheDialogWhichClosesItself) {
  int asked = 0;
  dialog->OnCloseBox([&] {
    if (++asked == 2) dialog->Close();
  });
  host->ShowModal(*dialog, [&] {
    host->CloseBox(*dialog);
    EXPECT_TRUE(dialog->IsShown());
    host->CloseBox(*dialog);
  });
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(dialog->IsShown());
}

using Desktop = HostContract;
ORVANO_HOST_CONTRACT(Desktop);

TEST_P(Desktop, MessageBoxesAnswerWithThePlatformsNumbersAndAQuestionPreselectsNo) {
  using namespace msgbox;
  const int question = kYesNo | kQuestion | kDefaultButton2;
  const int cases[][3] = {{question, 0, kNo},  // flags, answer, got
                          {question, kYes, kYes},
                          {kExclamation, 0, kOk}};
  for (auto [flags, answer, want] : cases) {
    std::string shown;
    EXPECT_EQ(host->MsgBox("Löschen?", flags, answer, shown), want) << flags << answer;
    EXPECT_EQ(shown, "Löschen?|Etiketteneinstellungen");
  }
  for (MousePointer pointer : {MousePointer::Busy, MousePointer::Default}) {
    host->GetPlatform().SetMousePointer(pointer);
    EXPECT_EQ(host->GetPlatform().GetMousePointer(), pointer);
  }
}

TEST_P(Desktop, PropertyBagsStoreOnlyValuesThatDifferFromTheirDefault) {
  auto bag = host->MakeBag();
  bag->WriteProperty("Rows", std::int32_t{6}, std::int32_t{6});
  bag->WriteProperty("FontSize", 10.0, std::int32_t{10});  // equal in another kind
  bag->WriteProperty("Brand", "Avery", "");
  bag->WriteProperty("LabelWidth", 63.5, 70.0);
  EXPECT_TRUE(host->Stored(*bag, "LabelWidth"));
  bag->WriteProperty("LabelWidth", 70.0, 70.0);  // the default removes a stored value
  for (const char* name : {"Rows", "FontSize", "LabelWidth"})
    EXPECT_FALSE(host->Stored(*bag, name));
  EXPECT_EQ(bag->ReadProperty("Rows", std::int32_t{6}).ToLong(), 6);
  EXPECT_EQ(bag->ReadProperty("Brand", "").ToString(), "Avery");
  EXPECT_EQ(bag->ReadProperty("LabelWidth", 70.0).ToDouble(), 70.0);
}

TEST_P(Desktop, AutoSizeFitsTheCaptionAfterEveryChangeOfTextFontOrWidth) {
  auto label = form.CreateLabel("lblCaption");
  auto single = form.CreateLabel("lblSingle");
  for (Label* l : {label.get(), single.get()}) l->SetFontSize(10);
  for (Label* l : {label.get(), single.get()}) l->SetAutoSize(true);
  single->SetCaption("Zeile 2, länger");
  label->SetCaption("Oben\r\nZeile 2, länger");
  EXPECT_NEAR(label->Width(), single->Width(), 15);  // the longest line
  EXPECT_NEAR(label->Height(), 2 * single->Height(), 30);
  label->SetWidth(50);  // without word wrap the width follows the text again
  EXPECT_NEAR(label->Width(), single->Width(), 15);
  const float width = single->Width(), height = single->Height();
  single->SetFontSize(20);
  EXPECT_GT(single->Width(), width);
  EXPECT_GT(single->Height(), height);
  EXPECT_EQ(Raised([&] { single->SetFontSize(-1); }), ErrorKind::InvalidPropertyValue);
  EXPECT_GT(single->Height(), height);
  single->SetWordWrap(true);
  single->SetWidth(600);
  EXPECT_EQ(single->Width(), 600);  // word wrap keeps the width and grows the height
  const float wrapped = single->Height();
  single->SetWidth(6000);
  EXPECT_LT(single->Height(), wrapped);
}

struct Painter : ControlEvents {
  Container* site = nullptr;
  int paints = 0;
  std::vector<float> widths;
  void UserControl_Paint() override { ++paints; }
  void UserControl_Resize() override { widths.push_back(site->ScaleWidth()); }
};

TEST_P(Desktop, PaintAndResizeReachTheAttachedControl) {
  Painter control;
  control.site = &form;
  form.Attach(&control);
  form.Invalidate();
  host->Settle();
  EXPECT_GE(control.paints, 1);
  host->ResizeForm(250, 100);
  ASSERT_FALSE(control.widths.empty());
  EXPECT_EQ(control.widths.back(), 250 * 15);
  EXPECT_EQ(form.ScaleHeight(), 100 * 15);
  form.Attach(nullptr);
  const int paints = control.paints;
  form.Invalidate();
  host->Settle();
  EXPECT_EQ(control.paints, paints);
}

}  // namespace
}  // namespace orvano::host::contract
