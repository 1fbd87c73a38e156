/// \file
/// The headless host: a complete in-memory backend with no screen, deterministic, for tests.
///
/// - Widgets are plain objects; tests find them by name and read every property, the stacking
///   order and the visibility.
/// - The platform's event order is reproduced (see container.h); the "user" functions below act
///   as a person would: a click on a button first moves the focus, typing sets the focus and
///   raises Change, choosing a list item raises Click.
/// - The drawing surface records every primitive it is given.
/// - Message boxes answer from a queue that the test fills (an empty queue answers OK, or No for
///   a question); every box shown is recorded.
/// - A modal dialog runs a test-supplied function that plays the user while the dialog is open.
///   When the function returns and the dialog is still open, it is closed by its close box.
/// - Property bags are in-memory maps with the platform's default rule.
///
/// Text measuring model of self-sizing captions (AutoSize): every character is 0.55 of the font
/// size wide and a line is 1.2 of the font size high (points); a point is 20 twips, or 4/3 pixel
/// (96 pixels per inch; in general 20 twips over the platform's twips per pixel). With word wrap,
/// the caption breaks at blanks within its width; without it, the width fits the longest line. Line
/// breaks ("\r\n" or "\n") start a new line. A word wider than the caption keeps a line of its own;
/// an empty caption is one line high.
///
/// Where the platform offers a choice, this host keeps to the simplest one:
/// - hiding or disabling the focused widget (or turning its tab page away) takes its focus with a
///   LostFocus, and no other widget receives it;
/// - a click on a list only focuses it (Choose picks an item); spinner clicks leave the focus
///   where it is; choosing a tab first takes the focus from the field being left;
/// - ShowModal always returns with the dialog closed, even if the close box handler kept it open;
/// - a queued message-box answer that the box has no button for throws std::logic_error (a
///   mistake of the test, which code that resumes platform errors must not swallow).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "orvano/headless_export.h"
#include "orvano/host/container.h"
#include "orvano/host/headless/headless_widgets.h"
#include "orvano/host/platform.h"

/// The headless host: an in-memory backend for tests of applications and controls.
namespace orvano::host::headless {

class HeadlessContainer;
class HeadlessDialog;

/// One Surface::Draw call as the headless surface recorded it.
struct Primitive {
  float x1,         ///< the first point, in the container's scale unit
      y1,           ///< the first point, in the container's scale unit
      x2,           ///< the second point, in the container's scale unit
      y2;           ///< the second point, in the container's scale unit
  Color color;      ///< &HBBGGRR
  DrawMode mode;    ///< line, box or filled box
  DrawStyle style;  ///< the pen in effect
  /// Field by field.
  bool operator==(const Primitive&) const = default;
};

/// One message box the headless platform showed.
struct ShownMessage {
  std::string text;   ///< the message
  int flags;          ///< msgbox flags, added up
  std::string title;  ///< the title bar text
};

/// The headless desktop: message boxes answer from a queue, modal dialogs run a queued user.
class ORVANO_HEADLESS_EXPORT HeadlessPlatform : public Platform {
 public:
  /// A screen with that many twips per pixel (15: 96 pixels per inch).
  explicit HeadlessPlatform(float twipsPerPixelX = 15, float twipsPerPixelY = 15);
  ~HeadlessPlatform() override;

  float TwipsPerPixelX() const override;
  float TwipsPerPixelY() const override;
  MousePointer GetMousePointer() const override;
  void SetMousePointer(MousePointer pointer) override;
  int MsgBox(const std::string& text, int flags, const std::string& title) override;
  std::unique_ptr<DialogWindow> CreateDialog(const std::string& name) override;

  /// Every pointer change, in order.
  const std::vector<MousePointer>& PointerHistory() const;
  /// The answer of the next message box (msgbox::kOk, kYes or kNo); answers are used in order.
  void QueueAnswer(int answer);
  /// Every message box shown since the last ClearMessages, in order.
  const std::vector<ShownMessage>& Messages() const;
  /// Forgets the message boxes shown so far.
  void ClearMessages();
  /// The next ShowModal runs this while the dialog is open.
  using User = std::function<void(HeadlessDialog&)>;
  /// Queues a user for the next modal dialog; users are used in order.
  void QueueUser(User user);
  /// Names of the dialogs shown modally, in order.
  const std::vector<std::string>& ShownDialogs() const;

