// A shown, active form with one container, for tests that need real focus and input.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "orvano/qt/qt_container.h"
#include "orvano/qt/qt_platform.h"

namespace orvano::qt::testing {

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_ = std::make_unique<QtPlatform>();
    form_ = std::make_unique<QtContainer>(*platform_);
    form_->Widget()->resize(400, 300);
    form_->Widget()->show();
    QApplication::setActiveWindow(form_->Widget());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_->Widget()));
  }
  void TearDown() override {
    form_.reset();
    platform_.reset();
  }

  template <class W>
  QWidget* Native(W& w) const {
    return form_->Widget()->findChild<QWidget*>(QString::fromStdString(w.Name()));
  }
  std::function<void()> Log(std::string entry) {
    return [this, entry] { log_.push_back(entry); };
  }

  std::unique_ptr<QtPlatform> platform_;
  std::unique_ptr<QtContainer> form_;
  std::vector<std::string> log_;
};

}  // namespace orvano::qt::testing
