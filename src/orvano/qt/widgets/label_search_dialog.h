/// \file
/// "Etikett suchen": a window that finds a label stock across every brand of the catalog and the
/// user's own labels, by number, brand, description or size, and hands the chosen one on.
#pragma once

#include <QDialog>
#include <QString>

#include "orvano/widgets_export.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace orvano::qt {

class LabelSearchModel;
class LabelSelectWidget;

class ORVANO_WIDGETS_EXPORT LabelSearchDialog : public QDialog {
  Q_OBJECT
  Q_PROPERTY(QString dataFolder READ dataFolder WRITE setDataFolder)
  Q_PROPERTY(QString filterText READ filterText WRITE setFilterText)

 public:
  /// dataFolder: where the user's own labels live; empty means the component's folder.
  explicit LabelSearchDialog(const QString& dataFolder = {}, QWidget* parent = nullptr);
  ~LabelSearchDialog() override;

  QString dataFolder() const { return dataFolder_; }
  /// Reads the catalog and the user's labels again.
  void setDataFolder(const QString& folder);
  QString filterText() const;
  void setFilterText(const QString& text);

  /// Rows shown for the current filter.
  int resultCount() const;
  QLineEdit* filterField() const { return filter_; }
  QTableView* table() const { return table_; }

  /// The label last chosen; empty before.
  QString chosenBrand() const { return chosenBrand_; }
  QString chosenLabelName() const { return chosenName_; }

 Q_SIGNALS:
  /// Enter, the OK button or a double click on a row.
  void labelChosen(const QString& brand, const QString& labelName);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refilter();
  void UpdateButtons();
  void Choose();

  QString dataFolder_;
  QString chosenBrand_;
  QString chosenName_;
  LabelSearchModel* model_ = nullptr;
  QLineEdit* filter_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* count_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
};

/// Makes the widget take every label chosen in the dialog, looked up once with brand and name.
ORVANO_WIDGETS_EXPORT void connectToLabelSelect(LabelSearchDialog* dialog,
                                                LabelSelectWidget* widget);

}  // namespace orvano::qt
