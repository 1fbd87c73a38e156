// The calibration sheet: one page of the stock with a frame per label, shifted by the stored
// offset so a second print shows what is left.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include "orvano/model/enums.h"
#include "orvano/qt/print/calibration_sheet.h"

namespace orvano::qt::testing {
namespace {

TEST(CalibrationSheet, OnePageOfTheStockWithItsInstructions) {
  QTemporaryDir dir;
  LabelDef def;
  def.SetPageFormat(ovPageFormatA4);
  def.SetCols(3);
  def.SetRows(8);
  def.SetLabelWidth(70);
  def.SetLabelHeight(37);
  const QString pdf = dir.filePath(QStringLiteral("kalibrierung.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  printer.setFullPage(true);
  PrintCalibrationSheet(printer, def, {1, 2});
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  ASSERT_TRUE(text.waitForFinished(30000));
  EXPECT_TRUE(
      QString::fromUtf8(text.readAllStandardOutput()).contains(QStringLiteral("Kalibrierbogen")));

  def.SetLabelWidth(0);
  EXPECT_ANY_THROW(PrintCalibrationSheet(printer, def, {}));
}

}  // namespace
}  // namespace orvano::qt::testing
