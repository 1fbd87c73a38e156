/// \file
/// The headless host's widgets: plain objects behind the widget interfaces, with every property
/// readable (also the ones the interfaces only write), so tests can check what a control did.
///
/// Geometry is held in the owning container's scale unit and converted when that unit changes.
/// A widget is "shown" when its Visible is true, it sits on the selected page of its tab strip (if
/// placed on one) and its container is shown; it is "usable" when shown and enabled. Only usable
/// widgets take the focus.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "orvano/headless_export.h"
#include "orvano/host/widget_array.h"
#include "orvano/host/widgets.h"

namespace orvano::host::headless {

/// The shared state of one headless container tree (focus, stacking order, the pages of tab
/// strips); internal to the host.
struct Core;

/// What the container keeps of every child: widgets and virtual arrays alike.
class ORVANO_HEADLESS_EXPORT HeadlessItem {
 public:
  virtual ~HeadlessItem() = default;
  /// The widget's or array's name.
  virtual const std::string& ItemName() const = 0;
  /// Its own Visible, regardless of the container or a tab page.
  virtual bool VisibleFlag() const = 0;
  /// Its own Enabled; arrays are always enabled.
  virtual bool EnabledFlag() const { return true; }
  /// The scale unit changed: multiply horizontal values by fx, vertical ones by fy.
  virtual void Rescale(float fx, float fy) { (void)fx, (void)fy; }
  /// Shown and enabled: a person can act on it.
  virtual bool IsUsable() const = 0;
  /// Runs the click handler, if any.
  virtual void RaiseClick() {}
  /// The item as a focus widget, or nullptr when it takes no focus.
  virtual FocusWidget* AsFocus() { return nullptr; }
  /// Whether the focus may move here now (a usable focus widget).
  virtual bool CanTakeFocus() const { return false; }
  /// Run the focus handlers, if any.
  ///@{
  virtual void RaiseGotFocus() {}
  virtual void RaiseLostFocus() {}
  ///@}
  /// Expires when the item goes, so a user action can tell whether a handler removed it.
  std::weak_ptr<const char> Watch() const { return alive_; }

 private:
  std::shared_ptr<const char> alive_ = std::make_shared<const char>('\0');
};

/// The common part of every widget. Instantiated for each widget interface in widget_base.cpp.
template <class Base>
class WidgetImpl : public Base, public HeadlessItem {
 public:
  /// A widget of the container that owns core, created visible at 0, 0 with size 0, 0.
  WidgetImpl(std::shared_ptr<Core> core, std::string name);
  ~WidgetImpl() override;
  WidgetImpl(const WidgetImpl&) = delete;
  WidgetImpl& operator=(const WidgetImpl&) = delete;

  /// The Widget interface, kept in plain fields.
  const std::string& Name() const override { return name_; }
  bool Visible() const override { return visible_; }  ///< Widget::Visible
  void SetVisible(bool visible) override;             ///< may take the focus away
  float Left() const override { return left_; }       ///< in the container's scale unit
  float Top() const override { return top_; }         ///< in the container's scale unit
  float Width() const override { return width_; }     ///< in the container's scale unit
  float Height() const override { return height_; }   ///< in the container's scale unit
  void SetLeft(float v) override;                     ///< in the container's scale unit
  void SetTop(float v) override;                      ///< in the container's scale unit
  void SetWidth(float v) override;                    ///< InvalidPropertyValue when negative
  void SetHeight(float v) override;                   ///< InvalidPropertyValue when negative
  void BringToFront() noexcept override;              ///< to the top of the stacking order
  std::string ToolTipText() const override { return toolTip_; }  ///< Widget::ToolTipText
  /// Widget::SetToolTipText
  void SetToolTipText(const std::string& text) override { toolTip_ = text; }
  bool Enabled() const override { return enabled_; }           ///< Widget::Enabled
  void SetEnabled(bool enabled) override;                      ///< may take the focus away
  void OnClick(Handler h) override { click_ = std::move(h); }  ///< Widget::OnClick

