// Two sheets of a merged address list through a real print server: cupsd started here, a
// cups-pdf queue, QPrinter printing to it, and the PDF it produces read back with poppler. Where
// CUPS cannot run the server test is skipped with the reason; the same checks always run on
// Qt's own PDF output.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>

#include "orvano/model/enums.h"
#include "orvano/print_data/csv_table.h"
#include "orvano/qt/print/label_printer.h"
#include "pdf_words.h"

namespace orvano::qt::testing {
namespace {

// 2 x 6 labels of 88.9 x 46.56 mm on A4, one address field 2 mm and 5 mm into the label.
LabelDef MergeSheet() {
  LabelDef def;
  def.SetPageFormat(ovPageFormatA4);
  def.SetCols(2);
  def.SetRows(6);
  def.SetBorderLeft(12.29);
  def.SetBorderTop(8.8);
  def.SetLabelWidth(88.9);
  def.SetLabelHeight(46.56);
  def.SetSpaceWidth(7.62);
  auto f = def.Fields()->Add(ovFieldTypeDataField, "Address", "Address");
  f->SetFieldLeft(2);
  f->SetFieldTop(5);
  f->SetFieldWidth(84.9);
  f->SetFieldHeight(38);
  f->SetFontName("Arial");
  f->SetFontSize(10);
  return def;
}

// Five addresses from a semicolon CSV in Windows-1252; from label 10 on they take the first
// sheet's last three labels and the second sheet's first two.
std::vector<FieldTexts> MergedRecords() {
  const auto table = print_data::ParseCsv(
      "Name;Stra\xDF"
      "e;Ort\r\nAnna Arm;Weg 1;11111 Ahaus\r\nBert Berg;Weg 2;22222 Bonn\r\n"
      "Cora Claus;Weg 3;33333 Celle\r\nDirk Dorn;Weg 4;44444 Dorsten\r\n"
      "\"Emil \"\"Ede\"\" Eck\";Weg 5;55555 Essen\r\n");
  std::vector<FieldTexts> records;
  for (const std::string& a : print_data::AddressesOf(table)) {
    FieldTexts t;
    t.Set(QStringLiteral("Address"), QString::fromStdString(a));
    records.push_back(t);
  }
  return records;
}

PrintOptions MergeOptions() {
  PrintOptions options;
  options.startLabel = 9;
  return options;
}

// The label (row by row, from 0) a word lies on, checked to sit where the field begins.
int LabelOf(const Word& w) {
  const double x = w.xMin / kPointsPerMm - 12.29 - 2, y = w.yMin / kPointsPerMm - 8.8 - 5;
  const int col = static_cast<int>(std::lround(x / (88.9 + 7.62)));
  const int row = static_cast<int>(std::floor(y / 46.56));
  EXPECT_NEAR(x, col * (88.9 + 7.62), 1.0) << w.text.toStdString();
  EXPECT_NEAR(y, row * 46.56, 2.0) << w.text.toStdString();
  return row * 2 + col;
}

void ExpectTwoMergedSheets(const QString& pdf) {
  const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))))
      << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 84"))))
      << info.toStdString();
  const std::pair<int, std::vector<std::pair<QString, int>>> pages[] = {
      {1,
       {{QStringLiteral("Anna"), 9}, {QStringLiteral("Bert"), 10}, {QStringLiteral("Cora"), 11}}},
      {2, {{QStringLiteral("Dirk"), 0}, {QStringLiteral("Eck"), 1}}},
  };
  for (const auto& [page, expected] : pages) {
    const std::vector<Word> words = WordsOf(pdf, page);
    for (const auto& [text, label] : expected) {
      SCOPED_TRACE(text.toStdString());
      int found = 0;
      for (const Word& w : words) {
        if (w.text != text) continue;
        ++found;
        EXPECT_EQ(LabelOf(w), label) << "page " << page;
      }
      EXPECT_EQ(found, 1) << "page " << page;
    }
    int streets = 0;
    for (const Word& w : words) streets += w.text == QStringLiteral("Weg");
    EXPECT_EQ(streets, page == 1 ? 3 : 2);
  }
}

TEST(PrintServer, TwoMergedSheetsAsQtWritesThePdf) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("serienbrief.pdf"));
  const PrintReport report = PrintToPdf(pdf, MergeSheet(), MergedRecords(), MergeOptions());
  EXPECT_EQ(report.sheets, 2);
  ExpectTwoMergedSheets(pdf);
}

