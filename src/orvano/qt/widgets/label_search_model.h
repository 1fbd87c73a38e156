// The rows of the label search window: the hits of a catalog search in rank order, or sorted by
// a column when the user asks.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "orvano/search/catalog_search.h"

namespace orvano::qt {

class LabelSearchModel : public QAbstractTableModel {
 public:
  enum Column { BrandColumn, ProductColumn, SizeColumn, PerSheetColumn, DescriptionColumn };

  explicit LabelSearchModel(QObject* parent = nullptr);

  void setEntries(std::vector<search::SearchEntry> entries);
  // Brand, number, description or a size such as "63,5 x 38,1"; empty lists every label.
  void setQuery(const QString& text);
  const search::SearchEntry* entryAt(int row) const;
  int entryCount() const { return static_cast<int>(search_.Entries().size()); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  // A column below 0 restores the rank order.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

 private:
  void order();

  search::CatalogSearch search_;
  std::vector<std::size_t> ranked_;  // entry indices in rank order
  std::vector<std::size_t> rows_;    // as shown
  int sortColumn_ = -1;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace orvano::qt
