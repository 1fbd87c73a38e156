#include "orvano/qt/widgets/control_widget.h"

#include <QVBoxLayout>
#include <exception>

#include "orvano/host/error.h"
#include "orvano/qt/convert.h"
#include "orvano/qt/widgets/shared_platform.h"

namespace orvano::qt {

ControlWidget::ControlWidget(QWidget* parent)
    : QWidget(parent), container_(std::make_unique<QtContainer>(SharedPlatform(), this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(container_->Widget());
}

// The derived wrapper has released its control by now; the container goes before QWidget's
// destructor deletes the host widget under it.
ControlWidget::~ControlWidget() { container_.reset(); }

bool ControlWidget::Apply(const std::function<void()>& change) noexcept {
  QString failure;
  bool ok = true;
  try {
    change();
  } catch (const std::exception& e) {
    ok = false;
    failure = QString::fromUtf8(e.what());
  } catch (...) {
    ok = false;
  }
  try {
    Publish();
    if (!ok) Q_EMIT errorOccurred(failure);
  } catch (...) {
    // A slot that throws has nowhere to go; Qt does not pass exceptions through signals.
  }
  return ok;
}

void ControlWidget::saveState(host::PropertyBag& bag) { container_->WriteProperties(bag); }

void ControlWidget::restoreState(host::PropertyBag& bag) {
  Apply([&] { container_->ReadProperties(bag); });
}

bool ControlWidget::saveState(PropertyFile& file) {
  return Apply([&] {
    if (objectName().isEmpty()) {
      host::Raise(host::ErrorKind::InvalidProcedureCall, "Das Steuerelement hat keinen Namen.");
    }
    saveState(file.Bag(ToStdString(objectName())));
  });
}

bool ControlWidget::restoreState(PropertyFile& file) {
  const std::string name = ToStdString(objectName());
  if (name.empty() || !file.Has(name)) return false;
  restoreState(file.Bag(name));
  return true;
}

}  // namespace orvano::qt
