#include "orvano/catalog/file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <dirent.h>
#include <sys/random.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace orvano::catalog {
namespace {

FileIdentity IdentityOf(const struct stat& st) {
  return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
          static_cast<std::int64_t>(st.st_size),
          static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
          static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec};
}

FileState Refuse(ReadRefusal why, int err, ReadRefusal* refusal, int* error) {
  if (refusal) *refusal = why;
  if (error) *error = err;
  return FileState::Failed;
}

int OpenForReading(const std::string& path) {
  // Non-blocking, so a FIFO without a writer does not hang the open; only regular files are read.
  return open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
}

FileState CheckFd(int fd, struct stat& st, ReadRefusal* refusal, int* error) {
  if (fstat(fd, &st) != 0) return Refuse(ReadRefusal::Unreadable, errno, refusal, error);
  if (!S_ISREG(st.st_mode)) return Refuse(ReadRefusal::NotRegular, 0, refusal, error);
  if (st.st_size > kMaxProfileFileSize) return Refuse(ReadRefusal::TooLarge, 0, refusal, error);
  if (refusal) *refusal = ReadRefusal::None;
  return FileState::Ok;
}

FileState ReadFd(int fd, std::string& bytes, FileIdentity& identity, ReadRefusal* refusal,
                 int* error) {
  struct stat st {};
  if (CheckFd(fd, st, refusal, error) != FileState::Ok) return FileState::Failed;
  identity = IdentityOf(st);
  // One buffer of the size fstat reports plus one byte, read once: only a read that fills that
  // last byte (the file grew meanwhile) makes the buffer grow.
  constexpr auto kLimit = static_cast<std::size_t>(kMaxProfileFileSize);
  std::string out;
  out.resize(static_cast<std::size_t>(st.st_size) + 1);
  std::size_t have = 0;
  for (;;) {
    if (have == out.size()) {
      if (have > kLimit) return Refuse(ReadRefusal::TooLarge, 0, refusal, error);
      out.resize(std::min(kLimit + 1, out.size() * 2));
    }
    const ssize_t n = pread(fd, out.data() + have, out.size() - have, static_cast<off_t>(have));
    if (n < 0) {
      if (errno == EINTR) continue;
      return Refuse(ReadRefusal::Unreadable, errno, refusal, error);
    }
    if (n == 0) break;
    have += static_cast<std::size_t>(n);
  }
  out.resize(have);
  bytes = std::move(out);
  if (refusal) *refusal = ReadRefusal::None;
  return FileState::Ok;
}

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

int OpenFolder(const std::string& path) {
  return open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

bool LockExclusive(int fd) {
  int rc;
  do {
    rc = flock(fd, LOCK_EX);
  } while (rc != 0 && errno == EINTR);
  return rc == 0;
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool AllOf(std::string_view s, bool (*accept)(char)) {
  if (s.empty()) return false;
  for (const char c : s)
    if (!accept(c)) return false;
  return true;
}

}  // namespace

std::string RefusalText(ReadRefusal refusal, int error) {
  switch (refusal) {
    case ReadRefusal::None: return {};
    case ReadRefusal::NotRegular: return "not a regular file";
    case ReadRefusal::TooLarge:
      return "larger than the limit of " + std::to_string(kMaxProfileFileSize >> 20) + " MiB";
    case ReadRefusal::Unreadable: break;
  }
  return std::string("cannot be read") +
         (error != 0 ? std::string(": ") + std::strerror(error) : "");
}

std::string TempPathFor(const std::string& path) {
  // The pid alone repeats (a container starts every run with the same one, and a crashed
  // writer's temp stays), so a random part follows it.
  static std::atomic<std::uint64_t> counter{0};
  std::uint64_t random = 0;
  if (getrandom(&random, sizeof random, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof random)) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    random = static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000u +
             static_cast<std::uint64_t>(now.tv_nsec);
  }
  random ^= counter.fetch_add(1) * 0x9E3779B97F4A7C15u;
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(random));
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  return folder + "." + NameOf(path) + "." + std::to_string(getpid()) + "." + hex + ".tmp";
}

bool IsTempNameFor(const std::string& path, std::string_view candidate) {
  const std::string prefix = "." + NameOf(path) + ".";
  constexpr std::string_view suffix = ".tmp";
  if (candidate.size() <= prefix.size() + suffix.size() ||
      candidate.substr(0, prefix.size()) != prefix ||
      candidate.substr(candidate.size() - suffix.size()) != suffix)
    return false;
  const std::string_view middle =
      candidate.substr(prefix.size(), candidate.size() - prefix.size() - suffix.size());
  const std::size_t dot = middle.find('.');
  if (dot == std::string_view::npos) return false;
  return AllOf(middle.substr(0, dot), [](char c) { return c >= '0' && c <= '9'; }) &&
         AllOf(middle.substr(dot + 1), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
         });
}

