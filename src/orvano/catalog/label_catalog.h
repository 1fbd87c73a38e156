/// \file
/// The settings dialog's catalog in memory: every brand header and every entry of the shipped
/// catalog and of the user's labels, in file order. The entries are not copied out of the file:
/// each is a place in the cached file's bytes (shared with the lookups), and its text and numbers
/// are read when asked for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "orvano/catalog/label_record.h"
#include "orvano/core_export.h"
#include "orvano/host/platform.h"

/// The catalog files (shipped stocks, the user's own labels, address layouts) and their lookups.
namespace orvano::catalog {

/// One entry, read: the record's values (a whole number too large for 32 bits reads as 0), its
/// brand, name and trimmed description, and the record text for values as the file writes them.
struct ORVANO_CORE_EXPORT CatalogEntry : LabelRecord {
  std::string Brand;   ///< the section the entry stands under
  std::string Name;    ///< the label's name (the key)
  std::string Record;  ///< the record text as the file holds it

  /// One numeric field of the record, read from Record.
  double RecordNumber(LabelField field) const { return LabelRecordNumber(Record, field); }
};

/// One catalog file's bytes, cached and shared with the lookups.
class CatalogFile;

/// The catalog in memory (see the file comment); copies share the files' bytes.
class ORVANO_CORE_EXPORT LabelCatalog {
 public:
  /// The entries by position from 0, each read when it is looked at.
  class EntryList {
   public:
    /// An input iterator that reads each entry when dereferenced.
    class iterator {
     public:
      /// Standard iterator traits; entries are handed out by value.
      ///@{
      using iterator_category = std::input_iterator_tag;
      using value_type = CatalogEntry;
      using difference_type = std::ptrdiff_t;
      using pointer = void;
      using reference = CatalogEntry;
      ///@}

      /// Entry i of catalog c.
      iterator(const LabelCatalog* c, std::size_t i) : c_(c), i_(i) {}
      CatalogEntry operator*() const { return c_->Entry(i_); }  ///< the entry, read now
      /// The next entry.
      iterator& operator++() {
        ++i_;
        return *this;
      }
      bool operator==(const iterator& o) const { return i_ == o.i_; }  ///< same position

     private:
      const LabelCatalog* c_;
      std::size_t i_;
    };

    explicit EntryList(const LabelCatalog* c) : c_(c) {}                   ///< the entries of c
    std::size_t size() const noexcept { return c_->EntryCount(); }         ///< how many
    bool empty() const noexcept { return size() == 0; }                    ///< none at all
    CatalogEntry operator[](std::size_t i) const { return c_->Entry(i); }  ///< entry i, read now
    /// The range of all entries.
    ///@{
    iterator begin() const { return {c_, 0}; }
    iterator end() const { return {c_, size()}; }
    ///@}

   private:
    const LabelCatalog* c_;
  };

  LabelCatalog();  ///< empty
  ~LabelCatalog();
  /// Copies share the loaded files' bytes.
  ///@{
  LabelCatalog(const LabelCatalog&);
  LabelCatalog& operator=(const LabelCatalog&);
  ///@}

  /// Every section header in file order, duplicates included.
  const std::vector<std::string>& Brands() const noexcept { return brands_; }
  /// Addressed by position from 0; the shipped catalog's entries come first.
  EntryList Entries() const noexcept { return EntryList(this); }
  std::size_t EntryCount() const noexcept { return count_; }  ///< entries of all files

  /// Entry i in full, or one part of it without reading the rest.
  ///@{
  CatalogEntry Entry(std::size_t i) const;
  /// The position in Brands() of the header the entry stands under.
  std::size_t BrandIndexOf(std::size_t i) const;
  std::string NameOf(std::size_t i) const;
  std::string DescriptionOf(std::size_t i) const;
  ///@}

  void Clear();  ///< forgets every file, brand and entry
  /// Empties the catalog and loads the shipped catalog, then the user's labels from the data
  /// folder, with the busy mouse pointer while it reads.
  void LoadCatalog(const std::string& dataFolder, host::Platform& platform);
  /// Appends the brands and entries of one file; a missing or unreadable file adds nothing.
  void LoadCatalogFile(const std::string& path);

 private:
  struct Part {
    std::shared_ptr<const CatalogFile> file;
    std::size_t firstEntry = 0;
    std::size_t firstBrand = 0;
  };
  const Part& PartOf(std::size_t i) const;

  std::vector<Part> parts_;
  std::vector<std::string> brands_;
  std::size_t count_ = 0;
};

}  // namespace orvano::catalog
