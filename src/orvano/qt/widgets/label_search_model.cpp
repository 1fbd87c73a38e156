#include "orvano/qt/widgets/label_search_model.h"

#include <algorithm>
#include <tuple>

#include "orvano/host/runtime.h"
#include "orvano/host/strings.h"

namespace orvano::qt {
namespace {

QString Size(const SheetGeometry& s) {
  return QStringLiteral("%1 × %2 mm")
      .arg(QString::fromStdString(host::NumberText(s.LabelWidth)),
           QString::fromStdString(host::NumberText(s.LabelHeight)));
}

}  // namespace

LabelSearchModel::LabelSearchModel(QObject* parent) : QAbstractTableModel(parent) {}

void LabelSearchModel::setEntries(std::vector<search::SearchEntry> entries) {
  search_ = search::CatalogSearch(std::move(entries));
  setQuery({});
}

void LabelSearchModel::setQuery(const QString& text) {
  beginResetModel();
  ranked_.clear();
  for (const search::SearchHit& h : search_.Find(search::QueryFromText(text.toStdString())))
    ranked_.push_back(h.Index);
  order();
  endResetModel();
}

const search::SearchEntry* LabelSearchModel::entryAt(int row) const {
  if (row < 0 || row >= rowCount()) return nullptr;
  return &search_.Entries()[rows_[static_cast<std::size_t>(row)]];
}

int LabelSearchModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int LabelSearchModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : DescriptionColumn + 1;
}

QVariant LabelSearchModel::data(const QModelIndex& index, int role) const {
  const search::SearchEntry* e = entryAt(index.row());
  if (!e) return {};
  if (role == Qt::TextAlignmentRole && index.column() == PerSheetColumn)
    return int(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  switch (index.column()) {
    case BrandColumn: return QString::fromStdString(e->Brand);
    case ProductColumn: return QString::fromStdString(e->Name);
    case SizeColumn: return Size(e->Sheet);
    case PerSheetColumn: return static_cast<qlonglong>(e->Sheet.LabelCount());
    case DescriptionColumn: return QString::fromStdString(e->Description);
    default: return {};
  }
}

QVariant LabelSearchModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case BrandColumn: return QStringLiteral("Marke");
    case ProductColumn: return QStringLiteral("Produkt");
    case SizeColumn: return QStringLiteral("Größe");
    case PerSheetColumn: return QStringLiteral("Je Bogen");
    case DescriptionColumn: return QStringLiteral("Beschreibung");
    default: return {};
  }
}

void LabelSearchModel::sort(int column, Qt::SortOrder order) {
  beginResetModel();
  sortColumn_ = column;
  sortOrder_ = order;
  this->order();
  endResetModel();
}

void LabelSearchModel::order() {
  rows_ = ranked_;
  if (sortColumn_ < BrandColumn || sortColumn_ > DescriptionColumn) return;
  const auto& entries = search_.Entries();
  const auto key = [&](std::size_t i) {
    const search::SearchEntry& e = entries[i];
    switch (sortColumn_) {
      case BrandColumn: return std::make_tuple(host::UCase(e.Brand), 0.0, 0.0);
      case ProductColumn: return std::make_tuple(host::UCase(e.Name), 0.0, 0.0);
      case SizeColumn:
        return std::make_tuple(std::string(), e.Sheet.LabelWidth, e.Sheet.LabelHeight);
      case PerSheetColumn:
        return std::make_tuple(std::string(), static_cast<double>(e.Sheet.LabelCount()), 0.0);
      default: return std::make_tuple(host::UCase(e.Description), 0.0, 0.0);
    }
  };
  std::vector<std::pair<decltype(key(0)), std::size_t>> keyed;
  keyed.reserve(rows_.size());
  for (std::size_t i : rows_) keyed.emplace_back(key(i), i);
  std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
    return sortOrder_ == Qt::AscendingOrder ? a.first < b.first : b.first < a.first;
  });
  for (std::size_t n = 0; n < keyed.size(); ++n) rows_[n] = keyed[n].second;
}

}  // namespace orvano::qt
