#include "label_def_panel.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "orvano/host/runtime.h"
#include "orvano/host/strings.h"
#include "orvano/model/enums.h"

namespace orvano::demo {

namespace {

// Hundredths of a millimetre are as exact as a printer gets.
QString Mm(double v) {
  if (!std::isfinite(v)) return QString::fromStdString(host::NumberText(v));
  return QString::fromStdString(host::NumberText(host::Round(v, 2)));
}

QString PageText(const LabelDef& def) {
  QString format;
  switch (def.PageFormat()) {
    case ovPageFormatA4: format = QStringLiteral("A4"); break;
    case ovPageFormatA5: format = QStringLiteral("A5"); break;
    default: format = QStringLiteral("Format %1").arg(static_cast<int>(def.PageFormat())); break;
  }
  return QStringLiteral("%1 %2, %3 × %4 mm")
      .arg(format, def.Landscape() ? QStringLiteral("quer") : QStringLiteral("hoch"),
           Mm(def.PageWidth()), Mm(def.PageHeight()));
}

}  // namespace

QString LabelCell(std::int32_t id, std::int32_t cols, std::int32_t rows, std::int32_t direction) {
  if (id < 0 || cols <= 0 || rows <= 0) return {};
  const std::int64_t col = direction == ovTopBottom ? id / rows : id % cols;
  const std::int64_t row = direction == ovTopBottom ? id % rows : id / cols;
  return QString(QChar(static_cast<char16_t>(65 + col))) + QString::number(row + 1);
}

LabelDefPanel::LabelDefPanel(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  form_ = new QFormLayout;
  form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  layout->addLayout(form_);
  stock_ = AddRow(QStringLiteral("Etikett:"));
  description_ = AddRow(QStringLiteral("Beschreibung:"));
  page_ = AddRow(QStringLiteral("Seite:"));
  grid_ = AddRow(QStringLiteral("Raster:"));
  labelSize_ = AddRow(QStringLiteral("Etikettengröße:"));
  borders_ = AddRow(QStringLiteral("Ränder:"));
  gaps_ = AddRow(QStringLiteral("Zwischenraum:"));
  start_ = AddRow(QStringLiteral("Startetikett:"));

  layout->addWidget(
      new QLabel(QStringLiteral("Felder (mm ab der linken oberen Ecke des Etiketts):"), this));
  fields_ = new QTableWidget(0, 6, this);
  fields_->setHorizontalHeaderLabels({QStringLiteral("Feld"), QStringLiteral("Links"),
                                      QStringLiteral("Oben"), QStringLiteral("Breite"),
                                      QStringLiteral("Höhe"), QStringLiteral("Schrift")});
  fields_->verticalHeader()->hide();
  fields_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fields_->setSelectionMode(QAbstractItemView::NoSelection);
  fields_->setFocusPolicy(Qt::NoFocus);
  fields_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  fields_->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(fields_, 1);
}

QLabel* LabelDefPanel::AddRow(const QString& caption) {
  auto* value = new QLabel(this);
  value->setWordWrap(true);
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form_->addRow(caption, value);
  return value;
}

void LabelDefPanel::Show(const LabelDef& def, std::int32_t startLabel, std::int32_t direction) {
  const QString name = QString::fromStdString(host::Trim(def.Brand() + " " + def.LabelName()));
  stock_->setText(name.isEmpty() ? QStringLiteral("eigene Maße (kein Katalogetikett)") : name);
  description_->setText(def.Description().empty() ? QStringLiteral("–")
                                                  : QString::fromStdString(def.Description()));
  page_->setText(PageText(def));
  grid_->setText(QStringLiteral("%1 Spalten × %2 Zeilen, gefüllt %3")
                     .arg(def.Cols())
                     .arg(def.Rows())
                     .arg(direction == ovTopBottom ? QStringLiteral("spaltenweise")
                                                   : QStringLiteral("zeilenweise")));
  labelSize_->setText(
      QStringLiteral("%1 × %2 mm").arg(Mm(def.LabelWidth()), Mm(def.LabelHeight())));
  borders_->setText(
      QStringLiteral("links %1 mm, oben %2 mm").arg(Mm(def.BorderLeft()), Mm(def.BorderTop())));
  gaps_->setText(QStringLiteral("waagerecht %1 mm, senkrecht %2 mm")
                     .arg(Mm(def.SpaceWidth()), Mm(def.SpaceHeight())));
  if (startLabel < 0) {
    start_->setText(QStringLiteral("keines gewählt (Druck ab dem ersten Etikett)"));
  } else {
    start_->setText(QStringLiteral("Nr. %1 (%2)")
                        .arg(startLabel + 1)
                        .arg(LabelCell(startLabel, def.Cols(), def.Rows(), direction)));
  }

  const auto fields = def.Fields()->NewEnum();
  fields_->setRowCount(static_cast<int>(fields.size()));
  int row = 0;
  for (const auto& f : fields) {
    QString font =
        QStringLiteral("%1 %2 pt").arg(QString::fromStdString(f->FontName())).arg(f->FontSize());
    if (f->FontBold()) font += QStringLiteral(", fett");
    const QString cells[] = {QString::fromStdString(f->FieldName()),
                             Mm(f->FieldLeft()),
                             Mm(f->FieldTop()),
                             Mm(f->FieldWidth()),
                             Mm(f->FieldHeight()),
                             font};
    for (int c = 0; c < 6; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      if (c >= 1 && c <= 4) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      fields_->setItem(row, c, item);
    }
    ++row;
  }
}

}  // namespace orvano::demo
