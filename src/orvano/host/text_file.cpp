#include "orvano/host/text_file.h"

#include <sys/stat.h>

#include <cerrno>

#include "orvano/host/error.h"

namespace orvano::host {
namespace {

// ENOENT covers both a missing file and a missing folder on the way; the platform tells them
// apart, so look at the folder.
ErrorKind MissingKind(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos || slash == 0) return ErrorKind::FileNotFound;
  struct stat st {};
  const std::string folder = path.substr(0, slash);
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return ErrorKind::PathNotFound;
  return ErrorKind::FileNotFound;
}

[[noreturn]] void RaiseOpenError(const std::string& path, int error) {
  ErrorKind kind = ErrorKind::IoError;
  switch (error) {
    case ENOENT: kind = MissingKind(path); break;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: kind = ErrorKind::PathNotFound; break;
    case EACCES:
    case EPERM:
    case EISDIR: kind = ErrorKind::PermissionDenied; break;
    default: break;
  }
  Raise(kind, std::string(DefaultMessage(kind)) + ": " + path);
}

}  // namespace

TextFileReader::~TextFileReader() { Close(); }

void TextFileReader::Open(const std::string& path) {
  Close();
  if (path.empty()) Raise(ErrorKind::FileNotFound);
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) RaiseOpenError(path, errno);
  // Opening a folder for reading succeeds on this platform; reading it would not.
  struct stat st {};
  if (::fstat(fileno(f), &st) == 0 && S_ISDIR(st.st_mode)) {
    std::fclose(f);
    RaiseOpenError(path, EISDIR);
  }
  file_ = f;
}

bool TextFileReader::Eof() {
  if (file_ == nullptr) Raise(ErrorKind::BadFileMode);
  const int c = std::getc(file_);
  if (c == EOF) return true;
  std::ungetc(c, file_);
  return false;
}

std::string TextFileReader::ReadLine() {
  if (file_ == nullptr) Raise(ErrorKind::BadFileMode);
  std::string line;
  int c = getc_unlocked(file_);
  if (c == EOF) {
    if (std::ferror(file_)) Raise(ErrorKind::IoError);
    Raise(ErrorKind::IoError, "Einlesen hinter Dateiende");
  }
  while (c != EOF && c != '\n' && c != '\r') {
    line += static_cast<char>(c);
    c = getc_unlocked(file_);
  }
  if (c == '\r') {
    const int next = getc_unlocked(file_);
    if (next != '\n' && next != EOF) std::ungetc(next, file_);
  }
  if (c == EOF && std::ferror(file_)) Raise(ErrorKind::IoError);
  return line;
}

void TextFileReader::Close() noexcept {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

}  // namespace orvano::host
