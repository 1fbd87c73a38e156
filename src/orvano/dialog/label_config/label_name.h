// Which names a custom label may carry: they become keys of a profile file.
#pragma once

#include <string>

namespace orvano::label_config {

inline constexpr std::size_t kMaxLabelNameLength = 50;

// At most 50 characters, each (upper-cased) a letter A-Z, a digit, an umlaut, "ß", the blank or
// one of "-_()+,.;:*#". An empty name passes; the caller asks for a name first.
bool IsValidLabelName(const std::string& name);

}  // namespace orvano::label_config
