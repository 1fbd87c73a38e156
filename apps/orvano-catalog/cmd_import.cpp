// import-glabels: the shipped catalog from the glabels template database.
#include <cstdio>
#include <iostream>
#include <set>

#include "cli.h"
#include "orvano/importer/catalog_output.h"
#include "orvano/importer/glabels_import.h"

namespace orvano::catalogtool {

namespace {

void PrintReport(const importer::ImportReport& report, const std::string& folder, bool verbose) {
  std::set<std::string> brands;
  for (const importer::Product& p : report.Products) brands.insert(p.Brand);
  std::cerr << "imported " << report.Products.size() << " products of " << brands.size()
            << " brands from " << report.TemplateFiles << " template files in " << folder << "\n";
  if (!report.Skipped.empty()) {
    std::cerr << "skipped " << report.Skipped.size() << " products:\n";
    for (int r = 0; r < importer::kSkipReasonCount; ++r) {
      if (report.SkippedBy[r] == 0) continue;
      std::fprintf(stderr, "%7d  %s\n", report.SkippedBy[r],
                   importer::SkipReasonText(static_cast<importer::SkipReason>(r)));
    }
  }
  if (verbose) {
    for (const importer::SkippedProduct& s : report.Skipped) {
      std::cerr << s.File << ":" << s.Line << ": " << s.Brand << " " << s.Part << ": "
                << importer::SkipReasonText(s.Reason)
                << (s.Detail.empty() ? "" : " (" + s.Detail + ")") << "\n";
    }
  }
  for (const importer::FileProblem& p : report.Problems) {
    std::cerr << p.File;
    if (p.Line > 0) std::cerr << ":" << p.Line;
    std::cerr << ": " << p.Message << "; its products are missing\n";
  }
}

}  // namespace

int RunImportGlabels(const std::vector<std::string>& args) {
  Arguments a;
  if (!ParseArguments(args, "import-glabels", {"-o"}, {"-v"}, 1, 1, a)) return kExitUsage;
  const std::string folder = a.positional[0];
  importer::ImportReport report;
  if (!importer::ImportGlabelsFolder(folder, report)) {
    Complain("import-glabels: cannot read the folder " + folder);
    return kExitUsage;
  }
  const std::string bytes = importer::CatalogFileBytes(report.Products);
  if (a.values.count("-o")) {
    std::string reason;
    if (!WriteAtomically(a.Value("-o"), bytes, reason)) {
      Complain("import-glabels: " + reason);
      return kExitUsage;
    }
  } else {
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout.flush();
  }
  PrintReport(report, folder, a.Has("-v"));
  if (report.Products.empty()) {
    Complain("import-glabels: no products found in " + folder);
    return kExitProblems;
  }
  return report.Problems.empty() ? kExitOk : kExitProblems;
}

}  // namespace orvano::catalogtool
