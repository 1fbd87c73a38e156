/// \file
/// One field's text laid out once for a record, with the printer's font metrics, and then drawn on
/// as many labels as the record fills: glyph runs are shaped once and only moved per label.
#pragma once

#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

#include "orvano/model/field_def.h"
#include "orvano/print_export.h"

namespace orvano::qt {

/// How a field's text fared in its box.
enum class FitOutcome {
  Fits,    ///< at its own size
  Shrunk,  ///< at a smaller font size
  Cut      ///< not all of it, even at the smallest size allowed
};

/// What to do with a text that does not fit its box.
struct ORVANO_PRINT_EXPORT FitRule {
  bool shrink = true;    ///< make the font smaller until the text fits ...
  double minPoints = 6;  ///< ... but not below this; false: keep the size, print what fits
};

/// The field's box on its label in device units: its rectangle from the label's corner, a field
/// that may grow taken down to the label's bottom edge, all of it cut to the label.
ORVANO_PRINT_EXPORT QRectF FieldBox(const FieldDef& field, double labelWidthMm,
                                    double labelHeightMm, double dotsPerMm);

/// One field's text laid out for printing, in glyph runs.
class ORVANO_PRINT_EXPORT FieldLayout {
 public:
  /// Lays the text out in the box (its size; the position is given when drawing). Lines are broken
  /// at "\n" and wrapped at the box's width; lines below the box's bottom are left out.
  FieldLayout(const FieldDef& field, const QString& text, const QSizeF& box,
              const QPaintDevice* device, const FitRule& rule);

  FitOutcome Outcome() const { return outcome_; }  ///< how the text fared
  double Points() const { return points_; }        ///< the font size used, points
  bool Empty() const { return runs_.empty(); }     ///< nothing to draw
  /// In the box's coordinates, one run per font.
  const std::vector<QGlyphRun>& Runs() const { return runs_; }

 private:
  std::vector<QGlyphRun> runs_;
  FitOutcome outcome_ = FitOutcome::Fits;
  double points_ = 0;
};

/// The glyphs of many labels gathered into one text object per font: a PDF then carries a few
/// bytes per glyph rather than a text object per label and field, so a dense sheet stays small.
class ORVANO_PRINT_EXPORT GlyphBatch {
 public:
  /// Adds the field's glyphs at the box's place; draws what has gathered when it grows large.
  void Add(QPainter& painter, const FieldLayout& layout, const QPointF& boxTopLeft);
  /// Draws everything gathered; before a new page and at the end.
  void Flush(QPainter& painter);

 private:
  static constexpr qsizetype kMaxGlyphs = 8192;
  struct Pending {
    QGlyphRun style;  ///< font and decoration
    QList<quint32> glyphs;
    QList<QPointF> positions;
  };
  std::vector<Pending> pending_;
  qsizetype glyphs_ = 0;
};

}  // namespace orvano::qt
