#include "orvano/qt/tab_strip.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>

#include "orvano/qt/convert.h"
#include "orvano/qt/fonts.h"

namespace orvano::qt {

QtTabStrip::QtTabStrip(ControlHost* host, std::string name, const host::Font& font)
    : NativeWidget<host::TabStrip>(host, std::move(name)) {
  auto* bar = new QTabBar(host);
  bar->setFont(ToQFont(font));
  bar->setDrawBase(false);
  bar->setExpanding(false);
  QObject::connect(bar, &QTabBar::currentChanged, bar, [this](int index) { UserChose(index); });
  Adopt(bar);
  host->AddItem(this);
}

QtTabStrip::~QtTabStrip() {
  if (host_) host_->RemoveItem(this);
}

void QtTabStrip::ApplyGeometry() {
  if (QTabBar* bar = Bar()) {
    QRect r = PixelRect();
    r.setHeight(std::min(r.height(), bar->sizeHint().height()));
    bar->setGeometry(r);
  }
  Repaint();
}

void QtTabStrip::ApplyVisibility() {
  NativeWidget<host::TabStrip>::ApplyVisibility();
  Repaint();
}

void QtTabStrip::PaintItem(QPainter& p) {
  QRect r = PixelRect();
  if (QTabBar* bar = Bar()) r.setTop(r.top() + bar->height());
  if (r.width() < 2 || r.height() < 2) return;
  const QPalette& palette = host_ ? host_->palette() : QPalette();
  p.setPen(palette.color(QPalette::Mid));
  p.drawRect(r.adjusted(0, 0, -1, -1));
  p.setPen(palette.color(QPalette::Light));
  p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
}

void QtTabStrip::CheckIndex(std::int32_t index) const {
  if (index < 0 || index >= TabCount()) host::Raise(host::ErrorKind::InvalidPropertyValue);
}

void QtTabStrip::AddTab(const std::string& caption) {
  captions_.push_back(caption);
  if (QTabBar* bar = Bar()) {
    const QSignalBlocker block(bar);
    bar->addTab(MnemonicText(ToQString(caption)));
    bar->setCurrentIndex(tab_ < bar->count() ? tab_ : 0);
  }
  ApplyGeometry();
  ShowPages();
}

std::int32_t QtTabStrip::TabCount() const { return static_cast<std::int32_t>(captions_.size()); }

std::string QtTabStrip::TabCaption(std::int32_t index) const {
  CheckIndex(index);
  return captions_[static_cast<std::size_t>(index)];
}

void QtTabStrip::SetTab(std::int32_t index) {
  CheckIndex(index);
  if (!TabEnabled(index)) host::Raise(host::ErrorKind::InvalidPropertyValue);
  if (index == tab_) return;
  tab_ = index;
  if (QTabBar* bar = Bar()) {
    const QSignalBlocker block(bar);
    bar->setCurrentIndex(index);
  }
  ShowPages();
  if (change_) change_();
}

void QtTabStrip::UserChose(int index) {
  if (index < 0 || index == tab_) return;
  tab_ = index;
  ShowPages();
  Deliver(change_);
}

bool QtTabStrip::TabEnabled(std::int32_t index) const {
  CheckIndex(index);
  QTabBar* bar = Bar();
  return !bar || bar->isTabEnabled(index);
}

void QtTabStrip::SetTabEnabled(std::int32_t index, bool enabled) {
  CheckIndex(index);
  if (QTabBar* bar = Bar()) {
    const QSignalBlocker block(bar);
    bar->setTabEnabled(index, enabled);
    // Disabling the selected tab makes QTabBar move on; the strip keeps its selection.
    bar->setCurrentIndex(tab_);
  }
}

void QtTabStrip::PlaceOnTab(host::Widget& child, std::int32_t index) {
  CheckIndex(index);
  auto* placeable = dynamic_cast<Placeable*>(&child);
  if (!placeable) host::Raise(host::ErrorKind::InvalidProcedureCall);
  for (Placed& p : placed_) {
    if (*p.widget == placeable) {
      p.tab = index;
      ShowPages();
      return;
    }
  }
  placed_.push_back({placeable->Handle(), index});
  ShowPages();
}

void QtTabStrip::ShowPages() {
  for (auto it = placed_.begin(); it != placed_.end();) {
    if (Placeable* widget = *it->widget) {
      widget->SetTabHidden(it->tab != tab_);
      ++it;
    } else {
      it = placed_.erase(it);  // the widget has gone
    }
  }
}

}  // namespace orvano::qt
