// Which names a custom label may carry.
#include <gtest/gtest.h>

#include "orvano/dialog/label_config/label_name.h"

namespace orvano::label_config {
namespace {

TEST(LabelNameTest, LettersDigitsUmlautsAndSomeMarksPassEverythingElseFails) {
  for (const char* name : {"Adressen 2025", "straße", "Grüße (groß), Öl; Ärger: *#+-_.", "", "äöü",
                           "12345678901234567890123456789012345678901234567890"})
    EXPECT_TRUE(IsValidLabelName(name)) << name;
  for (const char* name :
       {"Müller & Co", "Test=1", "[Marke]", "a/b", "a\\b", "\"x\"", "Café", "tab\there",
        "123456789012345678901234567890123456789012345678901", "\xC3"})
    EXPECT_FALSE(IsValidLabelName(name)) << name;
}

}  // namespace
}  // namespace orvano::label_config
