// Two sheets of a merged address list through a real print server: cupsd started here, a
// cups-pdf queue, QPrinter printing to it, and the PDF it produces read back with poppler. Where
// CUPS cannot run the test is skipped with the reason; label_printer_test always checks the same
// job in Qt's own PDF output.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>

#include "printout.h"

namespace orvano::qt::testing {
namespace {

// Per label (row by row) of one page rendered at 36 dpi, the bounding box of its ink; empty for a
// blank label, none at all when the page did not render.
std::vector<QRect> InkPerLabel(const QString& pdf, int page, const QString& prefix) {
  const QString p = QString::number(page);
  RunTool(QStringLiteral("pdftoppm"),
          {"-r", "36", "-gray", "-singlefile", "-f", p, "-l", p, pdf, prefix});
  const QImage image(prefix + QStringLiteral(".pgm"));
  std::vector<QRect> ink(image.isNull() ? 0 : 12);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const int col = static_cast<int>(std::floor((x * 25.4 / 36 - 12.29) / (88.9 + 7.62)));
      const int row = static_cast<int>(std::floor((y * 25.4 / 36 - 8.8) / 46.56));
      if (qGray(image.pixel(x, y)) < 128 && col >= 0 && col < 2 && row >= 0 && row < 6)
        ink[static_cast<std::size_t>(row * 2 + col)] |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

// Runs a CUPS tool; false (with its output in `out`) when it fails.
bool Cups(const QString& program, const QStringList& args, QString* out = nullptr) {
  bool ok = false;
  const QString text = RunTool(program, args, true, &ok);
  if (out != nullptr) *out = text;
  return ok;
}

class CupsServer : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "cupsd can only be started here as root";
    QString out;
    const auto running = [&] {
      return Cups(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &out) &&
             out.contains(QStringLiteral("is running"));
    };
    if (!running()) {
      QDir().mkpath(QStringLiteral("/run/cups"));
      cupsd_.setProcessChannelMode(QProcess::MergedChannels);
      cupsd_.start(QStringLiteral("/usr/sbin/cupsd"), {QStringLiteral("-f")});
      QElapsedTimer t;
      t.start();
      while (!running()) {
        if (t.elapsed() > 15000 || cupsd_.state() == QProcess::NotRunning) {
          GTEST_SKIP() << "cupsd is not answering after 15 s (scripts/setup installs cups and "
                       << "printer-driver-cups-pdf): "
                       << QString::fromLocal8Bit(cupsd_.readAll()).toStdString()
                       << out.toStdString();
        }
        QThread::msleep(200);
      }
    }
    queue_ = QStringLiteral("orvano_test_%1").arg(::getpid());
    if (!Cups(QStringLiteral("lpadmin"),
              {"-p", queue_, "-E", "-v", "cups-pdf:/", "-m", "lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd"},
              &out)) {
      queue_.clear();
      GTEST_SKIP() << "no cups-pdf queue: " << out.toStdString();
    }
  }

  void TearDown() override {
    if (!queue_.isEmpty()) Cups(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue_});
    cupsd_.terminate();
    cupsd_.waitForFinished(10000);  // QProcess kills it on destruction if it hangs
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
  SetUpPrinter(printer, AddressSheet());
  printer.setDocName(title);
  PrintOptions options;
  options.startLabel = 9;
  const PrintReport report = PrintLabels(printer, AddressSheet(), MergedRecords(), options);
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
  QTemporaryDir dir;
  const QString qtPdf = dir.filePath(QStringLiteral("qt.pdf"));
  PrintToPdf(qtPdf, AddressSheet(), MergedRecords(), options);
  // The server's PDF went through PostScript and Ghostscript, which keep every glyph in its place
  // but not which character it is, so it is compared as pictures with Qt's PDF of the same job
  // (whose texts label_printer_test reads): the same labels carry text, each text block within 3
  // pixels (2 mm) of its place and size.
  ExpectPages(produced, 2, "595\\S* x 84");
  for (int page = 1; page <= 2; ++page) {
    const auto got = InkPerLabel(produced, page, dir.filePath(QStringLiteral("server")));
    const auto want = InkPerLabel(qtPdf, page, dir.filePath(QStringLiteral("qt")));
    ASSERT_EQ(got.size(), 12u) << "pdftoppm did not render page " << page;
    ASSERT_EQ(want.size(), 12u);
    for (std::size_t i = 0; i < 12; ++i) {
      const QRect& a = got[i];
      const QRect& b = want[i];
      EXPECT_TRUE(a.isNull() == b.isNull() && std::abs(a.left() - b.left()) <= 3 &&
                  std::abs(a.top() - b.top()) <= 3 && std::abs(a.bottom() - b.bottom()) <= 3 &&
                  std::abs(a.right() - b.right()) <= 3)
          << "page " << page << ", label " << i;
    }
  }
  if (!HasFailure()) QFile::remove(produced);
}

}  // namespace
}  // namespace orvano::qt::testing
