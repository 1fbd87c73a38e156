#include "orvano/qt/button.h"

#include <QToolButton>
#include <QVBoxLayout>

#include "orvano/qt/convert.h"
#include "orvano/qt/fonts.h"

namespace orvano::qt {

QtButton::QtButton(ControlHost* host, std::string name, const host::Font& font)
    : NativeFocusWidget<host::Button>(host, std::move(name)) {
  auto* button = new QPushButton(host);
  // A button takes the focus when pressed, so the field being left runs LostFocus before Click.
  button->setFocusPolicy(Qt::StrongFocus);
  // Enter is handled by the form (default button), not by whichever button has the focus.
  button->setAutoDefault(false);
  button->setFont(ToQFont(font));
  QObject::connect(button, &QPushButton::clicked, button, [this, button] {
    // An access key clicks without a press of the mouse; the focus moves first all the same.
    if (!button->hasFocus()) button->setFocus(Qt::ShortcutFocusReason);
    Deliver(click_);
  });
  AdoptFocus(button);
}

QtButton::~QtButton() {
  if (host_ && Push()) {
    host_->SetDefaultButton(Push(), false);
    host_->SetCancelButton(Push(), false);
  }
}

void QtButton::SetCaption(const std::string& text) {
  caption_ = text;
  if (QPushButton* button = Push()) button->setText(MnemonicText(ToQString(text)));
}

void QtButton::SetDefault(bool on) {
  if (host_ && Push()) host_->SetDefaultButton(Push(), on);
}

void QtButton::SetCancel(bool on) {
  if (host_ && Push()) host_->SetCancelButton(Push(), on);
}

QtSpinner::QtSpinner(ControlHost* host, std::string name)
    : NativeWidget<host::Spinner>(host, std::move(name)) {
  auto* box = new QWidget(host);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  const auto makeArrow = [box, layout](Qt::ArrowType arrow) {
    auto* b = new QToolButton(box);
    b->setArrowType(arrow);
    b->setAutoRepeat(true);
    // The field next to the spinner keeps the focus while the user steps its value.
    b->setFocusPolicy(Qt::NoFocus);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(b);
    return b;
  };
  QToolButton* up = makeArrow(Qt::UpArrow);
  up->setObjectName(QStringLiteral("up"));
  QToolButton* down = makeArrow(Qt::DownArrow);
  down->setObjectName(QStringLiteral("down"));
  QObject::connect(up, &QToolButton::clicked, box, [this] { Deliver(up_); });
  QObject::connect(down, &QToolButton::clicked, box, [this] { Deliver(down_); });
  Adopt(box);
}

}  // namespace orvano::qt
