// Desktop services: screen metrics, the mouse pointer, message boxes and modal dialogs.
#pragma once

#include <memory>
#include <string>

#include "orvano/core_export.h"
#include "orvano/host/container.h"

namespace orvano::host {

enum class MousePointer { Default, Busy };

/// Message box flags and answers as the platform numbers them.
namespace msgbox {
inline constexpr int kOkOnly = 0;
inline constexpr int kYesNo = 4;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kDefaultButton2 = 256;
inline constexpr int kOk = 1;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
}  // namespace msgbox

/// A modal dialog window: a container (in twips) that can be shown modally and closes itself.
class ORVANO_CORE_EXPORT DialogWindow : public Container {
 public:
  virtual void SetCaption(const std::string& caption) = 0;
  virtual std::string Caption() const = 0;
  virtual void SetClientSize(float width, float height) = 0;  ///< twips
  /// Shows the dialog and returns once it has closed (by Close(), or by the close box after the
  /// close handler ran).
  virtual void ShowModal() = 0;
  virtual bool IsShown() const = 0;
  /// Unloads the dialog: ends the modal loop.
  virtual void Close() = 0;
  /// The window's close box; the dialog decides (it acts as Cancel).
  virtual void OnCloseBox(Handler h) = 0;
};

class ORVANO_CORE_EXPORT Platform {
 public:
  virtual ~Platform() = default;
  virtual float TwipsPerPixelX() const = 0;
  virtual float TwipsPerPixelY() const = 0;
  virtual MousePointer GetMousePointer() const = 0;
  virtual void SetMousePointer(MousePointer pointer) = 0;
  /// Returns msgbox::kOk, kYes or kNo.
  virtual int MsgBox(const std::string& text, int flags, const std::string& title) = 0;
  virtual std::unique_ptr<DialogWindow> CreateDialog(const std::string& name) = 0;
};

}  // namespace orvano::host
