#include "orvano/catalog/label_catalog.h"

#include <map>
#include <memory>
#include <mutex>

#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/profile_cache.h"
#include "orvano/catalog/value_parse.h"
#include "orvano/host/error.h"
#include "orvano/host/strings.h"

namespace orvano::catalog {
namespace {

struct LoadedFile {
  std::vector<std::string> brands;
  std::vector<CatalogEntry> entries;
};

FieldValue Field(const std::vector<FieldValue>& fields, std::size_t number) {
  return number <= fields.size() ? fields[number - 1] : FieldValue();
}

// The loader's own line rules, which differ from the profile functions': only blanks (not
// tabs) are trimmed, the key is cut at the first "=", the value is taken whole without the
// 2047-character cut, and every section header counts, duplicates too.
std::shared_ptr<const LoadedFile> ReadEntries(const ProfileDocument& doc) {
  auto out = std::make_shared<LoadedFile>();
  std::string section;
  for (std::size_t n = 0; n < doc.Lines().size(); ++n) {
    const std::string line = DecodeText(doc.LineText(n), doc.GetEncoding());
    const std::string trimmed = host::Trim(line);
    if (trimmed.empty()) continue;
    if (trimmed.front() == '[' && line.find(']') != std::string::npos) {
      section = trimmed.substr(1, trimmed.find(']') - 1);
      out->brands.push_back(section);
      continue;
    }
    const std::size_t eq = line.find('=');
    if (host::Trim(section).empty() || eq == std::string::npos) continue;

    const std::vector<FieldValue> f = SplitFields(FieldValue(line.substr(eq + 1)));
    CatalogEntry e;
    e.Brand = section;
    e.Name = host::Trim(std::string_view(line).substr(0, eq));
    e.Description = host::Trim(Field(f, 1).ToText());
    // A number too large for 32 bits leaves its field at 0; the rest of the file still loads.
    host::Resume([&] { e.PageFormat = host::CLng(ParseNumber(Field(f, 2))); });
    host::Resume([&] { e.Landscape = host::CLng(ParseNumber(Field(f, 3))); });
    e.Cols = ParseNumber(Field(f, 4));
    e.Rows = ParseNumber(Field(f, 5));
    e.BorderLeft = ParseNumber(Field(f, 6));
    e.BorderTop = ParseNumber(Field(f, 7));
    e.LabelWidth = ParseNumber(Field(f, 8));
    e.LabelHeight = ParseNumber(Field(f, 9));
    e.SpaceWidth = ParseNumber(Field(f, 10));
    e.SpaceHeight = ParseNumber(Field(f, 11));
    out->entries.push_back(std::move(e));
  }
  return out;
}

// The entries of the document last read per path, so that opening the dialog again over an
// unchanged catalog does not convert every record again.
std::shared_ptr<const LoadedFile> EntriesOf(const std::string& path,
                                            const std::shared_ptr<const ProfileDocument>& doc) {
  struct Slot {
    std::shared_ptr<const ProfileDocument> doc;
    std::shared_ptr<const LoadedFile> entries;
  };
  static std::mutex mutex;
  static std::map<std::string, Slot> slots;
  {
    std::lock_guard lock(mutex);
    const auto it = slots.find(path);
    if (it != slots.end() && it->second.doc == doc) return it->second.entries;
  }
  auto entries = ReadEntries(*doc);
  std::lock_guard lock(mutex);
  if (slots.size() >= 8) slots.clear();
  slots[path] = Slot{doc, entries};
  return entries;
}

}  // namespace

void LabelCatalog::Clear() {
  brands_.clear();
  entries_.clear();
}

void LabelCatalog::LoadCatalogFile(const std::string& path) {
  const LoadedProfile loaded = ProfileCache::Instance().Load(path);
  if (!loaded.document) return;
  const auto file = EntriesOf(path, loaded.document);
  brands_.insert(brands_.end(), file->brands.begin(), file->brands.end());
  entries_.insert(entries_.end(), file->entries.begin(), file->entries.end());
}

void LabelCatalog::LoadCatalog(const std::string& dataFolder, host::Platform& platform) {
  platform.SetMousePointer(host::MousePointer::Busy);
  Clear();
  LoadCatalogFile(ShippedCatalogPath());
  LoadCatalogFile(CustomLabelPath(dataFolder));
  platform.SetMousePointer(host::MousePointer::Default);
}

}  // namespace orvano::catalog
