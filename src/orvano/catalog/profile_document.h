// One profile (INI) file parsed in memory: its bytes as stored, its lines, and an index of the
// first section and first key of every name. Immutable once parsed, so a parsed file can be shared.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "orvano/catalog/text_codec.h"

namespace orvano::catalog {

class ProfileDocument {
 public:
  // A line's text is [begin, end); the next line starts at `next` (end plus its line end).
  struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
  };

  static std::shared_ptr<const ProfileDocument> Parse(std::string bytes);

  const std::string& Bytes() const noexcept { return bytes_; }
  Encoding GetEncoding() const noexcept { return encoding_; }
  bool HasByteOrderMark() const noexcept { return bom_; }
  bool HasNonAscii() const noexcept { return nonAscii_; }
  // The file's line end (its first one); "\r\n" when it has none yet.
  std::string_view LineEnd() const noexcept { return lineEnd_; }
  const std::vector<Line>& Lines() const noexcept { return lines_; }
  std::string_view LineText(std::size_t line) const;

  // The value of the first matching key in the first matching section, trimmed and unquoted,
  // as UTF-8; nothing when either is missing.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // Where a name is in the file, for writers.
  struct Position {
    std::size_t headerLine = npos;
    std::size_t keyLine = npos;      // the key's own line, when present
    std::size_t lastKeyLine = npos;  // the section's last key line, when it has one
  };
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);
  Position Locate(std::string_view section, std::string_view key) const;

 private:
  struct Section {
    std::size_t headerLine;
    std::size_t lastKeyLine = npos;
  };

  void Index();
  // The key table, built on the first search that needs it.
  void IndexKeys() const;
  // The first key line of the name in a section, read line by line without the table.
  std::size_t ScanSection(std::size_t section, std::string_view foldedKey) const;
  // Whether a raw key (as stored, before "=") folds to foldedKey.
  bool KeyMatches(std::string_view raw, std::string_view foldedKey) const;
  // The section a line stands in (the last header before it); npos before the first one.
  std::size_t SectionOfLine(std::size_t line) const;
  // The key of a key line as names are compared: decoded, trimmed, upper case.
  std::string FoldedKey(std::size_t line) const;
  std::size_t FindKeyLine(std::size_t section, std::string_view foldedKey,
                          std::uint64_t hash) const;

  std::string bytes_;
  Encoding encoding_ = Encoding::Ansi;
  bool bom_ = false;
  bool nonAscii_ = false;
  std::string lineEnd_ = "\r\n";
  std::vector<Line> lines_;
  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> sectionIndex_;  // folded name -> first section
  std::size_t keyCount_ = 0;
  // The first line of every key name per section, in an open-addressing table: each slot holds
  // the upper half of the name's hash and the line number plus one (0 marks a free slot). Eight
  // bytes a key instead of a node and a string: the shipped catalog has hundreds of thousands.
  // Built on demand (a document that is only listed, or searched once, never needs it); the
  // document stays immutable to its readers, who may share it across threads.
  mutable std::vector<std::uint64_t> keySlots_;
  mutable std::once_flag keysIndexed_;
  mutable std::atomic<std::size_t> searches_{0};
};

// The value text as the file means it: trimmed of blanks and tabs, one matching pair of outer
// quotes (" or ') removed.
std::string_view UnquoteValue(std::string_view raw);

enum class EditOutcome { Changed, Unchanged, Refused };

struct Edit {
  EditOutcome outcome = EditOutcome::Unchanged;
  std::string bytes;  // the whole new file when Changed
};

// The file after setting one key (a null value removes it). `doc` is null for a file that does
// not exist yet. Every line the change does not touch keeps its bytes. Refused when the text has
// no representation in the file's encoding or would break the file's structure (line breaks,
// NUL, "=" in a key, a key that reads as a section header, "]" in a section, blank names).
Edit ApplyWrite(const ProfileDocument* doc, std::string_view section, std::string_view key,
                const std::optional<std::string>& value);

}  // namespace orvano::catalog
