#include "demo_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>

#include "checked_bag.h"
#include "first_label.h"
#include "label_def_panel.h"
#include "orvano/host/error.h"
#include "orvano/model/enums.h"
#include "orvano/qt/widgets/address_label_widget.h"
#include "orvano/qt/widgets/label_search_dialog.h"
#include "orvano/qt/widgets/label_select_widget.h"
#include "orvano/qt/widgets/preview_widget.h"

namespace orvano::demo {

namespace {

constexpr const char* kDemoBag = "Demo";

const QString kSampleAddress =
    QStringLiteral("Frau\nErika Mustermann\nHauptstraße 5\n12345 Musterstadt");
const QString kSampleSender = QStringLiteral("Probehaus GmbH · Am Markt 1 · 54321 Beispielstadt");
const QString kSampleHeading = QStringLiteral("Persönlich");

QString Text(const host::PropertyBag& bag, const char* key, const QString& fallback) {
  return QString::fromStdString(bag.ReadProperty(key, fallback.toStdString()).ToString());
}

}  // namespace

DemoWindow::DemoWindow(const QString& dataFolder, QWidget* parent)
    : QMainWindow(parent), dataFolder_(dataFolder) {
  setWindowTitle(QStringLiteral("Orvano – Adressetiketten drucken"));
  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);
  columns->addWidget(BuildChooser(), 0);
  auto* middle = new QVBoxLayout;
  middle->addWidget(BuildAddress(), 0);
  middle->addWidget(BuildPreview(), 1);
  columns->addLayout(middle, 1);
  columns->addWidget(BuildPanel(), 1);
  setCentralWidget(central);
  statusBar()->showMessage(QStringLiteral("Bereit"));

  connect(labelSelect_, &qt::LabelSelectWidget::labelClick, this, [this] { ShowPanel(); });
  connect(labelSelect_, &qt::LabelSelectWidget::labelChanged, this, &DemoWindow::Sync);
  connect(addressLabel_, &qt::AddressLabelWidget::afterUpdate, this,
          [this] { statusBar()->showMessage(QStringLiteral("Adresse übernommen.")); });
  // The widgets never throw: what a control refuses is reported here.
  for (qt::ControlWidget* w :
       {static_cast<qt::ControlWidget*>(labelSelect_),
        static_cast<qt::ControlWidget*>(addressLabel_), static_cast<qt::ControlWidget*>(preview_)})
    connect(w, &qt::ControlWidget::errorOccurred, this,
            [this](const QString& message) { statusBar()->showMessage(message); });
  connect(sender_, &QLineEdit::textEdited, this, &DemoWindow::OnTextsEdited);
  connect(heading_, &QLineEdit::textEdited, this, &DemoWindow::OnTextsEdited);
  connect(pageLayout_, &QRadioButton::toggled, this, [this](bool page) {
    preview_->setPreviewLayout(page ? ovPreviewPageLayout : ovPreviewAddressLayout);
  });
  connect(settings_, &QPushButton::clicked, labelSelect_, &qt::LabelSelectWidget::showConfig);
  connect(search_, &QPushButton::clicked, this, &DemoWindow::OnSearch);
  connect(print_, &QPushButton::clicked, this, &DemoWindow::OnPrint);
  connect(loadAddresses_, &QPushButton::clicked, this, &DemoWindow::OnLoadAddresses);
  connect(calibrate_, &QPushButton::clicked, this, &DemoWindow::OnCalibrate);
}

DemoWindow::~DemoWindow() = default;

QWidget* DemoWindow::BuildChooser() {
  auto* box = new QGroupBox(QStringLiteral("Etikettenbogen"), this);
  auto* layout = new QVBoxLayout(box);
  labelSelect_ = new qt::LabelSelectWidget(box);
  labelSelect_->setObjectName(QStringLiteral("LabelSelect1"));
  layout->addWidget(labelSelect_, 1);
  auto* hint =
      new QLabel(QStringLiteral("Ein Klick auf ein Etikett legt fest, wo der Druck beginnt."), box);
  hint->setWordWrap(true);
  layout->addWidget(hint);
  settings_ = new QPushButton(QStringLiteral("&Einstellungen..."), box);
  search_ = new QPushButton(QStringLiteral("Etikett s&uchen..."), box);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(settings_);
  buttons->addWidget(search_);
  layout->addLayout(buttons);
  return box;
}

