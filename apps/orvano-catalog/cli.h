// What the commands of orvano-catalog share: exit codes, argument reading, messages.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace orvano::catalogtool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitProblems = 1;  // the command ran and found something wrong
inline constexpr int kExitUsage = 2;     // bad arguments, missing or unreadable input

// A command's arguments: positionals in order, options with a value, switches.
struct Arguments {
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;
  std::set<std::string> switches;

  std::string Value(const std::string& name, const std::string& fallback = "") const;
  bool Has(const std::string& name) const { return switches.count(name) != 0; }
};

// Reads args against the options that take a value and the switches the command knows. False,
// with a message printed, for an unknown option, a missing value or a wrong positional count.
bool ParseArguments(const std::vector<std::string>& args, const std::string& command,
                    const std::set<std::string>& valueOptions,
                    const std::set<std::string>& switchOptions, std::size_t minPositional,
                    std::size_t maxPositional, Arguments& out);

// "orvano-catalog: message" on standard error.
void Complain(const std::string& message);
// Complains and returns kExitUsage, pointing to the help.
int UsageError(const std::string& message);
void PrintUsage();

// The whole file, read as the library reads catalogs: regular files only, up to its size limit,
// never blocking on a FIFO or device. False with a reason ("no such file", "not a regular file",
// "larger than the limit of 64 MiB", ...) otherwise.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& reason);
// Written beside the target and renamed over it, so a failed run never leaves half a file.
bool WriteAtomically(const std::string& path, const std::string& bytes, std::string& reason);
// The same checks without reading the file, for commands that let the library read it.
bool CheckFileReadable(const std::string& path, std::string& reason);

int RunList(const std::vector<std::string>& args);
int RunShow(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);
int RunImportGlabels(const std::vector<std::string>& args);
int RunFind(const std::vector<std::string>& args);
int RunEquivalents(const std::vector<std::string>& args);
int RunExport(const std::vector<std::string>& args);
int RunImport(const std::vector<std::string>& args);

}  // namespace orvano::catalogtool