FileState StatFile(const std::string& path, FileIdentity& identity) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return errno == ENOENT ? FileState::Missing : FileState::Failed;
  if (!S_ISREG(st.st_mode)) return FileState::Failed;
  identity = IdentityOf(st);
  return FileState::Ok;
}

FileState ReadWholeFile(const std::string& path, std::string& bytes, FileIdentity& identity,
                        ReadRefusal* refusal, int* error) {
  const int fd = OpenForReading(path);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return FileState::Missing;  // no such file
    return Refuse(ReadRefusal::Unreadable, errno, refusal, error);
  }
  const FileState state = ReadFd(fd, bytes, identity, refusal, error);
  close(fd);
  return state;
}

FileState CheckReadable(const std::string& path, ReadRefusal* refusal, int* error) {
  const int fd = OpenForReading(path);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return FileState::Missing;  // no such file
    return Refuse(ReadRefusal::Unreadable, errno, refusal, error);
  }
  struct stat st {};
  const FileState state = CheckFd(fd, st, refusal, error);
  close(fd);
  return state;
}

std::string ResolveLinks(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  if (realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

FileLock::~FileLock() { Release(); }

void FileLock::Release() noexcept {
  if (fd_ >= 0) close(fd_);  // closing drops the flock
  fd_ = -1;
  missing_ = false;
}

FileState FileLock::Acquire(const std::string& path, bool createWhenMissing) {
  Release();
  path_ = path;
  // Each round either locks the file the path names (or, while it is missing, its folder) or
  // sees it replaced and tries again; a writer holds the lock only for one write, so this ends.
  for (int attempt = 0; attempt < 10000; ++attempt) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0 && errno == ENOENT) {
      if (!createWhenMissing) return FileState::Missing;
      const int dir = OpenFolder(path);
      if (dir < 0) return FileState::Failed;
      struct stat now {};
      if (!LockExclusive(dir)) {
        close(dir);
        return FileState::Failed;
      }
      if (stat(path.c_str(), &now) != 0 && errno == ENOENT) {
        fd_ = dir;
        missing_ = true;
        return FileState::Ok;
      }
      close(dir);  // another writer created it while we waited: lock the file
      continue;
    }
    if (fd < 0) return FileState::Failed;
    struct stat locked {
    }, current{};
    if (!LockExclusive(fd) || fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
      close(fd);
      return FileState::Failed;
    }
    if (stat(path.c_str(), &current) == 0 && current.st_dev == locked.st_dev &&
        current.st_ino == locked.st_ino) {
      fd_ = fd;
      return FileState::Ok;
    }
    close(fd);  // replaced (or removed) while we waited
  }
  return FileState::Failed;
}

FileState FileLock::Read(std::string& bytes, FileIdentity& identity) const {
  if (fd_ < 0 || missing_) return FileState::Failed;
  return ReadFd(fd_, bytes, identity, nullptr, nullptr);
}

void FileLock::RemoveStaleTemps() const {
  DIR* dir = opendir(FolderOf(path_).c_str());
  if (dir == nullptr) return;
  const std::string folder = FolderOf(path_) + "/";
  while (const dirent* entry = readdir(dir)) {
    if (IsTempNameFor(path_, entry->d_name)) unlink((folder + entry->d_name).c_str());
  }
  closedir(dir);
}

bool FileLock::Replace(std::string_view bytes, FileIdentity& written) {
  if (fd_ < 0) return false;
  struct stat old {};
  if (fstat(fd_, &old) != 0) return false;
  RemoveStaleTemps();
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = TempPathFor(path_);
    fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes);
  if (ok && !missing_) {
    // Keep owner and permissions of the file being replaced (the owner only where allowed).
    if (fchown(fd, old.st_uid, old.st_gid) != 0) {
      // not ours to give away: the new file keeps our ownership
    }
    ok = fchmod(fd, old.st_mode & 07777) == 0;
  }
  ok = ok && fsync(fd) == 0;
  ok = ok && rename(temp.c_str(), path_.c_str()) == 0;
  // The identity after the rename, which sets the file's ctime: taken before it, the cache
  // would never recognise its own write and parse the file again on the next read.
  struct stat st {};
  const bool known = ok && fstat(fd, &st) == 0;
  close(fd);
  if (!ok) {
    unlink(temp.c_str());
    return false;
  }
  written = known ? IdentityOf(st) : FileIdentity{};
  const int dir = OpenFolder(path_);
  if (dir >= 0) {
    fsync(dir);  // the rename itself reaches the disk
    close(dir);
  }
  return true;
}

}  // namespace orvano::catalog
