// The address sheet and the merge job the print tests print, and the printout as a PDF reader
// sees it: poppler's pdfinfo, and pdftotext with word boxes, page by page.
#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <tuple>
#include <vector>

#include "orvano/model/enums.h"
#include "orvano/qt/print/label_printer.h"

namespace orvano::qt::testing {

inline constexpr double kPointsPerMm = 72.0 / 25.4;

// 2 x 6 labels of 88.9 x 46.56 mm on A4 with the address layout LabelSelect hands out for them
// when nothing is stored: sender line 7 pt at 2/1 mm, heading 10 pt bold, address 10 pt from
// 13.36667 mm, all 84.9 mm wide.
inline LabelDef AddressSheet() {
  LabelDef def;
  def.SetPageFormat(ovPageFormatA4);
  def.SetCols(2);
  def.SetRows(6);
  def.SetBorderLeft(12.29);
  def.SetBorderTop(8.8);
  def.SetLabelWidth(88.9);
  def.SetLabelHeight(46.56);
  def.SetSpaceWidth(7.62);
  for (const auto& [name, top, height, points, bold] :
       {std::tuple{"ReturnAddress", 1.0, 7.43889, 7, false},
        {"LabelHeading", 8.43889, 4.92778, 10, true},
        {"Address", 13.36667, 32.19333, 10, false}}) {
    auto f = def.Fields()->Add(ovFieldTypeDataField, name, name);
    f->SetFieldLeft(2);
    f->SetFieldTop(top);
    f->SetFieldWidth(84.9);
    f->SetFieldHeight(height);
    f->SetFontName("Arial");
    f->SetFontSize(points);
    f->SetFontBold(host::ToFlag(bold));
  }
  return def;
}

// Five addresses of three lines; from label 9 on they take the first sheet's last three labels
// and the second sheet's first two.
inline std::vector<FieldTexts> MergedRecords() {
  std::vector<FieldTexts> records(5);
  for (int i = 0; i < 5; ++i) {
    const QString name = QStringList{"Anna", "Bert", "Cora", "Dirk", "Emil"}[i];
    records[i].Set(QStringLiteral("Address"),
                   QStringLiteral("%1 Muster\nWeg %2\n%2%2%2 Ort").arg(name).arg(i + 1));
  }
  return records;
}

struct Word {
  QString text;
  double xMin, yMin, xMax, yMax;  // points from the page's top left corner
};

// Runs a tool for at most 30 s; its standard output (with its errors when merged), or nothing
// when it fails.
inline QString RunTool(const QString& program, const QStringList& args, bool merged = false,
                       bool* ok = nullptr) {
  QProcess p;
  if (merged) p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(program, args);
  // A tool still running after 30 s is killed when p goes.
  const bool good =
      p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
  if (ok != nullptr) *ok = good;
  return good || merged ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

// The words of one page (from 1), or of all pages when page is 0.
inline std::vector<Word> WordsOf(const QString& pdf, int page = 0) {
  QStringList args{QStringLiteral("-bbox")};
  if (page > 0)
    args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
         << QString::number(page);
  const QString html = RunTool(QStringLiteral("pdftotext"), args << pdf << QStringLiteral("-"));
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

// pdfinfo's page count and page size in points, as a pattern ("595\\S* x 84" for A4).
inline void ExpectPages(const QString& pdf, int pages, const char* size) {
  const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))))
      << info.toStdString();
  EXPECT_TRUE(info.contains(
      QRegularExpression(QStringLiteral("Page size:\\s+") + QString::fromLatin1(size))))
      << info.toStdString();
}

}  // namespace orvano::qt::testing
