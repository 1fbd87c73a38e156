#include "orvano/catalog/profile_document.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace orvano::catalog {
namespace {

// A header is a line that, trimmed, starts with "[" and has a "]" after it; its name is what
// stands before the first "]".
std::optional<std::string_view> HeaderName(std::string_view line) {
  const std::string_view t = TrimBlanksAndTabs(line);
  if (t.empty() || t.front() != '[') return std::nullopt;
  const std::size_t close = t.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return t.substr(1, close - 1);
}

bool Blank(std::string_view s) { return TrimBlanksAndTabs(s).empty(); }

bool Ascii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// FNV-1a over the folded name, seeded with the section, so equal names of different sections
// land apart.
class NameHash {
 public:
  explicit NameHash(std::size_t section)
      : h_(0xcbf29ce484222325ULL ^ (section * 0x9E3779B97F4A7C15ULL)) {}
  void Add(char c) {
    h_ ^= static_cast<unsigned char>(c);
    h_ *= 0x100000001b3ULL;
  }
  void Add(std::string_view s) {
    for (char c : s) Add(c);
  }
  std::uint64_t Value() const { return h_ ^ (h_ >> 29); }

 private:
  std::uint64_t h_;
};

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// A raw key's hash as FoldName would fold it, without building the folded text when the key
// is plain ASCII (decoding then changes nothing and upper case is a byte map).
std::uint64_t RawKeyHash(std::size_t section, std::string_view raw, Encoding encoding) {
  NameHash h(section);
  if (Ascii(raw)) {
    for (char c : TrimBlanksAndTabs(raw)) h.Add(UpperAscii(c));
  } else {
    h.Add(FoldName(DecodeText(raw, encoding)));
  }
  return h.Value();
}

std::uint64_t FoldedKeyHash(std::size_t section, std::string_view folded) {
  NameHash h(section);
  h.Add(folded);
  return h.Value();
}

constexpr std::uint64_t kLineMask = 0xFFFFFFFFULL;

}  // namespace

std::string_view UnquoteValue(std::string_view raw) {
  std::string_view v = TrimBlanksAndTabs(raw);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return v;
}

std::shared_ptr<const ProfileDocument> ProfileDocument::Parse(std::string bytes) {
  auto doc = std::make_shared<ProfileDocument>();
  doc->bytes_ = std::move(bytes);
  doc->Index();
  return doc;
}

std::string_view ProfileDocument::LineText(std::size_t line) const {
  const Line& l = lines_[line];
  return std::string_view(bytes_).substr(l.begin, l.end - l.begin);
}

void ProfileDocument::Index() {
  const std::string_view all(bytes_);
  bom_ = HasUtf8ByteOrderMark(all);
  const std::size_t start = bom_ ? kUtf8ByteOrderMark.size() : 0;
  const std::string_view content = all.substr(start);
  encoding_ = DetectEncoding(content, bom_);
  nonAscii_ = false;
  for (char c : content)
    if (static_cast<unsigned char>(c) >= 0x80) {
      nonAscii_ = true;
      break;
    }

  // CR LF, LF and CR all end a line. Line feeds are counted first, so the line table of the
  // usual file is allocated once (a file of bare CRs grows it as it goes).
  lines_.reserve(static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) + 1);
  // The ends are found with memchr: the next LF is searched for once and kept until passed, and
  // a CR only between the line's start and that LF.
  const char* base = all.data();
  const auto find = [&](char c, std::size_t from, std::size_t to) {
    const void* hit = std::memchr(base + from, c, to - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - base) : to;
  };
  bool lineEndSeen = false;
  std::size_t lf = find('\n', start, all.size());
  for (std::size_t i = start; i < all.size();) {
    if (lf < i) lf = find('\n', i, all.size());
    const std::size_t e = find('\r', i, lf);
    std::size_t next = e;
    if (e < all.size()) {
      next = (all[e] == '\r' && e + 1 < all.size() && all[e + 1] == '\n') ? e + 2 : e + 1;
      if (!lineEndSeen) {
        lineEnd_ = std::string(all.substr(e, next - e));
        lineEndSeen = true;
      }
    }
    lines_.push_back({i, e, next});
    i = next;
  }

  for (std::size_t n = 0; n < lines_.size(); ++n) {
    const std::string_view text = LineText(n);
    if (const auto name = HeaderName(text)) {
      sectionIndex_.try_emplace(FoldName(DecodeText(*name, encoding_)), sections_.size());
      sections_.push_back(Section{n, npos});
      continue;
    }
    if (sections_.empty() || text.find('=') == std::string_view::npos) continue;
    sections_.back().lastKeyLine = n;
    ++keyCount_;
  }
}

