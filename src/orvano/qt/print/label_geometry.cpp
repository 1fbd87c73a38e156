#include "orvano/qt/print/label_geometry.h"

#include <cmath>
#include <string>

#include "orvano/host/error.h"
#include "orvano/host/runtime.h"

namespace orvano::qt {

namespace {

constexpr double kMinLabelMm = 1;
constexpr double kMaxPageMm = 5000;

std::string Mm(double v) {
  return std::isfinite(v) ? host::NumberText(host::Round(v, 2)) : std::string("ungültig");
}

[[noreturn]] void Refuse(const std::string& message) {
  host::Raise(host::ErrorKind::InvalidPropertyValue, message);
}

}  // namespace

SheetGeometry GeometryOf(const LabelDef& def) {
  SheetGeometry g;
  g.PageFormat = def.PageFormat();
  g.Landscape = def.LandscapeFlag();
  g.PageWidth = def.PageWidth();
  g.PageHeight = def.PageHeight();
  g.Cols = def.Cols();
  g.Rows = def.Rows();
  g.BorderLeft = def.BorderLeft();
  g.BorderTop = def.BorderTop();
  g.LabelWidth = def.LabelWidth();
  g.LabelHeight = def.LabelHeight();
  g.SpaceWidth = def.SpaceWidth();
  g.SpaceHeight = def.SpaceHeight();
  return g;
}

void CheckPrintable(const LabelDef& def) {
  const SheetGeometry g = GeometryOf(def);
  if (!std::isfinite(g.PageWidth) || !std::isfinite(g.PageHeight) || g.PageWidth <= 0 ||
      g.PageHeight <= 0 || g.PageWidth > kMaxPageMm || g.PageHeight > kMaxPageMm) {
    Refuse("Die Seitengröße des Etiketts ist ungültig (" + Mm(g.PageWidth) + " × " +
           Mm(g.PageHeight) + " mm).");
  }
  if (!(g.LabelWidth >= kMinLabelMm) || !(g.LabelHeight >= kMinLabelMm) ||
      !std::isfinite(g.LabelWidth) || !std::isfinite(g.LabelHeight)) {
    Refuse("Die Etiketten sind zu klein zum Drucken (" + Mm(g.LabelWidth) + " × " +
           Mm(g.LabelHeight) + " mm); ein Etikett muss mindestens 1 mm breit und hoch sein.");
  }
  if (!(g.SpaceWidth >= 0) || !(g.SpaceHeight >= 0) || !std::isfinite(g.SpaceWidth) ||
      !std::isfinite(g.SpaceHeight) || !std::isfinite(g.BorderLeft) ||
      !std::isfinite(g.BorderTop)) {
    Refuse("Die Ränder oder der Zwischenraum der Etiketten sind ungültig.");
  }
  if (g.LabelCount() == 0) {
    Refuse("Der Bogen hat keine Etiketten (" + std::to_string(g.Cols) + " × " +
           std::to_string(g.Rows) + ").");
  }
  if (g.LabelCount() > kMaxLabelsPerSheet) {
    Refuse("Ein Bogen mit " + std::to_string(g.Cols) + " × " + std::to_string(g.Rows) +
           " Etiketten kann nicht gedruckt werden; höchstens 1000000 Etiketten je Bogen.");
  }
  if (g.BorderLeft >= g.PageWidth || g.BorderTop >= g.PageHeight ||
      g.BorderLeft + g.LabelWidth <= 0 || g.BorderTop + g.LabelHeight <= 0) {
    Refuse("Kein Etikett liegt auf der Seite.");
  }
  for (const auto& field : def.Fields()->NewEnum()) {
    const double w = field->FieldWidth(), h = field->FieldHeight();
    const bool placed = std::isfinite(field->FieldLeft()) && std::isfinite(field->FieldTop());
    if (!placed || !(w > 0) || !(h > 0) || !std::isfinite(w) || !std::isfinite(h)) {
      Refuse("Das Feld \"" + field->FieldName() + "\" hat keine positive Größe (Breite " + Mm(w) +
             " mm, Höhe " + Mm(h) + " mm); es passt nicht auf das Etikett.");
    }
  }
}

}  // namespace orvano::qt
