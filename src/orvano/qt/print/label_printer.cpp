#include "orvano/qt/print/label_printer.h"

#include <QFile>
#include <QPageLayout>
#include <QPageRanges>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <memory>

#include "orvano/host/error.h"
#include "orvano/model/enums.h"
#include "orvano/qt/convert.h"
#include "orvano/qt/print/label_geometry.h"
#include "orvano/qt/print/sheet_places.h"

namespace orvano::qt {

namespace {

constexpr std::int64_t kProgressEvery = 4096;  // labels between two progress reports

QPageLayout PageLayoutOf(const LabelDef& def) {
  const double w = def.PageWidth(), h = def.PageHeight();
  if (!std::isfinite(w) || !std::isfinite(h) || w <= 0 || h <= 0 || w > 5000 || h > 5000) {
    host::Raise(host::ErrorKind::InvalidPropertyValue,
                "Die Seitengröße des Etiketts ist ungültig.");
  }
  QPageSize size;
  if (def.PageFormat() == ovPageFormatA4) {
    size = QPageSize(QPageSize::A4);
  } else if (def.PageFormat() == ovPageFormatA5) {
    size = QPageSize(QPageSize::A5);
  } else {
    size = QPageSize(QSizeF(std::min(w, h), std::max(w, h)), QPageSize::Millimeter,
                     QStringLiteral("Etikettenbogen"), QPageSize::ExactMatch);
  }
  const bool landscape = def.PageFormat() == ovPageFormatA4 || def.PageFormat() == ovPageFormatA5
                             ? def.Landscape() != 0
                             : w > h;
  return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                     QPageLayout::Millimeter);
}

// The start label the first sheet begins with: a start label that is not on the page counts as
// the first label, so no sheet is left empty.
std::int64_t FirstStart(const SheetGeometry& sheet, const PrintOptions& options) {
  if (SheetPlaces(sheet, options.startLabel, options.direction).Remaining() > 0)
    return options.startLabel;
  return 0;
}

// One record's fields laid out for the printer, drawn on each label the record fills.
class PreparedRecord {
 public:
  PreparedRecord(const LabelDef& def, const FieldTexts& texts, const QPaintDevice* device,
                 double dotsPerMm, const FitRule& rule) {
    for (const auto& field : def.Fields()->NewEnum()) {
      const QRectF box = FieldBox(*field, def.LabelWidth(), def.LabelHeight(), dotsPerMm);
      FieldLayout layout(*field, texts.TextOf(*field), box.size(), device, rule);
      if (layout.Outcome() == FitOutcome::Cut) outcome_ = FitOutcome::Cut;
      if (layout.Outcome() == FitOutcome::Shrunk && outcome_ == FitOutcome::Fits)
        outcome_ = FitOutcome::Shrunk;
      const QPointF offset(std::round(box.left()), std::round(box.top()));
      if (!layout.Empty()) fields_.push_back({offset, std::move(layout)});
    }
  }

  FitOutcome Outcome() const { return outcome_; }

  void Draw(QPainter& painter, GlyphBatch& batch, const QPointF& labelTopLeft) const {
    for (const auto& f : fields_) batch.Add(painter, f.layout, labelTopLeft + f.offset);
  }

 private:
  struct Field {
    QPointF offset;
    FieldLayout layout;
  };
  std::vector<Field> fields_;
  FitOutcome outcome_ = FitOutcome::Fits;
};

void Note(PrintReport& report, std::int64_t record, FitOutcome outcome) {
  if (outcome == FitOutcome::Shrunk) report.shrunk.push_back({record + 1, outcome});
  if (outcome == FitOutcome::Cut) report.cut.push_back({record + 1, outcome});
}

void CheckJob(const LabelDef& def, const std::vector<FieldTexts>& records) {
  CheckPrintable(def);
  if (records.empty())
    host::Raise(host::ErrorKind::InvalidPropertyValue, "Es gibt keine Adresse zu drucken.");
}

double DotsPerMm(const QPrinter& printer) { return printer.resolution() / 25.4; }

}  // namespace

void FieldTexts::Set(const QString& source, const QString& text) {
  QString t = text;
  t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  bySource_.insert(source.toUpper(), t);
}

QString FieldTexts::TextOf(const FieldDef& field) const {
  const QString source = ToQString(field.FieldSource());
  if (field.FieldType() == ovFieldTypeCaption) return source;
  return bySource_.value(source.toUpper());
}

void SetUpPrinter(QPrinter& printer, const LabelDef& def) {
  const QPageLayout layout = PageLayoutOf(def);
  printer.setFullPage(true);
  printer.setPageLayout(layout);
  printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
  printer.setCreator(QStringLiteral("Orvano"));
  printer.setDocName(QStringLiteral("Etiketten"));
}

SheetCount CountSheets(const LabelDef& def, std::int64_t records, const PrintOptions& options) {
  SheetCount count;
  if (records <= 0) return count;
  const SheetGeometry sheet = GeometryOf(def);
  const std::int64_t first =
      SheetPlaces(sheet, FirstStart(sheet, options), options.direction).Remaining();
  const std::int64_t full = SheetPlaces(sheet, 0, options.direction).Remaining();
  if (first <= 0 || full <= 0) return count;
  if (options.labelsPerRecord <= 0) {
    count.sheets = records;
    count.labels = first + (records - 1) * full;
    return count;
  }
  count.labels = records * options.labelsPerRecord;
  count.sheets = count.labels <= first ? 1 : 1 + (count.labels - first + full - 1) / full;
  return count;
}

