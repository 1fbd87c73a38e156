// Turning the label database (a folder of XML files) into the products of the shipped catalog:
// A4 and A5 sheets with one rectangular layout, equivalents resolved, sorted by brand and part
// number in natural order. Everything left out is counted by reason.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "orvano/importer/glabels_template.h"
#include "orvano/importer/product.h"

namespace orvano::importer {

struct SkippedProduct {
  std::string File;
  int Line = 0;
  std::string Brand;
  std::string Part;
  SkipReason Reason = SkipReason::Measurements;
  std::string Detail;
};

// A file that could not be read or is no well-formed XML; its products are missing.
struct FileProblem {
  std::string File;
  int Line = 0;  // 0 when the file could not be read at all
  std::string Message;
};

struct ImportReport {
  std::vector<Product> Products;  // by brand, then part number, both in natural order
  std::vector<SkippedProduct> Skipped;
  std::array<int, kSkipReasonCount> SkippedBy{};  // indexed by SkipReason
  std::vector<FileProblem> Problems;
  int TemplateFiles = 0;  // files that held templates
};

class GlabelsImporter {
 public:
  // Adds the templates of one XML text; documents of other kinds (paper sizes, vendors) are
  // ignored. False, with a problem recorded, for malformed XML.
  bool AddDocument(const std::string& fileName, std::string_view xml);
  void AddProblem(FileProblem problem) { problems_.push_back(std::move(problem)); }
  // Resolves equivalents, drops duplicates and unusable ones, sorts.
  ImportReport Finish() const;

 private:
  struct Read {
    std::string file;
    TemplateEntry entry;
  };
  std::vector<Read> templates_;
  std::vector<FileProblem> problems_;
  int templateFiles_ = 0;
};

// Files bigger than this are not template files.
inline constexpr std::size_t kMaxTemplateFileSize = std::size_t{32} << 20;

// Reads every "*.xml" file of the folder, in name order. False when the folder cannot be
// listed; unreadable or malformed files become problems of the report.
bool ImportGlabelsFolder(const std::string& folder, ImportReport& report);

}  // namespace orvano::importer
