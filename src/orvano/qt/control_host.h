/// \file
/// The QWidget of one control instance. It paints the control's drawing and its passive children
/// (a retained scene of caption labels, lines, shapes and virtual arrays, back to front), hit-tests
/// that scene for clicks and tooltips, and delivers Resize and Paint to the control. Interactive
/// children are native child widgets placed on it.
#pragma once

#include <QImage>
#include <QKeySequence>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "orvano/host/container.h"
#include "orvano/qt/units.h"
#include "orvano/widgets_export.h"

class QShortcut;

/// The Qt front end: the host backend on Qt widgets, the wrapper widgets, printing.
namespace orvano::qt {

/// Runs a control's handler for a Qt event. Handlers resume platform errors themselves; nothing
/// may unwind through Qt's event loop, so a stray exception is reported and stopped here.
ORVANO_WIDGETS_EXPORT void Deliver(const std::function<void()>& handler);

/// A passive child painted by the host widget.
class ORVANO_WIDGETS_EXPORT SceneItem {
 public:
  virtual ~SceneItem() = default;
  /// Whether the item is shown (its own flag, its tab page and its container).
  virtual bool Shown() const = 0;
  /// Paints the item in pixels; the painter is the host widget's.
  virtual void PaintItem(QPainter& painter) = 0;
  /// The pixels the item may paint while shown, or nothing when it cannot tell (any pixel).
  virtual std::optional<QRect> PaintBounds() const { return std::nullopt; }
  /// Whether the item takes the mouse at a pixel point; arrays name the element hit.
  virtual bool HitItem(QPointF px, std::int64_t& index) const {
    (void)px;
    (void)index;
    return false;
  }
  /// The tooltip of the item, or of an array's element index; empty for none.
  virtual QString ToolTipAt(std::int64_t index) const {
    (void)index;
    return {};
  }
  /// Runs the item's click handler (arrays: for the element index).
  virtual void ClickItem(std::int64_t index) { (void)index; }
};

/// One primitive of the control's drawing, in pixels.
struct Primitive {
  QPointF from,           ///< the first point, pixels
      to;                 ///< the second point, pixels
  QColor color;           ///< the pen or fill colour
  host::DrawMode mode;    ///< line, box or filled box
  host::DrawStyle style;  ///< solid or dotted
};

/// The host widget of one control instance (see the file comment).
class ORVANO_WIDGETS_EXPORT ControlHost : public QWidget {
  Q_OBJECT

 public:
  /// An empty host measuring in units.
  explicit ControlHost(std::shared_ptr<Units> units, QWidget* parent = nullptr);
  ~ControlHost() override;

  /// The scale unit of the control's coordinates.
  const std::shared_ptr<Units>& GetUnits() const { return units_; }
  /// The control's lifecycle handlers (nullptr when detached).
  ///@{
  void SetEvents(host::ControlEvents* events) { events_ = events; }
  host::ControlEvents* Events() const { return events_; }
  ///@}
  /// The colour behind the scene.
  ///@{
  void SetBackColor(const QColor& color);
  QColor BackColor() const { return back_; }
  ///@}

  /// Sequence numbers in creation order, shared by passive items and native widgets.
  std::uint64_t NextSequence() { return ++sequence_; }

  /// The retained scene, back to front: add (in front), remove, bring to the front, list.
  ///@{
  void AddItem(SceneItem* item);
  void RemoveItem(SceneItem* item);
  void RaiseItem(SceneItem* item);
  const std::vector<SceneItem*>& Items() const { return items_; }
  ///@}
  /// What changed, for a repaint of only that: an item's look or place, or anything at all.
  ///@{
  void ItemChanged(const SceneItem* item);
  void SceneChanged();
  ///@}
  /// Painted over the scene on every repaint and never kept in the cached picture (a focus
  /// frame); its owner asks for the repaint of the pixels it changes with update(rect).
  void SetOverlay(std::function<void(QPainter&)> paint) { overlay_ = std::move(paint); }

  /// The control's drawing: kept until the next Paint delivery replaces it.
  ///@{
  void AddPrimitive(const Primitive& primitive);
  const std::vector<Primitive>& DisplayList() const { return display_; }
  ///@}
  /// Asks for a Paint delivery (coalesced into the next paint event).
  void RequestPaint();

  /// Focus widgets: lookup, tab order, and access keys of caption labels.
  ///@{
  void AddFocusWidget(QWidget* widget, host::FocusWidget* focus, std::uint64_t sequence);
  void RemoveFocusWidget(QWidget* widget);
  host::FocusWidget* FindFocusWidget(const QWidget* widget) const;
  void SetTabIndex(QWidget* widget, int index);
  ///@}
  /// A caption label's access key moves the focus to the first focus widget created after it.
  ///@{
  void SetMnemonic(const SceneItem* label, std::uint64_t sequence, const QKeySequence& key);
  void ActivateMnemonic(const QKeySequence& key);
  ///@}

  /// Enter presses the default button and Escape the cancel button; each first takes the focus.
  ///@{
  void SetDefaultButton(QPushButton* button, bool on);
  void SetCancelButton(QPushButton* button, bool on);
  ///@}
  /// Presses the default or the cancel button as a click would; false when there is none, or it
  /// is disabled or hidden.
  ///@{
  bool PressDefault();
  bool PressCancel();
  ///@}

 protected:
  void paintEvent(QPaintEvent* event) override;    ///< delivers a pending Paint, then paints
  void resizeEvent(QResizeEvent* event) override;  ///< delivers Resize
  /// Clicks and tooltips on the scene's items, hit-tested front to back.
  ///@{
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;
  ///@}

 private:
  struct FocusEntry {
    QPointer<QWidget> widget;
    host::FocusWidget* focus;
    std::uint64_t sequence;
    int tabIndex;
  };
  struct MnemonicEntry {
    const SceneItem* label;
    std::uint64_t sequence;
    QKeySequence key;
  };

  SceneItem* ItemAt(QPointF px, std::int64_t& index) const;
  void PaintStill(const QSize& device, qreal ratio);
  void ApplyTabOrder();
  void RefreshShortcuts();
  static bool Press(QPushButton* button);

  std::shared_ptr<Units> units_;
  host::ControlEvents* events_ = nullptr;
  QColor back_;
  std::uint64_t sequence_ = 0;
  std::vector<SceneItem*> items_;
  std::vector<Primitive> display_;
  /// The picture of everything under the front-most item (background, drawing, items below it):
  /// a click that moves only that item (the start-label marker) repaints the pixels it left and
  /// the pixels it reaches, and copies the rest from here.
  QImage still_;
  std::size_t stillCount_ = 0;
  bool stillValid_ = false;
  /// Where each item above the still picture was last shown.
  std::unordered_map<const SceneItem*, QRect> shownAt_;
  std::function<void(QPainter&)> overlay_;
  bool paintPending_ = true;
  bool inPaint_ = false;
  std::vector<FocusEntry> focus_;
  std::vector<MnemonicEntry> mnemonics_;
  std::map<QString, QShortcut*> shortcuts_;
  QPointer<QPushButton> default_;
  QPointer<QPushButton> cancel_;
  SceneItem* pressed_ = nullptr;
  std::int64_t pressedIndex_ = -1;
};

}  // namespace orvano::qt
