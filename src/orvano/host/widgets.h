/// \file
/// Child widgets as the controls see them. A backend implements these; controls only ever talk to
/// the interfaces. Positions and sizes are in the owning container's scale unit (pixels or twips),
/// as single-precision numbers.
///
/// Refusals: a setter given a negative width or height, or a font size the widget cannot take,
/// raises InvalidPropertyValue and keeps its previous value. Handlers that run with errors resumed
/// then simply go on.
///
/// Events: a control registers one handler per event. Backends call them synchronously and in the
/// platform's order (see container.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "orvano/core_export.h"
#include "orvano/host/color.h"
#include "orvano/host/font.h"

namespace orvano::host {

/// An event handler; registering another one replaces it, an empty one detaches it.
using Handler = std::function<void()>;

/// What every child widget has: a name, visibility, a place in the container, a tooltip, the
/// enabled state and a click.
class ORVANO_CORE_EXPORT Widget {
 public:
  virtual ~Widget() = default;
  /// The name the control gave it when creating it (fixed).
  virtual const std::string& Name() const = 0;

  /// Hidden widgets draw nothing and take no clicks or focus.
  ///@{
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  ///@}

  /// Position and size in the container's scale unit (pixels or twips).
  ///@{
  virtual float Left() const = 0;
  virtual float Top() const = 0;
  virtual float Width() const = 0;
  virtual float Height() const = 0;
  virtual void SetLeft(float v) = 0;
  virtual void SetTop(float v) = 0;
  ///@}
  virtual void SetWidth(float v) = 0;   ///< InvalidPropertyValue when negative
  virtual void SetHeight(float v) = 0;  ///< InvalidPropertyValue when negative
  /// Left, top, width, height in one go; a refused size leaves the size as it was but the position
  /// is still taken (as four assignments would).
  void Move(float left, float top, float width, float height);

  /// Bring to the front of its siblings (ZOrder 0); never fails.
  virtual void BringToFront() noexcept = 0;

  /// The text shown while the mouse rests on the widget; empty for none.
  ///@{
  virtual std::string ToolTipText() const = 0;
  virtual void SetToolTipText(const std::string& text) = 0;
  ///@}

  /// A disabled widget is shown but takes no clicks, typing or focus.
  ///@{
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  ///@}

  /// The click of a mouse (or the keyboard's equivalent) on the widget.
  virtual void OnClick(Handler h) = 0;
};

/// A widget that takes the keyboard focus.
class ORVANO_CORE_EXPORT FocusWidget : public Widget {
 public:
  /// Moves the keyboard focus here; InvalidProcedureCall when the widget is hidden or disabled.
  virtual void SetFocus() = 0;
  /// Whether the widget has the keyboard focus now.
  virtual bool HasFocus() const = 0;
  /// Raised when the focus arrives.
  virtual void OnGotFocus(Handler h) = 0;
  /// Raised when the focus leaves, before the click of a button it moves to.
  virtual void OnLostFocus(Handler h) = 0;
  /// Position in the tab order of the container, from 0.
  virtual void SetTabIndex(int index) = 0;
};

/// The most a text box takes from code (a host, a saved form, a file): no real address comes near
/// it, and a text box laying out megabytes freezes its program. Longer texts are cut at a
/// character and end in kTextCutNote, so the cut is seen.
inline constexpr std::size_t kMaxTextBoxBytes = std::size_t{64} << 10;
/// What ends a text cut to kMaxTextBoxBytes.
inline constexpr const char* kTextCutNote = " [... gekürzt]";

/// text itself when it fits kMaxTextBoxBytes, else its start plus kTextCutNote, that long at most.
ORVANO_CORE_EXPORT std::string BoundedText(std::string_view text);

/// An editable text field, single- or multi-line.
class ORVANO_CORE_EXPORT TextBox : public FocusWidget {
 public:
  /// The text, UTF-8.
  virtual std::string Text() const = 0;
  /// Raises Change when the text differs from the current one. Every backend gets the text
  /// bounded, so none of them can be made to freeze.
  void SetText(const std::string& text) {
    if (text.size() <= kMaxTextBoxBytes)
      ShowText(text);
    else
      ShowText(BoundedText(text));
  }
  /// Selection in characters; out-of-range values are clamped to the text.
  ///@{
  virtual std::int32_t SelStart() const = 0;
  virtual std::int32_t SelLength() const = 0;
  virtual void SetSelStart(std::int32_t v) = 0;
  virtual void SetSelLength(std::int32_t v) = 0;
  ///@}
  /// The font of the text (size in points).
  ///@{
  virtual Font GetFont() const = 0;
  virtual void SetFont(const Font& f) = 0;
  ///@}
  virtual void SetFontSize(float points) = 0;  ///< InvalidPropertyValue when not positive
  /// Multi-line boxes wrap and take Enter as a line break.
  virtual void SetMultiLine(bool multi) = 0;
  /// The background colour (&HBBGGRR).
  virtual void SetBackColor(Color c) = 0;
  /// Raised when the text changes, by typing or by SetText.
  virtual void OnChange(Handler h) = 0;

