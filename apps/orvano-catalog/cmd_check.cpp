// check: every malformed line of catalog files.
#include <cstdint>
#include <iostream>
#include <string>

#include "cli.h"
#include "orvano/importer/catalog_check.h"

namespace orvano::catalogtool {

int RunCheck(const std::vector<std::string>& args) {
  Arguments a;
  if (!ParseArguments(args, "check", {}, {}, 1, SIZE_MAX, a)) return kExitUsage;
  bool unreadable = false, problems = false;
  for (const std::string& path : a.positional) {
    std::string bytes, reason;
    if (!ReadFileBytes(path, bytes, reason)) {
      Complain("check: cannot read " + path + ": " + reason);
      unreadable = true;
      continue;
    }
    const importer::CatalogCheck result = importer::CheckCatalog(bytes);
    for (const importer::CatalogProblem& p : result.Problems) {
      std::cout << path << ":" << p.Line << ": " << p.Message << "\n";
    }
    const auto count = [](std::size_t n, const char* one, const char* many) {
      return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    std::cout << path << ": " << count(result.Records, "label", "labels") << " in "
              << count(result.Sections, "section", "sections") << ", "
              << count(result.Problems.size(), "problem", "problems") << "\n";
    problems = problems || !result.Problems.empty();
  }
  if (unreadable) return kExitUsage;
  return problems ? kExitProblems : kExitOk;
}

}  // namespace orvano::catalogtool
