// The drop-down list (QComboBox). Click for every change of the selected item, by the user or by
// code; Change only for the edit text of an editable list; Clear raises neither.
#pragma once

#include <QComboBox>

#include "orvano/qt/native_widget.h"

namespace orvano::qt {

class QtComboBox : public NativeFocusWidget<host::ComboBox> {
 public:
  QtComboBox(ControlHost* host, std::string name, bool editable, const host::Font& font);

  bool Editable() const override { return editable_; }
  void AddItem(const std::string& item) override;
  void Clear() override;
  std::int32_t ListCount() const override;
  std::string List(std::int32_t index) const override;
  std::int32_t ListIndex() const override { return listIndex_; }
  void SetListIndex(std::int32_t index) override;
  std::int32_t NewIndex() const override { return newIndex_; }
  std::int32_t ItemData(std::int32_t index) const override;
  void SetItemData(std::int32_t index, std::int32_t data) override;
  std::string Text() const override;
  void SetText(const std::string& text) override;
  std::int32_t SelStart() const override;
  std::int32_t SelLength() const override;
  void SetSelStart(std::int32_t v) override;
  void SetSelLength(std::int32_t v) override;
  void OnChange(host::Handler h) override { change_ = std::move(h); }

  // A list's height follows its font, as on the original platform.
  float Height() const override;

 protected:
  void ApplyGeometry() override;

 private:
  QComboBox* Combo() const { return qobject_cast<QComboBox*>(widget_); }
  void CheckIndex(std::int32_t index) const;
  // Shows the item without any signal of the combo.
  void ShowIndex(std::int32_t index);
  void UserChose(int index);
  void UserTyped();

  bool editable_;
  std::int32_t listIndex_ = -1;
  std::int32_t newIndex_ = -1;
  host::Handler change_;
};

}  // namespace orvano::qt
