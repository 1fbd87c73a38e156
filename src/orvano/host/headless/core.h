// The shared state of one headless container: its children back to front, the focus, the scale
// unit and the drawing. Widgets hold it by shared pointer, so a widget that outlives its
// container (which a control never lets happen) still finds valid state.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "orvano/host/container.h"
#include "orvano/host/headless/headless.h"
#include "orvano/host/headless/headless_widgets.h"

namespace orvano::host::headless {

// The focus of a window: one per root container, shared by its nested controls.
struct FocusState {
  HeadlessItem* active = nullptr;
  // Receives the focus but has not had its GotFocus yet (a LostFocus handler is running).
  HeadlessItem* arriving = nullptr;
};

class ChildWidget;

struct Core {
  Core(HeadlessPlatform& platform, ScaleMode mode, float width, float height);

  HeadlessPlatform& platform;
  ScaleMode mode;
  float innerWidth, innerHeight;  // roots only; a nested control derives its own
  Font font;
  Color backColor = kButtonFace;
  ControlEvents* events = nullptr;

  std::vector<HeadlessItem*> stack;  // back to front
  // Widgets placed on a tab page: widget -> (tab strip, page).
  std::map<const HeadlessItem*, std::pair<const HeadlessTabStrip*, std::int32_t>> pages;
  std::shared_ptr<FocusState> focus = std::make_shared<FocusState>();

  // Nested controls: the parent and this control's place in it.
  std::shared_ptr<Core> parent;
  ChildWidget* asWidget = nullptr;

  std::vector<Primitive> drawing;
  std::vector<Primitive> lastPaint;
  DrawStyle drawStyle = DrawStyle::Solid;
  bool painting = false;
  int invalidated = 0;

  void Add(HeadlessItem* item) { stack.push_back(item); }
  void Remove(HeadlessItem* item);
  void ToFront(HeadlessItem* item);

  // Shown: visible, on the selected page of its tab strip, in a shown container.
  bool ItemShown(const HeadlessItem& item) const;
  bool ItemUsable(const HeadlessItem& item) const;
  bool Shown() const;
  bool Usable() const;

  // Moves the focus (nullptr: away from the window), raising LostFocus then GotFocus.
  void MoveFocus(HeadlessItem* to);
  // After a change of visibility or enabled state: a focused widget that can no longer have the
  // focus loses it.
  void CheckFocus();

  // Twips per unit of this container, across and down.
  float UnitX() const;
  float UnitY() const;
  static float UnitX(const Platform& p, ScaleMode m);
  static float UnitY(const Platform& p, ScaleMode m);
  void ChangeMode(ScaleMode to);
  float ScaleWidth() const;
  float ScaleHeight() const;

  void RunResize();
  void RunPaint();
};

// A nested control as a widget of its parent.
class ChildWidget : public WidgetImpl<Widget> {
 public:
  ChildWidget(std::shared_ptr<Core> parent, std::string name, Core& inner)
      : WidgetImpl<Widget>(std::move(parent), std::move(name)), inner_(inner) {}
  // The host resized the control itself: one resize event follows, raised by the caller.
  void SetSizeQuiet(float width, float height) {
    width_ = width;
    height_ = height;
  }

 protected:
  void SizeChanged() override { inner_.RunResize(); }

 private:
  Core& inner_;
};

// Checks a number given for a size or position.
void CheckFinite(float v);
void CheckSize(float v);

}  // namespace orvano::host::headless
