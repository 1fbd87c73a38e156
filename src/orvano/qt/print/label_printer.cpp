#include "orvano/qt/print/label_printer.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "orvano/host/error.h"
#include "orvano/model/enums.h"
#include "orvano/qt/convert.h"
#include "orvano/qt/print/sheet_places.h"

namespace orvano::qt {

namespace {

constexpr int kResolution = 1200;  // dots per inch of the PDF's coordinate space

QFont FieldFont(const FieldDef& field) {
  QFont font(field.FontName().empty() ? QStringLiteral("Arial") : ToQString(field.FontName()));
  font.setPointSizeF(field.FontSize() > 0 ? field.FontSize() : 10);
  font.setBold(field.FontBold() != 0);
  font.setItalic(field.FontItalic() != 0);
  font.setUnderline(field.FontUnderline() != 0);
  return font;
}

int AlignmentOf(const FieldDef& field) {
  switch (field.TextAlign()) {
    case ovTextAlignCenter: return Qt::AlignHCenter;
    case ovTextAlignRight: return Qt::AlignRight;
    default: return Qt::AlignLeft;
  }
}

void PaintField(QPainter& p, double dotsPerMm, const QRectF& label, const FieldDef& field,
                const QString& text) {
  if (text.isEmpty()) return;
  QRectF mm(label.left() + field.FieldLeft(), label.top() + field.FieldTop(), field.FieldWidth(),
            field.FieldHeight());
  // A field that may grow takes the room down to the label's bottom edge, never beyond.
  if (field.CanGrow() != 0) mm.setBottom(std::max(mm.bottom(), label.bottom()));
  mm = mm.intersected(label);
  if (!mm.isValid() || mm.width() <= 0 || mm.height() <= 0) return;
  const QRectF box(mm.left() * dotsPerMm, mm.top() * dotsPerMm, mm.width() * dotsPerMm,
                   mm.height() * dotsPerMm);
  p.save();
  p.setFont(FieldFont(field));
  p.setPen(Qt::black);
  p.setClipRect(box);
  p.drawText(box, AlignmentOf(field) | Qt::AlignTop | Qt::TextWordWrap, text);
  p.restore();
}

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

void PaintSheet(QPainter& painter, double dotsPerMm, const LabelDef& def, const FieldTexts& texts,
                const PrintOptions& options) {
  const std::vector<LabelPlace> places = SheetPlaces(def, options.startLabel, options.direction);
  const auto fields = def.Fields()->NewEnum();
  for (const LabelPlace& place : places) {
    if (options.outlines) {
      painter.save();
      painter.setPen(QPen(QColor(160, 160, 160), 0));
      painter.setBrush(Qt::NoBrush);
      const QRectF& m = place.mm;
      painter.drawRoundedRect(QRectF(m.left() * dotsPerMm, m.top() * dotsPerMm,
                                     m.width() * dotsPerMm, m.height() * dotsPerMm),
                              2 * dotsPerMm, 2 * dotsPerMm);
      painter.restore();
    }
    for (const auto& field : fields)
      PaintField(painter, dotsPerMm, place.mm, *field, texts.TextOf(*field));
  }
}

void PrintSheetToPdf(const QString& path, const LabelDef& def, const FieldTexts& texts,
                     const PrintOptions& options) {
  const QPageLayout layout = PageLayoutOf(def);
  bool painted = false;
  {
    QPdfWriter writer(path);
    writer.setResolution(kResolution);
    writer.setCreator(QStringLiteral("Orvano"));
    writer.setTitle(QStringLiteral("Etiketten"));
    writer.setPageLayout(layout);
    QPainter painter;
    if (painter.begin(&writer)) {
      PaintSheet(painter, kResolution / 25.4, def, texts, options);
      painted = painter.end();
    }
  }
  if (!painted) {
    host::Raise(host::ErrorKind::PermissionDenied,
                "Die Datei \"" + ToStdString(path) + "\" kann nicht geschrieben werden.");
  }
}

}  // namespace orvano::qt
