#include "orvano/qt/control_host.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QToolTip>
#include <algorithm>
#include <exception>

#include "orvano/host/error.h"
#include "orvano/qt/convert.h"

namespace orvano::qt {

namespace {

// A control that draws outside Paint and never repaints from Paint would grow its drawing
// without end; past this many primitives the oldest half goes.
constexpr std::size_t kMaxPrimitives = 1u << 20;

void PaintPrimitive(QPainter& p, const Primitive& d) {
  QPen pen(d.color);
  pen.setWidth(1);
  pen.setStyle(d.style == host::DrawStyle::Dot ? Qt::DotLine : Qt::SolidLine);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  const QRectF box = QRectF(d.from, d.to).normalized();
  switch (d.mode) {
    case host::DrawMode::Line: p.drawLine(d.from, d.to); break;
    case host::DrawMode::FilledBox: p.fillRect(box.adjusted(0, 0, 1, 1), d.color); [[fallthrough]];
    case host::DrawMode::Box: p.drawRect(box); break;
  }
}

}  // namespace

void Deliver(const std::function<void()>& handler) {
  if (!handler) return;
  try {
    handler();
  } catch (const host::Error&) {
    // Resumed like every handler statement.
  } catch (const std::exception& e) {
    qWarning("Orvano: handler failed: %s", e.what());
  }
}

ControlHost::ControlHost(std::shared_ptr<Units> units, QWidget* parent)
    : QWidget(parent), units_(std::move(units)), back_(ToQColor(host::kButtonFace)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
}

ControlHost::~ControlHost() = default;

void ControlHost::SetBackColor(const QColor& color) {
  back_ = color;
  SceneChanged();
}

void ControlHost::AddItem(SceneItem* item) {
  // New items go in front, above the still picture, which therefore still holds.
  items_.push_back(item);
  update();
}

void ControlHost::RemoveItem(SceneItem* item) {
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  shownAt_.erase(item);
  SceneChanged();
  mnemonics_.erase(std::remove_if(mnemonics_.begin(), mnemonics_.end(),
                                  [&](const MnemonicEntry& m) { return m.label == item; }),
                   mnemonics_.end());
  if (pressed_ == item) pressed_ = nullptr;
}

void ControlHost::RaiseItem(SceneItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end() || it + 1 == items_.end()) return;  // already in front: nothing moves
  const bool inStill = static_cast<std::size_t>(it - items_.begin()) < stillCount_;
  std::rotate(it, it + 1, items_.end());
  if (inStill) {
    SceneChanged();
  } else {
    ItemChanged(item);
  }
}

void ControlHost::SceneChanged() {
  stillValid_ = false;
  shownAt_.clear();
  update();
}

void ControlHost::ItemChanged(const SceneItem* item) {
  const auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  const auto known = shownAt_.find(item);
  const std::optional<QRect> now = item->Shown() ? item->PaintBounds() : QRect();
  if (!stillValid_ || static_cast<std::size_t>(it - items_.begin()) < stillCount_ ||
      known == shownAt_.end() || !now) {
    SceneChanged();
    return;
  }
  // Antialiased edges may reach a pixel past the bounds.
  update(known->second.united(*now).adjusted(-2, -2, 2, 2));
  known->second = *now;
}

void ControlHost::AddPrimitive(const Primitive& primitive) {
  // A filled box over the whole surface hides everything drawn before it.
  if (primitive.mode == host::DrawMode::FilledBox && QRectF(primitive.from, primitive.to)
                                                         .normalized()
                                                         .adjusted(0, 0, 1, 1)
                                                         .contains(QRectF(rect()))) {
    display_.clear();
  }
  if (display_.size() >= kMaxPrimitives) {
    display_.erase(display_.begin(),
                   display_.begin() + static_cast<std::ptrdiff_t>(kMaxPrimitives / 2));
  }
  display_.push_back(primitive);
  stillValid_ = false;
  shownAt_.clear();
  if (!inPaint_) update();
}

void ControlHost::RequestPaint() {
  paintPending_ = true;
  SceneChanged();
}

