// Child widgets as the controls see them. A backend implements these; controls only ever talk to
// the interfaces. Positions and sizes are in the owning container's scale unit (pixels or twips),
// as single-precision numbers.
//
// Refusals: a setter given a negative width or height, or a font size the widget cannot take,
// raises InvalidPropertyValue and keeps its previous value. Handlers that run with errors resumed
// then simply go on.
//
// Events: a control registers one handler per event. Backends call them synchronously and in the
// platform's order (see container.h).
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

using Handler = std::function<void()>;

class ORVANO_CORE_EXPORT Widget {
 public:
  virtual ~Widget() = default;
  virtual const std::string& Name() const = 0;

  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;

  virtual float Left() const = 0;
  virtual float Top() const = 0;
  virtual float Width() const = 0;
  virtual float Height() const = 0;
  virtual void SetLeft(float v) = 0;
  virtual void SetTop(float v) = 0;
  virtual void SetWidth(float v) = 0;   ///< InvalidPropertyValue when negative
  virtual void SetHeight(float v) = 0;  ///< InvalidPropertyValue when negative
  /// Left, top, width, height in one go; a refused size leaves the size as it was but the position
  /// is still taken (as four assignments would).
  void Move(float left, float top, float width, float height);

  /// Bring to the front of its siblings (ZOrder 0); never fails.
  virtual void BringToFront() noexcept = 0;

  virtual std::string ToolTipText() const = 0;
  virtual void SetToolTipText(const std::string& text) = 0;

  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;

  /// The click of a mouse (or the keyboard's equivalent) on the widget.
  virtual void OnClick(Handler h) = 0;
};

/// A widget that takes the keyboard focus.
class ORVANO_CORE_EXPORT FocusWidget : public Widget {
 public:
  virtual void SetFocus() = 0;
  virtual bool HasFocus() const = 0;
  virtual void OnGotFocus(Handler h) = 0;
  virtual void OnLostFocus(Handler h) = 0;
  /// Position in the tab order of the container, from 0.
  virtual void SetTabIndex(int index) = 0;
};

/// The most a text box takes from code (a host, a saved form, a file): no real address comes near
/// it, and a text box laying out megabytes freezes its program. Longer texts are cut at a
/// character and end in kTextCutNote, so the cut is seen.
inline constexpr std::size_t kMaxTextBoxBytes = std::size_t{64} << 10;
inline constexpr const char* kTextCutNote = " [... gekürzt]";

/// text itself when it fits kMaxTextBoxBytes, else its start plus kTextCutNote, that long at most.
ORVANO_CORE_EXPORT std::string BoundedText(std::string_view text);

class ORVANO_CORE_EXPORT TextBox : public FocusWidget {
 public:
  virtual std::string Text() const = 0;
  /// Raises Change when the text differs from the current one. Every backend gets the text
  /// bounded, so none of them can be made to freeze.
  void SetText(const std::string& text) {
    if (text.size() <= kMaxTextBoxBytes)
      ShowText(text);
    else
      ShowText(BoundedText(text));
  }
  /// Selection in characters.
  virtual std::int32_t SelStart() const = 0;
  virtual std::int32_t SelLength() const = 0;
  virtual void SetSelStart(std::int32_t v) = 0;
  virtual void SetSelLength(std::int32_t v) = 0;
  virtual Font GetFont() const = 0;
  virtual void SetFont(const Font& f) = 0;
  virtual void SetFontSize(float points) = 0;  ///< InvalidPropertyValue when not positive
  virtual void SetMultiLine(bool multi) = 0;
  virtual void SetBackColor(Color c) = 0;
  virtual void OnChange(Handler h) = 0;

 protected:
  /// SetText of the backend, with a text of at most kMaxTextBoxBytes.
  virtual void ShowText(const std::string& text) = 0;
};

enum class Alignment { Left, Right, Center };

/// A caption label: text only, no focus.
class ORVANO_CORE_EXPORT Label : public Widget {
 public:
  virtual std::string Caption() const = 0;
  /// Any text and any colour are taken: these two never fail.
  virtual void SetCaption(const std::string& text) noexcept = 0;
  virtual Font GetFont() const = 0;
  virtual void SetFont(const Font& f) = 0;
  virtual void SetFontSize(float points) = 0;  ///< InvalidPropertyValue when not positive
  virtual Color BackColor() const = 0;
  virtual void SetBackColor(Color c) noexcept = 0;
  virtual Color ForeColor() const = 0;
  virtual void SetForeColor(Color c) = 0;
  virtual bool Transparent() const = 0;
  virtual void SetTransparent(bool transparent) = 0;
  virtual void SetAlignment(Alignment a) = 0;
  virtual void SetWordWrap(bool wrap) = 0;
  virtual void SetBorder(bool single) = 0;
  /// With AutoSize the label fits its height (and, without word wrap, its width) to its caption
  /// at once and after every change of caption, font or width.
  virtual bool AutoSize() const = 0;
  virtual void SetAutoSize(bool on) = 0;
};

