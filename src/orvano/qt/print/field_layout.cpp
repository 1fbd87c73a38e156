#include "orvano/qt/print/field_layout.h"

#include <QFont>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "orvano/qt/convert.h"

namespace orvano::qt {

namespace {

QFont FieldFont(const FieldDef& field, double points, const QPaintDevice* device) {
  QFont font(field.FontName().empty() ? QStringLiteral("Arial") : ToQString(field.FontName()));
  font.setPointSizeF(points);
  font.setBold(field.FontBold() != 0);
  font.setItalic(field.FontItalic() != 0);
  font.setUnderline(field.FontUnderline() != 0);
  return device != nullptr ? QFont(font, device) : font;
}

// Adds a run to the field's runs: a run in the font of the last one joins it, so a field costs
// one text object per font on each label rather than one per line. Positions are rounded to
// whole device dots (a fiftieth of a millimetre at 1200 dpi), which PDF writes in far fewer
// digits.
// Blanks are left out: they draw nothing, and a reader finds the words by their distance.
void Append(std::vector<QGlyphRun>& runs, const QGlyphRun& run) {
  const QList<quint32> blanks = run.rawFont().glyphIndexesForString(QStringLiteral(" \u00A0"));
  QList<quint32> glyphs;
  QList<QPointF> positions;
  const QList<quint32> allGlyphs = run.glyphIndexes();
  const QList<QPointF> allPositions = run.positions();
  for (qsizetype i = 0; i < allGlyphs.size() && i < allPositions.size(); ++i) {
    if (blanks.contains(allGlyphs[i])) continue;
    glyphs.push_back(allGlyphs[i]);
    positions.push_back(QPointF(std::round(allPositions[i].x()), std::round(allPositions[i].y())));
  }
  if (glyphs.isEmpty()) return;
  if (!runs.empty()) {
    QGlyphRun& last = runs.back();
    if (last.rawFont() == run.rawFont() && last.underline() == run.underline() &&
        last.overline() == run.overline() && last.strikeOut() == run.strikeOut() &&
        last.isRightToLeft() == run.isRightToLeft()) {
      last.setGlyphIndexes(last.glyphIndexes() + glyphs);
      last.setPositions(last.positions() + positions);
      return;
    }
  }
  QGlyphRun copy = run;
  copy.setGlyphIndexes(glyphs);
  copy.setPositions(positions);
  runs.push_back(copy);
}

struct Laid {
  std::vector<QGlyphRun> runs;
  bool complete = true;
};

Laid Lay(const QString& text, const QFont& font, const QPaintDevice* device, const QSizeF& box,
         ovTextAlignConstants align) {
  QTextLayout layout(text, font, device);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.setCacheEnabled(true);
  Laid laid;
  double y = 0;
  int shown = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(box.width());
    if (y + line.height() > box.height() + 1e-6) {
      laid.complete = false;
      break;
    }
    const double free = std::max(0.0, box.width() - line.naturalTextWidth());
    const double x = align == ovTextAlignRight ? free : align == ovTextAlignCenter ? free / 2 : 0;
    line.setPosition(QPointF(x, y));
    y += line.height();
    ++shown;
  }
  layout.endLayout();
  for (int i = 0; i < shown; ++i) {
    for (const QGlyphRun& run : layout.lineAt(i).glyphRuns()) Append(laid.runs, run);
  }
  return laid;
}

}  // namespace

QRectF FieldBox(const FieldDef& field, double labelWidthMm, double labelHeightMm,
                double dotsPerMm) {
  QRectF mm(field.FieldLeft(), field.FieldTop(), field.FieldWidth(), field.FieldHeight());
  if (field.CanGrow() != 0) mm.setBottom(std::max(mm.bottom(), labelHeightMm));
  mm = mm.intersected(QRectF(0, 0, labelWidthMm, labelHeightMm));
  if (!mm.isValid()) return {};
  return QRectF(mm.left() * dotsPerMm, mm.top() * dotsPerMm, mm.width() * dotsPerMm,
                mm.height() * dotsPerMm);
}

FieldLayout::FieldLayout(const FieldDef& field, const QString& source, const QSizeF& box,
                         const QPaintDevice* device, const FitRule& rule) {
  points_ = field.FontSize() > 0 ? field.FontSize() : 10;
  if (source.isEmpty() || box.isEmpty()) return;
  QString text = source;
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  text.replace(QLatin1Char('\n'), QChar::LineSeparator);
  const ovTextAlignConstants align = field.TextAlign();

  Laid laid = Lay(text, FieldFont(field, points_, device), device, box, align);
  if (!laid.complete && rule.shrink) {
    // Half a point at a time: the largest size at which everything fits.
    for (double p = points_ - 0.5; p >= rule.minPoints - 1e-9; p -= 0.5) {
      Laid smaller = Lay(text, FieldFont(field, p, device), device, box, align);
      laid = std::move(smaller);
      points_ = p;
      if (laid.complete) break;
    }
    if (laid.complete) outcome_ = FitOutcome::Shrunk;
  }
  if (!laid.complete) outcome_ = FitOutcome::Cut;
  runs_ = std::move(laid.runs);
}

void GlyphBatch::Add(QPainter& painter, const FieldLayout& layout, const QPointF& boxTopLeft) {
  for (const QGlyphRun& run : layout.Runs()) {
    auto same = [&](const Pending& p) {
      return p.style.rawFont() == run.rawFont() && p.style.underline() == run.underline() &&
             p.style.overline() == run.overline() && p.style.strikeOut() == run.strikeOut() &&
             p.style.isRightToLeft() == run.isRightToLeft();
    };
    auto it = std::find_if(pending_.begin(), pending_.end(), same);
    if (it == pending_.end()) {
      pending_.push_back({run, {}, {}});
      it = pending_.end() - 1;
    }
    it->glyphs += run.glyphIndexes();
    for (const QPointF& p : run.positions()) it->positions.push_back(p + boxTopLeft);
    glyphs_ += run.glyphIndexes().size();
  }
  if (glyphs_ >= kMaxGlyphs) Flush(painter);
}

void GlyphBatch::Flush(QPainter& painter) {
  for (Pending& p : pending_) {
    if (p.glyphs.isEmpty()) continue;
    p.style.setGlyphIndexes(p.glyphs);
    p.style.setPositions(p.positions);
    painter.drawGlyphRun(QPointF(), p.style);
    p.glyphs.clear();
    p.positions.clear();
  }
  glyphs_ = 0;
}

}  // namespace orvano::qt
