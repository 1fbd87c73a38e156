// orvano-catalog: a command line for people who maintain label catalogs.
#include <exception>
#include <string>
#include <vector>

#include "cli.h"

int main(int argc, char** argv) {
  using namespace orvano::catalogtool;
  if (argc < 2) return UsageError("no command given");
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  try {
    if (command == "--help" || command == "-h" || command == "help") {
      PrintUsage();
      return kExitOk;
    }
    if (command == "list") return RunList(args);
    if (command == "show") return RunShow(args);
    if (command == "check") return RunCheck(args);
    if (command == "import-glabels") return RunImportGlabels(args);
    if (command == "find") return RunFind(args);
    if (command == "equivalents") return RunEquivalents(args);
    if (command == "export") return RunExport(args);
    if (command == "import") return RunImport(args);
  } catch (const std::exception& e) {
    Complain(std::string("failed: ") + e.what());
    return kExitUsage;
  }
  return UsageError("unknown command '" + command + "'");
}
