#include "orvano/qt/widgets/label_select_widget.h"

#include "orvano/qt/convert.h"
#include "orvano/qt/widgets/sheet_keys.h"
#include "orvano/qt/widgets/sheet_lattice.h"

namespace orvano::qt {

struct LabelSelectWidget::Published {
  ORVANO_LABEL_SELECT_PROPERTIES(ORVANO_QT_RECORD)
};

LabelSelectWidget::LabelSelectWidget(QWidget* parent)
    : ControlWidget(parent), published_(std::make_unique<Published>()) {
  control_ = std::make_unique<LabelSelect>(container());
  control_->OnLabelClick([this](std::int32_t id) {
    Publish();
    Q_EMIT labelClick(id);
  });
  control_->OnLabelChanged([this](const std::string& brand, std::string& labelName) {
    Publish();
    Q_EMIT labelChanged(ToQString(brand), ToQString(labelName));
  });
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
  ControlHost& host = *container().Widget();
  InstallSheetLattice(*control_, host);
  auto* keys = new SheetKeys(*control_, host, this);
  connect(this, &LabelSelectWidget::labelClick, keys, [keys](int id) { keys->Follow(id); });
  setFocusProxy(&host);
  Publish(false);
}

// The keyboard handling reads the control, so it goes first.
LabelSelectWidget::~LabelSelectWidget() {
  delete findChild<SheetKeys*>(QString(), Qt::FindDirectChildrenOnly);
}

#define ORVANO_LABEL_SELECT_WIDGET(...) ORVANO_QT_DEFINE(LabelSelectWidget, __VA_ARGS__)
ORVANO_LABEL_SELECT_PROPERTIES(ORVANO_LABEL_SELECT_WIDGET)
#undef ORVANO_LABEL_SELECT_WIDGET

void LabelSelectWidget::Publish(bool signal) {
  Published& published = *published_;
  ORVANO_LABEL_SELECT_PROPERTIES(ORVANO_QT_PUBLISH)
}

void LabelSelectWidget::showConfig() {
  Apply([&] { control_->ShowConfig(); });
}

void LabelSelectWidget::marqueeLabel(int id) {
  Apply([&] { control_->MarqueeLabel(id); });
}

// Room for a portrait A4 sheet a little over 200 pixels wide and the two-line caption under it.
QSize LabelSelectWidget::sizeHint() const { return {230, 360}; }
QSize LabelSelectWidget::minimumSizeHint() const { return {120, 200}; }

}  // namespace orvano::qt
