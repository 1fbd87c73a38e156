// The three controls on the headless host (15 twips per pixel), each on the container size its
// tests assume, and a catalog folder that serves as component and data folder.
#pragma once

#include <memory>
#include <string>

#include "orvano/host/app_path.h"
#include "orvano/host/headless/headless.h"
#include "support/scratch_folder.h"

namespace orvano {
class LabelSelect;
class AddressLabel;
}  // namespace orvano

namespace orvano::test_support {

// The component folder for as long as it lives; the catalog files are INI text with CRLF.
class CatalogFolder : public ScratchFolder {
 public:
  CatalogFolder() { host::SetAppPath(Path()); }
  ~CatalogFolder() { host::SetAppPath(""); }
  void WriteDef(const std::string& ini) const { Write("ovAdrKit.def", ini); }
  void WriteAdr(const std::string& ini) const { Write("ovAdrKit.adr", ini); }
};

// Where a control of class C is placed: LabelSelect and Preview measure in pixels, AddressLabel
// in twips.
struct SiteSize {
  host::ScaleMode mode;
  float width, height;
};
template <class C>
inline constexpr SiteSize kSiteOf{host::ScaleMode::Pixels, 320, 240};
template <>
inline constexpr SiteSize kSiteOf<LabelSelect>{host::ScaleMode::Pixels, 322, 417};
template <>
inline constexpr SiteSize kSiteOf<AddressLabel>{host::ScaleMode::Twips, 6000, 3500};

// A control and its container; `make` builds the control on the container (a constructor or the
// class factory).
template <class C>
class Hosted {
 public:
  template <class Make>
  Hosted(host::headless::HeadlessPlatform& platform, Make make, SiteSize size = kSiteOf<C>)
      : site(platform, size.mode, size.width, size.height), control(make(site)) {}
  explicit Hosted(host::headless::HeadlessPlatform& platform, SiteSize size = kSiteOf<C>)
      : Hosted(
            platform, [](host::Container& s) { return std::make_shared<C>(s); }, size) {}

  C& operator*() const { return *control; }
  C* operator->() const { return control.get(); }

  host::headless::HeadlessContainer site;
  std::shared_ptr<C> control;
};

}  // namespace orvano::test_support
