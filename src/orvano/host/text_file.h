/// \file
/// Sequential reading of a text file, line by line, as the platform's Line Input does: a line ends
/// at CR LF, LF or CR, and the line end is not part of the line. Bytes are returned as stored.
#pragma once

#include <cstdio>
#include <string>

#include "orvano/core_export.h"

namespace orvano::host {

/// Reads a text file line by line, as the platform's Line Input does.
class ORVANO_CORE_EXPORT TextFileReader {
 public:
  TextFileReader() = default;
  ~TextFileReader();
  TextFileReader(const TextFileReader&) = delete;
  TextFileReader& operator=(const TextFileReader&) = delete;

  /// FileNotFound, PathNotFound or PermissionDenied when it cannot be opened.
  void Open(const std::string& path);
  bool IsOpen() const noexcept { return file_ != nullptr; }  ///< between Open and Close
  bool Eof();  ///< no line left to read; BadFileMode when not open
  /// BadFileMode when not open; IoError past the end.
  std::string ReadLine();
  void Close() noexcept;  ///< closes the file; harmless when not open

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace orvano::host
