#include "orvano/qt/widgets/label_search_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <exception>

#include "orvano/qt/widgets/label_search_model.h"
#include "orvano/qt/widgets/label_select_widget.h"
#include "orvano/search/search_entry.h"

namespace orvano::qt {

LabelSearchDialog::LabelSearchDialog(const QString& dataFolder, QWidget* parent)
    : QDialog(parent), model_(new LabelSearchModel(this)) {
  setWindowTitle(QStringLiteral("Etikett suchen"));
  auto* layout = new QVBoxLayout(this);
  auto* prompt =
      new QLabel(QStringLiteral("&Suchen nach Marke, Nummer, Beschreibung oder Größe:"), this);
  filter_ = new QLineEdit(this);
  filter_->setPlaceholderText(QStringLiteral("z. B. 7163 oder 63,5 x 38,1"));
  filter_->setClearButtonEnabled(true);
  prompt->setBuddy(filter_);
  layout->addWidget(prompt);
  layout->addWidget(filter_);

  table_ = new QTableView(this);
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setAlternatingRowColors(true);
  table_->setWordWrap(false);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  // No sort indicator at first: the hits stay in rank order until a header is clicked.
  table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table_->setSortingEnabled(true);
  layout->addWidget(table_, 1);

  count_ = new QLabel(this);
  layout->addWidget(count_);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons_->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Übernehmen"));
  buttons_->button(QDialogButtonBox::Ok)->setDefault(true);  // Enter in the filter field chooses
  buttons_->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  layout->addWidget(buttons_);

  connect(filter_, &QLineEdit::textChanged, this, &LabelSearchDialog::Refilter);
  connect(table_, &QTableView::doubleClicked, this, &LabelSearchDialog::Choose);
  connect(buttons_, &QDialogButtonBox::accepted, this, &LabelSearchDialog::Choose);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(model_, &QAbstractItemModel::modelReset, this, [this] {
    if (model_->rowCount() > 0) table_->selectRow(0);
    UpdateButtons();
  });
  filter_->installEventFilter(this);
  resize(720, 420);
  setDataFolder(dataFolder);
}

LabelSearchDialog::~LabelSearchDialog() = default;

void LabelSearchDialog::setDataFolder(const QString& folder) {
  dataFolder_ = folder;
  model_->setEntries(search::LoadSearchEntries(folder.toStdString()));
  Refilter();
  table_->resizeColumnsToContents();
}

QString LabelSearchDialog::filterText() const { return filter_->text(); }

void LabelSearchDialog::setFilterText(const QString& text) { filter_->setText(text); }

int LabelSearchDialog::resultCount() const { return model_->rowCount(); }

void LabelSearchDialog::Refilter() {
  model_->setQuery(filter_->text());
  const int n = model_->rowCount();
  count_->setText(n == 0   ? QStringLiteral("Kein Etikett gefunden.")
                  : n == 1 ? QStringLiteral("1 Etikett gefunden.")
                           : QStringLiteral("%1 Etiketten gefunden.").arg(n));
}

void LabelSearchDialog::UpdateButtons() {
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(table_->currentIndex().isValid());
}

void LabelSearchDialog::Choose() {
  const search::SearchEntry* e = model_->entryAt(table_->currentIndex().row());
  if (!e) return;
  chosenBrand_ = QString::fromStdString(e->Brand);
  chosenName_ = QString::fromStdString(e->Name);
  Q_EMIT labelChosen(chosenBrand_, chosenName_);
  accept();
}

bool LabelSearchDialog::eventFilter(QObject* watched, QEvent* event) {
  // The arrow and page keys move through the hits while the filter field keeps the focus.
  if (watched == filter_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
        key == Qt::Key_PageDown) {
      QKeyEvent copy(QEvent::KeyPress, key, static_cast<QKeyEvent*>(event)->modifiers());
      QCoreApplication::sendEvent(table_, &copy);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void connectToLabelSelect(LabelSearchDialog* dialog, LabelSelectWidget* widget) {
  QObject::connect(dialog, &LabelSearchDialog::labelChosen, widget,
                   [widget](const QString& brand, const QString& labelName) {
                     // A lookup of the new brand with the old name fails and resets the
                     // widget to its default stock, brand included; with the name empty first
                     // no lookup runs until both are set. A slot must not throw into Qt.
                     try {
                       widget->setLabelName(QString());
                       widget->setBrand(brand);
                       widget->setLabelName(labelName);
                     } catch (const std::exception&) {}
                   });
}

}  // namespace orvano::qt