 private:
  friend class HeadlessDialog;
  struct State;
  std::unique_ptr<State> state_;
};

/// A property bag in memory.
class ORVANO_HEADLESS_EXPORT MemoryPropertyBag : public PropertyBag {
 public:
  Variant ReadProperty(const std::string& name, const Variant& defaultValue) const override;
  void WriteProperty(const std::string& name, const Variant& value,
                     const Variant& defaultValue) override;
  /// Whether a value is stored under the name.
  bool Contains(const std::string& name) const;
  /// Keys in the order they were first written.
  const std::vector<std::string>& WriteOrder() const { return order_; }
  /// Keys in the order they were read.
  const std::vector<std::string>& ReadOrder() const { return reads_; }
  void Set(const std::string& name, const Variant& value);  ///< store directly, for tests
  /// Every stored value by name.
  const std::map<std::string, Variant>& Values() const { return values_; }

 private:
  std::map<std::string, Variant> values_;
  std::vector<std::string> order_;
  mutable std::vector<std::string> reads_;
};

/// A control's container in the headless host; the test plays host and user through it.
class ORVANO_HEADLESS_EXPORT HeadlessContainer : public Container {
 public:
  /// Inner size given in the scale unit.
  HeadlessContainer(HeadlessPlatform& platform, ScaleMode mode, float width, float height);
  ~HeadlessContainer() override;

  // Container
  Platform& GetPlatform() override;
  void Attach(ControlEvents* events) override;
  ScaleMode GetScaleMode() const override;
  void SetScaleMode(ScaleMode mode) override;
  float ScaleWidth() const override;
  float ScaleHeight() const override;
  Font GetFont() const override;
  void SetFont(const Font& font) override;
  void SetBackColor(Color color) override;
  std::unique_ptr<TextBox> CreateTextBox(const std::string& name) override;
  std::unique_ptr<Label> CreateLabel(const std::string& name) override;
  std::unique_ptr<Line> CreateLine(const std::string& name) override;
  std::unique_ptr<Shape> CreateShape(const std::string& name, const ShapeStyle& style) override;
  std::unique_ptr<ComboBox> CreateComboBox(const std::string& name, bool editable) override;
  std::unique_ptr<Button> CreateButton(const std::string& name) override;
  std::unique_ptr<Spinner> CreateSpinner(const std::string& name) override;
  std::unique_ptr<TabStrip> CreateTabStrip(const std::string& name) override;
  std::unique_ptr<VirtualArray> CreateVirtualArray(const std::string& name, ArrayKind kind,
                                                   const ShapeStyle& style) override;
  std::unique_ptr<Container> CreateChildControl(const std::string& name) override;
  Widget& AsWidget() override;
  Surface& GetSurface() override;
  void Invalidate() override;
  FocusWidget* ActiveWidget() override;

  /// The host side: resize (in the scale unit; runs UserControl_Resize), paint, save and load.
  void Resize(float width, float height);
  void Paint();                            ///< runs UserControl_Paint
  void WriteProperties(PropertyBag& bag);  ///< runs UserControl_WriteProperties
  void ReadProperties(PropertyBag& bag);   ///< runs UserControl_ReadProperties
  /// Paint requests seen through Invalidate().
  int InvalidateCount() const;

  /// Recorded drawing since the last ClearDrawing().
  const std::vector<Primitive>& Drawing() const;
  void ClearDrawing();  ///< forgets the recorded drawing
  /// What the latest Paint delivery drew.
  const std::vector<Primitive>& LastPaint() const;
  Color BackColor() const;  ///< what SetBackColor set (&HBBGGRR)

