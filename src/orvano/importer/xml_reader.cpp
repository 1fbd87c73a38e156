#include "orvano/importer/xml_reader.h"

#include <algorithm>
#include <cstdint>

namespace orvano::importer {

const std::string* XmlElement::Attribute(std::string_view attributeName) const {
  for (const auto& [key, value] : attributes) {
    if (key == attributeName) return &value;
  }
  return nullptr;
}

std::vector<const XmlElement*> XmlElement::Children(std::string_view childName) const {
  std::vector<const XmlElement*> found;
  for (const XmlElement& child : children) {
    if (child.name == childName) found.push_back(&child);
  }
  return found;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

namespace {

struct Failure {
  std::string message;
  std::size_t pos;
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool IsNameStart(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || u >= 0x80;
}

bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }

bool IsXmlChar(std::uint32_t cp) {
  return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) ||
         (cp >= 0xE000 && cp <= 0xFFFD) || (cp >= 0x10000 && cp <= 0x10FFFF);
}

class Parser {
 public:
  explicit Parser(std::string_view text) : s_(text) {}

  XmlElement Run() {
    if (s_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
    XmlElement root;
    bool haveRoot = false;
    std::vector<XmlElement*> open;
    while (pos_ < s_.size()) {
      if (s_[pos_] != '<') {
        const std::size_t start = pos_;
        pos_ = std::min(s_.find('<', pos_), s_.size());
        if (open.empty() && !std::all_of(s_.begin() + start, s_.begin() + pos_, IsSpace)) {
          Fail("text outside the root element", start);
        }
        continue;
      }
      if (Starts("<?")) {
        SkipPast("?>", "unterminated processing instruction");
      } else if (Starts("<!--")) {
        SkipPast("-->", "unterminated comment");
      } else if (Starts("<![CDATA[")) {
        if (open.empty()) Fail("CDATA section outside the root element", pos_);
        SkipPast("]]>", "unterminated CDATA section");
      } else if (Starts("<!DOCTYPE")) {
        if (haveRoot || !open.empty()) Fail("DOCTYPE after the root element", pos_);
        SkipDoctype();
      } else if (Starts("</")) {
        const std::size_t start = pos_;
        pos_ += 2;
        const std::string name = Name();
        SkipSpace();
        Expect('>');
        if (open.empty()) Fail("end tag </" + name + "> without a start tag", start);
        if (open.back()->name != name) {
          Fail("end tag </" + name + "> does not close <" + open.back()->name + ">", start);
        }
        open.pop_back();
      } else {
        if (open.empty() && haveRoot) Fail("a second root element", pos_);
        if (open.size() >= kMaxXmlDepth) Fail("elements nested too deeply", pos_);
        XmlElement element;
        const bool empty = StartTag(element);
        XmlElement* placed = nullptr;
        if (open.empty()) {
          root = std::move(element);
          haveRoot = true;
          placed = &root;
        } else {
          open.back()->children.push_back(std::move(element));
          placed = &open.back()->children.back();
        }
        if (!empty) open.push_back(placed);
      }
    }
    if (!open.empty()) Fail("element <" + open.back()->name + "> is not closed", s_.size());
    if (!haveRoot) Fail("no root element", s_.size());
    return root;
  }

  // Positions asked for mostly grow, so counting goes on from the last answer.
  int LineOf(std::size_t pos) {
    pos = std::min(pos, s_.size());
    if (pos < linePos_) {
      linePos_ = 0;
      line_ = 1;
    }
    line_ += static_cast<int>(std::count(s_.begin() + linePos_, s_.begin() + pos, '\n'));
    linePos_ = pos;
    return line_;
  }

 private:
  [[noreturn]] static void Fail(std::string message, std::size_t pos) {
    throw Failure{std::move(message), pos};
  }

  bool Starts(std::string_view prefix) const { return s_.substr(pos_, prefix.size()) == prefix; }

  void SkipPast(std::string_view terminator, const char* message) {
    const std::size_t end = s_.find(terminator, pos_ + 2);
    if (end == std::string_view::npos) Fail(message, pos_);
    pos_ = end + terminator.size();
  }

  // The internal subset may hold ">" inside brackets and quoted literals.
  void SkipDoctype() {
    const std::size_t start = pos_;
    int brackets = 0;
    char quote = 0;
    for (pos_ += 9; pos_ < s_.size(); ++pos_) {
      const char c = s_[pos_];
      if (quote) {
        if (c == quote) quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '[') {
        ++brackets;
      } else if (c == ']') {
        --brackets;
      } else if (c == '>' && brackets <= 0) {
        ++pos_;
        return;
      }
    }
    Fail("unterminated DOCTYPE", start);
  }

  void SkipSpace() {
    while (pos_ < s_.size() && IsSpace(s_[pos_])) ++pos_;
  }

  void Expect(char c) {
    if (pos_ >= s_.size() || s_[pos_] != c) {
      Fail(std::string("expected '") + c + "'", pos_);
    }
    ++pos_;
  }

  std::string Name() {
    const std::size_t start = pos_;
    if (pos_ >= s_.size() || !IsNameStart(s_[pos_])) Fail("expected a name", pos_);
    while (pos_ < s_.size() && IsNameChar(s_[pos_])) ++pos_;
    return std::string(s_.substr(start, pos_ - start));
  }

  // Returns true for an empty-element tag ("/>").
  bool StartTag(XmlElement& element) {
    element.line = LineOf(pos_);
    ++pos_;
    element.name = Name();
    while (true) {
      const std::size_t before = pos_;
      SkipSpace();
      if (pos_ >= s_.size()) Fail("unterminated start tag <" + element.name + ">", before);
      if (s_[pos_] == '>') {
        ++pos_;
        return false;
      }
      if (Starts("/>")) {
        pos_ += 2;
        return true;
      }
      if (before == pos_) Fail("expected white space before an attribute", pos_);
      const std::size_t at = pos_;
      std::string key = Name();
      SkipSpace();
      Expect('=');
      SkipSpace();
      std::string value = AttributeValue();
      if (element.Attribute(key)) Fail("attribute " + key + " given twice", at);
      element.attributes.emplace_back(std::move(key), std::move(value));
    }
  }

  std::string AttributeValue() {
    if (pos_ >= s_.size() || (s_[pos_] != '"' && s_[pos_] != '\'')) {
      Fail("attribute value without quotes", pos_);
    }
    const char quote = s_[pos_];
    const std::size_t start = pos_++;
    std::string value;
    while (true) {
      if (pos_ >= s_.size()) Fail("unterminated attribute value", start);
      const char c = s_[pos_];
      if (c == quote) break;
      if (c == '<') Fail("'<' in an attribute value", pos_);
      if (c == '&') {
        Reference(value);
        continue;
      }
      // Line ends and tabs in attribute values read as blanks.
      value += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
      ++pos_;
    }
    ++pos_;
    return value;
  }

  void Reference(std::string& out) {
    const std::size_t start = pos_;
    const std::size_t semicolon = s_.find(';', pos_);
    if (semicolon == std::string_view::npos || semicolon - pos_ > 12) {
      Fail("'&' that starts no entity", start);
    }
    const std::string_view body = s_.substr(pos_ + 1, semicolon - pos_ - 1);
    pos_ = semicolon + 1;
    if (body == "amp")
      out += '&';
    else if (body == "lt")
      out += '<';
    else if (body == "gt")
      out += '>';
    else if (body == "quot")
      out += '"';
    else if (body == "apos")
      out += '\'';
    else if (!body.empty() && body[0] == '#')
      AppendUtf8(out, CharacterReference(body, start));
    else
      Fail("unknown entity &" + std::string(body) + ";", start);
  }

  static char32_t CharacterReference(std::string_view body, std::size_t at) {
    const bool hex = body.size() > 1 && body[1] == 'x';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty()) Fail("empty character reference", at);
    std::uint32_t cp = 0;
    for (char c : digits) {
      int d = -1;
      if (c >= '0' && c <= '9')
        d = c - '0';
      else if (hex && c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
      else if (hex && c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
      if (d < 0) Fail("bad character reference &" + std::string(body) + ";", at);
      cp = cp * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
      if (cp > 0x10FFFF) Fail("character reference out of range", at);
    }
    if (!IsXmlChar(cp)) Fail("character reference to a character XML does not allow", at);
    return static_cast<char32_t>(cp);
  }

  std::string_view s_;
  std::size_t pos_ = 0;
  std::size_t linePos_ = 0;
  int line_ = 1;
};

}  // namespace

XmlDocument ParseXml(std::string_view text) {
  XmlDocument doc;
  Parser parser(text);
  try {
    doc.root = parser.Run();
    doc.ok = true;
  } catch (const Failure& f) {
    doc.error = f.message;
    doc.errorLine = parser.LineOf(f.pos);
  }
  return doc;
}

}  // namespace orvano::importer
