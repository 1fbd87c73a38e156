#include "orvano/qt/combo_box.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <algorithm>

#include "orvano/host/strings.h"
#include "orvano/qt/convert.h"
#include "orvano/qt/fonts.h"

namespace orvano::qt {

namespace {

// The dialog's list items begin with one blank. Keyboard search asks the model for items that
// start with the typed text; this model lets that blank count for nothing there, so typing
// "Herm" finds " Herma". Every other lookup (findText, exact matches) stays literal.
class TypeAheadModel : public QStandardItemModel {
 public:
  using QStandardItemModel::QStandardItemModel;

  QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits,
                        Qt::MatchFlags flags) const override {
    const bool typeAhead = role == Qt::DisplayRole &&
                           (flags & Qt::MatchTypeMask) == Qt::MatchStartsWith && start.isValid() &&
                           !start.parent().isValid() && value.canConvert<QString>();
    if (!typeAhead) return QStandardItemModel::match(start, role, value, hits, flags);
    const QString typed = value.toString();
    const Qt::CaseSensitivity cs =
        flags.testFlag(Qt::MatchCaseSensitive) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    QModelIndexList found;
    const int rows = rowCount();
    const int first = start.row();
    const int span = flags.testFlag(Qt::MatchWrap) ? rows : rows - first;
    for (int k = 0; k < span && (hits < 0 || found.size() < hits); ++k) {
      const QModelIndex at = index((first + k) % rows, start.column());
      const QString text = at.data(role).toString();
      const QStringView bare =
          text.startsWith(QLatin1Char(' ')) ? QStringView(text).mid(1) : QStringView(text);
      if (bare.startsWith(typed, cs) || text.startsWith(typed, cs)) found.append(at);
    }
    return found;
  }
};

}  // namespace

QtComboBox::QtComboBox(ControlHost* host, std::string name, bool editable, const host::Font& font)
    : NativeFocusWidget<host::ComboBox>(host, std::move(name)), editable_(editable) {
  auto* combo = new QComboBox(host);
  combo->setModel(new TypeAheadModel(combo));
  combo->setEditable(editable);
  combo->setFocusPolicy(Qt::StrongFocus);
  combo->setFont(ToQFont(font));
  if (editable) {
    // The list keeps exactly the items the control adds: Enter neither adds nor completes.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo, [this] { UserTyped(); });
  }
  QObject::connect(combo, &QComboBox::activated, combo, [this](int index) { UserChose(index); });
  AdoptFocus(combo);
}

void QtComboBox::UserChose(int index) {
  listIndex_ = index;
  Deliver(click_);
}

void QtComboBox::UserTyped() {
  // Typed text is not an item chosen from the list.
  listIndex_ = -1;
  Deliver(change_);
}

void QtComboBox::ShowIndex(std::int32_t index) {
  QComboBox* combo = Combo();
  if (!combo) return;
  const QSignalBlocker block(combo);
  combo->setCurrentIndex(index);
}

void QtComboBox::CheckIndex(std::int32_t index) const {
  if (index < 0 || index >= ListCount()) host::Raise(host::ErrorKind::InvalidPropertyValue);
}

void QtComboBox::AddItem(const std::string& item) {
  QComboBox* combo = Combo();
  if (!combo) return;
  const QString text = editable_ ? combo->currentText() : QString();
  const QSignalBlocker block(combo);
  combo->addItem(ToQString(item), 0);
  newIndex_ = combo->count() - 1;
  // QComboBox selects the first item added; the platform's list leaves the selection alone.
  combo->setCurrentIndex(listIndex_);
  if (editable_) combo->setEditText(text);
}

void QtComboBox::Clear() {
  QComboBox* combo = Combo();
  listIndex_ = -1;
  newIndex_ = -1;
  if (!combo) return;
  const QSignalBlocker block(combo);
  combo->clear();
  // QComboBox keeps typed text that was not an item; the platform's list empties its text too.
  if (editable_) combo->setEditText(QString());
}

