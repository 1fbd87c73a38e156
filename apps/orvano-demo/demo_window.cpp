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

  connect(labelSelect_, &qt::LabelSelectWidget::labelClick, this, [this](int id) {
    ShowPanel();
    statusBar()->showMessage(QStringLiteral("Der Druck beginnt beim %1. Etikett.").arg(id + 1));
  });
  connect(labelSelect_, &qt::LabelSelectWidget::labelChanged, this, &DemoWindow::Sync);
  connect(addressLabel_, &qt::AddressLabelWidget::afterUpdate, this,
          [this] { statusBar()->showMessage(QStringLiteral("Adresse übernommen.")); });
  connect(sender_, &QLineEdit::textEdited, this, &DemoWindow::OnTextsEdited);
  connect(heading_, &QLineEdit::textEdited, this, &DemoWindow::OnTextsEdited);
  connect(pageLayout_, &QRadioButton::toggled, this, [this](bool page) {
    preview_->setPreviewLayout(page ? ovPreviewPageLayout : ovPreviewAddressLayout);
  });
  connect(settings_, &QPushButton::clicked, labelSelect_, &qt::LabelSelectWidget::showConfig);
  connect(print_, &QPushButton::clicked, this, &DemoWindow::OnPrint);
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
  layout->addWidget(settings_);
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
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  print_ = new QPushButton(QStringLiteral("&Drucken..."), box);
  buttons->addWidget(print_);
  layout->addLayout(buttons);
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
    try {
      if (!labelSelect_->labelName().trimmed().isEmpty())
        labelSelect_->setLabelName(labelSelect_->labelName());
    } catch (const host::Error& e) {
      ignored
          << QStringLiteral("LabelSelect1.LabelName (%1)").arg(QString::fromStdString(e.what()));
    }
    try {
      // Not through the check: a start label of a large sheet lies above its number range.
      labelSelect_->setLabelID(
          file.Bag(kDemoBag).ReadProperty("StartLabel", std::int32_t{0}).ToLong());
    } catch (const host::Error& e) {
      ignored << QStringLiteral("Demo.StartLabel (%1)").arg(QString::fromStdString(e.what()));
    }
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
    try {
      labelSelect_->setBrand(QString::fromStdString(first->brand));
      labelSelect_->setLabelName(QString::fromStdString(first->name));
    } catch (const host::Error& e) {
      statusBar()->showMessage(QString::fromStdString(e.what()));
    }
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

void DemoWindow::Sync() {
  qt::LabelSelectWidget& ls = *labelSelect_;
  const bool withHeading = ls.addressLabelWithLabelHeading();
  const int format = ls.addressLabelReturnAddressFormat();

  addressLabel_->setLabelWidth(ls.labelWidth());
  addressLabel_->setLabelHeight(ls.labelHeight());
  addressLabel_->setLabelBorderLeft(ls.addressLabelBorderLeft());
  addressLabel_->setLabelBorderTop(ls.addressLabelBorderTop());
  addressLabel_->setLabelBorderRight(ls.addressLabelBorderRight());
  addressLabel_->setLabelBorderBottom(ls.addressLabelBorderBottom());
  addressLabel_->setReturnAddressFormat(format);
  addressLabel_->setLabelHeadingSpace(ls.addressLabelHeadingSpace());
  addressLabel_->setAddressSpace(ls.addressLabelAddressSpace());
  sender_->setEnabled(format != ovReturnAddressNone);
  heading_->setEnabled(withHeading);
  OnTextsEdited();

  preview_->setBorderLeft(ls.borderLeft());
  preview_->setBorderTop(ls.borderTop());
  preview_->setLabelWidth(ls.labelWidth());
  preview_->setLabelHeight(ls.labelHeight());
  preview_->setSpaceHorizontal(ls.labelWidth() + ls.spaceWidth());
  preview_->setSpaceVertical(ls.labelHeight() + ls.spaceHeight());
  preview_->setCols(ls.cols());
  preview_->setRows(ls.rows());
  preview_->setReturnAddressFormat(format);
  preview_->setLabelHeadingSpace(ls.addressLabelHeadingSpace());
  preview_->setAddressSpace(ls.addressLabelAddressSpace());
  preview_->setLabelBorderLeft(ls.addressLabelBorderLeft());
  preview_->setLabelBorderTop(ls.addressLabelBorderTop());
  preview_->setLabelBorderRight(ls.addressLabelBorderRight());
  preview_->setLabelBorderBottom(ls.addressLabelBorderBottom());
  preview_->setWithLabelHeading(withHeading);
  preview_->setFontSize(ls.addressLabelFontSize());
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
  } catch (const host::Error& e) {
    statusBar()->showMessage(QString::fromStdString(e.what()));
  }
}

qt::FieldTexts DemoWindow::Texts() const {
  qt::FieldTexts texts;
  texts.Set(QStringLiteral("ReturnAddress"), sender_->text());
  texts.Set(QStringLiteral("LabelHeading"), heading_->text());
  texts.Set(QStringLiteral("Address"), addressLabel_->address());
  return texts;
}

void DemoWindow::PrintTo(const QString& pdfPath) {
  qt::PrintOptions options;
  options.startLabel = labelSelect_->labelID();
  options.direction = labelSelect_->direction();
  options.outlines = outlines_->isChecked();
  qt::PrintSheetToPdf(pdfPath, *labelSelect_->labelDef(), Texts(), options);
}

void DemoWindow::OnPrint() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  QString path =
      QFileDialog::getSaveFileName(this, QStringLiteral("Drucken in PDF-Datei"),
                                   QDir(documents).filePath(QStringLiteral("Etiketten.pdf")),
                                   QStringLiteral("PDF-Dateien (*.pdf)"));
  if (path.isEmpty()) return;
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
  try {
    PrintTo(path);
    statusBar()->showMessage(QStringLiteral("Gedruckt in %1").arg(QDir::toNativeSeparators(path)));
  } catch (const host::Error& e) {
    QMessageBox::warning(this, QStringLiteral("Drucken"), QString::fromStdString(e.what()));
  }
}

}  // namespace orvano::demo
