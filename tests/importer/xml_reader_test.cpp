#include "orvano/importer/xml_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace orvano::importer {
namespace {

// What the database files hold: a declaration, comments, entities in attributes.
TEST(XmlReaderReads, ElementsAttributesAndLines) {
  const XmlDocument doc = ParseXml(
      "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n"
      "<!DOCTYPE t [ <!ENTITY x \"a>b\"> ]>\n"
      "<!-- a <comment> -->\n"
      "<Root a='1'>\n"
      "  <Template brand=\"A&amp;B\" part=\"&lt;1&gt;\" d=\"&quot;x&apos;\"/>\n"
      "  <![CDATA[ <not-an-element/> ]]>text\n"
      "  <Template part=\"2\"/>\n"
      "</Root>\n<!-- after -->\n");
  ASSERT_TRUE(doc.ok) << doc.error << " at " << doc.errorLine;
  EXPECT_EQ(doc.root.name, "Root");
  const auto templates = doc.root.Children("Template");
  ASSERT_EQ(templates.size(), 2u);
  EXPECT_EQ(*templates[0]->Attribute("brand"), "A&B");
  EXPECT_EQ(*templates[0]->Attribute("part"), "<1>");
  EXPECT_EQ(*templates[0]->Attribute("d"), "\"x'");
  EXPECT_EQ(templates[0]->line, 5);
  EXPECT_EQ(templates[1]->line, 7);
}

TEST(XmlReaderReads, CharacterReferencesAsUtf8AndLineBreaksInAttributesAsBlanks) {
  const XmlDocument doc = ParseXml("<a v=\"&#228;&#xAE;&#x20AC;&#x1F600;\" w=\"x\r\ny\tz\"/>");
  ASSERT_TRUE(doc.ok) << doc.error;
  EXPECT_EQ(*doc.root.Attribute("v"), "\xC3\xA4\xC2\xAE\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(*doc.root.Attribute("w"), "x  y z");
}

TEST(XmlReaderRefuses, MalformedInputWithTheLineOfTheFault) {
  // A wrong end tag, never closed, an unknown entity, no XML character, a surrogate, an
  // overflowing reference, a bare ampersand, an attribute twice, "<" in a value, a second root, a
  // comment never ending, an end without a start.
  const std::pair<const char*, int> cases[] = {
      {"<a>\n<b>\n</a>", 3},   {"<a>\n<b/>\n", 3},           {"<a v=\"&nbsp;\"/>", 1},
      {"<a v=\"&#0;\"/>", 1},  {"<a v=\"&#xD800;\"/>", 1},   {"<a v=\"&#99999999999999;\"/>", 1},
      {"<a v=\"a & b\"/>", 1}, {"<a\nv=\"1\" v=\"2\"/>", 2}, {"<a v=\"<\"/>", 1},
      {"<a/>\n<b/>", 2},       {"\n\n<!-- open", 3},         {"</a>", 1}};
  for (const auto& [xml, line] : cases) {
    const XmlDocument doc = ParseXml(xml);
    EXPECT_FALSE(doc.ok || doc.error.empty()) << xml;
    EXPECT_EQ(doc.errorLine, line) << doc.error;
  }
}

TEST(XmlReaderBounds, RefusesNestingBeyondTheLimit) {
  // Well-formed at both depths, so only the limit tells them apart.
  std::string fine;
  for (std::size_t i = 0; i < kMaxXmlDepth; ++i) fine = "<a>" + fine + "</a>";
  EXPECT_TRUE(ParseXml(fine).ok);
  const XmlDocument deep = ParseXml("<a>" + fine + "</a>");
  EXPECT_FALSE(deep.ok);
  EXPECT_NE(deep.error.find("nested too deeply"), std::string::npos) << deep.error;
}

}  // namespace
}  // namespace orvano::importer