 protected:
  /// SetText of the backend, with a text of at most kMaxTextBoxBytes.
  virtual void ShowText(const std::string& text) = 0;
};

/// How a label places its caption.
enum class Alignment {
  Left,   ///< flush left
  Right,  ///< flush right
  Center  ///< centred
};

/// A caption label: text only, no focus.
class ORVANO_CORE_EXPORT Label : public Widget {
 public:
  /// The text shown.
  virtual std::string Caption() const = 0;
  /// Any text and any colour are taken: these two never fail.
  virtual void SetCaption(const std::string& text) noexcept = 0;
  /// The font of the caption (size in points).
  ///@{
  virtual Font GetFont() const = 0;
  virtual void SetFont(const Font& f) = 0;
  ///@}
  virtual void SetFontSize(float points) = 0;  ///< InvalidPropertyValue when not positive
  /// The background colour (&HBBGGRR); not drawn while Transparent.
  ///@{
  virtual Color BackColor() const = 0;
  virtual void SetBackColor(Color c) noexcept = 0;
  ///@}
  /// The text colour (&HBBGGRR).
  ///@{
  virtual Color ForeColor() const = 0;
  virtual void SetForeColor(Color c) = 0;
  ///@}
  /// A transparent label draws its caption only, over whatever lies behind it.
  ///@{
  virtual bool Transparent() const = 0;
  virtual void SetTransparent(bool transparent) = 0;
  ///@}
  /// How the caption is placed in the label's width.
  virtual void SetAlignment(Alignment a) = 0;
  /// Whether a long caption wraps at word boundaries.
  virtual void SetWordWrap(bool wrap) = 0;
  /// A single-line border around the label (true) or none.
  virtual void SetBorder(bool single) = 0;
  /// With AutoSize the label fits its height (and, without word wrap, its width) to its caption
  /// at once and after every change of caption, font or width.
  ///@{
  virtual bool AutoSize() const = 0;
  virtual void SetAutoSize(bool on) = 0;
  ///@}
};

/// A straight line from (X1, Y1) to (X2, Y2).
class ORVANO_CORE_EXPORT Line : public Widget {
 public:
  /// The end points in the container's scale unit.
  ///@{
  virtual float X1() const = 0;
  virtual float Y1() const = 0;
  virtual float X2() const = 0;
  virtual float Y2() const = 0;
  virtual void SetX1(float v) = 0;
  virtual void SetY1(float v) = 0;
  virtual void SetX2(float v) = 0;
  virtual void SetY2(float v) = 0;
  ///@}
  /// The line width in pixels.
  virtual std::int32_t BorderWidth() const = 0;
  virtual void SetBorderWidth(std::int32_t w) = 0;  ///< InvalidPropertyValue below 1
  /// The line colour (&HBBGGRR).
  ///@{
  virtual Color BorderColor() const = 0;
  virtual void SetBorderColor(Color c) = 0;
  ///@}
};

/// The outline of a shape.
enum class ShapeKind {
  Rectangle,        ///< square corners
  RoundedRectangle  ///< rounded corners
};

/// Look of a rectangle shape, fixed when the control creates it.
struct ORVANO_CORE_EXPORT ShapeStyle {
  ShapeKind kind = ShapeKind::Rectangle;  ///< the outline's corners
  bool filled = false;                    ///< whether the inside is painted with fill
  Color fill = kWhite;                    ///< the fill colour (&HBBGGRR)
  bool outlined = true;                   ///< whether the outline is drawn
  Color outline = kBlack;                 ///< the outline colour (&HBBGGRR)
  std::int32_t outlineWidth = 1;          ///< the outline width in pixels
};

/// A rectangle, plain or rounded, as its style says.
class ORVANO_CORE_EXPORT Shape : public Widget {
 public:
  /// The look given at creation.
  virtual const ShapeStyle& Style() const = 0;
};

/// A list to choose from, editable (typed text allowed) or drop-down only.
class ORVANO_CORE_EXPORT ComboBox : public FocusWidget {
 public:
  /// An editable combo takes typed text; a drop-down list only its items.
  virtual bool Editable() const = 0;
  /// Appends an item; NewIndex then names it.
  virtual void AddItem(const std::string& item) = 0;
  /// Raises neither click nor change.
  virtual void Clear() = 0;
  /// The number of items.
  virtual std::int32_t ListCount() const = 0;
  /// The text of an item; InvalidPropertyValue outside 0..count-1.
  virtual std::string List(std::int32_t index) const = 0;
  /// -1 when nothing is selected. Setting it (by code or by the user) raises Click, not Change.
  ///@{
  virtual std::int32_t ListIndex() const = 0;
  ///@}
  virtual void SetListIndex(std::int32_t index) = 0;  ///< InvalidPropertyValue outside -1..count-1
  /// Index of the item added last.
  virtual std::int32_t NewIndex() const = 0;
  /// A number the owner keeps with each item (0 until set); InvalidPropertyValue outside
  /// 0..count-1.
  ///@{
  virtual std::int32_t ItemData(std::int32_t index) const = 0;
  virtual void SetItemData(std::int32_t index, std::int32_t data) = 0;
  ///@}
  /// The text in the edit field, or of the selected item.
  virtual std::string Text() const = 0;
  /// Editable: sets the text and raises Change (not Click). Not editable: selects the item with
  /// that text (case-insensitive) and raises Click; a text no item has is InvalidPropertyValue.
  virtual void SetText(const std::string& text) = 0;
  /// Selection in the edit field, in characters; out-of-range values are clamped.
  ///@{
  virtual std::int32_t SelStart() const = 0;
  virtual std::int32_t SelLength() const = 0;
  virtual void SetSelStart(std::int32_t v) = 0;
  virtual void SetSelLength(std::int32_t v) = 0;
  ///@}
  /// Raised when the edit field's text changes (editable lists only).
  virtual void OnChange(Handler h) = 0;
};

/// A push button.
class ORVANO_CORE_EXPORT Button : public FocusWidget {
 public:
  /// The text on the button.
  ///@{
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& text) = 0;
  ///@}
  /// Enter presses the default button, Escape the cancel button of the dialog.
  ///@{
  virtual void SetDefault(bool on) = 0;
  virtual void SetCancel(bool on) = 0;
  ///@}
};

