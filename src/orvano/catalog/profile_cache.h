// Parsed profile files, kept while the file on disk stays the same. A caller still sees every
// change at once: each request compares the file's identity (size, modification time in
// nanoseconds, inode) with the parsed one and parses anew when it differs. File times are coarse
// (a few milliseconds, seconds on some shares), so a file changed in place within that time could
// keep its identity: a document read that soon after the file's last change is confirmed
// against the bytes on disk (a read, not a parse) until it is old enough to trust.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "orvano/catalog/file_io.h"
#include "orvano/catalog/profile_document.h"

namespace orvano::catalog {

struct LoadedProfile {
  FileState state = FileState::Missing;
  std::shared_ptr<const ProfileDocument> document;  // set when Ok
};

class ProfileCache {
 public:
  static ProfileCache& Instance();

  LoadedProfile Load(const std::string& path);
  // A document this process has just written, so the next Load need not read it back.
  void Store(const std::string& path, const FileIdentity& identity,
             std::shared_ptr<const ProfileDocument> document);
  void Forget(const std::string& path);
  void Clear();
  // Counts parses done by Load, for tests and benchmarks.
  std::size_t ParseCount() const;

 private:
  struct Entry {
    FileIdentity identity;
    std::shared_ptr<const ProfileDocument> document;
    bool racy = true;  // read so soon after its last change that a change could hide
  };
  static constexpr std::size_t kMaxFiles = 32;
  static constexpr std::int64_t kTimeGranularityNs = std::int64_t{2'000'000'000};

  static bool Racy(const FileIdentity& identity);
  void Remember(const std::string& path, const FileIdentity& identity,
                std::shared_ptr<const ProfileDocument> document);

  mutable std::mutex mutex_;
  std::unordered_map<std::string, Entry> entries_;
  std::size_t parses_ = 0;
};

}  // namespace orvano::catalog