void ControlHost::PaintStill(const QSize& device, qreal ratio) {
  if (still_.size() != device) still_ = QImage(device, QImage::Format_ARGB32_Premultiplied);
  still_.setDevicePixelRatio(ratio);
  stillCount_ = items_.empty() ? 0 : items_.size() - 1;
  QPainter p(&still_);
  p.fillRect(rect(), back_);
  for (const Primitive& d : display_) PaintPrimitive(p, d);
  for (std::size_t i = 0; i < stillCount_; ++i) {
    if (!items_[i]->Shown()) continue;
    p.save();
    items_[i]->PaintItem(p);
    p.restore();
  }
  shownAt_.clear();
  for (std::size_t i = stillCount_; i < items_.size(); ++i) {
    const std::optional<QRect> at = items_[i]->Shown() ? items_[i]->PaintBounds() : QRect();
    if (at) shownAt_[items_[i]] = *at;
  }
  stillValid_ = true;
}

void ControlHost::paintEvent(QPaintEvent* /*event*/) {
  if (paintPending_ && events_ && !inPaint_) {
    // The control repaints its whole area on every Paint, so the new drawing replaces the old.
    paintPending_ = false;
    display_.clear();
    stillValid_ = false;
    inPaint_ = true;
    Deliver([this] { events_->UserControl_Paint(); });
    inPaint_ = false;
  }
  const qreal ratio = devicePixelRatioF();
  const QSize device = (QSizeF(size()) * ratio).toSize();
  if (!stillValid_ || still_.size() != device || still_.devicePixelRatio() != ratio) {
    PaintStill(device, ratio);
  }
  QPainter p(this);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QPointF(0, 0), still_);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  for (std::size_t i = stillCount_; i < items_.size(); ++i) {
    if (!items_[i]->Shown()) continue;
    p.save();
    items_[i]->PaintItem(p);
    p.restore();
  }
  if (overlay_) {
    p.save();
    overlay_(p);
    p.restore();
  }
}

void ControlHost::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (events_) Deliver([this] { events_->UserControl_Resize(); });
  RequestPaint();
}

SceneItem* ControlHost::ItemAt(QPointF px, std::int64_t& index) const {
  for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
    std::int64_t hit = 0;
    if ((*it)->Shown() && (*it)->HitItem(px, hit)) {
      index = hit;
      return *it;
    }
  }
  return nullptr;
}

void ControlHost::mousePressEvent(QMouseEvent* event) {
  pressed_ = nullptr;
  if (event->button() == Qt::LeftButton) pressed_ = ItemAt(event->position(), pressedIndex_);
  QWidget::mousePressEvent(event);
}

void ControlHost::mouseReleaseEvent(QMouseEvent* event) {
  SceneItem* pressed = pressed_;
  pressed_ = nullptr;
  if (event->button() == Qt::LeftButton && pressed) {
    std::int64_t index = -1;
    // A click is a press and a release on the same item (and the same element of an array).
    if (ItemAt(event->position(), index) == pressed && index == pressedIndex_) {
      Deliver([&] { pressed->ClickItem(index); });
      return;
    }
  }
  QWidget::mouseReleaseEvent(event);
}

bool ControlHost::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    std::int64_t index = -1;
    QString tip;
    if (SceneItem* item = ItemAt(help->pos(), index)) tip = item->ToolTipAt(index);
    if (tip.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
  }
  return QWidget::event(event);
}

void ControlHost::AddFocusWidget(QWidget* widget, host::FocusWidget* focus,
                                 std::uint64_t sequence) {
  RemoveFocusWidget(widget);
  focus_.push_back({widget, focus, sequence, -1});
}

void ControlHost::RemoveFocusWidget(QWidget* widget) {
  focus_.erase(std::remove_if(focus_.begin(), focus_.end(),
                              [&](const FocusEntry& e) { return e.widget == widget || !e.widget; }),
               focus_.end());
}

host::FocusWidget* ControlHost::FindFocusWidget(const QWidget* widget) const {
  for (const QWidget* w = widget; w && w != this; w = w->parentWidget()) {
    for (const FocusEntry& e : focus_) {
      if (e.widget == w) return e.focus;
    }
  }
  return nullptr;
}

