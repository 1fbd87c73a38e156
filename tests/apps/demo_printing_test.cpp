// The demo's status line follows the stock and the start label, and says what an address list
// will take; a bad list is refused and the one loaded before stays.
#include <gtest/gtest.h>

#include <QStatusBar>

#include "demo_window.h"
#include "orvano/host/error.h"
#include "orvano/qt/widgets/label_select_widget.h"
#include "support/scratch_folder.h"

namespace orvano::demo {
namespace {

TEST(DemoPrinting, StatusFollowsStartLabelStockAndAddressList) {
  const test_support::ScratchFolder data;
  qt::PropertyFile file;
  DemoWindow window(QString::fromStdString(data.Path()));
  window.Restore(file);
  qt::LabelSelectWidget& ls = *window.labelSelect();
  auto status = [&] { return window.statusBar()->currentMessage().toStdString(); };

  // A label click and the settings dialog's close both refresh the panel and the line.
  ls.setLabelID(4);
  emit ls.labelChanged(ls.brand(), ls.labelName());
  EXPECT_EQ(status(), "Der Druck beginnt beim 5. Etikett.");
  ls.setLabelID(0);

  // One address more than a sheet holds: two sheets.
  const int perSheet = ls.cols() * ls.rows();
  std::string csv = "Name;Ort\r\n";
  for (int i = 0; i <= perSheet; ++i) csv += "Name " + std::to_string(i) + ";Ort\r\n";
  const QString good = QString::fromStdString(data.Write("gut.csv", csv));
  const std::string expected =
      "Der Druck beginnt beim 1. Etikett. " + std::to_string(perSheet + 1) +
      " Adressen: " + std::to_string(perSheet + 1) + " Etiketten auf 2 Bögen.";
  EXPECT_EQ(window.LoadAddresses(good).toStdString(), expected);

  EXPECT_THROW(
      window.LoadAddresses(QString::fromStdString(data.Write("schlecht.csv", "a;b\r\n1;2;3\r\n"))),
      host::Error);
  EXPECT_EQ(status(), expected);

  const qt::PrintReport report = window.PrintTo(QString::fromStdString(data.File("x.pdf")));
  EXPECT_EQ(report.labels, perSheet + 1);
  EXPECT_EQ(report.sheets, 2);
}

}  // namespace
}  // namespace orvano::demo
