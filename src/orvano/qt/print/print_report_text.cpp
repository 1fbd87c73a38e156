#include "orvano/qt/print/print_report_text.h"

#include <QStringList>

namespace orvano::qt {

namespace {

constexpr std::size_t kNumbersShown = 20;

QString Numbers(const std::vector<RecordFit>& fits) {
  QStringList numbers;
  for (std::size_t i = 0; i < fits.size() && i < kNumbersShown; ++i)
    numbers << QString::number(fits[i].record);
  QString text = QStringLiteral("Nr. ") + numbers.join(QStringLiteral(", "));
  if (fits.size() > kNumbersShown)
    text += QStringLiteral(" und %1 weitere").arg(fits.size() - kNumbersShown);
  return text;
}

}  // namespace

QString SheetCountText(std::int64_t labels, std::int64_t sheets) {
  return QStringLiteral("%1 %2 auf %3 %4")
      .arg(labels)
      .arg(labels == 1 ? QStringLiteral("Etikett") : QStringLiteral("Etiketten"))
      .arg(sheets)
      .arg(sheets == 1 ? QStringLiteral("Bogen") : QStringLiteral("Bögen"));
}

QString FitReportText(const PrintReport& report) {
  QStringList parts;
  if (!report.cut.empty()) {
    const bool one = report.cut.size() == 1;
    parts << QStringLiteral("%1 %2 nicht ganz auf das Etikett (%3); ihre letzten Zeilen fehlen.")
                 .arg(report.cut.size())
                 .arg(one ? QStringLiteral("Adresse passt") : QStringLiteral("Adressen passen"),
                      Numbers(report.cut));
  }
  if (!report.shrunk.empty()) {
    const bool one = report.shrunk.size() == 1;
    parts << QStringLiteral("%1 %2 kleiner gedruckt, damit sie auf das Etikett %3 (%4).")
                 .arg(report.shrunk.size())
                 .arg(one ? QStringLiteral("Adresse wird") : QStringLiteral("Adressen werden"),
                      one ? QStringLiteral("passt") : QStringLiteral("passen"),
                      Numbers(report.shrunk));
  }
  return parts.join(QLatin1Char('\n'));
}

}  // namespace orvano::qt