  // Test side.
  /// Visible, on the selected page of its tab strip (if placed on one), in a shown container.
  bool Shown() const;
  /// Shown and enabled: a person can act on it.
  bool Usable() const;
  /// Whether the control registered a click handler.
  bool HasClickHandler() const { return static_cast<bool>(click_); }
  /// Runs the click handler as the platform does; no focus change (see HeadlessContainer::Click).
  void RaiseClick() override;

  /// HeadlessItem, answered from the widget's fields.
  const std::string& ItemName() const override { return name_; }
  bool VisibleFlag() const override { return visible_; }  ///< HeadlessItem::VisibleFlag
  bool EnabledFlag() const override { return enabled_; }  ///< HeadlessItem::EnabledFlag
  bool IsUsable() const override { return Usable(); }     ///< HeadlessItem::IsUsable
  void Rescale(float fx, float fy) override;              ///< HeadlessItem::Rescale

 protected:
  /// The size changed (not the position); the label refits, a child control resizes.
  virtual void SizeChanged() {}
  /// Runs a handler if it is set.
  static void RaiseHandler(const Handler& h);
  /// The shared state of the container tree.
  Core& Owner() const { return *core_; }

  std::shared_ptr<Core> core_;  ///< the state shared with the container
  std::string name_;            ///< Name
  bool visible_ = true;         ///< Visible
  bool enabled_ = true;         ///< Enabled
  float left_ = 0,              ///< Left, in the container's scale unit
      top_ = 0,                 ///< Top, in the container's scale unit
      width_ = 0,               ///< Width, in the container's scale unit
      height_ = 0;              ///< Height, in the container's scale unit
  std::string toolTip_;         ///< ToolTipText
  Handler click_;               ///< the OnClick handler
};

/// Focus handling on top of the common part.
template <class Base>
class FocusImpl : public WidgetImpl<Base> {
 public:
  using WidgetImpl<Base>::WidgetImpl;
  /// InvalidProcedureCall when the widget is not usable, as the platform refuses it.
  void SetFocus() override;
  bool HasFocus() const override;  ///< FocusWidget::HasFocus
  /// FocusWidget::OnGotFocus
  void OnGotFocus(Handler h) override { got_ = std::move(h); }
  /// FocusWidget::OnLostFocus
  void OnLostFocus(Handler h) override { lost_ = std::move(h); }
  void SetTabIndex(int index) override;  ///< FocusWidget::SetTabIndex
  /// The position given by SetTabIndex.
  int TabIndex() const { return tabIndex_; }

  FocusWidget* AsFocus() override { return this; }  ///< HeadlessItem::AsFocus
  /// HeadlessItem::CanTakeFocus: while usable.
  bool CanTakeFocus() const override { return this->Usable(); }
  /// HeadlessItem::RaiseGotFocus
  void RaiseGotFocus() override { WidgetImpl<Base>::RaiseHandler(got_); }
  /// HeadlessItem::RaiseLostFocus
  void RaiseLostFocus() override { WidgetImpl<Base>::RaiseHandler(lost_); }

 private:
  Handler got_, lost_;
  int tabIndex_ = 0;
};

extern template class WidgetImpl<Widget>;
extern template class WidgetImpl<TextBox>;
extern template class WidgetImpl<Label>;
extern template class WidgetImpl<Line>;
extern template class WidgetImpl<Shape>;
extern template class WidgetImpl<ComboBox>;
extern template class WidgetImpl<Button>;
extern template class WidgetImpl<Spinner>;
extern template class WidgetImpl<TabStrip>;
extern template class FocusImpl<TextBox>;
extern template class FocusImpl<ComboBox>;
extern template class FocusImpl<Button>;

/// A selection in a text, counted in characters.
struct ORVANO_HEADLESS_EXPORT Selection {
  /// Start and length in characters.
  ///@{
  std::int32_t start = 0;
  std::int32_t length = 0;
  ///@}
  void SetStart(std::int32_t v, const std::string& text);   ///< clamps to the text; length 0
  void SetLength(std::int32_t v, const std::string& text);  ///< clamps to the text
};

/// A text box of the headless host; Typed plays the user's typing.
class ORVANO_HEADLESS_EXPORT HeadlessTextBox : public FocusImpl<TextBox> {
 public:
  /// An empty, single-line text box of the container that owns core.
  HeadlessTextBox(std::shared_ptr<Core> core, std::string name);
  std::string Text() const override { return text_; }
  std::int32_t SelStart() const override { return sel_.start; }
  std::int32_t SelLength() const override { return sel_.length; }
  void SetSelStart(std::int32_t v) override { sel_.SetStart(v, text_); }
  void SetSelLength(std::int32_t v) override { sel_.SetLength(v, text_); }
  Font GetFont() const override { return font_; }
  void SetFont(const Font& f) override;
  void SetFontSize(float points) override;
  void SetMultiLine(bool multi) override { multiLine_ = multi; }
  void SetBackColor(Color c) override { back_ = c; }
  void OnChange(Handler h) override { change_ = std::move(h); }

