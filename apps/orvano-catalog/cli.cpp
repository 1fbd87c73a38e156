#include "cli.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
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
         "  find [TEXT] [--size WxH [--tolerance MM]] [--per-sheet N] [--format A4|A5]\n"
         "      [--catalog FILE] [--data-folder DIR]\n"
         "      labels of every brand, the user's included, by brand, number or description,\n"
         "      by label size in either orientation (tolerance 0.5 mm unless given), by labels\n"
         "      per sheet and by page format; the exact number first, then the closest size\n"
         "  equivalents BRAND LABEL [--tolerance MM] [--catalog FILE] [--data-folder DIR]\n"
         "      the other brands' labels of the same page and grid, every measure within\n"
         "      0.5 mm (or the tolerance given)\n"
         "  export [-o FILE] [--data-folder DIR]\n"
         "      the user's own labels with their address layouts as a UTF-8 file\n"
         "      (standard output without -o)\n"
         "  import FILE [--data-folder DIR] [--overwrite] [--dry-run]\n"
         "      merges an exported file into the user's files; a label stored with other\n"
         "      measurements or another layout is reported and kept unless --overwrite\n"
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

bool WriteAtomically(const std::string& path, const std::string& bytes, std::string& reason) {
  // The catalog's own safe write: under its lock, flushed to disk, renamed into place, with the
  // replaced file's permissions; a link is followed so that it survives.
  catalog::FileLock lock;
  catalog::FileIdentity written;
  errno = 0;
  if (lock.Acquire(catalog::ResolveLinks(path), true) != catalog::FileState::Ok ||
      !lock.Replace(bytes, written)) {
    reason = "cannot write " + path + (errno != 0 ? std::string(": ") + std::strerror(errno) : "");
    return false;
  }
  return true;
}

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
