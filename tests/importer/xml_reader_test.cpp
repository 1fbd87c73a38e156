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
      "  <Template part=\"2\"><Layout nx=\"3\"/></Template>\n"
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
  EXPECT_EQ(templates[1]->Attribute("brand"), nullptr);
  EXPECT_EQ(*templates[1]->Children("Layout").at(0)->Attribute("nx"), "3");
}

TEST(XmlReaderReads, CharacterReferencesAsUtf8) {
  const XmlDocument doc = ParseXml("<a v=\"&#228;&#xAE;&#x20AC;&#x1F600;\"/>");
  ASSERT_TRUE(doc.ok) << doc.error;
  EXPECT_EQ(*doc.root.Attribute("v"), "\xC3\xA4\xC2\xAE\xE2\x82\xAC\xF0\x9F\x98\x80");
}

TEST(XmlReaderReads, LineBreaksInAttributesAsBlanks) {
  const XmlDocument doc = ParseXml("<a v=\"x\r\ny\tz\"/>");
  ASSERT_TRUE(doc.ok);
  EXPECT_EQ(*doc.root.Attribute("v"), "x  y z");
}

struct Malformed {
  const char* xml;
  int line;
};

class XmlReaderRefuses : public ::testing::TestWithParam<Malformed> {};

TEST_P(XmlReaderRefuses, WithTheLineOfTheFault) {
  const XmlDocument doc = ParseXml(GetParam().xml);
  EXPECT_FALSE(doc.ok);
  EXPECT_FALSE(doc.error.empty());
  EXPECT_EQ(doc.errorLine, GetParam().line) << doc.error;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, XmlReaderRefuses,
    ::testing::Values(Malformed{"<a>\n<b>\n</a>", 3},                // wrong end tag
                      Malformed{"<a>\n<b/>\n", 3},                   // never closed
                      Malformed{"<a v=\"&nbsp;\"/>", 1},             // unknown entity
                      Malformed{"<a v=\"&#0;\"/>", 1},               // not an XML character
                      Malformed{"<a v=\"&#xD800;\"/>", 1},           // surrogate
                      Malformed{"<a v=\"&#x110000;\"/>", 1},         // beyond Unicode
                      Malformed{"<a v=\"&#99999999999999;\"/>", 1},  // would overflow
                      Malformed{"<a v=\"a & b\"/>", 1},              // bare ampersand
                      Malformed{"<a\nv=\"1\" v=\"2\"/>", 2},         // attribute twice
                      Malformed{"<a v=1/>", 1},                      // unquoted value
                      Malformed{"<a v=\"<\"/>", 1},                  // "<" in a value
                      Malformed{"<a v=\"1\"w=\"2\"/>", 1},           // no blank between
                      Malformed{"<a/>\n<b/>", 2},                    // second root
                      Malformed{"x<a/>", 1},                         // text before the root
                      Malformed{"\n\n<!-- open", 3},                 // comment never ends
                      Malformed{"<a><![CDATA[x</a>", 1},             // CDATA never ends
                      Malformed{"", 1},                              // nothing at all
                      Malformed{"</a>", 1}));                        // end without start

TEST(XmlReaderBounds, RefusesNestingBeyondTheLimit) {
  std::string deep;
  for (std::size_t i = 0; i <= kMaxXmlDepth; ++i) deep += "<a>";
  EXPECT_FALSE(ParseXml(deep).ok);
  std::string fine;
  for (std::size_t i = 0; i < kMaxXmlDepth; ++i) fine = "<a>" + fine + "</a>";
  EXPECT_TRUE(ParseXml(fine).ok);
}

// Every cut of a valid document is either refused or read; none crashes or reads past its end.
TEST(XmlReaderBounds, SurvivesEveryTruncation) {
  const std::string full =
      "<?xml version=\"1.0\"?><!-- c --><T a=\"&amp;&#x41;\"><L nx=\"1\"/><![CDATA[x]]></T>";
  ASSERT_TRUE(ParseXml(full).ok);
  for (std::size_t n = 0; n < full.size(); ++n) {
    EXPECT_FALSE(ParseXml(full.substr(0, n)).ok) << "cut at " << n;
  }
}

}  // namespace
}  // namespace orvano::importer
