#pragma once

#include <string>

namespace orvano::host {

struct Font {
  std::string name = "Tahoma";
  float size = 8.25f;  ///< points
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

}  // namespace orvano::host