/// Reports up and down clicks only; the owner computes every value itself.
class ORVANO_CORE_EXPORT Spinner : public Widget {
 public:
  /// Raised by a click on the up or the down arrow.
  ///@{
  virtual void OnUpClick(Handler h) = 0;
  virtual void OnDownClick(Handler h) = 0;
  ///@}
};

/// Tabs over pages of child widgets; tabs are numbered from 0 in the order they were added.
class ORVANO_CORE_EXPORT TabStrip : public Widget {
 public:
  /// Appends a tab with that caption.
  virtual void AddTab(const std::string& caption) = 0;
  /// The number of tabs.
  virtual std::int32_t TabCount() const = 0;
  /// The caption of a tab; InvalidPropertyValue outside 0..count-1.
  virtual std::string TabCaption(std::int32_t index) const = 0;
  /// The selected tab.
  virtual std::int32_t Tab() const = 0;
  /// Raises the tab change when the index differs; a disabled tab refuses (InvalidPropertyValue).
  virtual void SetTab(std::int32_t index) = 0;
  /// A disabled tab cannot be selected, by the user or by SetTab.
  ///@{
  virtual bool TabEnabled(std::int32_t index) const = 0;
  virtual void SetTabEnabled(std::int32_t index, bool enabled) = 0;
  ///@}
  /// Raised when the selected tab changes.
  virtual void OnTabChange(Handler h) = 0;
  /// Places a child widget on a tab page: the backend shows it only while that tab is selected.
  virtual void PlaceOnTab(Widget& child, std::int32_t index) = 0;
};

}  // namespace orvano::host
