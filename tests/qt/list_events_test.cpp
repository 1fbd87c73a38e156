// A list raises Click for every choice of an item, by code or by the user, and Change only for
// the edit text of an editable list; the dialog's cascades rely on it.
#include <QComboBox>
#include <QLineEdit>

#include "form_fixture.h"
#include "orvano/host/error.h"

namespace orvano::qt::testing {
namespace {

using ListEvents = FormTest;

struct Counted {
  int clicks = 0;
  int changes = 0;
  // Counts the list's events from now on.
  void Watch(host::ComboBox& list) {
    list.OnClick([this] { ++clicks; });
    list.OnChange([this] { ++changes; });
  }
};

TEST_F(ListEvents, SelectingByCodeRaisesClickNotChange) {
  auto list = form_->CreateComboBox("cboBrands", false);
  Counted n;
  n.Watch(*list);
  for (const char* item : {" Avery", " Herma", " Benutzerdefiniert"}) list->AddItem(item);

  list->SetListIndex(1);
  EXPECT_EQ(n.clicks, 1);
  EXPECT_EQ(n.changes, 0);
  EXPECT_EQ(list->Text(), " Herma");
  EXPECT_EQ(qobject_cast<QComboBox*>(Native(*list))->currentIndex(), 1);

  // The same position again is a click again.
  list->SetListIndex(1);
  EXPECT_EQ(n.clicks, 2);

  // The text of a non-editable list selects the item, whatever the letter case.
  list->SetText(" BENUTZERDEFINIERT");
  EXPECT_EQ(list->ListIndex(), 2);
  EXPECT_EQ(n.clicks, 3);
  EXPECT_EQ(n.changes, 0);
}

TEST_F(ListEvents, AddingItemsSelectsNothingAndClearingIsSilent) {
  auto list = form_->CreateComboBox("cboFormat", false);
  Counted n;
  n.Watch(*list);
  list->AddItem(" A4 (210 x 297 mm)");
  list->AddItem(" A5 (148 x 210 mm)");
  EXPECT_EQ(list->ListIndex(), -1);
  EXPECT_EQ(list->Text(), "");
  EXPECT_EQ(list->NewIndex(), 1);

  list->SetItemData(1, -11);
  EXPECT_EQ(list->ItemData(1), -11);
  list->SetListIndex(0);
  list->Clear();
  EXPECT_EQ(n.clicks, 1);
  EXPECT_EQ(n.changes, 0);
  EXPECT_EQ(list->ListCount(), 0);
  EXPECT_EQ(list->ListIndex(), -1);
}

TEST_F(ListEvents, RefusedSelectionsKeepTheOldOne) {
  auto list = form_->CreateComboBox("cboFormat", false);
  list->AddItem(" A4");
  list->SetListIndex(0);
  EXPECT_THROW(list->SetListIndex(1), host::Error);
  EXPECT_THROW(list->SetText(" A3"), host::Error);
  EXPECT_EQ(list->ListIndex(), 0);
}

TEST_F(ListEvents, EditableTextByCodeRaisesChangeNotClick) {
  auto list = form_->CreateComboBox("cboLabels", true);
  Counted n;
  n.Watch(*list);
  list->AddItem("3421 Universal");
  list->SetListIndex(0);
  ASSERT_EQ(n.clicks, 1);

  list->SetText("Meine Etiketten");
  EXPECT_EQ(n.changes, 1);
  EXPECT_EQ(n.clicks, 1);
  EXPECT_EQ(list->ListIndex(), -1);
  EXPECT_EQ(list->Text(), "Meine Etiketten");
  EXPECT_EQ(list->ListCount(), 1);
}

TEST_F(ListEvents, ClearingAnEditableListEmptiesItsTextSilently) {
  // An empty custom list the user typed a name into, refilled after a change of brand.
  auto list = form_->CreateComboBox("cboLabels", true);
  Counted n;
  list->SetText("Meine Etiketten");
  n.Watch(*list);
  list->Clear();
  EXPECT_EQ(list->Text(), "");
  EXPECT_EQ(n.changes, 0);
  EXPECT_EQ(n.clicks, 0);
}

TEST_F(ListEvents, UserChoosingAnItemRaisesClick) {
  auto list = form_->CreateComboBox("cboBrands", false);
  Counted n;
  n.Watch(*list);
  list->AddItem(" Avery");
  list->AddItem(" Herma");
  list->SetListIndex(0);
  list->SetFocus();

  QTest::keyClick(Native(*list), Qt::Key_Down);
  EXPECT_EQ(list->ListIndex(), 1);
  EXPECT_EQ(n.clicks, 2);
  EXPECT_EQ(n.changes, 0);
}

TEST_F(ListEvents, TypeAheadSkipsTheItemsLeadingBlankAndRaisesClick) {
  auto list = form_->CreateComboBox("cboBrands", false);
  Counted n;
  n.Watch(*list);
  for (const char* item : {" Agipa", " Avery", " Herma", " Zweckform"}) list->AddItem(item);
  list->SetListIndex(0);
  list->SetFocus();

  QTest::keyClicks(Native(*list), "Herm");
  EXPECT_EQ(list->ListIndex(), 2);
  EXPECT_EQ(list->Text(), " Herma");  // the item itself keeps its blank
  EXPECT_EQ(n.clicks, 2);             // one for the code above, one for the user's choice
  EXPECT_EQ(n.changes, 0);
  // Exact lookups still see the blank.
  EXPECT_EQ(qobject_cast<QComboBox*>(Native(*list))->findText("Herma"), -1);
}

TEST_F(ListEvents, UserTypingInAnEditableListRaisesChange) {
  auto list = form_->CreateComboBox("cboLabels", true);
  Counted n;
  n.Watch(*list);
  list->AddItem("3421 Universal");
  list->SetListIndex(0);
  list->SetFocus();
  auto* combo = qobject_cast<QComboBox*>(Native(*list));
  combo->lineEdit()->selectAll();

  QTest::keyClicks(combo, "Neu");
  EXPECT_EQ(n.changes, 3);
  EXPECT_EQ(n.clicks, 1);
  EXPECT_EQ(list->Text(), "Neu");
  EXPECT_EQ(list->ListIndex(), -1);
  // Enter neither adds the typed text to the list nor picks an item.
  QTest::keyClick(combo, Qt::Key_Return);
  EXPECT_EQ(list->ListCount(), 1);
  EXPECT_EQ(list->Text(), "Neu");
}

TEST_F(ListEvents, SelectionCountsCharactersNotUtf16Units) {
  auto list = form_->CreateComboBox("cboLabels", true);
  list->SetText("x\xF0\x9F\x98\x80yz");  // one character outside the 16-bit range
  list->SetSelStart(1);
  list->SetSelLength(2);
  EXPECT_EQ(list->SelStart(), 1);
  EXPECT_EQ(list->SelLength(), 2);
  auto* combo = qobject_cast<QComboBox*>(Native(*list));
  EXPECT_EQ(combo->lineEdit()->selectedText(), QString::fromUtf8("\xF0\x9F\x98\x80y"));
}

}  // namespace
}  // namespace orvano::qt::testing
