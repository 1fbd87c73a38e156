// The printout as a PDF reader sees it (poppler's pdfinfo and pdftotext): one page of the
// label's format, the address on every label from the start label on, at its millimetre place.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <vector>

#include "orvano/host/error.h"
#include "orvano/model/enums.h"
#include "orvano/qt/print/label_printer.h"

namespace orvano::qt::testing {
namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;

struct Word {
  QString text;
  double xMin, yMin, xMax, yMax;  // points from the page's top left corner
};

QString RunTool(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

std::vector<Word> WordsOf(const QString& pdf) {
  const QString html =
      RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  static const QRegularExpression re(QStringLiteral(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  std::vector<Word> words;
  for (auto it = re.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                     m.captured(3).toDouble(), m.captured(4).toDouble()});
  }
  return words;
}

// The address layout LabelSelect hands out for an 88.9 x 46.56 mm label with the stored-nothing
// defaults: sender line 7 pt at 2/1 mm, heading 10 pt bold, address 10 pt from 13.36667 mm.
LabelDef AddressSheet() {
  LabelDef def;
  def.SetPageFormat(ovPageFormatA4);
  def.SetCols(2);
  def.SetRows(6);
  def.SetBorderLeft(12.29);
  def.SetBorderTop(8.8);
  def.SetLabelWidth(88.9);
  def.SetLabelHeight(46.56);
  def.SetSpaceWidth(7.62);
  auto add = [&](const char* name, double top, double height, int points, bool bold) {
    auto f = def.Fields()->Add(ovFieldTypeDataField, name, name);
    f->SetFieldLeft(2);
    f->SetFieldTop(top);
    f->SetFieldWidth(84.9);
    f->SetFieldHeight(height);
    f->SetFontName("Arial");
    f->SetFontSize(points);
    f->SetFontBold(host::ToFlag(bold));
  };
  add("ReturnAddress", 1, 7.43889, 7, false);
  add("LabelHeading", 8.43889, 4.92778, 10, true);
  add("Address", 13.36667, 32.19333, 10, false);
  return def;
}

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

TEST_F(LabelPrinterTest, OnePageWithTheAddressOnEveryLabelFromTheStartLabel) {
  PrintOptions options;
  options.startLabel = 3;  // second row, right column
  PrintSheetToPdf(pdf_, AddressSheet(), SampleTexts(), options);

  const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf_});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
      << info.toStdString();
  EXPECT_TRUE(
      info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 842"))))
      << info.toStdString();

  std::vector<Word> erika;
  for (const Word& w : WordsOf(pdf_)) {
    if (w.text == QStringLiteral("Erika")) erika.push_back(w);
  }
  ASSERT_EQ(erika.size(), 9u);  // labels 3 to 11
  // Label 3: left 12.29 + 88.9 + 7.62 mm, top 8.8 + 46.56 mm; the address 2 mm and 13.37 mm in.
  const double left = (12.29 + 88.9 + 7.62 + 2) * kPointsPerMm;
  const double top = (8.8 + 46.56 + 13.36667) * kPointsPerMm;
  EXPECT_NEAR(erika[0].xMin, left, 1.5);
  EXPECT_NEAR(erika[0].yMin, top, 3.0);
  EXPECT_LT(erika[0].yMax, top + 12);
  // The last label: right column, bottom row.
  EXPECT_NEAR(erika.back().xMin, left, 1.5);
  EXPECT_NEAR(erika.back().yMin, (8.8 + 5 * 46.56 + 13.36667) * kPointsPerMm, 3.0);
}

TEST_F(LabelPrinterTest, SenderLineAndHeadingSitAboveTheAddress) {
  PrintOptions options;
  options.startLabel = 11;
  PrintSheetToPdf(pdf_, AddressSheet(), SampleTexts(), options);
  const std::vector<Word> words = WordsOf(pdf_);
  ASSERT_EQ(words.size(), 8u);  // one label: 1 + 1 + 6 words
  const double labelTop = (8.8 + 5 * 46.56) * kPointsPerMm;
  EXPECT_EQ(words[0].text, QStringLiteral("Absenderzeile"));
  EXPECT_NEAR(words[0].yMin, labelTop + 1 * kPointsPerMm, 2.5);
  EXPECT_EQ(words[1].text, QStringLiteral("Persönlich"));
  EXPECT_NEAR(words[1].yMin, labelTop + 8.43889 * kPointsPerMm, 3.0);
  EXPECT_EQ(words[2].text, QStringLiteral("Erika"));
}

TEST_F(LabelPrinterTest, LandscapeA5AndBadPageSizes) {
  LabelDef def = AddressSheet();
  def.SetPageFormat(ovPageFormatA5);
  def.SetLandscape(host::kTrue);
  PrintSheetToPdf(pdf_, def, SampleTexts(), {});
  const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf_});
  EXPECT_TRUE(
      info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 420"))))
      << info.toStdString();

  def.SetPageFormat(0);
  def.SetPageWidth(-1);
  try {
    PrintSheetToPdf(dir_.filePath(QStringLiteral("bad.pdf")), def, SampleTexts(), {});
    FAIL() << "a negative page width was printed";
  } catch (const host::Error& e) {
    EXPECT_EQ(e.Kind(), host::ErrorKind::InvalidPropertyValue);
  }
  EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("bad.pdf"))));
  EXPECT_THROW(PrintSheetToPdf(dir_.filePath(QStringLiteral("no/folder/x.pdf")), AddressSheet(),
                               SampleTexts(), {}),
               host::Error);
}

}  // namespace
}  // namespace orvano::qt::testing
