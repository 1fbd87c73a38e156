#include "orvano/importer/glabels_import.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "orvano/catalog/text_codec.h"
#include "orvano/importer/catalog_output.h"
#include "orvano/importer/natural_order.h"

namespace orvano::importer {

namespace {

// Brands and part numbers are section and key names of a profile file, which match without
// regard to case: "Apli" and "APLI" are one brand there.
std::string KeyOf(const std::string& brand, const std::string& part) {
  return catalog::FoldName(brand) + '\x1F' + catalog::FoldName(part);
}

// Follows equivalents to a product with measurements of its own. Nothing for a missing target
// or a circle.
const TemplateEntry* ResolveEquiv(const TemplateEntry& start,
                                  const std::map<std::string, const TemplateEntry*>& byKey) {
  const TemplateEntry* at = &start;
  for (std::size_t hops = 0; hops <= byKey.size() && !at->Equiv.empty(); ++hops) {
    const auto it = byKey.find(KeyOf(at->Brand, at->Equiv));
    if (it == byKey.end()) return nullptr;
    at = it->second;
  }
  return at->Equiv.empty() ? at : nullptr;
}

}  // namespace

bool GlabelsImporter::AddDocument(const std::string& fileName, std::string_view xml) {
  const XmlDocument doc = ParseXml(xml);
  if (!doc.ok) {
    problems_.push_back({fileName, doc.errorLine, doc.error});
    return false;
  }
  if (doc.root.name != "Glabels-templates") return true;
  ++templateFiles_;
  for (const XmlElement* t : doc.root.Children("Template")) {
    templates_.push_back({fileName, ReadTemplate(*t)});
  }
  return true;
}

ImportReport GlabelsImporter::Finish() const {
  ImportReport report;
  report.Problems = problems_;
  report.TemplateFiles = templateFiles_;

  const auto skip = [&](const Read& r, SkipReason reason, std::string detail) {
    report.Skipped.push_back(
        {r.file, r.entry.Line, r.entry.Brand, r.entry.Part, reason, std::move(detail)});
    ++report.SkippedBy[static_cast<std::size_t>(reason)];
  };

  // The first product of a brand and part number counts; the first spelling names the brand.
  std::map<std::string, const TemplateEntry*> byKey;
  std::map<std::string, std::string> brandSpelling;
  std::vector<const Read*> kept;
  for (const Read& r : templates_) {
    const TemplateEntry& e = r.entry;
    if (e.Brand.empty() || e.Part.empty()) {
      skip(r, SkipReason::MissingName, "");
      continue;
    }
    if (!UsableBrand(e.Brand) || !UsablePart(e.Part)) {
      skip(r, SkipReason::UnusableName, "");
      continue;
    }
    if (!byKey.emplace(KeyOf(e.Brand, e.Part), &e).second) {
      skip(r, SkipReason::Duplicate, "");
      continue;
    }
    brandSpelling.emplace(catalog::FoldName(e.Brand), e.Brand);
    kept.push_back(&r);
  }

  for (const Read* r : kept) {
    const TemplateEntry& e = r->entry;
    const TemplateEntry* source = e.Equiv.empty() ? &e : ResolveEquiv(e, byKey);
    if (!source) {
      skip(*r, SkipReason::EquivMissing, "equiv " + e.Equiv);
      continue;
    }
    if (!source->Measures) {
      // An equivalent of a product that cannot be imported is left out for the same reason.
      skip(*r, source->Reason, source == &e ? e.Detail : "as " + source->Part);
      continue;
    }
    Product p;
    p.Brand = brandSpelling.at(catalog::FoldName(e.Brand));
    p.Part = e.Part;
    p.Description = e.Description ? *e.Description : source->Description.value_or("");
    p.Measures = *source->Measures;
    report.Products.push_back(std::move(p));
  }

  std::sort(report.Products.begin(), report.Products.end(), [](const Product& a, const Product& b) {
    const int brand = NaturalCompare(a.Brand, b.Brand);
    return brand != 0 ? brand < 0 : NaturalLess(a.Part, b.Part);
  });
  return report;
}

bool ImportGlabelsFolder(const std::string& folder, ImportReport& report) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return false;
  std::vector<fs::path> files;
  fs::directory_iterator it(folder, ec);
  if (ec) return false;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) return false;
    const fs::path& p = it->path();
    if (p.extension() == ".xml" && it->is_regular_file(ec)) files.push_back(p);
  }
  std::sort(files.begin(), files.end());

  GlabelsImporter importer;
  for (const fs::path& p : files) {
    const std::string name = p.filename().string();
    const auto size = fs::file_size(p, ec);
    if (ec || size > kMaxTemplateFileSize) {
      importer.AddProblem({name, 0, ec ? "cannot read the file" : "file too large"});
      continue;
    }
    std::ifstream in(p, std::ios::binary);
    if (!in.is_open()) {
      importer.AddProblem({name, 0, "cannot open the file"});
      continue;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (!in.good() && !in.eof()) {
      importer.AddProblem({name, 0, "cannot read the file"});
      continue;
    }
    importer.AddDocument(name, text.str());
  }
  report = importer.Finish();
  return true;
}

}  // namespace orvano::importer
