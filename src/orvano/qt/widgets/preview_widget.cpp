#include "orvano/qt/widgets/preview_widget.h"

namespace orvano::qt {

struct PreviewWidget::Published {
  ORVANO_PREVIEW_PROPERTIES(ORVANO_QT_RECORD)
};

PreviewWidget::PreviewWidget(QWidget* parent)
    : ControlWidget(parent), published_(std::make_unique<Published>()) {
  control_ = std::make_unique<Preview>(container());
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  Publish(false);
}

PreviewWidget::~PreviewWidget() = default;

#define ORVANO_PREVIEW_WIDGET(...) ORVANO_QT_DEFINE(PreviewWidget, __VA_ARGS__)
ORVANO_PREVIEW_PROPERTIES(ORVANO_PREVIEW_WIDGET)
#undef ORVANO_PREVIEW_WIDGET

void PreviewWidget::showSheet(const SheetGeometry& sheet) {
  Apply([&] { control_->ShowSheet(sheet); });
}

void PreviewWidget::showAddressLayout(const AddressLayout& layout) {
  Apply([&] { control_->ShowAddressLayout(layout); });
}

void PreviewWidget::Publish(bool signal) {
  Published& published = *published_;
  ORVANO_PREVIEW_PROPERTIES(ORVANO_QT_PUBLISH)
}

}  // namespace orvano::qt
