/// \file
/// Desktop services: screen metrics, the mouse pointer, message boxes and modal dialogs.
#pragma once

#include <memory>
#include <string>

#include "orvano/core_export.h"
#include "orvano/host/container.h"

namespace orvano::host {

/// The mouse pointer over the program's windows.
enum class MousePointer {
  Default,  ///< the arrow
  Busy      ///< the hourglass, while the library works
};

/// Message box flags and answers as the platform numbers them.
namespace msgbox {
inline constexpr int kOkOnly = 0;            ///< flags: an OK button only
inline constexpr int kYesNo = 4;             ///< flags: Yes and No buttons
inline constexpr int kQuestion = 32;         ///< flags: the question icon
inline constexpr int kExclamation = 48;      ///< flags: the warning icon
inline constexpr int kDefaultButton2 = 256;  ///< flags: the second button is the default
inline constexpr int kOk = 1;                ///< answer: OK
inline constexpr int kYes = 6;               ///< answer: Yes
inline constexpr int kNo = 7;                ///< answer: No
}  // namespace msgbox

/// A modal dialog window: a container (in twips) that can be shown modally and closes itself.
class ORVANO_CORE_EXPORT DialogWindow : public Container {
 public:
  /// The title bar text.
  ///@{
  virtual void SetCaption(const std::string& caption) = 0;
  virtual std::string Caption() const = 0;
  ///@}
  virtual void SetClientSize(float width, float height) = 0;  ///< twips
  /// Shows the dialog and returns once it has closed (by Close(), or by the close box after the
  /// close handler ran).
  virtual void ShowModal() = 0;
  /// Whether the dialog is open (between ShowModal and its closing).
  virtual bool IsShown() const = 0;
  /// Unloads the dialog: ends the modal loop.
  virtual void Close() = 0;
  /// The window's close box; the dialog decides (it acts as Cancel).
  virtual void OnCloseBox(Handler h) = 0;
};

/// The desktop as a backend offers it to the controls.
class ORVANO_CORE_EXPORT Platform {
 public:
  virtual ~Platform() = default;
  /// The screen's twips per pixel, across and down (15 at 96 pixels per inch).
  ///@{
  virtual float TwipsPerPixelX() const = 0;
  virtual float TwipsPerPixelY() const = 0;
  ///@}
  /// The pointer shown over the program's windows.
  ///@{
  virtual MousePointer GetMousePointer() const = 0;
  virtual void SetMousePointer(MousePointer pointer) = 0;
  ///@}
  /// Shows a modal message box; flags are msgbox flags added up. Returns msgbox::kOk, kYes or kNo.
  virtual int MsgBox(const std::string& text, int flags, const std::string& title) = 0;
  /// A new, hidden dialog window; the caller owns it.
  virtual std::unique_ptr<DialogWindow> CreateDialog(const std::string& name) = 0;
};

}  // namespace orvano::host
