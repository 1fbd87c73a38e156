// The start label by keyboard in a LabelSelect's sheet picture: the picture takes the focus
// (Tab), the arrow keys move a focus frame through the grid, Home and End go to the first and
// last label, and Space or Enter chooses the framed label exactly as a click on it does. The
// framed label is told to accessibility tools by its number, row and column.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <cstdint>

#include "orvano/controls/label_select/label_select.h"
#include "orvano/qt/control_host.h"

namespace orvano::qt {

class SheetKeys : public QObject {
  Q_OBJECT

 public:
  // Works on host, the ControlHost of control; lives as long as parent.
  SheetKeys(LabelSelect& control, ControlHost& host, QObject* parent);
  // Must go before the control does.
  ~SheetKeys() override;

  // The framed label (in fill order), or -1 before the picture first had the focus.
  std::int64_t Focused() const { return focused_; }
  // Moves the frame to a label chosen otherwise (a click with the mouse).
  void Follow(std::int64_t label);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::int64_t Count() const;
  bool Key(int key);
  void MoveTo(std::int64_t label);
  void Choose();
  QRect FrameRect() const;
  void PaintFrame(QPainter& p) const;
  void Announce();

  LabelSelect& control_;
  QPointer<ControlHost> host_;
  std::int64_t focused_ = -1;
  // The frame shows once the keyboard is used, not after a click with the mouse.
  bool keyboard_ = false;
  QRect shownFrame_;
};

}  // namespace orvano::qt