  /// What SetMultiLine set.
  bool MultiLine() const { return multiLine_; }
  /// What SetBackColor set.
  Color BackColor() const { return back_; }
  /// The text selected now.
  std::string SelText() const;
  /// What the user's typing does: the text replaced, Change if it differs, the caret at the end.
  void Typed(const std::string& text);

 protected:
  void ShowText(const std::string& text) override;

 private:
  std::string text_;
  Selection sel_;
  Font font_;
  bool multiLine_ = false;
  Color back_ = kWindowBackground;
  Handler change_;
};

/// A caption label of the headless host; AutoSize fits it by the text model of headless.h.
class ORVANO_HEADLESS_EXPORT HeadlessLabel : public WidgetImpl<Label> {
 public:
  /// An empty label of the container that owns core.
  HeadlessLabel(std::shared_ptr<Core> core, std::string name);
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& text) noexcept override;
  Font GetFont() const override { return font_; }
  void SetFont(const Font& f) override;
  void SetFontSize(float points) override;
  Color BackColor() const override { return back_; }
  void SetBackColor(Color c) noexcept override { back_ = c; }
  Color ForeColor() const override { return fore_; }
  void SetForeColor(Color c) override { fore_ = c; }
  bool Transparent() const override { return transparent_; }
  void SetTransparent(bool transparent) override { transparent_ = transparent; }
  void SetAlignment(Alignment a) override { alignment_ = a; }
  void SetWordWrap(bool wrap) override;
  void SetBorder(bool single) override { border_ = single; }
  bool AutoSize() const override { return autoSize_; }
  void SetAutoSize(bool on) override;

  /// What SetAlignment set.
  Alignment GetAlignment() const { return alignment_; }
  /// What SetWordWrap set.
  bool WordWrap() const { return wordWrap_; }
  /// What SetBorder set.
  bool Border() const { return border_; }

 protected:
  void SizeChanged() override { Fit(); }

 private:
  /// AutoSize: the text model of headless.h in the container's unit.
  void Fit();

  std::string caption_;
  Font font_;
  Color back_ = kButtonFace;
  Color fore_ = kWindowText;
  bool transparent_ = false;
  Alignment alignment_ = Alignment::Left;
  bool wordWrap_ = false;
  bool border_ = false;
  bool autoSize_ = false;
  bool fitting_ = false;
};

/// Left/Top/Width/Height of a line are those of its bounding box: Left and Top move the whole
/// line, Width and Height move the end that lies further right or down (X2/Y2 when level).
class ORVANO_HEADLESS_EXPORT HeadlessLine : public WidgetImpl<Line> {
 public:
  using WidgetImpl<Line>::WidgetImpl;
  float X1() const override { return x1_; }
  float Y1() const override { return y1_; }
  float X2() const override { return x2_; }
  float Y2() const override { return y2_; }
  void SetX1(float v) override;
  void SetY1(float v) override;
  void SetX2(float v) override;
  void SetY2(float v) override;
  std::int32_t BorderWidth() const override { return borderWidth_; }
  void SetBorderWidth(std::int32_t w) override;  ///< 1 .. 8192
  Color BorderColor() const override { return color_; }
  void SetBorderColor(Color c) override { color_ = c; }

