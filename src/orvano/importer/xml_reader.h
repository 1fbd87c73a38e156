// A small XML reader for the catalog importer: elements and attributes only. It understands the
// XML declaration and other processing instructions, comments, CDATA sections and a DOCTYPE (all
// skipped), the five predefined entities and character references. Text content is skipped.
// Malformed input of any kind yields an error with its line, never a crash.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvano::importer {

struct XmlElement {
  std::string name;
  std::vector<std::pair<std::string, std::string>> attributes;  // in document order, decoded
  std::vector<XmlElement> children;
  int line = 0;  // where the start tag begins, from 1

  // The decoded value of an attribute, or null when absent.
  const std::string* Attribute(std::string_view attributeName) const;
  // The child elements of that name, in document order.
  std::vector<const XmlElement*> Children(std::string_view childName) const;
};

struct XmlDocument {
  bool ok = false;
  XmlElement root;
  std::string error;  // what is wrong, when not ok
  int errorLine = 0;
};

// Deeper nesting is refused: real documents stay far below, and it bounds the work.
inline constexpr std::size_t kMaxXmlDepth = 256;

// Reads UTF-8 text (a byte-order mark is allowed).
XmlDocument ParseXml(std::string_view text);

// Appends the UTF-8 encoding of a code point (which must be a valid one).
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace orvano::importer
