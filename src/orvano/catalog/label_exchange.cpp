#include "orvano/catalog/label_exchange.h"

#include <set>
#include <utility>

#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/profile_cache.h"
#include "orvano/catalog/profile_document.h"
#include "orvano/catalog/text_codec.h"
#include "orvano/catalog/value_parse.h"

namespace orvano::catalog {
namespace {

constexpr const char* kLabelSection = "Etiketten";
constexpr const char* kLayoutSection = "Adresslayouts";
constexpr std::size_t kLabelRecordFields = 11;
constexpr std::size_t kLayoutRecordFields = 9;

// The value as stored: everything after "=" but the blanks before it, so writing it back with
// the profile functions gives the same bytes.
std::string RawValue(const ProfileDocument& doc, std::size_t line) {
  std::string_view text = doc.LineText(line);
  text.remove_prefix(text.find('=') + 1);
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  return DecodeText(text, doc.GetEncoding());
}

std::optional<std::string> StoredValue(const ProfileDocument* doc, const std::string& section,
                                       const std::string& key) {
  if (doc == nullptr) return std::nullopt;
  const std::size_t line = doc->Locate(section, key).keyLine;
  if (line == ProfileDocument::npos) return std::nullopt;
  return RawValue(*doc, line);
}

// The keys of a section that a lookup can reach (the first of a name in the first section of
// that name), in file order, with their stored values.
std::vector<std::pair<std::string, std::string>> SectionEntries(const ProfileDocument& doc,
                                                                const std::string& section) {
  std::vector<std::pair<std::string, std::string>> out;
  for (std::size_t n = 0; n < doc.Lines().size(); ++n) {
    const std::string_view text = doc.LineText(n);
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) continue;
    std::string name = DecodeText(TrimBlanksAndTabs(text.substr(0, eq)), doc.GetEncoding());
    if (doc.Locate(section, name).keyLine != n) continue;
    out.emplace_back(std::move(name), RawValue(doc, n));
  }
  return out;
}

std::shared_ptr<const ProfileDocument> Load(const std::string& path, bool& failed) {
  const LoadedProfile loaded = ProfileCache::Instance().Load(path);
  failed = loaded.state == FileState::Failed;
  return loaded.document;
}

FieldValue Field(const std::vector<FieldValue>& f, std::size_t number) {
  return number <= f.size() ? f[number - 1] : FieldValue();
}

// Two records mean the same values in fields first..last, however the numbers are written.
bool SameValues(const std::string& a, const std::string& b, std::size_t first, std::size_t last) {
  const std::vector<FieldValue> fa = SplitFields(FieldValue(a)), fb = SplitFields(FieldValue(b));
  for (std::size_t k = first; k <= last; ++k)
    if (ParseNumber(Field(fa, k)) != ParseNumber(Field(fb, k))) return false;
  return true;
}

// Why the profile write would refuse the key and value in this file, or nothing.
std::optional<std::string> WhyRefused(const ProfileDocument* doc, const std::string& path,
                                      const std::string& name, const std::string& value) {
  if (ApplyWrite(doc, kCustomBrand, name, value).outcome != EditOutcome::Refused)
    return std::nullopt;
  if (!EncodeText(name, Encoding::Ansi) || !EncodeText(value, Encoding::Ansi))
    return "cannot be written in Windows-1252, the encoding of " + path;
  return "is not usable as a name in " + path;
}

}  // namespace

std::vector<ExchangeLabel> UserLabels(const std::string& dataFolder) {
  bool failed = false;
  const auto usr = Load(CustomLabelPath(dataFolder), failed);
  const auto adr = Load(AddressLayoutPath(dataFolder), failed);
  std::vector<ExchangeLabel> out;
  if (!usr) return out;
  for (auto& [name, record] : SectionEntries(*usr, kCustomBrand)) {
    std::optional<std::string> layout = StoredValue(adr.get(), kCustomBrand, name);
    out.push_back(ExchangeLabel{std::move(name), std::move(record), std::move(layout)});
  }
  return out;
}

std::string FormatExchangeFile(const std::vector<ExchangeLabel>& labels) {
  std::string out(kUtf8ByteOrderMark);
  out += "; Orvano: eigene Etiketten mit ihren Adresslayouts\r\n";
  out += std::string("[") + kLabelSection + "]\r\n";
  for (const ExchangeLabel& l : labels) out += l.Name + "=" + l.Record + "\r\n";
  out += std::string("[") + kLayoutSection + "]\r\n";
  for (const ExchangeLabel& l : labels)
    if (l.Layout) out += l.Name + "=" + *l.Layout + "\r\n";
  return out;
}

