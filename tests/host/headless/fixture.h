// A window of the headless host and a log that handlers write to.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "orvano/host/error.h"
#include "orvano/host/headless/headless.h"

namespace orvano::host::headless::test {

struct Window : ::testing::Test {
  HeadlessPlatform platform;
  HeadlessContainer form{platform, ScaleMode::Twips, 6000, 4000};
  std::vector<std::string> log;

  Handler Note(std::string what) {
    return [this, what] { log.push_back(what); };
  }
  template <class W>
  void Watch(W& w, const std::string& name) {
    w.OnGotFocus(Note(name + ".GotFocus"));
    w.OnLostFocus(Note(name + ".LostFocus"));
    w.OnClick(Note(name + ".Click"));
  }
};

// The kind of the platform error a statement raises, or none.
template <class F>
std::string RaisedKind(F&& statement) {
  try {
    statement();
  } catch (const Error& e) {
    return std::to_string(e.Number());
  }
  return "none";
}

inline const std::string kInvalidPropertyValue = "380";
inline const std::string kInvalidProcedureCall = "5";

}  // namespace orvano::host::headless::test
