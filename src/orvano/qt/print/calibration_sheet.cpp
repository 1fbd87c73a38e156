#include "orvano/qt/print/calibration_sheet.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "orvano/host/error.h"
#include "orvano/qt/print/label_geometry.h"
#include "orvano/qt/print/sheet_places.h"

namespace orvano::qt {

namespace {

constexpr double kScaleMm = 5;  // each scale runs this far out from the first label's corner

}  // namespace

void PrintCalibrationSheet(QPrinter& printer, const LabelDef& def,
                           const print_data::PrinterOffset& offset) {
  CheckPrintable(def);
  const SheetGeometry sheet = GeometryOf(def);
  const double dpm = printer.resolution() / 25.4;
  auto at = [&](double xMm, double yMm) {
    return QPointF((xMm + offset.Horizontal) * dpm, (yMm + offset.Vertical) * dpm);
  };
  QPainter painter;
  if (!painter.begin(&printer))
    host::Raise(host::ErrorKind::PermissionDenied, "Der Drucker kann nicht beginnen.");
  painter.setPen(QPen(Qt::black, 0.15 * dpm));
  SheetPlaces places(sheet, 0, ovLeftRight);
  LabelPlace place;
  while (places.Next(place)) {
    const QRectF& m = place.mm;
    painter.drawRect(QRectF(at(m.left(), m.top()), at(m.right(), m.bottom())));
    const QPointF c = m.center();
    const double arm = std::min({2.0, m.width() / 4, m.height() / 4});
    painter.drawLine(at(c.x() - arm, c.y()), at(c.x() + arm, c.y()));
    painter.drawLine(at(c.x(), c.y() - arm), at(c.x(), c.y() + arm));
  }
  // Scales inward from the first label's top left corner: a tick every millimetre, longer every
  // five, so a shift can be read off against the label's real edge.
  const double x0 = sheet.BorderLeft, y0 = sheet.BorderTop;
  for (int i = 0; i <= kScaleMm; ++i) {
    const double len = i % 5 == 0 ? 2.5 : 1.2;
    painter.drawLine(at(x0 + i, y0), at(x0 + i, y0 + len));
    painter.drawLine(at(x0, y0 + i), at(x0 + len, y0 + i));
  }
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(8);
  painter.setFont(QFont(font, &printer));
  const QRectF note(at(x0, y0 + sheet.LabelHeight + 1),
                    QSizeF(std::max(60.0, sheet.LabelWidth) * dpm, 20 * dpm));
  painter.drawText(note, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("Kalibrierbogen: Um wie viele Millimeter liegen die Rahmen "
                                  "rechts (waagerecht) und unter (senkrecht) den Etiketten? "
                                  "Diesen Versatz mit umgekehrtem Vorzeichen eintragen."));
  if (!painter.end())
    host::Raise(host::ErrorKind::PermissionDenied, "Der Druck konnte nicht abgeschlossen werden.");
}

}  // namespace orvano::qt
