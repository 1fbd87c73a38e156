// The file operations profile writes rely on: identity of a file, whole-file reads with a size
// limit, an advisory lock that survives the file being replaced, and replacement by rename.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvano::catalog {

// What tells two versions of a file apart without reading it.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = -1;
  std::int64_t mtimeNs = 0;
  std::int64_t ctimeNs = 0;  // changes on rename too, which mtime does not
  bool operator==(const FileIdentity&) const = default;
};

// Larger files are not profile files; reading them would only exhaust memory.
inline constexpr std::int64_t kMaxProfileFileSize = std::int64_t{64} << 20;

enum class FileState { Ok, Missing, Failed };

// Why a file that exists was not read, so callers can say so instead of showing it as empty.
enum class ReadRefusal { None, NotRegular, TooLarge, Unreadable };

// "not a regular file", "larger than the limit of 64 MiB", "cannot be read: <reason>".
std::string RefusalText(ReadRefusal refusal, int error = 0);

// Identity of the regular file at path (following links). Failed for anything but a regular file.
FileState StatFile(const std::string& path, FileIdentity& identity);

// The whole file, with the identity of what was read. Failed when unreadable, not a regular file
// or above kMaxProfileFileSize; refusal and error (errno) then say which. Opening does not block
// on a FIFO or a device, and a special file is never read.
FileState ReadWholeFile(const std::string& path, std::string& bytes, FileIdentity& identity,
                        ReadRefusal* refusal = nullptr, int* error = nullptr);

// Whether ReadWholeFile would read the file, without reading it: opens, checks and closes.
FileState CheckReadable(const std::string& path, ReadRefusal* refusal = nullptr,
                        int* error = nullptr);

// An exclusive advisory lock (flock) on the file at a path. A writer replaces the file by rename,
// so after waiting for the lock the path is checked to still name the locked file; if not, the
// lock is taken again on the new one. For a missing file the folder is locked instead when asked
// (nothing is created until Replace renames the complete file into place, so a writer killed at
// any moment leaves either no file or a whole one); once the file appears, writers lock the file.
// Temporary files are written only under the lock, so any of ours found there is a dead writer's
// and is removed.
class FileLock {
 public:
  FileLock() = default;
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  FileState Acquire(const std::string& path, bool createWhenMissing);
  // The file does not exist yet: the folder is locked and Replace creates the file.
  bool Missing() const noexcept { return missing_; }
  // Reads the locked file whole (the same limits as ReadWholeFile).
  FileState Read(std::string& bytes, FileIdentity& identity) const;
  // Writes bytes to a new file in the same folder, flushes it to disk, gives it the locked
  // file's permissions and renames it over the path. The old file stays as it was on failure.
  bool Replace(std::string_view bytes, FileIdentity& written);
  void Release() noexcept;

 private:
  void RemoveStaleTemps() const;

  std::string path_;
  int fd_ = -1;
  bool missing_ = false;
};

// The name a writer gives its temporary file beside path: ".<name>.<pid>.<random>.tmp".
std::string TempPathFor(const std::string& path);
// True for a name of that pattern (the random part may be any digits or letters) for path.
bool IsTempNameFor(const std::string& path, std::string_view candidateName);

// The path a write must replace: the target of a symbolic link, so the link survives.
std::string ResolveLinks(const std::string& path);

}  // namespace orvano::catalog