void ControlHost::SetTabIndex(QWidget* widget, int index) {
  for (FocusEntry& e : focus_) {
    if (e.widget == widget) e.tabIndex = index;
  }
  ApplyTabOrder();
}

void ControlHost::ApplyTabOrder() {
  // Widgets with an index first, by index; the others after them in creation order.
  std::vector<const FocusEntry*> order;
  for (const FocusEntry& e : focus_) {
    if (e.widget) order.push_back(&e);
  }
  std::stable_sort(order.begin(), order.end(), [](const FocusEntry* a, const FocusEntry* b) {
    const bool ai = a->tabIndex >= 0, bi = b->tabIndex >= 0;
    if (ai != bi) return ai;
    if (ai && a->tabIndex != b->tabIndex) return a->tabIndex < b->tabIndex;
    return a->sequence < b->sequence;
  });
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1]->widget, order[i]->widget);
  }
}

void ControlHost::SetMnemonic(const SceneItem* label, std::uint64_t sequence,
                              const QKeySequence& key) {
  mnemonics_.erase(std::remove_if(mnemonics_.begin(), mnemonics_.end(),
                                  [&](const MnemonicEntry& m) { return m.label == label; }),
                   mnemonics_.end());
  if (!key.isEmpty()) mnemonics_.push_back({label, sequence, key});
  RefreshShortcuts();
}

void ControlHost::RefreshShortcuts() {
  // One shortcut per key: labels on different tab pages share keys, and only the shown one counts.
  std::map<QString, QKeySequence> wanted;
  for (const MnemonicEntry& m : mnemonics_) wanted[m.key.toString()] = m.key;
  for (auto it = shortcuts_.begin(); it != shortcuts_.end();) {
    if (!wanted.count(it->first)) {
      delete it->second;
      it = shortcuts_.erase(it);
    } else {
      ++it;
    }
  }
  for (const auto& [text, key] : wanted) {
    if (shortcuts_.count(text)) continue;
    auto* shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    const QKeySequence k = key;
    connect(shortcut, &QShortcut::activated, this, [this, k] { ActivateMnemonic(k); });
    connect(shortcut, &QShortcut::activatedAmbiguously, this, [this, k] { ActivateMnemonic(k); });
    shortcuts_[text] = shortcut;
  }
}

void ControlHost::ActivateMnemonic(const QKeySequence& key) {
  std::vector<const MnemonicEntry*> labels;
  for (const MnemonicEntry& m : mnemonics_) {
    if (m.key == key && m.label->Shown()) labels.push_back(&m);
  }
  std::sort(labels.begin(), labels.end(), [](const MnemonicEntry* a, const MnemonicEntry* b) {
    return a->sequence < b->sequence;
  });
  for (const MnemonicEntry* m : labels) {
    const FocusEntry* next = nullptr;
    for (const FocusEntry& e : focus_) {
      if (!e.widget || e.sequence < m->sequence || !e.widget->isVisible() || !e.widget->isEnabled())
        continue;
      if (!next || e.sequence < next->sequence) next = &e;
    }
    if (next) {
      next->widget->setFocus(Qt::ShortcutFocusReason);
      return;
    }
  }
}

void ControlHost::SetDefaultButton(QPushButton* button, bool on) {
  if (on) {
    if (default_ && default_ != button) default_->setDefault(false);
    default_ = button;
  } else if (default_ == button) {
    default_ = nullptr;
  }
  button->setDefault(on);
}

void ControlHost::SetCancelButton(QPushButton* button, bool on) {
  if (on) {
    cancel_ = button;
  } else if (cancel_ == button) {
    cancel_ = nullptr;
  }
}

bool ControlHost::Press(QPushButton* button) {
  if (!button || !button->isEnabled() || !button->isVisibleTo(button->window())) return false;
  // Like a click with the mouse: the field being left hands over the focus first.
  button->setFocus(Qt::OtherFocusReason);
  button->click();
  return true;
}

bool ControlHost::PressDefault() { return Press(default_); }
bool ControlHost::PressCancel() { return Press(cancel_); }

}  // namespace orvano::qt