std::string ExportUserLabels(const std::string& dataFolder) {
  return FormatExchangeFile(UserLabels(dataFolder));
}

std::optional<std::vector<ExchangeLabel>> ParseExchangeFile(std::string_view bytes,
                                                            std::string& reason) {
  const auto doc = ProfileDocument::Parse(std::string(bytes));
  if (doc->Locate(kLabelSection, "").headerLine == ProfileDocument::npos) {
    reason = std::string("no [") + kLabelSection + "] section: not an export of labels";
    return std::nullopt;
  }
  std::vector<ExchangeLabel> out;
  for (auto& [name, record] : SectionEntries(*doc, kLabelSection)) {
    std::optional<std::string> layout = StoredValue(doc.get(), kLayoutSection, name);
    out.push_back(ExchangeLabel{std::move(name), std::move(record), std::move(layout)});
  }
  return out;
}

std::vector<ImportItem> ImportUserLabels(const std::string& dataFolder,
                                         const std::vector<ExchangeLabel>& labels,
                                         const ImportOptions& options) {
  const std::string usrPath = CustomLabelPath(dataFolder);
  const std::string adrPath = AddressLayoutPath(dataFolder);
  std::vector<ImportItem> report;
  std::set<std::string> seen;
  for (const ExchangeLabel& label : labels) {
    ImportItem item{label.Name, ImportOutcome::Unchanged, {}};
    const auto finish = [&](ImportOutcome outcome, std::string reason = {}) {
      item.Outcome = outcome;
      item.Reason = std::move(reason);
      report.push_back(item);
    };
    if (!seen.insert(FoldName(label.Name)).second) continue;  // the first of a name wins
    if (SplitFields(FieldValue(label.Record)).size() < kLabelRecordFields) {
      finish(ImportOutcome::Refused, "its record has fewer than 11 fields");
      continue;
    }
    const std::optional<std::string> layout =
        label.Layout && !TrimBlanksAndTabs(*label.Layout).empty() ? label.Layout : std::nullopt;

    bool usrFailed = false, adrFailed = false;
    const auto usr = Load(usrPath, usrFailed);
    const auto adr = Load(adrPath, adrFailed);
    if (usrFailed || adrFailed) {
      finish(ImportOutcome::Failed, "cannot read " + (usrFailed ? usrPath : adrPath));
      continue;
    }
    const auto storedRecord = StoredValue(usr.get(), kCustomBrand, label.Name);
    const auto storedLayout = StoredValue(adr.get(), kCustomBrand, label.Name);
    const bool otherRecord =
        storedRecord && !SameValues(*storedRecord, label.Record, 2, kLabelRecordFields);
    const bool otherLayout =
        layout && storedLayout && !SameValues(*storedLayout, *layout, 1, kLayoutRecordFields);
    if ((otherRecord || otherLayout) && !options.Overwrite) {
      finish(ImportOutcome::Conflict,
             otherRecord ? "stored with other measurements" : "stored with another address layout");
      continue;
    }
    const bool writeRecord = !storedRecord || (options.Overwrite && *storedRecord != label.Record);
    const bool writeLayout =
        layout && (!storedLayout || (options.Overwrite && *storedLayout != *layout));
    if (!writeRecord && !writeLayout) {
      finish(ImportOutcome::Unchanged);
      continue;
    }
    std::optional<std::string> refused;
    if (writeRecord) refused = WhyRefused(usr.get(), usrPath, label.Name, label.Record);
    if (!refused && writeLayout) refused = WhyRefused(adr.get(), adrPath, label.Name, *layout);
    if (refused) {
      finish(ImportOutcome::Refused, "the name " + *refused);
      continue;
    }
    const ImportOutcome done = (writeRecord && storedRecord) || (writeLayout && storedLayout)
                                   ? ImportOutcome::Replaced
                                   : ImportOutcome::Added;
    if (options.DryRun) {
      finish(done);
      continue;
    }
    if (writeRecord && !WriteProfileString(usrPath, kCustomBrand, label.Name, label.Record)) {
      finish(ImportOutcome::Failed, "could not write " + usrPath);
      continue;
    }
    if (writeLayout && !WriteProfileString(adrPath, kCustomBrand, label.Name, *layout)) {
      // Half a label is worse than none: put the record back as it was.
      if (writeRecord) WriteProfileString(usrPath, kCustomBrand, label.Name, storedRecord);
      finish(ImportOutcome::Failed, "could not write " + adrPath);
      continue;
    }
    finish(done);
  }
  return report;
}

}  // namespace orvano::catalog