void ProfileDocument::IndexKeys() const {
  // Twice as many slots as keys, at least: probes stay short.
  std::size_t capacity = 16;
  while (capacity < 2 * keyCount_) capacity *= 2;
  keySlots_.assign(capacity, 0);
  const std::size_t mask = capacity - 1;
  for (std::size_t section = 0; section < sections_.size(); ++section) {
    const Section& s = sections_[section];
    if (s.lastKeyLine == npos) continue;
    for (std::size_t n = s.headerLine + 1; n <= s.lastKeyLine; ++n) {
      const std::string_view text = LineText(n);
      const std::size_t eq = text.find('=');
      if (eq == std::string_view::npos) continue;
      const std::uint64_t hash = RawKeyHash(section, text.substr(0, eq), encoding_);
      const std::uint64_t tag = hash & ~kLineMask;
      // The first line of a name wins; a later one of the same name is not entered.
      bool known = false;
      std::size_t i = hash & mask;
      for (; keySlots_[i] != 0; i = (i + 1) & mask) {
        if ((keySlots_[i] & ~kLineMask) != tag) continue;
        const std::size_t other = (keySlots_[i] & kLineMask) - 1;
        if (SectionOfLine(other) == section && FoldedKey(other) == FoldedKey(n)) {
          known = true;
          break;
        }
      }
      if (!known) keySlots_[i] = tag | (n + 1);
    }
  }
}

std::size_t ProfileDocument::ScanSection(std::size_t section, std::string_view foldedKey) const {
  const Section& s = sections_[section];
  if (s.lastKeyLine == npos) return npos;
  for (std::size_t n = s.headerLine + 1; n <= s.lastKeyLine; ++n) {
    const std::string_view text = LineText(n);
    const std::size_t eq = text.find('=');
    if (eq != std::string_view::npos && KeyMatches(text.substr(0, eq), foldedKey)) return n;
  }
  return npos;
}

bool ProfileDocument::KeyMatches(std::string_view raw, std::string_view foldedKey) const {
  if (!Ascii(raw)) return FoldName(DecodeText(raw, encoding_)) == foldedKey;
  // Plain ASCII folds byte by byte, as in RawKeyHash.
  const std::string_view t = TrimBlanksAndTabs(raw);
  if (t.size() != foldedKey.size()) return false;
  for (std::size_t i = 0; i < t.size(); ++i)
    if (UpperAscii(t[i]) != foldedKey[i]) return false;
  return true;
}

std::size_t ProfileDocument::SectionOfLine(std::size_t line) const {
  const auto after =
      std::upper_bound(sections_.begin(), sections_.end(), line,
                       [](std::size_t l, const Section& s) { return l < s.headerLine; });
  if (after == sections_.begin()) return npos;
  return static_cast<std::size_t>(after - sections_.begin()) - 1;
}

std::string ProfileDocument::FoldedKey(std::size_t line) const {
  const std::string_view text = LineText(line);
  return FoldName(DecodeText(text.substr(0, text.find('=')), encoding_));
}

std::size_t ProfileDocument::FindKeyLine(std::size_t section, std::string_view foldedKey,
                                         std::uint64_t hash) const {
  // The first search in a file just read (a lookup in a file not read before) reads its section
  // line by line; the key table pays off only once the file is kept for more searches, so the
  // second search builds it.
  if (searches_.fetch_add(1, std::memory_order_relaxed) == 0)
    return ScanSection(section, foldedKey);
  std::call_once(keysIndexed_, [this] { IndexKeys(); });
  const std::size_t mask = keySlots_.size() - 1;
  const std::uint64_t tag = hash & ~kLineMask;
  for (std::size_t i = hash & mask; keySlots_[i] != 0; i = (i + 1) & mask) {
    if ((keySlots_[i] & ~kLineMask) != tag) continue;
    const std::size_t line = (keySlots_[i] & kLineMask) - 1;
    if (SectionOfLine(line) == section && FoldedKey(line) == foldedKey) return line;
  }
  return npos;
}

ProfileDocument::Position ProfileDocument::Locate(std::string_view section,
                                                  std::string_view key) const {
  Position p;
  const auto si = sectionIndex_.find(FoldName(section));
  if (si == sectionIndex_.end()) return p;
  const Section& s = sections_[si->second];
  p.headerLine = s.headerLine;
  p.lastKeyLine = s.lastKeyLine;
  const std::string folded = FoldName(key);
  p.keyLine = FindKeyLine(si->second, folded, FoldedKeyHash(si->second, folded));
  return p;
}

