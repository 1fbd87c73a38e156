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

// A hidden page refuses the focus; a disabled tab refuses code and user.
TEST_P(Tabs, OnlyTheSelectedEnabledPageIsShownAndTheFieldIsLeftFirst) {
  EXPECT_EQ(Raised([&] { page1->SetFocus(); }), ErrorKind::InvalidProcedureCall);
  tabs->SetTabEnabled(1, false);
  host->ChooseTab(*tabs, 1);
  EXPECT_EQ(Raised([&] { tabs->SetTab(1); }), ErrorKind::InvalidPropertyValue);
  tabs->SetTabEnabled(1, true);
  host->Type(*page0, "5");
  host->ChooseTab(*tabs, 1);
  tabs->SetTab(1);  // no change, no event
  EXPECT_EQ(log, (Log{"txtBorderTop.LostFocus", "TabChange"}));
  EXPECT_EQ(Raised([&] { page0->SetFocus(); }), ErrorKind::InvalidProcedureCall);
  page1->SetFocus();
  page0.reset();  // a widget gone before its strip is forgotten
  host->ChooseTab(*tabs, 0);
  EXPECT_EQ(tabs->Tab(), 0);
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
    ok->OnClick([&] {
      log.push_back("OK");
      dialog->Close();
    });
    cancel->OnClick([&] {
      log.push_back("Cancel");
      dialog->Close();
    });
  }
};
ORVANO_HOST_CONTRACT(Modal);

TEST_P(Modal, EnterAndEscapeClickTheirEnabledButtonsAfterTheFieldIsLeft) {
  ok->SetEnabled(false);
  host->ShowModal(*dialog, [&] {
    EXPECT_EQ(Raised([&] { dialog->ShowModal(); }), ErrorKind::InvalidProcedureCall);
    host->Type(*field, "3");
    host->Press(*dialog, Key::Enter);
    EXPECT_TRUE(dialog->IsShown());
    ok->SetEnabled(true);
    host->Press(*dialog, Key::Enter);
  });
  EXPECT_FALSE(dialog->IsShown());
  dialog->OnCloseBox(Note("CloseBox"));  // the dialog decides; this one stays open
  host->ShowModal(*dialog, [&] {
    host->CloseBox(*dialog);
    EXPECT_TRUE(dialog->IsShown());
    field->SetFocus();
    host->Press(*dialog, Key::Escape);
  });
  EXPECT_EQ(log, (Log{"LostFocus 3", "OK", "CloseBox", "LostFocus 3", "Cancel"}));
}

using Desktop = HostContract;
ORVANO_HOST_CONTRACT(Desktop);

TEST_P(Desktop, MessageBoxesAnswerWithThePlatformsNumbersAndAQuestionPreselectsNo) {
  using namespace msgbox;
  const int question = kYesNo | kQuestion | kDefaultButton2;
  std::string shown;
  EXPECT_EQ(host->MsgBox("Löschen?", question, 0, shown), kNo);
  EXPECT_EQ(shown, "Löschen?|Etiketteneinstellungen");
  EXPECT_EQ(host->MsgBox("Löschen?", question, kYes, shown), kYes);
  EXPECT_EQ(host->MsgBox("Zu groß.", kExclamation, 0, shown), kOk);
}

TEST_P(Desktop, PropertyBagsStoreOnlyValuesThatDifferFromTheirDefault) {
  auto bag = host->MakeBag();
  bag->WriteProperty("Rows", std::int32_t{6}, std::int32_t{6});
  bag->WriteProperty("Brand", "Avery", "");
  bag->WriteProperty("LabelWidth", 63.5, 70.0);
  EXPECT_TRUE(host->Stored(*bag, "LabelWidth"));
  bag->WriteProperty("LabelWidth", 70.0, 70.0);  // the default removes a stored value
  EXPECT_FALSE(host->Stored(*bag, "LabelWidth"));
  EXPECT_FALSE(host->Stored(*bag, "Rows"));
  EXPECT_EQ(bag->ReadProperty("Rows", std::int32_t{6}).ToLong(), 6);
  EXPECT_EQ(bag->ReadProperty("Brand", "").ToString(), "Avery");
}

TEST_P(Desktop, AutoSizeFitsTheCaptionAfterEveryChangeOfTextFontOrWidth) {
  auto label = form.CreateLabel("lblCaption");
  auto single = form.CreateLabel("lblSingle");
  for (Label* l : {label.get(), single.get()}) l->SetAutoSize(true);
  single->SetCaption("Zeile 2, länger");
  label->SetCaption("Oben\r\nZeile 2, länger");
  EXPECT_NEAR(label->Width(), single->Width(), 15);  // the longest line
  EXPECT_NEAR(label->Height(), 2 * single->Height(), 30);
  const float height = single->Height();
  single->SetWordWrap(true);
  single->SetWidth(600);
  EXPECT_EQ(single->Width(), 600);  // word wrap keeps the width and grows the height
  const float wrapped = single->Height();
  EXPECT_GT(wrapped, height);
  single->SetFontSize(20);
  EXPECT_GT(single->Height(), wrapped);
}

struct Painter : ControlEvents {
  Container* site = nullptr;
  int paints = 0;
  float width = 0;
  void UserControl_Paint() override { ++paints; }
  void UserControl_Resize() override { width = site->ScaleWidth(); }
};

TEST_P(Desktop, PaintAndResizeReachTheAttachedControlOnly) {
  Painter control;
  control.site = &form;
  form.Attach(&control);
  form.Invalidate();
  host->Settle();
  EXPECT_GE(control.paints, 1);
  host->ResizeForm(250, 100);
  EXPECT_EQ(control.width, 250 * 15);
  form.Attach(nullptr);
  const int paints = control.paints;
  form.Invalidate();
  host->Settle();
  EXPECT_EQ(control.paints, paints);
}

}  // namespace
}  // namespace orvano::host::contract
