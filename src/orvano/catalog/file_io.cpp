#include "orvano/catalog/file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace orvano::catalog {
namespace {

FileIdentity IdentityOf(const struct stat& st) {
  return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
          static_cast<std::int64_t>(st.st_size),
          static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
          static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec};
}

FileState ReadFd(int fd, std::string& bytes, FileIdentity& identity) {
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxProfileFileSize)
    return FileState::Failed;
  identity = IdentityOf(st);
  std::string out;
  out.resize(static_cast<std::size_t>(st.st_size));
  std::size_t have = 0;
  for (;;) {
    if (have == out.size()) {
      // The file may have grown since fstat; keep reading up to the limit.
      if (out.size() >= static_cast<std::size_t>(kMaxProfileFileSize)) {
        char probe;
        const ssize_t n = pread(fd, &probe, 1, static_cast<off_t>(have));
        if (n == 0) break;
        return FileState::Failed;
      }
      out.resize(out.size() + 4096);
    }
    const ssize_t n = pread(fd, out.data() + have, out.size() - have, static_cast<off_t>(have));
    if (n < 0) {
      if (errno == EINTR) continue;
      return FileState::Failed;
    }
    if (n == 0) break;
    have += static_cast<std::size_t>(n);
  }
  out.resize(have);
  bytes = std::move(out);
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

std::string TempPathFor(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return folder + "." + name + "." + std::to_string(getpid()) + "." +
         std::to_string(counter.fetch_add(1)) + ".tmp";
}

}  // namespace

FileState StatFile(const std::string& path, FileIdentity& identity) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return errno == ENOENT ? FileState::Missing : FileState::Failed;
  if (!S_ISREG(st.st_mode)) return FileState::Failed;
  identity = IdentityOf(st);
  return FileState::Ok;
}

FileState ReadWholeFile(const std::string& path, std::string& bytes, FileIdentity& identity) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? FileState::Missing : FileState::Failed;
  const FileState state = ReadFd(fd, bytes, identity);
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
  created_ = false;
}

FileState FileLock::Acquire(const std::string& path, bool createWhenMissing) {
  Release();
  path_ = path;
  // Each round either locks the file the path names or sees it replaced and tries again; a
  // writer holds the lock only for one write, so this ends.
  for (int attempt = 0; attempt < 10000; ++attempt) {
    bool created = false;
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0 && errno == ENOENT) {
      if (!createWhenMissing) return FileState::Missing;
      fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd < 0 && errno == EEXIST) continue;
      created = fd >= 0;
    }
    if (fd < 0) return FileState::Failed;
    int rc;
    do {
      rc = flock(fd, LOCK_EX);
    } while (rc != 0 && errno == EINTR);
    struct stat locked {
    }, current{};
    if (rc != 0 || fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
      close(fd);
      return FileState::Failed;
    }
    if (stat(path.c_str(), &current) == 0 && current.st_dev == locked.st_dev &&
        current.st_ino == locked.st_ino) {
      fd_ = fd;
      created_ = created;
      return FileState::Ok;
    }
    close(fd);  // replaced (or removed) while we waited
  }
  return FileState::Failed;
}

FileState FileLock::Read(std::string& bytes, FileIdentity& identity) const {
  if (fd_ < 0) return FileState::Failed;
  return ReadFd(fd_, bytes, identity);
}

bool FileLock::Replace(std::string_view bytes, FileIdentity& written) {
  if (fd_ < 0) return false;
  struct stat old {};
  if (fstat(fd_, &old) != 0) return false;
  const std::string temp = TempPathFor(path_);
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes);
  if (ok && !created_) {
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
  created_ = false;
  const int dir = open(FolderOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);  // the rename itself reaches the disk
    close(dir);
  }
  return true;
}

void FileLock::DiscardCreated() {
  if (fd_ < 0 || !created_) return;
  struct stat locked {
  }, current{};
  if (fstat(fd_, &locked) == 0 && stat(path_.c_str(), &current) == 0 &&
      locked.st_ino == current.st_ino && locked.st_dev == current.st_dev && current.st_size == 0)
    unlink(path_.c_str());
  created_ = false;
}

}  // namespace orvano::catalog
