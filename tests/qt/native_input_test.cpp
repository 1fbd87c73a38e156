// What only the Qt host does: type-ahead, native line ends, access keys, covering widgets, the
// German message buttons, the override cursor and real text metrics.
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "orvano/qt/fonts.h"
#include "qt_backend.h"

namespace orvano::qt::testing {
namespace {

struct Native : ::testing::Test {
  QtBackend host;
  QtContainer& form = host.QtForm();
};

TEST_F(Native, TypeAheadSkipsTheLeadingBlankAndEnterKeepsAnEditableListAsItIs) {
  auto list = form.CreateComboBox("cboBrands", false);
  int clicks = 0;
  list->OnClick([&] { ++clicks; });  // one for the user's choice
  for (const char* item : {" Agipa", " Avery", " Herma", " Zweckform"}) list->AddItem(item);
  list->SetFocus();
  QTest::keyClicks(QtBackend::Native("cboBrands"), "Herm");
  EXPECT_EQ(list->Text(), " Herma");  // the item itself keeps its blank
  EXPECT_EQ(clicks, 1);
  auto labels = form.CreateComboBox("cboLabels", true);
  labels->AddItem("3421 Universal");
  host.Type(*labels, "Neu");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(labels->ListCount(), 1);
  EXPECT_EQ(labels->Text(), "Neu");
}

TEST_F(Native, MultiLineTextKeepsPlatformLineEnds) {
  auto text = form.CreateTextBox("txtAddress");
  text->SetMultiLine(true);
  auto* edit = QtBackend::Native<QPlainTextEdit>("txtAddress");
  text->SetText("Erika Muster\r\nHauptstr. 1");
  EXPECT_EQ(edit->toPlainText(), "Erika Muster\nHauptstr. 1");
  EXPECT_EQ(text->Text(), "Erika Muster\r\nHauptstr. 1");
  text->SetSelStart(14);  // "\r\n" counts two characters
  text->SetSelLength(4);
  EXPECT_EQ(edit->textCursor().selectedText(), "Haup");
}

TEST_F(Native, ALineEditCutsAtItsOwnLimitAndSaysSo) {
  auto text = form.CreateTextBox("txtName");
  text->SetText(std::string(40000, 'x'));
  const QString shown = QtBackend::Native<QLineEdit>("txtName")->text();
  EXPECT_EQ(shown.size(), 32767);
  EXPECT_TRUE(shown.endsWith(QString::fromUtf8(host::kTextCutNote)));
}

TEST_F(Native, ACaptionsAccessKeyFocusesTheFieldAfterIt) {
  auto window = host.GetPlatform().CreateDialog("frmLabelConfig");
  window->SetClientSize(6000, 3000);
  auto caption = window->CreateLabel("lblName");
  caption->SetCaption("Etiketten&name:");
  auto text = window->CreateTextBox("txtName");
  auto ok = window->CreateButton("btnOK");
  ok->Move(120, 2000, 1200, 400);
  EXPECT_EQ(dynamic_cast<QtDialog&>(*window).Frame()->size(), QSize(400, 200));  // twips
  host.ShowModal(*window, [&] {
    ok->SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(window->ActiveWidget(), text.get());
  });
}

TEST_F(Native, AWidgetInFrontOfClickAreasTakesTheClick) {
  host::contract::Grid cell;
  auto areas = form.CreateVirtualArray("LabelArea", host::ArrayKind::ClickAreas, {});
  areas->SetSource(&cell);
  auto caption = form.CreateLabel("lblCaption");
  caption->Move(0, 0, 300, 300);
  std::vector<std::string> log;
  areas->OnClick([&](std::int64_t) { log.push_back("area"); });
  caption->OnClick([&] { log.push_back("caption"); });
  host.ClickAt(*areas, 150, 150);
  areas->BringToFront();
  host.ClickAt(*areas, 150, 150);
  EXPECT_EQ(log, (std::vector<std::string>{"caption", "area"}));
}

TEST_F(Native, MessageButtonsAreGermanAndTheBusyPointerIsOneOverride) {
  std::string shown;
  host.MsgBox("Löschen?", 292, 0, shown);
  EXPECT_EQ(QtBackend::buttons, "|&Ja|&Nein");  // whatever translation the application loaded
  host.MsgBox("Zu groß.", 48, 0, shown);
  EXPECT_EQ(QtBackend::buttons, "|OK");
  {
    QtPlatform platform;
    for (int i = 0; i < 2; ++i) platform.SetMousePointer(host::MousePointer::Busy);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }  // the platform going away restores the pointer
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Native, AutoSizeMeasuresTheFontAndTheAccessKeyMarkerTakesNoRoom) {
  auto label = form.CreateLabel("lblName");
  label->SetCaption("Etiketten&name:");
  label->SetAutoSize(true);
  const QFontMetricsF metrics(ToQFont(label->GetFont()));
  EXPECT_NEAR(label->Width() / 15.0, metrics.horizontalAdvance(QStringLiteral("Etikettenname:")),
              1.5);
  EXPECT_NEAR(label->Height() / 15.0, metrics.lineSpacing(), 1.5);
}

}  // namespace
}  // namespace orvano::qt::testing
