#include "orvano/dialog/label_config/label_name.h"

#include <vector>

#include "orvano/host/strings.h"

namespace orvano::label_config {
namespace {

// Compared in upper case, so lower-case letters and umlauts pass through their capitals.
constexpr const char* kAllowed = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890-_ ()+,.;:*ÄÖÜß#";

const std::vector<std::string>& AllowedCharacters() {
  static const std::vector<std::string> chars = [] {
    std::vector<std::string> out;
    const std::string upper = host::UCase(kAllowed);
    for (std::size_t i = 0; i < host::Len(upper); ++i) out.push_back(host::Mid(upper, i, 1));
    return out;
  }();
  return chars;
}

}  // namespace

bool IsValidLabelName(const std::string& name) {
  const std::size_t length = host::Len(name);
  if (length > kMaxLabelNameLength) return false;
  const auto& allowed = AllowedCharacters();
  for (std::size_t i = 0; i < length; ++i) {
    const std::string c = host::UCase(host::Mid(name, i, 1));
    bool found = false;
    for (const std::string& a : allowed) found = found || a == c;
    if (!found) return false;
  }
  return true;
}

}  // namespace orvano::label_config
