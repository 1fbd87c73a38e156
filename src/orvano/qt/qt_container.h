/// \file
/// The Qt container of one control instance: a ControlHost widget, its scale unit and its
/// children. A host application puts Widget() on its form; the control gets the container.
#pragma once

#include <QPointer>
#include <memory>
#include <string>

#include "orvano/host/container.h"
#include "orvano/qt/control_host.h"
#include "orvano/widgets_export.h"

namespace orvano::qt {

/// The desktop on Qt (qt_platform.h).
class QtPlatform;

/// A control's container on Qt: its widgets are children of one ControlHost.
class ORVANO_WIDGETS_EXPORT QtContainer : public host::Container {
 public:
  /// A container whose widget the host application places (parent may be null).
  explicit QtContainer(QtPlatform& platform, QWidget* parent = nullptr);
  ~QtContainer() override;
  QtContainer(const QtContainer&) = delete;
  QtContainer& operator=(const QtContainer&) = delete;

  ControlHost* Widget() const { return host_; }  ///< the widget to place on a form

  /// The host side: saving and loading the instance's state.
  ///@{
  void ReadProperties(host::PropertyBag& bag);
  void WriteProperties(host::PropertyBag& bag);
  ///@}

  // host::Container
  host::Platform& GetPlatform() override;
  void Attach(host::ControlEvents* events) override;
  host::ScaleMode GetScaleMode() const override;
  void SetScaleMode(host::ScaleMode mode) override;
  float ScaleWidth() const override;
  float ScaleHeight() const override;
  host::Font GetFont() const override { return font_; }
  void SetFont(const host::Font& font) override { font_ = font; }
  void SetBackColor(host::Color color) override;
  std::unique_ptr<host::TextBox> CreateTextBox(const std::string& name) override;
  std::unique_ptr<host::Label> CreateLabel(const std::string& name) override;
  std::unique_ptr<host::Line> CreateLine(const std::string& name) override;
  std::unique_ptr<host::Shape> CreateShape(const std::string& name,
                                           const host::ShapeStyle& style) override;
  std::unique_ptr<host::ComboBox> CreateComboBox(const std::string& name, bool editable) override;
  std::unique_ptr<host::Button> CreateButton(const std::string& name) override;
  std::unique_ptr<host::Spinner> CreateSpinner(const std::string& name) override;
  std::unique_ptr<host::TabStrip> CreateTabStrip(const std::string& name) override;
  std::unique_ptr<host::VirtualArray> CreateVirtualArray(const std::string& name,
                                                         host::ArrayKind kind,
                                                         const host::ShapeStyle& style) override;
  std::unique_ptr<host::Container> CreateChildControl(const std::string& name) override;
  host::Widget& AsWidget() override;
  host::Surface& GetSurface() override;
  void Invalidate() override;
  host::FocusWidget* ActiveWidget() override;

 private:
  class Surface;
  class ChildWidget;
  ControlHost* Live() const;

  QtPlatform& platform_;
  std::shared_ptr<Units> units_;
  QPointer<ControlHost> host_;
  host::Font font_;
  std::unique_ptr<Surface> surface_;
  std::unique_ptr<ChildWidget> asWidget_;  ///< only for nested controls
};

}  // namespace orvano::qt
