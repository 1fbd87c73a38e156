#include "orvano/qt/widgets/sheet_keys.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "orvano/model/sheet_geometry.h"
#include "orvano/qt/virtual_array.h"

namespace orvano::qt {

namespace {

// A frame around labels smaller than this would not be seen.
constexpr int kSmallestFrame = 7;

}  // namespace

SheetKeys::SheetKeys(LabelSelect& control, ControlHost& host, QObject* parent)
    : QObject(parent), control_(control), host_(&host) {
  host.setFocusPolicy(Qt::StrongFocus);
  host.setAccessibleName(QStringLiteral("Etikettenbogen"));
  host.installEventFilter(this);
  host.SetOverlay([this](QPainter& p) { PaintFrame(p); });
}

SheetKeys::~SheetKeys() {
  if (!host_) return;
  host_->removeEventFilter(this);
  host_->SetOverlay(nullptr);
}

std::int64_t SheetKeys::Count() const {
  const std::int64_t cols = control_.Cols(), rows = control_.Rows();
  if (cols <= 0 || rows <= 0) return 0;
  return std::min<std::int64_t>(cols * rows, control_.LoadedCount());
}

void SheetKeys::Follow(std::int64_t label) { MoveTo(label); }

bool SheetKeys::eventFilter(QObject* watched, QEvent* event) {
  if (watched != host_) return false;
  switch (event->type()) {
    case QEvent::FocusIn: {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      keyboard_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                  reason == Qt::ShortcutFocusReason;
      // The frame starts on the start label.
      const std::int64_t start = control_.LabelID();
      MoveTo(focused_ >= 0 && focused_ < Count() ? focused_ : std::max<std::int64_t>(start, 0));
      break;
    }
    case QEvent::FocusOut: MoveTo(focused_); break;
    case QEvent::MouseButtonPress:
      keyboard_ = false;
      MoveTo(focused_);
      break;
    case QEvent::KeyPress: return Key(static_cast<QKeyEvent*>(event)->key());
    default: break;
  }
  return false;
}

bool SheetKeys::Key(int key) {
  const std::int64_t count = Count();
  if (count <= 0) return false;
  const std::int64_t cols = control_.Cols(), rows = control_.Rows();
  const std::int32_t direction = control_.Direction();
  const std::int64_t current = std::clamp<std::int64_t>(focused_, 0, count - 1);
  const GridCell cell = CellOfLabel(current, cols, rows, direction).value_or(GridCell{});
  GridCell to = cell;
  switch (key) {
    case Qt::Key_Left: to.Col = std::max<std::int64_t>(cell.Col - 1, 0); break;
    case Qt::Key_Right: to.Col = std::min(cell.Col + 1, cols - 1); break;
    case Qt::Key_Up: to.Row = std::max<std::int64_t>(cell.Row - 1, 0); break;
    case Qt::Key_Down: to.Row = std::min(cell.Row + 1, rows - 1); break;
    case Qt::Key_Home: to = {0, 0}; break;
    case Qt::Key_End: to = CellOfLabel(count - 1, cols, rows, direction).value_or(cell); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      keyboard_ = true;
      focused_ = current;
      Choose();
      return true;
    default: return false;
  }
  keyboard_ = true;
  const std::int64_t label = LabelNumberAt(to, cols, rows, direction);
  MoveTo(label >= 0 && label < count ? label : current);
  return true;
}

// The same path as a click with the mouse: the click area of the label is clicked.
void SheetKeys::Choose() {
  if (!host_) return;
  for (SceneItem* item : host_->Items()) {
    auto* areas = dynamic_cast<QtVirtualArray*>(item);
    if (areas && areas->Kind() == host::ArrayKind::ClickAreas && areas->Name() == "lblLabel") {
      if (areas->Visible()) Deliver([&] { areas->ClickItem(focused_); });
      break;
    }
  }
  MoveTo(focused_);
  Announce();  // the label may now be the start label
}

void SheetKeys::MoveTo(std::int64_t label) {
  const bool changed = label != focused_;
  focused_ = label;
  if (host_) {
    const QRect now = FrameRect();
    const QRect dirty = shownFrame_.united(now);
    if (!dirty.isEmpty()) host_->update(dirty.adjusted(-1, -1, 1, 1));
    shownFrame_ = now;
  }
  if (changed) Announce();
}

QRect SheetKeys::FrameRect() const {
  if (!host_ || !host_->hasFocus() || !keyboard_ || focused_ < 0 || focused_ >= Count()) return {};
  const SheetRect r = control_.LabelRect(static_cast<std::int32_t>(focused_));
  QRect frame = QRectF(r.left, r.top, r.width, r.height).toAlignedRect();
  // Inside the label, clear of its outline and the marker; around it when it is tiny.
  if (frame.width() > 2 * kSmallestFrame && frame.height() > 2 * kSmallestFrame) {
    return frame.adjusted(4, 4, -4, -4);
  }
  const QPoint c = frame.center();
  const int w = std::max(frame.width() + 4, kSmallestFrame);
  const int h = std::max(frame.height() + 4, kSmallestFrame);
  return QRect(c.x() - w / 2, c.y() - h / 2, w, h);
}

void SheetKeys::PaintFrame(QPainter& p) const {
  const QRect frame = FrameRect();
  if (frame.isEmpty()) return;
  QPen pen(host_->palette().color(QPalette::Highlight));
  pen.setStyle(Qt::DotLine);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRect(frame.adjusted(0, 0, -1, -1));
}

void SheetKeys::Announce() {
  if (!host_ || focused_ < 0 || focused_ >= Count()) return;
  const std::optional<GridCell> cell =
      CellOfLabel(focused_, control_.Cols(), control_.Rows(), control_.Direction());
  if (!cell) return;
  // Counted from 1, as a reader counts.
  QString text = QStringLiteral("Etikett %1, Zeile %2, Spalte %3")
                     .arg(focused_ + 1)
                     .arg(cell->Row + 1)
                     .arg(cell->Col + 1);
  if (focused_ == control_.LabelID()) text += QStringLiteral(", Startetikett");
  host_->setAccessibleDescription(text);
  if (host_->hasFocus()) {
    QAccessibleEvent event(host_.data(), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace orvano::qt