// Runs a CUPS tool; false (with its output in `out`) when it fails or takes over 20 s.
bool Cups(const QString& program, const QStringList& args, QString* out = nullptr) {
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(program, args);
  const bool finished = p.waitForFinished(20000);
  if (!finished) {
    p.kill();
    p.waitForFinished(5000);
  }
  if (out != nullptr) *out = QString::fromLocal8Bit(p.readAll());
  return finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

class CupsServer : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "cupsd can only be started here as root";
    for (const char* tool : {"/usr/sbin/cupsd", "/usr/sbin/lpadmin", "/usr/bin/lpstat"}) {
      if (!QFileInfo::exists(QString::fromLatin1(tool)))
        GTEST_SKIP() << tool << " is missing: scripts/setup installs cups and "
                     << "printer-driver-cups-pdf";
    }
    QString out;
    if (!Cups(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &out) ||
        !out.contains(QStringLiteral("is running"))) {
      QDir().mkpath(QStringLiteral("/run/cups"));
      cupsd_.setProcessChannelMode(QProcess::MergedChannels);
      cupsd_.start(QStringLiteral("/usr/sbin/cupsd"), {QStringLiteral("-f")});
      if (!cupsd_.waitForStarted(5000)) GTEST_SKIP() << "cupsd does not start";
      QElapsedTimer t;
      t.start();
      while (!(Cups(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &out) &&
               out.contains(QStringLiteral("is running")))) {
        if (t.elapsed() > 15000 || cupsd_.state() == QProcess::NotRunning) {
          GTEST_SKIP() << "cupsd is not answering after 15 s: "
                       << QString::fromLocal8Bit(cupsd_.readAll()).toStdString()
                       << out.toStdString();
        }
        QThread::msleep(200);
      }
    }
    queue_ = QStringLiteral("orvano_test_%1").arg(::getpid());
    if (!Cups(QStringLiteral("lpadmin"),
              {QStringLiteral("-p"), queue_, QStringLiteral("-E"), QStringLiteral("-v"),
               QStringLiteral("cups-pdf:/"), QStringLiteral("-m"),
               QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd")},
              &out)) {
      queue_.clear();
      GTEST_SKIP() << "no cups-pdf queue: " << out.toStdString();
    }
  }

  void TearDown() override {
    if (!queue_.isEmpty()) Cups(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue_});
    if (cupsd_.state() != QProcess::NotRunning) {
      cupsd_.terminate();
      if (!cupsd_.waitForFinished(10000)) {
        cupsd_.kill();
        cupsd_.waitForFinished(5000);
      }
    }
  }

  QProcess cupsd_;
  QString queue_;
};

TEST_F(CupsServer, TwoMergedSheetsThroughACupsPdfQueue) {
  const QString outDir = QDir::home().filePath(QStringLiteral("PDF"));
  const QString title = QStringLiteral("orvano-%1").arg(::getpid());
  const QDateTime started = QDateTime::currentDateTime().addSecs(-1);

  QPrinter printer(QPrinter::HighResolution);
  printer.setPrinterName(queue_);
  ASSERT_TRUE(printer.isValid()) << "Qt does not see the queue " << queue_.toStdString();
  ASSERT_EQ(printer.outputFormat(), QPrinter::NativeFormat);
  SetUpPrinter(printer, MergeSheet());
  printer.setDocName(title);
  const PrintReport report = PrintLabels(printer, MergeSheet(), MergedRecords(), MergeOptions());
  EXPECT_EQ(report.sheets, 2);

  // cups-pdf names the file after the job title; poll, never wait without a bound.
  QString produced;
  QElapsedTimer t;
  t.start();
  while (produced.isEmpty() && t.elapsed() < 60000) {
    for (const QFileInfo& f :
         QDir(outDir).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time)) {
      if (f.fileName().contains(title) && f.lastModified() >= started && f.size() > 0)
        produced = f.filePath();
    }
    if (produced.isEmpty()) QThread::msleep(250);
  }
  ASSERT_FALSE(produced.isEmpty())
      << "no PDF from the queue in " << outDir.toStdString() << " within 60 s";
  QThread::msleep(500);  // the backend may still be closing the file
  ExpectTwoMergedSheets(produced);
  QFile::remove(produced);
}

}  // namespace
}  // namespace orvano::qt::testing