std::int32_t QtComboBox::ListCount() const {
  QComboBox* combo = Combo();
  return combo ? combo->count() : 0;
}

std::string QtComboBox::List(std::int32_t index) const {
  // The platform answers an empty text for a position outside the list.
  QComboBox* combo = Combo();
  if (!combo || index < 0 || index >= combo->count()) return {};
  return ToStdString(combo->itemText(index));
}

void QtComboBox::SetListIndex(std::int32_t index) {
  if (index != -1) CheckIndex(index);
  listIndex_ = index;
  ShowIndex(index);
  if (click_) click_();
}

std::int32_t QtComboBox::ItemData(std::int32_t index) const {
  CheckIndex(index);
  return Combo()->itemData(index).toInt();
}

void QtComboBox::SetItemData(std::int32_t index, std::int32_t data) {
  CheckIndex(index);
  Combo()->setItemData(index, data);
}

std::string QtComboBox::Text() const {
  QComboBox* combo = Combo();
  if (!combo) return {};
  if (editable_) return ToStdString(combo->currentText());
  return listIndex_ >= 0 ? ToStdString(combo->itemText(listIndex_)) : std::string();
}

void QtComboBox::SetText(const std::string& text) {
  QComboBox* combo = Combo();
  if (!combo) return;
  if (editable_) {
    if (ToQString(text) == combo->currentText()) return;
    {
      const QSignalBlocker block(combo);
      combo->setEditText(ToQString(text));
    }
    listIndex_ = -1;
    if (change_) change_();
    return;
  }
  for (int i = 0; i < combo->count(); ++i) {
    if (host::EqualsNoCase(ToStdString(combo->itemText(i)), text)) {
      SetListIndex(i);
      return;
    }
  }
  host::Raise(host::ErrorKind::InvalidPropertyValue);
}

std::int32_t QtComboBox::SelStart() const {
  QComboBox* combo = Combo();
  if (!combo || !combo->lineEdit()) return 0;
  QLineEdit* edit = combo->lineEdit();
  const int pos = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
  return CharIndex(edit->text(), pos);
}

std::int32_t QtComboBox::SelLength() const {
  QComboBox* combo = Combo();
  if (!combo || !combo->lineEdit()) return 0;
  QLineEdit* edit = combo->lineEdit();
  if (!edit->hasSelectedText()) return 0;
  const int start = edit->selectionStart();
  return CharIndex(edit->text(), start + edit->selectedText().size()) -
         CharIndex(edit->text(), start);
}

void QtComboBox::SetSelStart(std::int32_t v) {
  if (v < 0) host::Raise(host::ErrorKind::InvalidPropertyValue);
  QComboBox* combo = Combo();
  if (!combo || !combo->lineEdit()) return;
  QLineEdit* edit = combo->lineEdit();
  edit->deselect();
  edit->setCursorPosition(static_cast<int>(Utf16Index(edit->text(), v)));
}

void QtComboBox::SetSelLength(std::int32_t v) {
  if (v < 0) host::Raise(host::ErrorKind::InvalidPropertyValue);
  QComboBox* combo = Combo();
  if (!combo || !combo->lineEdit()) return;
  QLineEdit* edit = combo->lineEdit();
  const std::int32_t start = SelStart();
  const qsizetype from = Utf16Index(edit->text(), start);
  const qsizetype to = Utf16Index(edit->text(), static_cast<std::int64_t>(start) + v);
  if (to == from) {
    edit->deselect();
    edit->setCursorPosition(static_cast<int>(from));
  } else {
    edit->setSelection(static_cast<int>(from), static_cast<int>(to - from));
  }
}

void QtComboBox::ApplyGeometry() {
  if (!widget_) return;
  QRect r = PixelRect();
  r.setHeight(widget_->sizeHint().height());
  widget_->setGeometry(r);
}

float QtComboBox::Height() const {
  if (!widget_) return NativeFocusWidget<host::ComboBox>::Height();
  return static_cast<float>(widget_->height() * units_->tppY / units_->PerUnitY());
}

}  // namespace orvano::qt
