// A printout as a PDF reader sees it: poppler's pdftotext with word boxes, page by page.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

namespace orvano::qt::testing {

inline constexpr double kPointsPerMm = 72.0 / 25.4;

struct Word {
  QString text;
  double xMin, yMin, xMax, yMax;  // points from the page's top left corner
};

// The tool's standard output; empty when it fails or takes longer than 30 s.
inline QString RunTool(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(30000)) {
    p.kill();
    p.waitForFinished(5000);
    return {};
  }
  if (p.exitCode() != 0) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
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

}  // namespace orvano::qt::testing
