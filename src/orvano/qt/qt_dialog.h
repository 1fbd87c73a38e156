// A modal dialog on Qt: a QDialog holding the ControlHost of its form. Enter presses the default
// button, Escape the cancel button, and the close box runs the dialog's own handler.
#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>
#include <string>

#include "orvano/host/platform.h"
#include "orvano/qt/qt_container.h"

namespace orvano::qt {

class QtPlatform;

class DialogFrame : public QDialog {
  Q_OBJECT

 public:
  DialogFrame(ControlHost* form, QWidget* parent);
  void SetCloseBox(host::Handler h) { closeBox_ = std::move(h); }

 public Q_SLOTS:
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QPointer<ControlHost> form_;
  host::Handler closeBox_;
};

class QtDialog : public host::DialogWindow {
 public:
  QtDialog(QtPlatform& platform, std::string name);
  ~QtDialog() override;

  DialogFrame* Frame() const { return frame_; }
  QtContainer& Form() { return *form_; }

  // DialogWindow
  void SetCaption(const std::string& caption) override;
  std::string Caption() const override { return caption_; }
  void SetClientSize(float width, float height) override;
  void ShowModal() override;
  bool IsShown() const override { return shown_; }
  void Close() override;
  void OnCloseBox(host::Handler h) override;

  // Container: the dialog's form (twips).
  host::Platform& GetPlatform() override { return form_->GetPlatform(); }
  void Attach(host::ControlEvents* events) override { form_->Attach(events); }
  host::ScaleMode GetScaleMode() const override { return form_->GetScaleMode(); }
  void SetScaleMode(host::ScaleMode mode) override { form_->SetScaleMode(mode); }
  float ScaleWidth() const override { return form_->ScaleWidth(); }
  float ScaleHeight() const override { return form_->ScaleHeight(); }
  host::Font GetFont() const override { return form_->GetFont(); }
  void SetFont(const host::Font& font) override { form_->SetFont(font); }
  void SetBackColor(host::Color color) override { form_->SetBackColor(color); }
  std::unique_ptr<host::TextBox> CreateTextBox(const std::string& n) override {
    return form_->CreateTextBox(n);
  }
  std::unique_ptr<host::Label> CreateLabel(const std::string& n) override {
    return form_->CreateLabel(n);
  }
  std::unique_ptr<host::Line> CreateLine(const std::string& n) override {
    return form_->CreateLine(n);
  }
  std::unique_ptr<host::Shape> CreateShape(const std::string& n,
                                           const host::ShapeStyle& s) override {
    return form_->CreateShape(n, s);
  }
  std::unique_ptr<host::ComboBox> CreateComboBox(const std::string& n, bool editable) override {
    return form_->CreateComboBox(n, editable);
  }
  std::unique_ptr<host::Button> CreateButton(const std::string& n) override {
    return form_->CreateButton(n);
  }
  std::unique_ptr<host::Spinner> CreateSpinner(const std::string& n) override {
    return form_->CreateSpinner(n);
  }
  std::unique_ptr<host::TabStrip> CreateTabStrip(const std::string& n) override {
    return form_->CreateTabStrip(n);
  }
  std::unique_ptr<host::VirtualArray> CreateVirtualArray(const std::string& n, host::ArrayKind kind,
                                                         const host::ShapeStyle& s) override {
    return form_->CreateVirtualArray(n, kind, s);
  }
  std::unique_ptr<host::Container> CreateChildControl(const std::string& n) override {
    return form_->CreateChildControl(n);
  }
  host::Widget& AsWidget() override;
  host::Surface& GetSurface() override { return form_->GetSurface(); }
  void Invalidate() override { form_->Invalidate(); }
  host::FocusWidget* ActiveWidget() override { return form_->ActiveWidget(); }

 private:
  std::string name_;
  std::string caption_;
  QPointer<DialogFrame> frame_;
  std::unique_ptr<QtContainer> form_;
  bool shown_ = false;
};

}  // namespace orvano::qt