QWidget* DemoWindow::BuildAddress() {
  auto* box = new QGroupBox(QStringLiteral("Empfänger"), this);
  auto* layout = new QVBoxLayout(box);
  auto* form = new QFormLayout;
  sender_ = new QLineEdit(box);
  heading_ = new QLineEdit(box);
  form->addRow(QStringLiteral("A&bsender:"), sender_);
  form->addRow(QStringLiteral("Übersc&hrift:"), heading_);
  layout->addLayout(form);
  auto* caption = new QLabel(QStringLiteral("&Adresse, so wie sie auf das Etikett kommt:"), box);
  layout->addWidget(caption);
  addressLabel_ = new qt::AddressLabelWidget(box);
  addressLabel_->setObjectName(QStringLiteral("AddressLabel1"));
  layout->addWidget(addressLabel_, 0, Qt::AlignHCenter);
  caption->setBuddy(addressLabel_);
  return box;
}

QWidget* DemoWindow::BuildPreview() {
  auto* box = new QGroupBox(QStringLiteral("Vorschau"), this);
  auto* layout = new QVBoxLayout(box);
  auto* choice = new QHBoxLayout;
  pageLayout_ = new QRadioButton(QStringLiteral("&Seite"), box);
  addressLayout_ = new QRadioButton(QStringLiteral("Adress&feld"), box);
  pageLayout_->setChecked(true);
  choice->addWidget(pageLayout_);
  choice->addWidget(addressLayout_);
  choice->addStretch(1);
  layout->addLayout(choice);
  preview_ = new qt::PreviewWidget(box);
  preview_->setObjectName(QStringLiteral("Preview1"));
  layout->addWidget(preview_, 1);
  return box;
}

QWidget* DemoWindow::BuildPanel() {
  auto* box = new QGroupBox(QStringLiteral("Etikettendefinition für den Druck"), this);
  auto* layout = new QVBoxLayout(box);
  panel_ = new LabelDefPanel(box);
  layout->addWidget(panel_, 1);
  outlines_ = new QCheckBox(
      QStringLiteral("Etiketten&ränder mitdrucken (Probedruck auf Normalpapier)"), box);
  layout->addWidget(outlines_);
  layout->addWidget(BuildPrintButtons(box));
  return box;
}

QStringList DemoWindow::Restore(qt::PropertyFile& file) {
  // Every value goes through a check: a damaged one gets its default and is named, so a broken
  // form still opens, and says what it left out.
  QStringList ignored;
  const auto restore = [&](qt::ControlWidget& widget) {
    const std::string name = widget.objectName().toStdString();
    if (!file.Has(name)) return;
    CheckedBag bag(file.Bag(name), name, ignored);
    widget.restoreState(bag);
  };
  const bool saved = file.Has("LabelSelect1");
  restore(*labelSelect_);
  // The data folder is not part of the saved state; the address layout is not either, so the
  // label is looked up again once the folder is known.
  labelSelect_->setDataFolder(dataFolder_);
  labelSelect_->setAddressLabel(true);
  const CheckedBag demo(file.Bag(kDemoBag), kDemoBag, ignored);
  if (!saved) {
    StartFresh();
  } else {
    // The widgets refuse without throwing; the refusal's text comes through errorOccurred.
    QString refusal;
    const auto heard = connect(labelSelect_, &qt::ControlWidget::errorOccurred, this,
                               [&refusal](const QString& message) { refusal = message; });
    const QString name = labelSelect_->labelName();
    if (!name.trimmed().isEmpty() && !labelSelect_->setLabelName(name))
      ignored << QStringLiteral("LabelSelect1.LabelName (%1)").arg(refusal);
    // Not through the check: a start label of a large sheet lies above its number range.
    try {
      if (!labelSelect_->setLabelID(
              file.Bag(kDemoBag).ReadProperty("StartLabel", std::int32_t{0}).ToLong()))
        ignored << QStringLiteral("Demo.StartLabel (%1)").arg(refusal);
    } catch (const host::Error& e) {  // a stored value of the wrong type
      ignored << QStringLiteral("Demo.StartLabel (%1)").arg(QString::fromStdString(e.what()));
    }
    disconnect(heard);
    restore(*addressLabel_);
    restore(*preview_);
    sender_->setText(Text(demo, "ReturnAddress", addressLabel_->returnAddress()));
    heading_->setText(Text(demo, "LabelHeading", addressLabel_->labelHeading()));
  }
  std::int32_t layout = demo.ReadProperty("PreviewLayout", std::int32_t{0}).ToLong();
  if (layout != ovPreviewPageLayout && layout != ovPreviewAddressLayout) {
    ignored << QStringLiteral("Demo.PreviewLayout");
    layout = ovPreviewPageLayout;
  }
  const bool addressView = layout == ovPreviewAddressLayout;
  (addressView ? addressLayout_ : pageLayout_)->setChecked(true);
  preview_->setPreviewLayout(addressView ? ovPreviewAddressLayout : ovPreviewPageLayout);
  outlines_->setChecked(demo.ReadProperty("Outlines", false).ToFlag() != 0);
  Sync();
  if (!ignored.isEmpty())
    statusBar()->showMessage(QStringLiteral("Gespeicherter Stand beschädigt, nicht übernommen: %1")
                                 .arg(ignored.join(", ")));
  return ignored;
}

