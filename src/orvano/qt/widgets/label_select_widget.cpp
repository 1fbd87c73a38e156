#include "orvano/qt/widgets/label_select_widget.h"

#include "orvano/qt/convert.h"
#include "orvano/qt/widgets/sheet_keys.h"
#include "orvano/qt/widgets/sheet_lattice.h"

namespace orvano::qt {

LabelSelectWidget::LabelSelectWidget(QWidget* parent) : ControlWidget(parent) {
  control_ = std::make_unique<LabelSelect>(container());
  control_->OnLabelClick([this](std::int32_t id) { emit labelClick(id); });
  control_->OnLabelChanged([this](const std::string& brand, std::string& labelName) {
    emit labelChanged(ToQString(brand), ToQString(labelName));
  });
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
  ControlHost& host = *container().Widget();
  InstallSheetLattice(*control_, host);
  auto* keys = new SheetKeys(*control_, host, this);
  connect(this, &LabelSelectWidget::labelClick, keys, [keys](int id) { keys->Follow(id); });
  setFocusProxy(&host);
}

// The keyboard handling reads the control, so it goes first.
LabelSelectWidget::~LabelSelectWidget() {
  delete findChild<SheetKeys*>(QString(), Qt::FindDirectChildrenOnly);
}

QString LabelSelectWidget::labelName() const { return ToQString(control_->LabelName()); }
void LabelSelectWidget::setLabelName(const QString& v) { control_->SetLabelName(ToStdString(v)); }
QString LabelSelectWidget::brand() const { return ToQString(control_->Brand()); }
void LabelSelectWidget::setBrand(const QString& v) { control_->SetBrand(ToStdString(v)); }
QString LabelSelectWidget::description() const { return ToQString(control_->Description()); }
void LabelSelectWidget::setDescription(const QString& v) {
  control_->SetDescription(ToStdString(v));
}
QString LabelSelectWidget::dataFolder() const { return ToQString(control_->DataFolder()); }
void LabelSelectWidget::setDataFolder(const QString& v) { control_->SetDataFolder(ToStdString(v)); }

// Room for a portrait A4 sheet a little over 200 pixels wide and the two-line caption under it.
QSize LabelSelectWidget::sizeHint() const { return {230, 360}; }
QSize LabelSelectWidget::minimumSizeHint() const { return {120, 200}; }

}  // namespace orvano::qt
