// The text box: a QLineEdit, or a QPlainTextEdit once it is made multi-line.
#pragma once

#include "orvano/qt/native_widget.h"

namespace orvano::qt {

class QtTextBox : public NativeFocusWidget<host::TextBox> {
 public:
  QtTextBox(ControlHost* host, std::string name, const host::Font& font);

  std::string Text() const override;
  std::int32_t SelStart() const override;
  std::int32_t SelLength() const override;
  void SetSelStart(std::int32_t v) override;
  void SetSelLength(std::int32_t v) override;
  host::Font GetFont() const override { return font_; }
  void SetFont(const host::Font& f) override;
  void SetFontSize(float points) override;
  void SetMultiLine(bool multi) override;
  void SetBackColor(host::Color c) override;
  void OnChange(host::Handler h) override { change_ = std::move(h); }

 protected:
  bool RaisesMouseClick() const override { return true; }
  void ShowText(const std::string& text) override;

 private:
  void Build();
  QString QtText() const;
  QString PlatformText() const;
  qsizetype ToPlatform(qsizetype qtPos) const;
  qsizetype FromPlatform(qsizetype platformPos) const;
  void SetQtText(const QString& text);
  void Select(qsizetype start, qsizetype length);
  qsizetype CursorPos() const;
  qsizetype AnchorPos() const;

  bool multiLine_ = false;
  host::Font font_;
  host::Color back_ = host::kWindowBackground;
  host::Handler change_;
};

}  // namespace orvano::qt
