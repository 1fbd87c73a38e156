// Helpers for the wrapper tests: a shown, active window and pixel checks on grabs.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

namespace orvano::qt::testing {

inline void ShowActive(QWidget& window) {
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

inline QImage Grab(QWidget& widget) {
  QApplication::processEvents();
  return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline bool IsRed(QRgb c) { return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90; }
inline bool IsBlack(QRgb c) { return qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) < 60; }

// The share of pixels of a vertical run that satisfy a test.
template <class Test>
double ColumnShare(const QImage& image, int x, int top, int bottom, Test test) {
  int hits = 0, all = 0;
  for (int y = top; y <= bottom; ++y, ++all) {
    if (test(image.pixel(x, y))) ++hits;
  }
  return all ? static_cast<double>(hits) / all : 0;
}

}  // namespace orvano::qt::testing
