// export and import: the user's own labels with their address layouts, as a UTF-8 file that
// another machine merges into its data folder.
#include <iostream>

#include "cli.h"
#include "orvano/catalog/label_exchange.h"

namespace orvano::catalogtool {
namespace {

const char* OutcomeText(catalog::ImportOutcome o) {
  switch (o) {
    case catalog::ImportOutcome::Added: return "added";
    case catalog::ImportOutcome::Replaced: return "replaced";
    case catalog::ImportOutcome::Unchanged: return "unchanged";
    case catalog::ImportOutcome::Conflict: return "kept";
    case catalog::ImportOutcome::Refused: return "refused";
    case catalog::ImportOutcome::Failed: return "failed";
  }
  return "?";
}

}  // namespace

int RunExport(const std::vector<std::string>& args) {
  Arguments a;
  if (!ParseArguments(args, "export", {"-o", "--data-folder"}, {}, 0, 0, a)) return kExitUsage;
  const std::vector<catalog::ExchangeLabel> labels = catalog::UserLabels(a.Value("--data-folder"));
  const std::string bytes = catalog::FormatExchangeFile(labels);
  if (a.values.count("-o")) {
    std::string reason;
    if (!WriteAtomically(a.Value("-o"), bytes, reason)) {
      Complain("export: " + reason);
      return kExitUsage;
    }
  } else {
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout.flush();
  }
  std::cerr << "exported " << labels.size() << " labels\n";
  return kExitOk;
}

int RunImport(const std::vector<std::string>& args) {
  Arguments a;
  if (!ParseArguments(args, "import", {"--data-folder"}, {"--overwrite", "--dry-run"}, 1, 1, a))
    return kExitUsage;
  const std::string& path = a.positional[0];
  std::string bytes, reason;
  if (!ReadFileBytes(path, bytes, reason)) {
    Complain("import: cannot read " + path + ": " + reason);
    return kExitUsage;
  }
  const auto labels = catalog::ParseExchangeFile(bytes, reason);
  if (!labels) {
    Complain("import: " + path + ": " + reason);
    return kExitUsage;
  }
  catalog::ImportOptions options;
  options.Overwrite = a.Has("--overwrite");
  options.DryRun = a.Has("--dry-run");
  bool problems = false;
  // One line per label: what happened, its name, and why when it was not written.
  for (const catalog::ImportItem& item :
       catalog::ImportUserLabels(a.Value("--data-folder"), *labels, options)) {
    std::cout << OutcomeText(item.Outcome) << "\t" << item.Name;
    if (!item.Reason.empty()) std::cout << "\t" << item.Reason;
    std::cout << "\n";
    problems = problems || !item.Reason.empty();
  }
  return problems ? kExitProblems : kExitOk;
}

}  // namespace orvano::catalogtool
