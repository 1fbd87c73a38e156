// The demo's one window: a label sheet to choose from, an address to type, a preview, the
// LabelDef the host gets, the settings dialog and printing to PDF.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

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

  // The printout of the current state. Errors (host::Error) reach the caller.
  void PrintTo(const QString& pdfPath);

  qt::LabelSelectWidget* labelSelect() const { return labelSelect_; }
  qt::AddressLabelWidget* addressLabel() const { return addressLabel_; }
  qt::PreviewWidget* preview() const { return preview_; }
  QPushButton* settingsButton() const { return settings_; }

 private slots:
  void Sync();
  void ShowPanel();
  void OnPrint();
  void OnTextsEdited();

 private:
  QWidget* BuildChooser();
  QWidget* BuildAddress();
  QWidget* BuildPreview();
  QWidget* BuildPanel();
  void StartFresh();
  qt::FieldTexts Texts() const;

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
  QPushButton* print_ = nullptr;
};

}  // namespace orvano::demo