PrintReport CheckFit(const QPrinter& printer, const LabelDef& def,
                     const std::vector<FieldTexts>& records, const PrintOptions& options) {
  CheckJob(def, records);
  PrintReport report;
  report.records = static_cast<std::int64_t>(records.size());
  const SheetCount count = CountSheets(def, report.records, options);
  report.labels = count.labels;
  report.sheets = count.sheets;
  for (std::size_t r = 0; r < records.size(); ++r) {
    const PreparedRecord prepared(def, records[r], &printer, DotsPerMm(printer), options.fit);
    Note(report, static_cast<std::int64_t>(r), prepared.Outcome());
  }
  return report;
}

PrintReport PrintLabels(QPrinter& printer, const LabelDef& def,
                        const std::vector<FieldTexts>& records, const PrintOptions& options) {
  CheckJob(def, records);
  const SheetGeometry sheet = GeometryOf(def);
  const double dpm = DotsPerMm(printer);
  const std::int64_t recordCount = static_cast<std::int64_t>(records.size());
  const std::int64_t firstStart = FirstStart(sheet, options);
  const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
  const bool ranged =
      printer.printRange() == QPrinter::PageRange && !printer.pageRanges().isEmpty();
  const QPageRanges ranges = printer.pageRanges();
  const std::int64_t total = CountSheets(def, recordCount, options).labels * copies;

  PrintReport report;
  report.records = recordCount;
  QPainter painter;
  if (!painter.begin(&printer)) {
    host::Raise(host::ErrorKind::PermissionDenied,
                "Der Drucker \"" +
                    ToStdString(printer.printerName().isEmpty() ? printer.outputFileName()
                                                                : printer.printerName()) +
                    "\" kann nicht beginnen.");
  }
  painter.setPen(Qt::black);
  const QPen outline(QColor(160, 160, 160), 0);
  GlyphBatch batch;
  bool pageUsed = false;
  std::int64_t done = 0;
  auto carryOn = [&] { return !options.progress || options.progress(done, total); };

  for (int copy = 0; copy < copies && !report.cancelled; ++copy) {
    std::int64_t record = 0, usedOfRecord = 0, preparedIndex = -1;
    std::unique_ptr<PreparedRecord> prepared;
    for (std::int64_t s = 0; record < recordCount && !report.cancelled; ++s) {
      const bool shown = !ranged || ranges.contains(static_cast<int>(std::min<std::int64_t>(
                                        s + 1, std::numeric_limits<int>::max())));
      batch.Flush(painter);
      if (shown && pageUsed && !printer.newPage()) {
        report.cancelled = true;
        break;
      }
      pageUsed = pageUsed || shown;
      SheetPlaces places(sheet, s == 0 ? firstStart : 0, options.direction);
      LabelPlace place;
      while (record < recordCount && places.Next(place)) {
        if (record != preparedIndex) {
          prepared = std::make_unique<PreparedRecord>(
              def, records[static_cast<std::size_t>(record)], &printer, dpm, options.fit);
          preparedIndex = record;
          if (copy == 0) Note(report, record, prepared->Outcome());
        }
        if (shown) {
          // Whole device dots: PDF writes them in fewer digits, and no printer sees the
          // difference.
          const QPointF topLeft(std::round((place.mm.left() + options.offset.Horizontal) * dpm),
                                std::round((place.mm.top() + options.offset.Vertical) * dpm));
          if (options.outlines) {
            painter.setPen(outline);
            painter.drawRoundedRect(
                QRectF(topLeft, QSizeF(place.mm.width() * dpm, place.mm.height() * dpm)), 2 * dpm,
                2 * dpm);
            painter.setPen(Qt::black);
          }
          prepared->Draw(painter, batch, topLeft);
        }
        ++report.labels;
        ++done;
        if (options.labelsPerRecord > 0 && ++usedOfRecord == options.labelsPerRecord) {
          ++record;
          usedOfRecord = 0;
        }
        if (done % kProgressEvery == 0 && !carryOn()) {
          report.cancelled = true;
          break;
        }
      }
      if (options.labelsPerRecord <= 0) ++record;
      ++report.sheets;
      if (!report.cancelled && !carryOn()) report.cancelled = true;
    }
  }
  batch.Flush(painter);
  if (report.cancelled) {
    printer.abort();
    if (painter.isActive()) painter.end();
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
      QFile::remove(printer.outputFileName());
    return report;
  }
  if (!painter.end()) {
    host::Raise(host::ErrorKind::PermissionDenied, "Der Druck konnte nicht abgeschlossen werden.");
  }
  return report;
}

PrintReport PrintToPdf(const QString& path, const LabelDef& def,
                       const std::vector<FieldTexts>& records, const PrintOptions& options) {
  CheckJob(def, records);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  SetUpPrinter(printer, def);
  try {
    return PrintLabels(printer, def, records, options);
  } catch (const host::Error& e) {
    if (e.Kind() == host::ErrorKind::PermissionDenied)
      host::Raise(host::ErrorKind::PermissionDenied,
                  "Die Datei \"" + ToStdString(path) + "\" kann nicht geschrieben werden.");
    throw;
  }
}

PrintReport PrintSheetToPdf(const QString& path, const LabelDef& def, const FieldTexts& texts,
                            const PrintOptions& options) {
  PrintOptions one = options;
  one.labelsPerRecord = 0;
  return PrintToPdf(path, def, {texts}, one);
}

}  // namespace orvano::qt