void DemoWindow::StartFresh() {
  if (const auto first = FirstAddressLabel()) {
    // A refusal reaches the status bar through errorOccurred.
    labelSelect_->setBrand(QString::fromStdString(first->brand));
    labelSelect_->setLabelName(QString::fromStdString(first->name));
  }
  sender_->setText(kSampleSender);
  heading_->setText(kSampleHeading);
  addressLabel_->setAddress(kSampleAddress);
}

void DemoWindow::Save(qt::PropertyFile& file) {
  labelSelect_->saveState(file);
  addressLabel_->saveState(file);
  preview_->saveState(file);
  qt::QtPropertyBag& demo = file.Bag(kDemoBag);
  demo.WriteProperty("StartLabel", std::int32_t{labelSelect_->labelID()}, std::int32_t{0});
  demo.WriteProperty("ReturnAddress", sender_->text().toStdString(), std::string());
  demo.WriteProperty("LabelHeading", heading_->text().toStdString(), std::string());
  demo.WriteProperty("PreviewLayout", std::int32_t{preview_->previewLayout()}, std::int32_t{0});
  demo.WriteProperty("Outlines", outlines_->isChecked(), false);
}

void DemoWindow::OnSearch() {
  qt::LabelSearchDialog dialog(dataFolder_, this);
  qt::connectToLabelSelect(&dialog, labelSelect_);
  if (dialog.exec() != QDialog::Accepted) return;
  Sync();
  statusBar()->showMessage(
      QStringLiteral("%1 %2 gewählt.").arg(dialog.chosenBrand(), dialog.chosenLabelName()));
}

void DemoWindow::Sync() {
  const SheetGeometry& sheet = labelSelect_->control().Sheet();
  const AddressLayout& layout = labelSelect_->control().AddressLayout();
  addressLabel_->showLayout(sheet, layout);
  preview_->showSheet(sheet);
  preview_->showAddressLayout(layout);
  sender_->setEnabled(layout.ReturnAddressFormat != ovReturnAddressNone);
  heading_->setEnabled(layout.WithLabelHeading != 0);
  OnTextsEdited();
  ShowPanel();
}

void DemoWindow::OnTextsEdited() {
  addressLabel_->setReturnAddress(sender_->text());
  // The address box shows a heading whenever it has one; the layout decides here.
  addressLabel_->setLabelHeading(labelSelect_->addressLabelWithLabelHeading() ? heading_->text()
                                                                              : QString());
}

void DemoWindow::ShowPanel() {
  try {
    panel_->Show(*labelSelect_->labelDef(), labelSelect_->labelID(), labelSelect_->direction());
    UpdateStatus();
  } catch (const host::Error& e) {
    statusBar()->showMessage(QString::fromStdString(e.what()));
  }
}

}  // namespace orvano::demo
