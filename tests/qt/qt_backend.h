// The host contract's backend on Qt: a shown, active form, and QTest playing the person.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "../host/contract/backend.h"
#include "orvano/qt/property_file.h"
#include "orvano/qt/qt_container.h"
#include "orvano/qt/qt_dialog.h"
#include "orvano/qt/qt_platform.h"

namespace orvano::qt::testing {

using host::contract::Key;

class QtBackend : public host::contract::Backend {
 public:
  QtBackend() {
    form_->Widget()->resize(400, 300);
    form_->Widget()->show();
    QApplication::setActiveWindow(form_->Widget());
    EXPECT_TRUE(QTest::qWaitForWindowActive(form_->Widget()));
  }
  QtContainer& QtForm() { return *form_; }
  template <class T = QWidget>
  static T* Native(const std::string& name) {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* w = top->findChild<T*>(QString::fromStdString(name))) return w;
    return nullptr;
  }

  host::Platform& GetPlatform() override { return *platform_; }
  host::Container& Form() override { return *form_; }
  void Click(host::Widget& w) override { QTest::mouseClick(Native(w.Name()), Qt::LeftButton); }
  void Type(host::FocusWidget& w, const std::string& text) override {
    w.SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    for (QChar c : QString::fromStdString(text)) {  // QTest types ASCII only
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, c),
          release(QEvent::KeyRelease, 0, Qt::NoModifier, c);
      QApplication::sendEvent(QApplication::focusWidget(), &press);
      QApplication::sendEvent(QApplication::focusWidget(), &release);
    }
  }
  void Choose(host::ComboBox& list, std::int32_t index) override {
    list.SetFocus();
    const auto key = index > list.ListIndex() ? Qt::Key_Down : Qt::Key_Up;
    while (list.ListIndex() != index) QTest::keyClick(QApplication::focusWidget(), key);
  }
  void ChooseTab(host::TabStrip& strip, std::int32_t index) override {
    auto* bar = Native<QTabBar>(strip.Name());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }
  void ClickAt(host::VirtualArray&, float x, float y) override {
    QTest::mouseClick(form_->Widget(), Qt::LeftButton, {}, Pixels(x, y));
  }
  void ResizeForm(int widthPx, int heightPx) override {
    form_->Widget()->resize(widthPx, heightPx);
  }
  void Settle() override { QApplication::processEvents(); }
  void ShowModal(host::DialogWindow& d, std::function<void()> user) override {
    auto& dialog = dynamic_cast<QtDialog&>(d);
    QTimer::singleShot(0, [&dialog, user] {
      EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.Frame()));
      user();
      // Never leave a test hanging in the modal loop.
      if (dialog.IsShown()) QTimer::singleShot(0, [&dialog] { dialog.Close(); });
    });
    dialog.ShowModal();
  }
  void Press(host::DialogWindow& d, Key key) override {
    QWidget* at = QApplication::focusWidget();
    QTest::keyClick(at ? at : dynamic_cast<QtDialog&>(d).Frame(),
                    key == Key::Enter ? Qt::Key_Return : Qt::Key_Escape);
  }
  void CloseBox(host::DialogWindow& d) override { dynamic_cast<QtDialog&>(d).Frame()->close(); }
  // Yes by its access key; No and OK by Escape, which a question answers No.
  int MsgBox(const std::string& text, int flags, int answer, std::string& shown) override {
    const auto key = answer == 0                    ? Qt::Key_Return
                     : answer == host::msgbox::kYes ? Qt::Key_J
                                                    : Qt::Key_Escape;
    QTimer::singleShot(0, [key, &shown] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      shown = (box->text() + "|" + box->windowTitle()).toStdString();
      for (QAbstractButton* b : box->buttons()) buttons += "|" + b->text().toStdString();
      QTest::keyClick(box, key);
    });
    buttons.clear();
    return platform_->MsgBox(text, flags, "Etiketteneinstellungen");
  }
  std::unique_ptr<host::PropertyBag> MakeBag() override {
    return std::make_unique<QtPropertyBag>();
  }
  bool Stored(const host::PropertyBag& bag, const std::string& name) override {
    return dynamic_cast<const QtPropertyBag&>(bag).Values().count(name) > 0;
  }

  static inline std::string buttons;  // of the last message box

 private:
  QPoint Pixels(float x, float y) const {
    const float unit = form_->GetScaleMode() == host::ScaleMode::Twips ? 15 : 1;
    return QPoint(static_cast<int>(x / unit), static_cast<int>(y / unit));
  }
  std::unique_ptr<QtPlatform> platform_ = std::make_unique<QtPlatform>();
  std::unique_ptr<QtContainer> form_ = std::make_unique<QtContainer>(*platform_);
};

}  // namespace orvano::qt::testing
