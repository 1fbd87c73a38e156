// The demo's one window: a label sheet to choose from, an address to type, a preview, the
// LabelDef the host gets, the settings dialog and printing to PDF.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <vector>

#include "orvano/qt/print/label_printer.h"
#include "orvano/qt/property_file.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvano::qt {
class AddressLabelWidget;
class LabelSelectWidget;
class PreviewWidget;
}  // namespace orvano::qt

namespace orvano::demo {

class LabelDefPanel;

class DemoWindow : public QMainWindow {
  Q_OBJECT

 public:
  // dataFolder: where the user's own labels and address layouts live.
  explicit DemoWindow(const QString& dataFolder, QWidget* parent = nullptr);
  ~DemoWindow() override;

  // Puts the saved form back; a form never saved starts with a catalog label and a sample
  // address. A damaged value takes its default; the names of those left out are returned (and
  // shown in the status bar).
  QStringList Restore(qt::PropertyFile& file);
  void Save(qt::PropertyFile& file);

  // The printout of the current state into a PDF: the loaded addresses one per label from the
  // start label on, or else the typed address on every label of one sheet. Errors (host::Error)
  // reach the caller; the report says what was printed and what did not fit.
  qt::PrintReport PrintTo(const QString& pdfPath);
  // Reads an address list (CSV, every column one address line); what it will take, as the status
  // bar shows it. Errors (host::Error) reach the caller and keep the list loaded before.
  QString LoadAddresses(const QString& csvPath);

  qt::LabelSelectWidget* labelSelect() const { return labelSelect_; }
  qt::AddressLabelWidget* addressLabel() const { return addressLabel_; }
  qt::PreviewWidget* preview() const { return preview_; }
  QPushButton* settingsButton() const { return settings_; }
  QPushButton* searchButton() const { return search_; }

 private slots:
  void Sync();
  void OnSearch();
  void ShowPanel();
  void OnPrint();
  void OnLoadAddresses();
  void OnCalibrate();
  void OnTextsEdited();

 private:
  QWidget* BuildChooser();
  QWidget* BuildAddress();
  QWidget* BuildPreview();
  QWidget* BuildPanel();
  void StartFresh();
  qt::FieldTexts Texts() const;
  // What printing the current state means: records, how many labels each, where to start.
  std::vector<qt::FieldTexts> Records() const;
  qt::PrintOptions Options() const;
  void UpdateStatus();
  QWidget* BuildPrintButtons(QWidget* parent);

  QString dataFolder_;
  qt::LabelSelectWidget* labelSelect_ = nullptr;
  qt::AddressLabelWidget* addressLabel_ = nullptr;
  qt::PreviewWidget* preview_ = nullptr;
  LabelDefPanel* panel_ = nullptr;
  QLineEdit* sender_ = nullptr;
  QLineEdit* heading_ = nullptr;
  QRadioButton* pageLayout_ = nullptr;
  QRadioButton* addressLayout_ = nullptr;
  QCheckBox* outlines_ = nullptr;
  QPushButton* settings_ = nullptr;
  QPushButton* search_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* loadAddresses_ = nullptr;
  QPushButton* calibrate_ = nullptr;
  QStringList addresses_;  // the loaded address list, one entry per label
};

}  // namespace orvano::demo
