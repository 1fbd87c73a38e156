/// \file
/// The control container: what a control instance lives in. The backend creates one per control
/// instance (or per dialog) and hands it to the control's constructor; the control creates its
/// child widgets through it and owns them. The container outlives the control.
///
/// Event order that every backend keeps:
/// - a click on a push button first moves the focus to it, so the focus-lost handler of the field
///   being left runs before the button's click;
/// - setting a list's selected position (by code or by the user), or the text of a non-editable
///   list to one of its items, raises its Click and not its Change; setting the text of an editable
///   list, or typing in it, raises its Change and not its Click; clearing a list raises neither;
/// - setting a text box's text to a different text raises its Change;
/// - every event runs synchronously: the handler has returned when the raising call returns.
#pragma once

#include <memory>
#include <string>

#include "orvano/core_export.h"
#include "orvano/host/font.h"
#include "orvano/host/property_bag.h"
#include "orvano/host/surface.h"
#include "orvano/host/widget_array.h"
#include "orvano/host/widgets.h"

/// The platform as the library sees it: the interfaces a host implements (container, widgets,
/// surface, dialogs, property bag), the error kinds and the shared value rules.
namespace orvano::host {

/// Desktop services (platform.h).
class Platform;

/// The unit of a container's coordinates.
enum class ScaleMode {
  Twips,  ///< 1/1440 inch, 20 to a point
  Pixels  ///< device pixels
};

/// The lifecycle handlers a control offers its container. The control runs its own Initialize
/// from its constructor; the backend calls the rest.
class ORVANO_CORE_EXPORT ControlEvents {
 public:
  virtual ~ControlEvents() = default;
  /// The container's size changed.
  virtual void UserControl_Resize() {}
  /// The surface needs painting (after Invalidate, or when shown).
  virtual void UserControl_Paint() {}
  /// Load the saved properties from the bag.
  virtual void UserControl_ReadProperties(PropertyBag& bag) { (void)bag; }
  /// Save the properties into the bag.
  virtual void UserControl_WriteProperties(PropertyBag& bag) { (void)bag; }
};

/// What a control lives in: it creates the control's child widgets and delivers its lifecycle
/// events (see the event order above).
class ORVANO_CORE_EXPORT Container {
 public:
  virtual ~Container() = default;

  /// The desktop services of this backend.
  virtual Platform& GetPlatform() = 0;

  /// The control's lifecycle handlers (nullptr to detach, as a control does when it goes).
  virtual void Attach(ControlEvents* events) = 0;

  /// The unit of every position and size in the container; changing it converts the children's.
  ///@{
  virtual ScaleMode GetScaleMode() const = 0;
  virtual void SetScaleMode(ScaleMode mode) = 0;
  ///@}
  /// Inner size in the scale unit.
  ///@{
  virtual float ScaleWidth() const = 0;
  virtual float ScaleHeight() const = 0;
  ///@}

  /// The font new child widgets start with (size in points).
  ///@{
  virtual Font GetFont() const = 0;
  virtual void SetFont(const Font& font) = 0;
  ///@}
  /// The background colour (&HBBGGRR).
  virtual void SetBackColor(Color color) = 0;

  /// Child widgets, created visible at position 0, 0 with size 0, 0, in front of the earlier ones.
  ///@{
  virtual std::unique_ptr<TextBox> CreateTextBox(const std::string& name) = 0;
  virtual std::unique_ptr<Label> CreateLabel(const std::string& name) = 0;
  virtual std::unique_ptr<Line> CreateLine(const std::string& name) = 0;
  virtual std::unique_ptr<Shape> CreateShape(const std::string& name, const ShapeStyle& style) = 0;
  virtual std::unique_ptr<ComboBox> CreateComboBox(const std::string& name, bool editable) = 0;
  virtual std::unique_ptr<Button> CreateButton(const std::string& name) = 0;
  virtual std::unique_ptr<Spinner> CreateSpinner(const std::string& name) = 0;
  virtual std::unique_ptr<TabStrip> CreateTabStrip(const std::string& name) = 0;
  virtual std::unique_ptr<VirtualArray> CreateVirtualArray(const std::string& name, ArrayKind kind,
                                                           const ShapeStyle& style) = 0;
  ///@}
  /// A nested control (the dialog's embedded preview); it behaves as a widget of this container
  /// and is a container of its own.
  virtual std::unique_ptr<Container> CreateChildControl(const std::string& name) = 0;
  /// The nested control's place in this container (only for containers made by
  /// CreateChildControl; others raise InvalidProcedureCall).
  virtual Widget& AsWidget() = 0;

  /// The control's own drawing surface (only Preview draws).
  virtual Surface& GetSurface() = 0;
  /// Ask the backend to deliver Paint soon (coalesced); headless delivers it at once.
  virtual void Invalidate() = 0;

  /// The widget that has the keyboard focus, if any.
  virtual FocusWidget* ActiveWidget() = 0;
};

}  // namespace orvano::host
