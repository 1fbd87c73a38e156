// A button click first moves the focus: the field being left runs LostFocus before the Click,
// so a field's value is committed before OK acts on it.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "form_fixture.h"

namespace orvano::qt::testing {
namespace {

using FocusOrder = FormTest;

TEST_F(FocusOrder, MouseClickOnButtonRunsLostFocusOfTheFieldFirst) {
  auto text = form_->CreateTextBox("txtBorderTop");
  auto ok = form_->CreateButton("btnOK");
  text->Move(10, 10, 1500, 300);
  ok->Move(10, 600, 1200, 400);
  ok->SetCaption("OK");
  text->OnChange(Log("txt_Change"));
  text->OnGotFocus(Log("txt_GotFocus"));
  text->OnLostFocus(Log("txt_LostFocus"));
  ok->OnGotFocus(Log("btn_GotFocus"));
  ok->OnClick(Log("btn_Click"));

  text->SetFocus();
  QTest::keyClicks(Native(*text), "12");
  QTest::mouseClick(Native(*ok), Qt::LeftButton);

  const std::vector<std::string> expected = {"txt_GotFocus",  "txt_Change",   "txt_Change",
                                             "txt_LostFocus", "btn_GotFocus", "btn_Click"};
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(text->Text(), "12");
  EXPECT_EQ(form_->ActiveWidget(), ok.get());
}

TEST_F(FocusOrder, TextSetByCodeRaisesChangeOnlyWhenItDiffers) {
  auto text = form_->CreateTextBox("txtRows");
  int changes = 0;
  text->OnChange([&] { ++changes; });
  text->SetText(" 8");
  text->SetText(" 8");
  EXPECT_EQ(changes, 1);
}

TEST_F(FocusOrder, MultiLineTextKeepsPlatformLineEndsAndItsState) {
  auto text = form_->CreateTextBox("txtAddress");
  text->Move(0, 0, 3000, 1500);
  text->SetText("Erika Muster");
  text->SetMultiLine(true);
  ASSERT_NE(qobject_cast<QPlainTextEdit*>(Native(*text)), nullptr);
  EXPECT_EQ(text->Text(), "Erika Muster");
  EXPECT_EQ(Native(*text)->geometry(), QRect(0, 0, 200, 100));

  text->SetText("Erika Muster\r\nHauptstr. 1");
  EXPECT_EQ(qobject_cast<QPlainTextEdit*>(Native(*text))->toPlainText(),
            "Erika Muster\nHauptstr. 1");
  EXPECT_EQ(text->Text(), "Erika Muster\r\nHauptstr. 1");
  text->SetSelStart(14);  // "\r\n" counts two characters
  text->SetSelLength(4);
  EXPECT_EQ(qobject_cast<QPlainTextEdit*>(Native(*text))->textCursor().selectedText(), "Haup");
}

TEST_F(FocusOrder, RefusedSizesKeepThePreviousValue) {
  auto text = form_->CreateTextBox("txtCols");
  text->SetWidth(900);
  EXPECT_THROW(text->SetWidth(-1), host::Error);
  EXPECT_THROW(text->SetFontSize(0), host::Error);
  EXPECT_FLOAT_EQ(text->Width(), 900);
  EXPECT_GT(text->GetFont().size, 0);
}

}  // namespace
}  // namespace orvano::qt::testing