  float Left() const override;
  float Top() const override;
  float Width() const override;
  float Height() const override;
  void SetLeft(float v) override;
  void SetTop(float v) override;
  void SetWidth(float v) override;
  void SetHeight(float v) override;
  void Rescale(float fx, float fy) override;

 private:
  float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  std::int32_t borderWidth_ = 1;
  Color color_ = kBlack;
};

/// A shape of the headless host.
class ORVANO_HEADLESS_EXPORT HeadlessShape : public WidgetImpl<Shape> {
 public:
  /// A shape of the container that owns core, with its fixed look.
  HeadlessShape(std::shared_ptr<Core> core, std::string name, const ShapeStyle& style)
      : WidgetImpl<Shape>(std::move(core), std::move(name)), style_(style) {}
  const ShapeStyle& Style() const override { return style_; }

 private:
  ShapeStyle style_;
};

/// A list of the headless host; Typed plays the user's typing in an editable one.
class ORVANO_HEADLESS_EXPORT HeadlessComboBox : public FocusImpl<ComboBox> {
 public:
  /// An empty list of the container that owns core, editable or drop-down only.
  HeadlessComboBox(std::shared_ptr<Core> core, std::string name, bool editable);
  bool Editable() const override { return editable_; }
  void AddItem(const std::string& item) override;
  void Clear() override;
  std::int32_t ListCount() const override { return static_cast<std::int32_t>(items_.size()); }
  std::string List(std::int32_t index) const override;  ///< InvalidPropertyValue outside
  std::int32_t ListIndex() const override { return index_; }
  void SetListIndex(std::int32_t index) override;
  std::int32_t NewIndex() const override { return newIndex_; }
  std::int32_t ItemData(std::int32_t index) const override;  ///< InvalidPropertyValue outside
  void SetItemData(std::int32_t index, std::int32_t data) override;
  std::string Text() const override { return text_; }
  /// Editable: Change only when the text differs; the selection is then -1.
  void SetText(const std::string& text) override;
  std::int32_t SelStart() const override { return sel_.start; }
  std::int32_t SelLength() const override { return sel_.length; }
  void SetSelStart(std::int32_t v) override { sel_.SetStart(v, text_); }
  void SetSelLength(std::int32_t v) override { sel_.SetLength(v, text_); }
  void OnChange(Handler h) override { change_ = std::move(h); }

  /// The item texts in order.
  std::vector<std::string> Items() const;
  /// Position of the item with that text (no regard to case), or -1.
  std::int32_t FindItem(const std::string& text) const;
  /// The user's typing in an editable list: text replaced, Change if it differs, caret at the end.
  void Typed(const std::string& text);

 private:
  struct Item {
    std::string text;
    std::int32_t data = 0;
  };
  void CheckIndex(std::int32_t index) const;

  bool editable_;
  std::vector<Item> items_;
  std::int32_t index_ = -1;
  std::int32_t newIndex_ = -1;
  std::string text_;
  Selection sel_;
  Handler change_;
};

/// A push button of the headless host.
class ORVANO_HEADLESS_EXPORT HeadlessButton : public FocusImpl<Button> {
 public:
  using FocusImpl<Button>::FocusImpl;
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& text) override { caption_ = text; }
  /// One default and one cancel button per container: setting one clears the other buttons'.
  void SetDefault(bool on) override;
  void SetCancel(bool on) override;
  /// What SetDefault and SetCancel left.
  ///@{
  bool IsDefault() const { return default_; }
  bool IsCancel() const { return cancel_; }
  ///@}

 private:
  std::string caption_;
  bool default_ = false;
  bool cancel_ = false;
};

