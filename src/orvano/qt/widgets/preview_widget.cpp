#include "orvano/qt/widgets/preview_widget.h"

namespace orvano::qt {

PreviewWidget::PreviewWidget(QWidget* parent) : ControlWidget(parent) {
  control_ = std::make_unique<Preview>(container());
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

PreviewWidget::~PreviewWidget() = default;

}  // namespace orvano::qt
