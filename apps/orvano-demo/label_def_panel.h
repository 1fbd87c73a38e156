// The panel that shows what the host gets: the current LabelDef with its fields, and the start
// label.
#pragma once

#include <QWidget>
#include <cstdint>

#include "orvano/model/label_def.h"

class QFormLayout;
class QLabel;
class QTableWidget;

namespace orvano::demo {

class LabelDefPanel : public QWidget {
  Q_OBJECT

 public:
  explicit LabelDefPanel(QWidget* parent = nullptr);

  // startLabel as LabelSelect's LabelID (-1: no start label chosen).
  void Show(const LabelDef& def, std::int32_t startLabel, std::int32_t direction);

 private:
  QLabel* AddRow(const QString& caption);

  QLabel* stock_;
  QLabel* description_;
  QLabel* page_;
  QLabel* grid_;
  QLabel* labelSize_;
  QLabel* borders_;
  QLabel* gaps_;
  QLabel* start_;
  QTableWidget* fields_;
  QFormLayout* form_;
};

// "A1" for the top left label, as the sheet's tooltips name them.
QString LabelCell(std::int32_t id, std::int32_t cols, std::int32_t rows, std::int32_t direction);

}  // namespace orvano::demo
