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

/// A dialog that finds a label stock across brands by a filter text and reports the one chosen.
class ORVANO_WIDGETS_EXPORT LabelSearchDialog : public QDialog {
  Q_OBJECT
  Q_PROPERTY(QString dataFolder READ dataFolder WRITE setDataFolder)
  Q_PROPERTY(QString filterText READ filterText WRITE setFilterText)

 public:
  /// dataFolder: where the user's own labels live; empty means the component's folder.
  explicit LabelSearchDialog(const QString& dataFolder = {}, QWidget* parent = nullptr);
  ~LabelSearchDialog() override;

  /// The folder of the user's own labels; setting it reads the catalog and those labels again.
  ///@{
  QString dataFolder() const { return dataFolder_; }
  void setDataFolder(const QString& folder);
  ///@}
  /// The text in the filter field; setting it filters the rows.
  ///@{
  QString filterText() const;
  void setFilterText(const QString& text);
  ///@}

  /// Rows shown for the current filter.
  int resultCount() const;
  /// The filter field and the result table, for tests and for hosts that style them.
  ///@{
  QLineEdit* filterField() const { return filter_; }
  QTableView* table() const { return table_; }
  ///@}

  /// The label last chosen; empty before.
  ///@{
  QString chosenBrand() const { return chosenBrand_; }
  QString chosenLabelName() const { return chosenName_; }
  ///@}

 Q_SIGNALS:
  /// Enter, the OK button or a double click on a row.
  void labelChosen(const QString& brand, const QString& labelName);

 protected:
  /// The arrow and page keys in the filter field move through the hits; the field keeps the focus.
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