std::optional<std::string> ProfileDocument::Find(std::string_view section,
                                                 std::string_view key) const {
  const Position p = Locate(section, key);
  if (p.keyLine == npos) return std::nullopt;
  const std::string_view text = LineText(p.keyLine);
  return DecodeText(UnquoteValue(text.substr(text.find('=') + 1)), encoding_);
}

namespace {

bool BreaksStructure(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

struct Encoded {
  std::string section, key, value;
};

std::optional<Encoded> EncodeAll(std::string_view section, std::string_view key,
                                 std::string_view value, Encoding encoding) {
  auto s = EncodeText(section, encoding);
  auto k = EncodeText(key, encoding);
  auto v = EncodeText(value, encoding);
  if (!s || !k || !v) return std::nullopt;
  return Encoded{std::move(*s), std::move(*k), std::move(*v)};
}

}  // namespace

Edit ApplyWrite(const ProfileDocument* doc, std::string_view section, std::string_view key,
                const std::optional<std::string>& value) {
  const std::string_view sec = TrimBlanksAndTabs(section);
  const std::string_view k = TrimBlanksAndTabs(key);
  if (sec.empty() || k.empty() || BreaksStructure(sec) || BreaksStructure(k) ||
      sec.find(']') != std::string_view::npos || k.find('=') != std::string_view::npos ||
      k.front() == '[' || (value && BreaksStructure(*value)))
    return {EditOutcome::Refused, {}};
  const std::string_view val = value ? std::string_view(*value) : std::string_view();

  if (doc == nullptr) {
    if (!value) return {EditOutcome::Unchanged, {}};
    // A new file is Windows-1252 unless the text needs more.
    auto e = EncodeAll(sec, k, val, Encoding::Ansi);
    if (!e) e = EncodeAll(sec, k, val, Encoding::Utf8);
    if (!e) return {EditOutcome::Refused, {}};
    return {EditOutcome::Changed, "[" + e->section + "]\r\n" + e->key + "=" + e->value + "\r\n"};
  }

  auto e = EncodeAll(sec, k, val, doc->GetEncoding());
  // A file of plain ASCII reads the same as UTF-8, so it may take text Windows-1252 lacks.
  if (!e && !doc->HasNonAscii() && !doc->HasByteOrderMark())
    e = EncodeAll(sec, k, val, Encoding::Utf8);
  if (!e) return {EditOutcome::Refused, {}};

  const std::string& old = doc->Bytes();
  const std::string lineEnd(doc->LineEnd());
  const auto& lines = doc->Lines();
  const ProfileDocument::Position p = doc->Locate(section, key);
  std::string out;

  if (p.keyLine != ProfileDocument::npos) {
    const ProfileDocument::Line& l = lines[p.keyLine];
    if (!value) {
      out = old.substr(0, l.begin) + old.substr(l.next);
    } else {
      const std::string_view text = doc->LineText(p.keyLine);
      std::size_t v = text.find('=') + 1;
      while (v < text.size() && (text[v] == ' ' || text[v] == '\t')) ++v;
      out = old.substr(0, l.begin + v) + e->value + old.substr(l.end);
    }
  } else if (!value) {
    return {EditOutcome::Unchanged, {}};
  } else if (p.headerLine != ProfileDocument::npos) {
    const std::size_t after = p.lastKeyLine != ProfileDocument::npos ? p.lastKeyLine : p.headerLine;
    const ProfileDocument::Line& l = lines[after];
    const std::string entry = e->key + "=" + e->value;
    if (l.next == l.end)  // the file's last line, without a line end
      out = old.substr(0, l.end) + lineEnd + entry + old.substr(l.end);
    else
      out = old.substr(0, l.next) + entry + lineEnd + old.substr(l.next);
  } else {
    out = old;
    if (!lines.empty()) {
      const ProfileDocument::Line& last = lines.back();
      if (last.next == last.end) out += lineEnd;
      if (!Blank(doc->LineText(lines.size() - 1))) out += lineEnd;
    }
    out += "[" + e->section + "]" + lineEnd + e->key + "=" + e->value + lineEnd;
  }

  if (out == old) return {EditOutcome::Unchanged, {}};
  return {EditOutcome::Changed, std::move(out)};
}

}  // namespace orvano::catalog
