#include "orvano/catalog/label_catalog.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/profile_cache.h"
#include "orvano/catalog/value_parse.h"
#include "orvano/host/error.h"
#include "orvano/host/strings.h"

namespace orvano::catalog {

// One catalog file indexed in place: the parsed document (the cache's own copy of the bytes),
// its headers, and for every entry its line, where its "=" stands and its header.
class CatalogFile {
 public:
  struct Slot {
    std::uint32_t line;
    std::uint32_t eq;
    std::uint32_t brand;
  };

  explicit CatalogFile(std::shared_ptr<const ProfileDocument> doc) : doc_(std::move(doc)) {
    Index();
  }

  const std::vector<std::string>& Brands() const noexcept { return brands_; }
  const std::vector<Slot>& Slots() const noexcept { return slots_; }

  std::string Name(const Slot& s) const {
    return host::Trim(Decode(doc_->LineText(s.line).substr(0, s.eq)));
  }
  std::string Record(const Slot& s) const {
    return Decode(doc_->LineText(s.line).substr(s.eq + 1));
  }

 private:
  std::string Decode(std::string_view bytes) const {
    return DecodeText(bytes, doc_->GetEncoding());
  }

  // The loader's own line rules, which differ from the profile functions': only blanks (not
  // tabs) are trimmed, the key is cut at the first "=", the value is taken whole without the
  // 2047-character cut, and every section header counts, duplicates too. Only blanks, "[",
  // "]" and "=" matter here, and decoding never makes or moves those bytes, so the lines are
  // read as stored and decoded only where text is taken out.
  void Index() {
    const auto& lines = doc_->Lines();
    // About one entry a line: reserved once, never copied to shrink.
    slots_.reserve(lines.size());
    bool inSection = false;  // under a header whose name is not blank
    for (std::size_t n = 0; n < lines.size(); ++n) {
      const std::string_view line = doc_->LineText(n);
      std::size_t b = 0, e = line.size();
      while (b < e && line[b] == ' ') ++b;
      while (e > b && line[e - 1] == ' ') --e;
      if (b == e) continue;
      const std::string_view trimmed = line.substr(b, e - b);
      if (trimmed.front() == '[' && trimmed.find(']') != std::string_view::npos) {
        brands_.push_back(Decode(trimmed.substr(1, trimmed.find(']') - 1)));
        inSection = !host::Trim(brands_.back()).empty();
        continue;
      }
      const std::size_t eq = line.find('=');
      if (!inSection || eq == std::string_view::npos) continue;
      slots_.push_back({static_cast<std::uint32_t>(n), static_cast<std::uint32_t>(eq),
                        static_cast<std::uint32_t>(brands_.size() - 1)});
    }
  }

  std::shared_ptr<const ProfileDocument> doc_;
  std::vector<std::string> brands_;
  std::vector<Slot> slots_;
};

namespace {

// The index of the document last read per path, so that opening the dialog again over an
// unchanged catalog does not index it again.
std::shared_ptr<const CatalogFile> IndexOf(const std::string& path,
                                           const std::shared_ptr<const ProfileDocument>& doc) {
  struct Slot {
    std::shared_ptr<const ProfileDocument> doc;
    std::shared_ptr<const CatalogFile> file;
  };
  static std::mutex mutex;
  static std::map<std::string, Slot> slots;
  {
    std::lock_guard lock(mutex);
    const auto it = slots.find(path);
    if (it != slots.end() && it->second.doc == doc) return it->second.file;
  }
  auto file = std::make_shared<const CatalogFile>(doc);
  std::lock_guard lock(mutex);
  if (slots.size() >= 8) slots.clear();
  slots[path] = Slot{doc, file};
  return file;
}

}  // namespace

LabelCatalog::LabelCatalog() = default;
LabelCatalog::~LabelCatalog() = default;
LabelCatalog::LabelCatalog(const LabelCatalog&) = default;
LabelCatalog& LabelCatalog::operator=(const LabelCatalog&) = default;

const LabelCatalog::Part& LabelCatalog::PartOf(std::size_t i) const {
  if (i >= count_) host::Raise(host::ErrorKind::SubscriptOutOfRange);
  const auto after =
      std::upper_bound(parts_.begin(), parts_.end(), i,
                       [](std::size_t n, const Part& p) { return n < p.firstEntry; });
  return *(after - 1);
}

std::size_t LabelCatalog::BrandIndexOf(std::size_t i) const {
  const Part& p = PartOf(i);
  return p.firstBrand + p.file->Slots()[i - p.firstEntry].brand;
}

std::string LabelCatalog::NameOf(std::size_t i) const {
  const Part& p = PartOf(i);
  return p.file->Name(p.file->Slots()[i - p.firstEntry]);
}

std::string LabelCatalog::DescriptionOf(std::size_t i) const {
  const Part& p = PartOf(i);
  const std::string record = p.file->Record(p.file->Slots()[i - p.firstEntry]);
  return host::Trim(GetField(1, FieldValue(record)).ToText());
}

CatalogEntry LabelCatalog::Entry(std::size_t i) const {
  const Part& p = PartOf(i);
  const CatalogFile::Slot& s = p.file->Slots()[i - p.firstEntry];
  CatalogEntry e;
  e.PageFormat = 0;
  e.Brand = brands_[p.firstBrand + s.brand];
  e.Name = p.file->Name(s);
  e.Record = p.file->Record(s);
  ReadLabelRecord(e.Record, e);
  e.Description = host::Trim(e.Description);
  return e;
}

void LabelCatalog::Clear() {
  parts_.clear();
  brands_.clear();
  count_ = 0;
}

void LabelCatalog::LoadCatalogFile(const std::string& path) {
  const LoadedProfile loaded = ProfileCache::Instance().Load(path);
  if (!loaded.document) return;
  auto file = IndexOf(path, loaded.document);
  parts_.push_back({file, count_, brands_.size()});
  brands_.insert(brands_.end(), file->Brands().begin(), file->Brands().end());
  count_ += file->Slots().size();
}

void LabelCatalog::LoadCatalog(const std::string& dataFolder, host::Platform& platform) {
  platform.SetMousePointer(host::MousePointer::Busy);
  Clear();
  LoadCatalogFile(ShippedCatalogPath());
  LoadCatalogFile(CustomLabelPath(dataFolder));
  platform.SetMousePointer(host::MousePointer::Default);
}

}  // namespace orvano::catalog
