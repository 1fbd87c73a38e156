// The printout as a PDF reader sees it (poppler's pdfinfo and pdftotext): one page of the
// label's format, the address on every label from the start label on, at its millimetre place.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "orvano/host/error.h"
#include "orvano/qt/print/calibration_sheet.h"
#include "orvano/qt/print/print_report_text.h"
#include "orvano/qt/print/sheet_places.h"
#include "printout.h"

namespace orvano::qt::testing {
namespace {

FieldTexts SampleTexts() {
  FieldTexts texts;
  texts.Set(QStringLiteral("returnaddress"), QStringLiteral("Absenderzeile"));
  texts.Set(QStringLiteral("LabelHeading"), QStringLiteral("Persönlich"));
  texts.Set(QStringLiteral("Address"),
            QStringLiteral("Erika Mustermann\r\nHauptstraße 5\r\n12345 Musterstadt"));
  return texts;
}

class LabelPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        << "pdftotext (poppler-utils) is needed; scripts/setup installs it";
    pdf_ = dir_.filePath(QStringLiteral("etiketten.pdf"));
  }
  QTemporaryDir dir_;
  QString pdf_;
};

// The labels the words starting with the prefix lie on, each checked to start in its column.
std::vector<int> LabelsOf(const std::vector<Word>& words, const QString& prefix, double dx = 0,
                          double dy = 0) {
  std::vector<int> labels;
  for (const Word& w : words) {
    if (!w.text.startsWith(prefix)) continue;
    const double x = w.xMin / kPointsPerMm - dx - 12.29 - 2, y = w.yMin / kPointsPerMm - dy - 8.8;
    const int col = static_cast<int>(std::lround(x / (88.9 + 7.62)));
    EXPECT_NEAR(x, col * (88.9 + 7.62), 0.5) << w.text.toStdString();
    // The first line starts where the field does.
    if (!w.text.startsWith(QStringLiteral("Weg"))) {
      EXPECT_NEAR(std::fmod(y, 46.56), 13.36667, 2) << w.text.toStdString();
    }
    labels.push_back(static_cast<int>(std::floor(y / 46.56)) * 2 + col);
  }
  return labels;
}