class ORVANO_CORE_EXPORT Line : public Widget {
 public:
  virtual float X1() const = 0;
  virtual float Y1() const = 0;
  virtual float X2() const = 0;
  virtual float Y2() const = 0;
  virtual void SetX1(float v) = 0;
  virtual void SetY1(float v) = 0;
  virtual void SetX2(float v) = 0;
  virtual void SetY2(float v) = 0;
  virtual std::int32_t BorderWidth() const = 0;
  virtual void SetBorderWidth(std::int32_t w) = 0;  ///< InvalidPropertyValue below 1
  virtual Color BorderColor() const = 0;
  virtual void SetBorderColor(Color c) = 0;
};

enum class ShapeKind { Rectangle, RoundedRectangle };

/// Look of a rectangle shape, fixed when the control creates it.
struct ORVANO_CORE_EXPORT ShapeStyle {
  ShapeKind kind = ShapeKind::Rectangle;
  bool filled = false;
  Color fill = kWhite;
  bool outlined = true;
  Color outline = kBlack;
  std::int32_t outlineWidth = 1;
};

class ORVANO_CORE_EXPORT Shape : public Widget {
 public:
  virtual const ShapeStyle& Style() const = 0;
};

class ORVANO_CORE_EXPORT ComboBox : public FocusWidget {
 public:
  /// An editable combo takes typed text; a drop-down list only its items.
  virtual bool Editable() const = 0;
  virtual void AddItem(const std::string& item) = 0;
  /// Raises neither click nor change.
  virtual void Clear() = 0;
  virtual std::int32_t ListCount() const = 0;
  virtual std::string List(std::int32_t index) const = 0;
  /// -1 when nothing is selected. Setting it (by code or by the user) raises Click, not Change.
  virtual std::int32_t ListIndex() const = 0;
  virtual void SetListIndex(std::int32_t index) = 0;  ///< InvalidPropertyValue outside -1..count-1
  /// Index of the item added last.
  virtual std::int32_t NewIndex() const = 0;
  virtual std::int32_t ItemData(std::int32_t index) const = 0;
  virtual void SetItemData(std::int32_t index, std::int32_t data) = 0;
  virtual std::string Text() const = 0;
  /// Editable: sets the text and raises Change (not Click). Not editable: selects the item with
  /// that text (case-insensitive) and raises Click; a text no item has is InvalidPropertyValue.
  virtual void SetText(const std::string& text) = 0;
  virtual std::int32_t SelStart() const = 0;
  virtual std::int32_t SelLength() const = 0;
  virtual void SetSelStart(std::int32_t v) = 0;
  virtual void SetSelLength(std::int32_t v) = 0;
  virtual void OnChange(Handler h) = 0;
};

class ORVANO_CORE_EXPORT Button : public FocusWidget {
 public:
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& text) = 0;
  /// Enter presses the default button, Escape the cancel button of the dialog.
  virtual void SetDefault(bool on) = 0;
  virtual void SetCancel(bool on) = 0;
};

/// Reports up and down clicks only; the owner computes every value itself.
class ORVANO_CORE_EXPORT Spinner : public Widget {
 public:
  virtual void OnUpClick(Handler h) = 0;
  virtual void OnDownClick(Handler h) = 0;
};

class ORVANO_CORE_EXPORT TabStrip : public Widget {
 public:
  virtual void AddTab(const std::string& caption) = 0;
  virtual std::int32_t TabCount() const = 0;
  virtual std::string TabCaption(std::int32_t index) const = 0;
  virtual std::int32_t Tab() const = 0;
  /// Raises the tab change when the index differs; a disabled tab refuses (InvalidPropertyValue).
  virtual void SetTab(std::int32_t index) = 0;
  virtual bool TabEnabled(std::int32_t index) const = 0;
  virtual void SetTabEnabled(std::int32_t index, bool enabled) = 0;
  virtual void OnTabChange(Handler h) = 0;
  /// Places a child widget on a tab page: the backend shows it only while that tab is selected.
  virtual void PlaceOnTab(Widget& child, std::int32_t index) = 0;
};

}  // namespace orvano::host
