#include "orvano/qt/text_box.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <algorithm>

#include "orvano/qt/convert.h"
#include "orvano/qt/fonts.h"

namespace orvano::qt {

QtTextBox::QtTextBox(ControlHost* host, std::string name, const host::Font& font)
    : NativeFocusWidget<host::TextBox>(host, std::move(name)), font_(font) {
  Build();
}

void QtTextBox::Build() {
  const QString text = widget_ ? QtText() : QString();
  QWidget* w = nullptr;
  if (multiLine_) {
    auto* edit = new QPlainTextEdit(host_);
    edit->setPlainText(text);
    edit->setTabChangesFocus(true);
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this] { Deliver(change_); });
    w = edit;
  } else {
    auto* edit = new QLineEdit(host_);
    edit->setText(text);
    // Only the user's typing; changes by code raise Change from SetText.
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this] { Deliver(change_); });
    w = edit;
  }
  w->setFocusPolicy(Qt::StrongFocus);
  w->setFont(ToQFont(font_));
  QPalette palette = w->palette();
  palette.setColor(QPalette::Base, ToQColor(back_));
  w->setPalette(palette);
  AdoptFocus(w);
}

QString QtTextBox::QtText() const {
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) return edit->toPlainText();
  if (auto* edit = qobject_cast<QLineEdit*>(widget_)) return edit->text();
  return {};
}

void QtTextBox::SetQtText(const QString& text) {
  if (!widget_) return;
  const QSignalBlocker block(widget_);
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) edit->setPlainText(text);
  if (auto* edit = qobject_cast<QLineEdit*>(widget_)) edit->setText(text);
}

std::string QtTextBox::Text() const { return ToStdString(PlatformText()); }

void QtTextBox::ShowText(const std::string& text) {
  QString q = ToQString(text);
  if (multiLine_) q = ToQtLineEnds(q);
  // A line edit keeps no more than its maxLength (32767) and drops the rest silently; cut here
  // instead, so the text still says that it was cut.
  if (auto* edit = qobject_cast<QLineEdit*>(widget_); edit && q.size() > edit->maxLength()) {
    const QString note = ToQString(host::kTextCutNote);
    qsizetype keep = edit->maxLength() - note.size();
    if (keep > 0 && q.at(keep).isLowSurrogate()) --keep;
    q = q.left(keep) + note;
  }
  if (q == QtText()) return;
  SetQtText(q);
  if (change_) change_();
}

qsizetype QtTextBox::CursorPos() const {
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) return edit->textCursor().position();
  if (auto* edit = qobject_cast<QLineEdit*>(widget_)) return edit->cursorPosition();
  return 0;
}

qsizetype QtTextBox::AnchorPos() const {
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) return edit->textCursor().anchor();
  if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
    if (!edit->hasSelectedText()) return edit->cursorPosition();
    const qsizetype start = edit->selectionStart();
    return start == edit->cursorPosition() ? start + edit->selectedText().size() : start;
  }
  return 0;
}

QString QtTextBox::PlatformText() const {
  QString text = QtText();
  // The platform's text boxes break lines with "\r\n"; positions count both characters.
  if (multiLine_) text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  return text;
}

qsizetype QtTextBox::ToPlatform(qsizetype qtPos) const {
  if (!multiLine_) return qtPos;
  return qtPos + QtText().left(qtPos).count(QLatin1Char('\n'));
}

qsizetype QtTextBox::FromPlatform(qsizetype pos) const {
  const QString text = QtText();
  if (!multiLine_) return std::min(pos, text.size());
  qsizetype i = 0;
  for (qsizetype p = 0; i < text.size(); ++i) {
    p += text.at(i) == QLatin1Char('\n') ? 2 : 1;
    if (p > pos) break;
  }
  return i;
}

std::int32_t QtTextBox::SelStart() const {
  return CharIndex(PlatformText(), ToPlatform(std::min(CursorPos(), AnchorPos())));
}

std::int32_t QtTextBox::SelLength() const {
  const QString text = PlatformText();
  const qsizetype a = ToPlatform(std::min(CursorPos(), AnchorPos()));
  const qsizetype b = ToPlatform(std::max(CursorPos(), AnchorPos()));
  return CharIndex(text, b) - CharIndex(text, a);
}

void QtTextBox::Select(qsizetype start, qsizetype length) {
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) {
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(start + length), QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
  }
  if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
    if (length == 0) {
      edit->deselect();
      edit->setCursorPosition(static_cast<int>(start));
    } else {
      edit->setSelection(static_cast<int>(start), static_cast<int>(length));
    }
  }
}

void QtTextBox::SetSelStart(std::int32_t v) {
  if (v < 0) host::Raise(host::ErrorKind::InvalidPropertyValue);
  Select(FromPlatform(Utf16Index(PlatformText(), v)), 0);
}

void QtTextBox::SetSelLength(std::int32_t v) {
  if (v < 0) host::Raise(host::ErrorKind::InvalidPropertyValue);
  const QString text = PlatformText();
  const std::int32_t start = SelStart();
  const qsizetype from = FromPlatform(Utf16Index(text, start));
  const qsizetype to = FromPlatform(Utf16Index(text, static_cast<std::int64_t>(start) + v));
  Select(from, to - from);
}

void QtTextBox::SetFont(const host::Font& f) {
  if (!(f.size > 0)) host::Raise(host::ErrorKind::InvalidPropertyValue);
  font_ = f;
  if (widget_) widget_->setFont(ToQFont(font_));
}

void QtTextBox::SetFontSize(float points) {
  if (!(points > 0) || points > 2048) host::Raise(host::ErrorKind::InvalidPropertyValue);
  font_.size = points;
  if (widget_) widget_->setFont(ToQFont(font_));
}

void QtTextBox::SetMultiLine(bool multi) {
  if (multi == multiLine_) return;
  const bool focused = HasFocus();
  multiLine_ = multi;
  Build();
  if (focused && widget_) widget_->setFocus();
}

void QtTextBox::SetBackColor(host::Color c) {
  back_ = c;
  if (!widget_) return;
  QPalette palette = widget_->palette();
  palette.setColor(QPalette::Base, ToQColor(back_));
  widget_->setPalette(palette);
}

}  // namespace orvano::qt
