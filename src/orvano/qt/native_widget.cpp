#include "orvano/qt/native_widget.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace orvano::qt {

bool EventRelay::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn:
      // A popup of a list (its drop-down) takes and returns the focus; that is no focus change.
      if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason && focusIn) focusIn();
      break;
    case QEvent::FocusOut:
      if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason && focusOut)
        focusOut();
      break;
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && mouseClick) mouseClick();
      break;
    default: break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace orvano::qt