/// A spinner of the headless host; RaiseUp and RaiseDown play the user's clicks.
class ORVANO_HEADLESS_EXPORT HeadlessSpinner : public WidgetImpl<Spinner> {
 public:
  using WidgetImpl<Spinner>::WidgetImpl;
  void OnUpClick(Handler h) override { up_ = std::move(h); }
  void OnDownClick(Handler h) override { down_ = std::move(h); }
  /// Run the up or down click handler.
  ///@{
  void RaiseUp() { RaiseHandler(up_); }
  void RaiseDown() { RaiseHandler(down_); }
  ///@}

 private:
  Handler up_, down_;
};

/// A tab strip of the headless host; it shows the widgets placed on its selected tab only.
class ORVANO_HEADLESS_EXPORT HeadlessTabStrip : public WidgetImpl<TabStrip> {
 public:
  using WidgetImpl<TabStrip>::WidgetImpl;
  void AddTab(const std::string& caption) override;
  std::int32_t TabCount() const override { return static_cast<std::int32_t>(tabs_.size()); }
  std::string TabCaption(std::int32_t index) const override;  ///< InvalidPropertyValue outside
  std::int32_t Tab() const override { return tab_; }
  void SetTab(std::int32_t index) override;
  bool TabEnabled(std::int32_t index) const override;
  void SetTabEnabled(std::int32_t index, bool enabled) override;
  void OnTabChange(Handler h) override { change_ = std::move(h); }
  /// InvalidProcedureCall for a widget of another host, InvalidPropertyValue for a missing tab.
  void PlaceOnTab(Widget& child, std::int32_t index) override;

  /// The tab a widget was placed on, or -1.
  std::int32_t TabOf(const Widget& child) const;

 private:
  void CheckIndex(std::int32_t index) const;
  struct Page {
    std::string caption;
    bool enabled = true;
  };
  std::vector<Page> tabs_;
  std::int32_t tab_ = 0;
  Handler change_;
};

/// A virtual array keeps only its source; tests read the elements through it.
class ORVANO_HEADLESS_EXPORT HeadlessVirtualArray : public VirtualArray, public HeadlessItem {
 public:
  /// An array of the container that owns core, without a source until SetSource.
  HeadlessVirtualArray(std::shared_ptr<Core> core, std::string name, ArrayKind kind,
                       const ShapeStyle& style);
  ~HeadlessVirtualArray() override;
  HeadlessVirtualArray(const HeadlessVirtualArray&) = delete;
  HeadlessVirtualArray& operator=(const HeadlessVirtualArray&) = delete;

  /// The VirtualArray interface, kept in plain fields.
  ///@{
  const std::string& Name() const override { return name_; }
  ArrayKind Kind() const override { return kind_; }
  const ShapeStyle& Style() const override { return style_; }
  void SetSource(const ArraySource* source) override { source_ = source; }
  void Invalidate() override { ++invalidated_; }
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  void BringToFront() override;
  void OnClick(std::function<void(std::int64_t index)> h) override { click_ = std::move(h); }
  ///@}

  /// The source given by SetSource, or nullptr.
  const ArraySource* Source() const { return source_; }
  /// How often Invalidate was called.
  int InvalidateCount() const { return invalidated_; }
  /// Number of elements the source shows (0 without a source).
  std::int64_t Count() const;
  /// SubscriptOutOfRange without a source or outside 0 .. Count()-1.
  ArrayElement Element(std::int64_t index) const;
  /// The tooltip at a point: that of the element hit, or empty.
  std::string ToolTipAt(float x, float y) const;
  /// The element a click at the point hits (click areas only, while shown), or -1; runs the click
  /// handler with it.
  std::int64_t ClickAt(float x, float y);

  /// HeadlessItem; an array is usable while visible in a shown container.
  ///@{
  const std::string& ItemName() const override { return name_; }
  bool VisibleFlag() const override { return visible_; }
  bool IsUsable() const override;
  ///@}

 private:
  std::shared_ptr<Core> core_;
  std::string name_;
  ArrayKind kind_;
  ShapeStyle style_;
  const ArraySource* source_ = nullptr;
  bool visible_ = true;
  int invalidated_ = 0;
  std::function<void(std::int64_t)> click_;
};

}  // namespace orvano::host::headless
