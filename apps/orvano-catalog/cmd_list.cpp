// list: the brands of a catalog, or the labels of one brand.
#include <iostream>
#include <set>

#include "cli.h"
#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/label_catalog.h"
#include "orvano/catalog/text_codec.h"
#include "orvano/host/runtime.h"

namespace orvano::catalogtool {

int RunList(const std::vector<std::string>& args) {
  Arguments a;
  if (!ParseArguments(args, "list", {"--catalog"}, {}, 0, 1, a)) return kExitUsage;
  const std::string path = a.Value("--catalog", catalog::ShippedCatalogPath());
  std::string reason;
  if (!CheckFileReadable(path, reason)) {
    Complain("list: cannot read " + path + ": " + reason);
    return kExitUsage;
  }
  catalog::LabelCatalog labels;
  labels.LoadCatalogFile(path);

  if (a.positional.empty()) {
    std::set<std::string> seen;
    for (const std::string& brand : labels.Brands()) {
      if (seen.insert(catalog::FoldName(brand)).second) std::cout << brand << "\n";
    }
    return kExitOk;
  }
  const std::string wanted = catalog::FoldName(a.positional[0]);
  bool any = false;
  // Only the brand's entries are read; counts as the record writes them.
  for (std::size_t i = 0; i < labels.EntryCount(); ++i) {
    if (catalog::FoldName(labels.Brands()[labels.BrandIndexOf(i)]) != wanted) continue;
    const catalog::CatalogEntry e = labels.Entry(i);
    any = true;
    std::cout << e.Name << "\t" << host::NumberText(e.RecordNumber(catalog::LabelField::Cols))
              << " x " << host::NumberText(e.RecordNumber(catalog::LabelField::Rows)) << "\t"
              << host::NumberText(e.LabelWidth) << " x " << host::NumberText(e.LabelHeight)
              << " mm\t" << e.Description << "\n";
  }
  if (!any) {
    Complain("list: no labels of the brand " + a.positional[0] + " in " + path);
    return kExitProblems;
  }
  return kExitOk;
}

}  // namespace orvano::catalogtool
