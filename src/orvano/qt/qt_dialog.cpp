#include "orvano/qt/qt_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "orvano/host/error.h"
#include "orvano/qt/convert.h"
#include "orvano/qt/qt_platform.h"

namespace orvano::qt {

DialogFrame::DialogFrame(ControlHost* form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      form_(form) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(form);
}

void DialogFrame::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && form_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    form_->PressDefault();
    event->accept();
    return;
  }
  if (plain && form_ && event->key() == Qt::Key_Escape) {
    form_->PressCancel();
    event->accept();
    return;
  }
  // Not QDialog's handling: it would close the dialog on Escape by itself.
  QWidget::keyPressEvent(event);
}

void DialogFrame::closeEvent(QCloseEvent* event) {
  // The dialog decides what its close box does; it closes itself through Close().
  event->ignore();
  reject();
}

void DialogFrame::reject() {
  if (closeBox_) {
    Deliver(closeBox_);
  } else {
    QDialog::reject();
  }
}

QtDialog::QtDialog(QtPlatform& platform, std::string name) : name_(std::move(name)) {
  form_ = std::make_unique<QtContainer>(platform, nullptr);
  frame_ = new DialogFrame(form_->Widget(), QApplication::activeWindow());
  frame_->setObjectName(ToQString(name_));
  frame_->setModal(true);
}

QtDialog::~QtDialog() {
  if (frame_ && frame_->isVisible()) frame_->done(QDialog::Rejected);
  form_.reset();  // its widget first: the frame owns it as a child
  delete frame_.data();
}

void QtDialog::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (frame_) frame_->setWindowTitle(ToQString(caption));
}

void QtDialog::SetClientSize(float width, float height) {
  if (width < 0 || height < 0) host::Raise(host::ErrorKind::InvalidPropertyValue);
  if (!frame_) return;
  const double tppX = form_->GetPlatform().TwipsPerPixelX(),
               tppY = form_->GetPlatform().TwipsPerPixelY();
  const QSize size(static_cast<int>(std::lround(width / tppX)),
                   static_cast<int>(std::lround(height / tppY)));
  frame_->setFixedSize(size);
  // The form reads its size while it loads, before the layout has run.
  if (form_->Widget()) form_->Widget()->resize(size);
}

void QtDialog::ShowModal() {
  if (shown_ || !frame_) host::Raise(host::ErrorKind::InvalidProcedureCall);
  shown_ = true;
  frame_->exec();
  shown_ = false;
}

void QtDialog::Close() {
  if (frame_) frame_->done(QDialog::Accepted);
  shown_ = false;
}

void QtDialog::OnCloseBox(host::Handler h) {
  if (frame_) frame_->SetCloseBox(std::move(h));
}

host::Widget& QtDialog::AsWidget() { host::Raise(host::ErrorKind::InvalidProcedureCall); }

}  // namespace orvano::qt
