#include "orvano/host/app_path.h"

#include <unistd.h>

#include <mutex>

namespace orvano::host {
namespace {

std::mutex& PathMutex() {
  static std::mutex m;
  return m;
}

std::string& Override() {
  static std::string folder;
  return folder;
}

// The folder of the running executable, without a trailing slash; the working folder when the
// executable cannot be found (no /proc).
std::string ExecutableFolder() {
  std::string buf(4096, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= buf.size()) return ".";
  buf.resize(static_cast<std::size_t>(n));
  const std::size_t slash = buf.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return buf.substr(0, slash);
}

}  // namespace

std::string AppPath() {
  std::lock_guard lock(PathMutex());
  if (!Override().empty()) return Override();
  static const std::string exeFolder = ExecutableFolder();
  return exeFolder;
}

bool AppPathIsSet() {
  std::lock_guard lock(PathMutex());
  return !Override().empty();
}

void SetAppPath(std::string folder) {
  // Callers append "/file"; a trailing slash would double it.
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  std::lock_guard lock(PathMutex());
  Override() = std::move(folder);
}

}  // namespace orvano::host