  /// Lookup by name (arrays: the name as created). Nullptr when absent.
  Widget* Find(const std::string& name) const;
  /// The widget of that name as a T; ObjectRequired ("kein Steuerelement" and the name) when
  /// there is none or it is of another kind.
  template <class T>
  T& Get(const std::string& name) const {
    auto* w = dynamic_cast<T*>(Find(name));
    if (!w) Raise(ErrorKind::ObjectRequired, "kein Steuerelement " + name);
    return *w;
  }
  /// The virtual array of that name, or nullptr.
  VirtualArray* FindArray(const std::string& name) const;
  /// Names of the widgets and virtual arrays, back to front.
  std::vector<std::string> StackingOrder() const;

  /// The user. Acting on a widget that is hidden or disabled does nothing, as for a person.
  void Click(Widget& w);       ///< a button takes the focus first (focus-lost of the field left)
  void Focus(FocusWidget& w);  ///< moves the focus: LostFocus of the old, GotFocus of the new
  void Blur();                 ///< the focus leaves the form: LostFocus of the focused widget
  void Type(TextBox& w, const std::string& text);   ///< focus, then the text replaced: Change
  void Type(ComboBox& w, const std::string& text);  ///< editable: focus, then Change
  void Choose(ComboBox& w, std::int32_t index);     ///< focus, then the item selected: Click
  void SpinUp(Spinner& s);                          ///< a click on the up arrow; the focus stays
  void SpinDown(Spinner& s);                        ///< a click on the down arrow; the focus stays
  void ChooseTab(TabStrip& t, std::int32_t index);  ///< refused silently when disabled
  /// A click at a point of a virtual array of click areas; returns the index hit or -1.
  std::int64_t ClickAt(VirtualArray& a, float x, float y);

 protected:
  struct State;
  std::unique_ptr<State> state_;  ///< the container's widgets and recordings
  friend class HeadlessDialog;
};

/// A modal dialog of the headless host: a form in twips that a queued user plays while it is open.
class ORVANO_HEADLESS_EXPORT HeadlessDialog : public DialogWindow {
 public:
  /// A hidden dialog of the platform (HeadlessPlatform::CreateDialog makes them).
  HeadlessDialog(HeadlessPlatform& platform, std::string name);
  ~HeadlessDialog() override;

  // DialogWindow
  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;
  void SetClientSize(float width, float height) override;
  void ShowModal() override;
  bool IsShown() const override;
  void Close() override;
  void OnCloseBox(Handler h) override;

  /// Container: forwarded to the inner container (twips).
  Platform& GetPlatform() override;
  void Attach(ControlEvents* events) override;
  ScaleMode GetScaleMode() const override;
  void SetScaleMode(ScaleMode mode) override;
  float ScaleWidth() const override;
  float ScaleHeight() const override;
  Font GetFont() const override;
  void SetFont(const Font& font) override;
  void SetBackColor(Color color) override;
  std::unique_ptr<TextBox> CreateTextBox(const std::string& name) override;
  std::unique_ptr<Label> CreateLabel(const std::string& name) override;
  std::unique_ptr<Line> CreateLine(const std::string& name) override;
  std::unique_ptr<Shape> CreateShape(const std::string& name, const ShapeStyle& style) override;
  std::unique_ptr<ComboBox> CreateComboBox(const std::string& name, bool editable) override;
  std::unique_ptr<Button> CreateButton(const std::string& name) override;
  std::unique_ptr<Spinner> CreateSpinner(const std::string& name) override;
  std::unique_ptr<TabStrip> CreateTabStrip(const std::string& name) override;
  std::unique_ptr<VirtualArray> CreateVirtualArray(const std::string& name, ArrayKind kind,
                                                   const ShapeStyle& style) override;
  std::unique_ptr<Container> CreateChildControl(const std::string& name) override;
  Widget& AsWidget() override;
  Surface& GetSurface() override;
  void Invalidate() override;
  FocusWidget* ActiveWidget() override;

  /// The user inside a modal dialog: the same actions as on a form, plus the keys and close box.
  HeadlessContainer& Form();
  void PressEnter();   ///< clicks the default button
  void PressEscape();  ///< clicks the cancel button
  void CloseBox();     ///< runs the close-box handler, or closes when there is none

 private:
  HeadlessPlatform& platform_;
  std::string name_;
  std::string caption_;
  std::unique_ptr<HeadlessContainer> form_;
  bool shown_ = false;
  Handler closeBox_;
};

}  // namespace orvano::host::headless
