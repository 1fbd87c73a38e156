// The class factory knows the control by its program name and needs a site for it.
#include "orvano/host/factory.h"
#include "preview_fixture.h"

namespace orvano::preview_test {
namespace {

TEST(PreviewRegistrationTest, CreatesAPreviewOnTheGivenSiteAndNeedsOne) {
  host::ClassFactory factory;
  RegisterPreview(factory);
  HeadlessPlatform platform;
  HeadlessContainer site(platform, host::ScaleMode::Twips, 4800, 3600);
  auto preview = factory.CreateAs<Preview>("orvano.preview", &site);
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(site.GetScaleMode(), host::ScaleMode::Pixels);
  EXPECT_NE(site.Find("lblRows"), nullptr);
  try {
    factory.Create("Orvano.Preview");
    FAIL() << "created without a site";
  } catch (const host::Error& e) {
    EXPECT_EQ(e.Kind(), host::ErrorKind::ObjectRequired);
  }
}

}  // namespace
}  // namespace orvano::preview_test
