/// \file
/// The platform's keyed collection: positions from 1 in the order of adding, text keys compared
/// without regard to case, a missing key or position an error the caller may trap.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "orvano/host/error.h"
#include "orvano/host/strings.h"

namespace orvano::host {

/// Items in the order added, each under a text key that compares without regard to case.
/// Positions run from 1; a missing position or key is InvalidProcedureCall.
template <class T>
class KeyedCollection {
 public:
  /// The number of items.
  std::int32_t Count() const noexcept { return static_cast<std::int32_t>(items_.size()); }

  /// Fails with DuplicateKey (collection unchanged) when the key is taken.
  void Add(const T& item, std::string_view key) {
    std::string k = UCase(key);
    if (index_.contains(k)) Raise(ErrorKind::DuplicateKey);
    items_.push_back({item, std::string(key)});
    index_.emplace(std::move(k), items_.size() - 1);
  }

  /// The item at a position or under a key.
  ///@{
  const T& Item(std::int32_t position) const { return items_.at(Slot(position)).value; }
  const T& Item(std::string_view key) const { return items_[Find(key)].value; }
  ///@}
  /// Whether an item has the key.
  bool Contains(std::string_view key) const { return index_.contains(UCase(key)); }
  /// The key of the item at a position, as it was added.
  const std::string& KeyAt(std::int32_t position) const { return items_.at(Slot(position)).key; }

  /// Removes the item at a position or under a key; the later ones move up.
  ///@{
  void Remove(std::int32_t position) { Erase(Slot(position)); }
  void Remove(std::string_view key) { Erase(Find(key)); }
  ///@}
  /// Removes every item.
  void Clear() {
    items_.clear();
    index_.clear();
  }

  /// Enumeration in position order.
  ///@{
  auto begin() const { return ValueIterator{items_.begin()}; }
  auto end() const { return ValueIterator{items_.end()}; }
  ///@}

 private:
  struct Entry {
    T value;
    std::string key;
  };
  struct ValueIterator {
    typename std::vector<Entry>::const_iterator it;
    const T& operator*() const { return it->value; }
    ValueIterator& operator++() {
      ++it;
      return *this;
    }
    bool operator!=(const ValueIterator& o) const { return it != o.it; }
    bool operator==(const ValueIterator& o) const { return it == o.it; }
  };

  std::size_t Slot(std::int32_t position) const {
    if (position < 1 || position > Count()) Raise(ErrorKind::InvalidProcedureCall);
    return static_cast<std::size_t>(position - 1);
  }
  std::size_t Find(std::string_view key) const {
    auto it = index_.find(UCase(key));
    if (it == index_.end()) Raise(ErrorKind::InvalidProcedureCall);
    return it->second;
  }
  void Erase(std::size_t slot) {
    index_.erase(UCase(items_[slot].key));
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(slot));
    for (auto& [k, s] : index_)
      if (s > slot) --s;
  }

  std::vector<Entry> items_;
  std::unordered_map<std::string, std::size_t> index_;
};

}  // namespace orvano::host
