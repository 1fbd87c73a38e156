#include "cli.h"

#include <iostream>

#include "orvano/catalog/file_io.h"

namespace orvano::catalogtool {

std::string Arguments::Value(const std::string& name, const std::string& fallback) const {
  const auto it = values.find(name);
  return it == values.end() ? fallback : it->second;
}

bool ParseArguments(const std::vector<std::string>& args, const std::string& command,
                    const std::set<std::string>& valueOptions,
                    const std::set<std::string>& switchOptions, std::size_t minPositional,
                    std::size_t maxPositional, Arguments& out) {
  bool onlyPositional = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (onlyPositional || a.empty() || a[0] != '-' || a == "-") {
      out.positional.push_back(a);
    } else if (a == "--") {
      onlyPositional = true;
    } else if (valueOptions.count(a)) {
      if (i + 1 >= args.size()) {
        UsageError(command + ": option " + a + " needs a value");
        return false;
      }
      out.values[a] = args[++i];
    } else if (switchOptions.count(a)) {
      out.switches.insert(a);
    } else {
      UsageError(command + ": unknown option " + a);
      return false;
    }
  }
  if (out.positional.size() < minPositional) {
    UsageError(command + ": missing argument");
    return false;
  }
  if (out.positional.size() > maxPositional) {
    UsageError(command + ": too many arguments");
    return false;
  }
  return true;
}

void Complain(const std::string& message) { std::cerr << "orvano-catalog: " << message << "\n"; }

int UsageError(const std::string& message) {
  Complain(message);
  std::cerr << "Try 'orvano-catalog --help'.\n";
  return kExitUsage;
}

void PrintUsage() {
  std::cout
      << "Usage: orvano-catalog COMMAND [ARGUMENTS]\n"
         "\n"
         "Commands:\n"
         "  list [BRAND] [--catalog FILE]\n"
         "      the brands of the catalog, or the labels of one brand\n"
         "  show BRAND LABEL [--catalog FILE] [--data-folder DIR] [--address]\n"
         "      the label's measurements as JSON; with its address layout (stored in DIR, or\n"
         "      the default one with --address) also the LabelDef fields\n"
         "  check FILE...\n"
         "      every malformed line of catalog files, with its line number\n"
         "  import-glabels DIR [-o FILE] [-v]\n"
         "      a catalog from the glabels templates in DIR (standard output without -o);\n"
         "      -v lists every product left out and why\n"
         "\n"
         "The catalog is the shipped ovAdrKit.def next to this program unless --catalog names\n"
         "another file; the brand Benutzerdefiniert reads ovAdrKit.usr in the data folder.\n"
         "Exit status: 0 ok, 1 problems found, 2 bad usage or unreadable input.\n";
}

namespace {

// The library's reader decides, so the tool and the library agree on what a catalog can be.
bool Refused(catalog::FileState state, catalog::ReadRefusal refusal, int error,
             std::string& reason) {
  if (state == catalog::FileState::Ok) return false;
  reason = state == catalog::FileState::Missing ? std::string("no such file")
                                                : catalog::RefusalText(refusal, error);
  return true;
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& reason) {
  catalog::FileIdentity identity;
  catalog::ReadRefusal refusal = catalog::ReadRefusal::None;
  int error = 0;
  const catalog::FileState state = catalog::ReadWholeFile(path, bytes, identity, &refusal, &error);
  return !Refused(state, refusal, error, reason);
}

bool CheckFileReadable(const std::string& path, std::string& reason) {
  catalog::ReadRefusal refusal = catalog::ReadRefusal::None;
  int error = 0;
  const catalog::FileState state = catalog::CheckReadable(path, &refusal, &error);
  return !Refused(state, refusal, error, reason);
}

}  // namespace orvano::catalogtool