TEST_F(LabelPrinterTest, OnePageWithTheAddressOnEveryLabelFromTheStartLabel) {
  PrintOptions options;
  options.startLabel = 3;  // second row, right column
  PrintSheetToPdf(pdf_, AddressSheet(), SampleTexts(), options);
  ExpectPages(pdf_, 1, "595\\S* x 842");
  const std::vector<Word> words = WordsOf(pdf_);
  EXPECT_EQ(words.size(), 9u * 8u);  // labels 3 to 11 with 1 + 1 + 6 words
  EXPECT_EQ(LabelsOf(words, QStringLiteral("Erika")),
            (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

// The merge job the print server test sends through CUPS, moved by an offset.
TEST_F(LabelPrinterTest, RecordsFillLabelsFromTheStartLabelThenTheNextSheetFromLabelOne) {
  PrintOptions options;
  options.startLabel = 9;
  const double dx = 1.5;
  options.offset = {dx, -dx};
  const PrintReport report = PrintToPdf(pdf_, AddressSheet(), MergedRecords(), options);
  EXPECT_EQ(report.labels, 5);
  EXPECT_EQ(report.sheets, 2);
  EXPECT_TRUE(report.cut.empty() && report.shrunk.empty());
  ExpectPages(pdf_, 2, "595\\S* x 842");
  const auto first = WordsOf(pdf_, 1), second = WordsOf(pdf_, 2);
  EXPECT_EQ(LabelsOf(first, QStringLiteral("Anna"), dx, -dx), std::vector<int>{9});
  EXPECT_EQ(LabelsOf(first, QStringLiteral("Weg"), dx, -dx), (std::vector<int>{9, 10, 11}));
  EXPECT_EQ(LabelsOf(second, QStringLiteral("Weg"), dx, -dx), (std::vector<int>{0, 1}));

  // Column by column, two labels each: label 9 is the right column's fourth (row 3), so Anna
  // takes rows 3 and 4 there, Bert row 5 and then the next sheet's first label. LabelsOf counts
  // row by row.
  options.direction = ovTopBottom;
  options.labelsPerRecord = 2;
  options.offset = {};
  const PrintReport columns =
      PrintToPdf(pdf_, AddressSheet(), {MergedRecords()[0], MergedRecords()[1]}, options);
  EXPECT_EQ(columns.labels, 4);
  EXPECT_EQ(columns.sheets, 2);
  EXPECT_EQ(LabelsOf(WordsOf(pdf_, 1), QStringLiteral("Anna")), (std::vector<int>{7, 9}));
  EXPECT_EQ(LabelsOf(WordsOf(pdf_, 1), QStringLiteral("Bert")), std::vector<int>{11});
  EXPECT_EQ(LabelsOf(WordsOf(pdf_, 2), QStringLiteral("Bert")), std::vector<int>{0});
  EXPECT_EQ(CountSheets(AddressSheet(), 30, {}).sheets, 3);  // 12 + 12 + 6
  EXPECT_EQ(CountSheets(AddressSheet(), 30, options).labels, 60);
}

// The address field of a 25.4 mm high label, 11.03 mm; four lines at 10 pt need more.
TEST_F(LabelPrinterTest, TextThatDoesNotFitIsShrunkOrReportedWithItsRecordNumber) {
  LabelDef def = AddressSheet();
  def.Fields()->Item("Address")->SetFieldHeight(25.4 - 13.36667 - 1);
  std::vector<FieldTexts> records(1);
  records[0].Set(QStringLiteral("Address"), QStringLiteral("Erika Mustermann\n12345 Musterstadt"));
  FieldTexts four;
  four.Set(QStringLiteral("Address"),
           QStringLiteral("Frau\nErika Mustermann\nHauptstraße 5\n12345 Musterstadt"));
  records.insert(records.end(), 3, four);

  PrintOptions report;
  report.fit.shrink = false;
  PrintReport checked = PrintToPdf(pdf_, def, records, report);
  EXPECT_EQ(FitReportText(checked).toStdString(),
            "3 Adressen passen nicht ganz auf das Etikett (Nr. 2, 3, 4); ihre letzten Zeilen "
            "fehlen.");
  auto cities = [&] {
    int n = 0;
    for (const Word& w : WordsOf(pdf_)) n += w.text == QStringLiteral("Musterstadt");
    return n;
  };
  EXPECT_EQ(cities(), 1) << "the city line is left out, as reported";

  PrintOptions shrink;
  shrink.fit.minPoints = 6;
  const PrintReport shrunk = PrintToPdf(pdf_, def, records, shrink);
  EXPECT_TRUE(shrunk.cut.empty());
  EXPECT_EQ(shrunk.shrunk.size(), 3u);
  EXPECT_EQ(cities(), 4);

  shrink.fit.minPoints = 9;  // not small enough: cut after all, and said so before printing
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  SetUpPrinter(printer, def);
  EXPECT_EQ(CheckFit(printer, def, records, shrink).cut.size(), 3u);
}

TEST_F(LabelPrinterTest, LandscapeA5PrintsAndSheetsThatCannotBeRightAreRefusedBeforeAnyPage) {
  LabelDef a5 = AddressSheet();
  a5.SetPageFormat(ovPageFormatA5);
  a5.SetLandscape(host::kTrue);
  PrintSheetToPdf(pdf_, a5, SampleTexts(), {});
  ExpectPages(pdf_, 1, "595\\S* x 420");
  QFile::remove(pdf_);
  const std::function<void(LabelDef&)> changes[] = {
      [](LabelDef& d) {  // a custom 0 x 0 label as LabelSelect exports it
        d.SetLabelWidth(0);
        d.SetLabelHeight(0);
      },
      [](LabelDef& d) { d.Fields()->Item("Address")->SetFieldHeight(-14.37); },
      [](LabelDef& d) {
        d.SetPageFormat(0);
        d.SetPageWidth(-1);
      },
  };
  for (const auto& change : changes) {
    LabelDef def = AddressSheet();
    change(def);
    try {
      PrintSheetToPdf(pdf_, def, SampleTexts(), {});
      ADD_FAILURE() << "printed";
    } catch (const host::Error& e) {
      EXPECT_EQ(e.Kind(), host::ErrorKind::InvalidPropertyValue);
      if (&change == changes) {
        EXPECT_STREQ(e.what(),
                     "Die Etiketten sind zu klein zum Drucken (0 × 0 mm); ein Etikett muss "
                     "mindestens 1 mm breit und hoch sein.");
      }
    }
    EXPECT_FALSE(QFile::exists(pdf_));
  }
  EXPECT_THROW(PrintToPdf(pdf_, AddressSheet(), {}, {}), host::Error);
  EXPECT_THROW(PrintSheetToPdf(dir_.filePath(QStringLiteral("no/folder/x.pdf")), AddressSheet(),
                               SampleTexts(), {}),
               host::Error);
}

// A long job reports progress and stops when told; the calibration sheet is one page of the
// stock with a frame per label and its instructions.
TEST_F(LabelPrinterTest, LongJobsCanBeCancelledAndTheCalibrationSheetIsOnePage) {
  std::vector<FieldTexts> records(12 * 5, SampleTexts());
  PrintOptions options;
  std::vector<std::int64_t> seen;
  options.progress = [&](std::int64_t done, std::int64_t total) {
    EXPECT_EQ(total, 60);
    seen.push_back(done);
    return done < 24;
  };
  const PrintReport report = PrintToPdf(pdf_, AddressSheet(), records, options);
  EXPECT_TRUE(report.cancelled);
  EXPECT_EQ(seen, (std::vector<std::int64_t>{12, 24}));
  EXPECT_FALSE(QFile::exists(pdf_)) << "a cancelled PDF is not left half written";

  LabelDef def = AddressSheet();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf_);
  printer.setFullPage(true);
  PrintCalibrationSheet(printer, def, {1, 2});
  ExpectPages(pdf_, 1, "595\\S* x 842");
  const auto words = WordsOf(pdf_);
  EXPECT_TRUE(std::any_of(words.begin(), words.end(), [](const Word& w) {
    return w.text.contains(QStringLiteral("Kalibrierbogen"));
  }));
  def.SetLabelWidth(0);
  EXPECT_ANY_THROW(PrintCalibrationSheet(printer, def, {}));
}

// Which places get printed: a start label outside the grid prints the whole sheet, and of a grid
// larger than the page only the labels that start on it are visited.
TEST(SheetPlaces, OnlyLabelsThatStartOnThePageFromAStartInsideTheGrid) {
  const auto all = [](const SheetGeometry& g, std::int64_t start, std::int32_t direction) {
    SheetPlaces places(g, start, direction);
    const std::int64_t announced = places.Remaining();
    std::vector<LabelPlace> found;
    for (LabelPlace p; places.Next(p);) found.push_back(p);
    EXPECT_EQ(announced, static_cast<std::int64_t>(found.size()));
    return found;
  };
  SheetGeometry def = SheetGeometry::DefaultStock();
  EXPECT_EQ(all(def, -1, ovLeftRight).size(), 12u);
  def.Cols = 1000;
  def.Rows = 1000;  // a million labels
  for (const std::int32_t direction : {ovLeftRight, ovTopBottom}) {
    const auto places = all(def, 0, direction);
    EXPECT_EQ(places.size(), 3u * 7u);  // 3 columns start left of 210 mm, 7 rows above 297 mm
    EXPECT_EQ(places.back().number, direction == ovLeftRight ? 6 * 1000 + 2 : 2 * 1000 + 6);
  }
  EXPECT_EQ(all(def, 1000 + 1, ovLeftRight).size(), 2u + 5u * 3u);  // row 1 from column 1
  def.Rows = 0;
  EXPECT_TRUE(all(def, 0, ovLeftRight).empty());
}

}  // namespace
}  // namespace orvano::qt::testing
