#include "orvano/qt/widgets/address_label_widget.h"

#include <algorithm>
#include <cmath>

#include "orvano/model/page_format.h"
#include "orvano/qt/convert.h"
#include "orvano/qt/widgets/shared_platform.h"

namespace orvano::qt {

AddressLabelWidget::AddressLabelWidget(QWidget* parent) : ControlWidget(parent) {
  control_ = std::make_unique<AddressLabel>(container());
  control_->OnAfterUpdate([this] { emit afterUpdate(); });
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  // Clicking or tabbing onto the wrapper puts the cursor into the address box.
  if (QWidget* box = container().Widget()->findChild<QWidget*>(QStringLiteral("txtAddress"))) {
    setFocusProxy(box);
  }
}

AddressLabelWidget::~AddressLabelWidget() = default;

void AddressLabelWidget::setLabelWidth(double v) {
  control_->SetLabelWidth(v);
  updateGeometry();
}

void AddressLabelWidget::setLabelHeight(double v) {
  control_->SetLabelHeight(v);
  updateGeometry();
}

QString AddressLabelWidget::address() const { return ToQtLineEnds(ToQString(control_->Address())); }
void AddressLabelWidget::setAddress(const QString& v) { control_->SetAddress(ToStdString(v)); }
QString AddressLabelWidget::returnAddress() const { return ToQString(control_->ReturnAddress()); }
void AddressLabelWidget::setReturnAddress(const QString& v) {
  control_->SetReturnAddress(ToStdString(v));
}
QString AddressLabelWidget::labelHeading() const { return ToQString(control_->LabelHeading()); }
void AddressLabelWidget::setLabelHeading(const QString& v) {
  control_->SetLabelHeading(ToStdString(v));
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
