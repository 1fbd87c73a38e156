/// \file
/// A font as the widgets take it.
#pragma once

#include <string>

namespace orvano::host {

/// A font: family, size and style.
struct Font {
  std::string name = "Tahoma";  ///< the family
  float size = 8.25f;           ///< points
  bool bold = false;            ///< bold weight
  bool italic = false;          ///< italic
  bool underline = false;       ///< underlined
};

}  // namespace orvano::host
