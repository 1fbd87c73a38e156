#include "orvano/qt/widgets/address_label_widget.h"

#include <QPlainTextEdit>
#include <algorithm>
#include <cmath>

#include "orvano/model/page_format.h"
#include "orvano/qt/convert.h"
#include "orvano/qt/widgets/shared_platform.h"

namespace orvano::qt {

struct AddressLabelWidget::Published {
  ORVANO_ADDRESS_LABEL_PROPERTIES(ORVANO_QT_RECORD)
  bool modified = false;
};

AddressLabelWidget::AddressLabelWidget(QWidget* parent)
    : ControlWidget(parent), published_(std::make_unique<Published>()) {
  control_ = std::make_unique<AddressLabel>(container());
  control_->OnAfterUpdate([this] {
    Q_EMIT afterUpdate();
    // The control clears its change flag once this handler has returned.
    QMetaObject::invokeMethod(
        this, [this] { Publish(); }, Qt::QueuedConnection);
  });
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  // The size hint is the label's.
  connect(this, &AddressLabelWidget::labelWidthChanged, this, &QWidget::updateGeometry);
  connect(this, &AddressLabelWidget::labelHeightChanged, this, &QWidget::updateGeometry);
  // Clicking or tabbing onto the wrapper puts the cursor into the address box.
  if (QWidget* box = container().Widget()->findChild<QWidget*>(QStringLiteral("txtAddress"))) {
    setFocusProxy(box);
    // The control hears of every edit first (its handler was connected when the box was made).
    if (auto* edit = qobject_cast<QPlainTextEdit*>(box)) {
      connect(edit, &QPlainTextEdit::textChanged, this, [this] { Publish(); });
    }
  }
  Publish(false);
}

AddressLabelWidget::~AddressLabelWidget() = default;

#define ORVANO_ADDRESS_LABEL_WIDGET(...) ORVANO_QT_DEFINE(AddressLabelWidget, __VA_ARGS__)
ORVANO_ADDRESS_LABEL_PROPERTIES(ORVANO_ADDRESS_LABEL_WIDGET)
#undef ORVANO_ADDRESS_LABEL_WIDGET

void AddressLabelWidget::showLayout(const SheetGeometry& sheet, const AddressLayout& layout) {
  Apply([&] { control_->ShowLayout(sheet, layout); });
}

void AddressLabelWidget::Publish(bool signal) {
  Published& published = *published_;
  ORVANO_ADDRESS_LABEL_PROPERTIES(ORVANO_QT_PUBLISH)
  if (const bool now = isModified(); published.modified != now) {
    published.modified = now;
    if (signal) Q_EMIT modifiedChanged(now);
  }
}

QSize AddressLabelWidget::sizeHint() const {
  const QtPlatform& platform = SharedPlatform();
  auto pixels = [](double mm, double twipsPerPixel) {
    const double px = mm * kTwipsPerMm / twipsPerPixel;
    // Nonsense sizes (negative, not finite, huge) fall back to a plain label's size.
    return std::isfinite(px) && px >= 1 && px <= 4000 ? static_cast<int>(std::ceil(px)) + 1 : 0;
  };
  const int w = pixels(control_->LabelWidth(), platform.TwipsPerPixelX());
  const int h = pixels(control_->LabelHeight(), platform.TwipsPerPixelY());
  return {w > 0 ? w : 340, h > 0 ? h : 180};
}

}  // namespace orvano::qt
