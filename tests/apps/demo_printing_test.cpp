// The demo's status line follows the stock and the start label, and says what an address list
// will take; a bad list is refused and the one loaded before stays.
#include <gtest/gtest.h>

#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>

#include "demo_window.h"
#include "orvano/host/error.h"
#include "orvano/qt/widgets/label_select_widget.h"

namespace orvano::demo {
namespace {

TEST(DemoPrinting, StatusFollowsStartLabelStockAndAddressList) {
  QTemporaryDir data;
  ASSERT_TRUE(data.isValid());
  qt::PropertyFile file;
  DemoWindow window(data.path());
  window.Restore(file);
  qt::LabelSelectWidget& ls = *window.labelSelect();
  auto status = [&] { return window.statusBar()->currentMessage().toStdString(); };

  ls.setLabelID(4);
  emit ls.labelClick(4);
  EXPECT_EQ(status(), "Der Druck beginnt beim 5. Etikett.");
  // The settings dialog closed with the start label back on the first: the line says so.
  ls.setLabelID(0);
  emit ls.labelChanged(ls.brand(), ls.labelName());
  EXPECT_EQ(status(), "Der Druck beginnt beim 1. Etikett.");

  // One address more than a sheet holds: two sheets.
  const int perSheet = ls.cols() * ls.rows();
  ASSERT_GT(perSheet, 0);
  QByteArray csv = "Name;Ort\r\n";
  for (int i = 0; i <= perSheet; ++i) csv += "Name " + QByteArray::number(i) + ";Ort\r\n";
  const QString good = data.filePath(QStringLiteral("gut.csv"));
  QFile f(good);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(csv);
  f.close();
  const std::string expected =
      "Der Druck beginnt beim 1. Etikett. " + std::to_string(perSheet + 1) +
      " Adressen: " + std::to_string(perSheet + 1) + " Etiketten auf 2 Bögen.";
  EXPECT_EQ(window.LoadAddresses(good).toStdString(), expected);

  QFile bad(data.filePath(QStringLiteral("schlecht.csv")));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("a;b\r\n1;2;3\r\n");
  bad.close();
  try {
    window.LoadAddresses(bad.fileName());
    ADD_FAILURE() << "a row wider than the header was read";
  } catch (const host::Error& e) {
    EXPECT_STREQ(e.what(), "Zeile 2: 3 Spalten, die Kopfzeile hat 2.");
  }
  EXPECT_EQ(status(), expected);

  const qt::PrintReport report = window.PrintTo(data.filePath(QStringLiteral("x.pdf")));
  EXPECT_EQ(report.labels, perSheet + 1);
  EXPECT_EQ(report.sheets, 2);
}

}  // namespace
}  // namespace orvano::demo
