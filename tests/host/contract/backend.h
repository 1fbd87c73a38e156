// What the host contract needs of a backend: a shown form in twips, a person acting on it, and
// what a person would see. One implementation per host; the suite runs against each.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../raised.h"
#include "orvano/host/platform.h"

namespace orvano::host::contract {

enum class Key { Enter, Escape };

class Backend {
 public:
  virtual ~Backend() = default;
  virtual Platform& GetPlatform() = 0;
  virtual Container& Form() = 0;  // 400 x 300 pixels, in twips
  // The user: a mouse click; focus, then the text typed over the old one; the items between the
  // selected one and index stepped through with the keyboard; a tab clicked; a click at a point
  // of the form given in its scale unit.
  virtual void Click(Widget& w) = 0;
  virtual void Type(FocusWidget& w, const std::string& text) = 0;
  virtual void Choose(ComboBox& list, std::int32_t index) = 0;
  virtual void ChooseTab(TabStrip& strip, std::int32_t index) = 0;
  virtual void ClickAt(VirtualArray& a, float x, float y) = 0;
  virtual void ResizeForm(int widthPx, int heightPx) = 0;
  virtual void Settle() {}  // queued paints arrive
  // Runs user while the dialog is shown modally; closes it afterwards if it is still open.
  virtual void ShowModal(DialogWindow& d, std::function<void()> user) = 0;
  virtual void Press(DialogWindow& d, Key key) = 0;
  virtual void CloseBox(DialogWindow& d) = 0;
  // A message box the user answers with answer (0: Enter alone); shown is "text|title".
  virtual int MsgBox(const std::string& text, int flags, int answer, std::string& shown) = 0;
  virtual std::unique_ptr<PropertyBag> MakeBag() = 0;
  virtual bool Stored(const PropertyBag& bag, const std::string& name) = 0;
};

// Each test executable links one backend, which defines these.
std::unique_ptr<Backend> MakeHost();
const char* HostName();
#define ORVANO_HOST_CONTRACT(Suite)                                   \
  INSTANTIATE_TEST_SUITE_P(Host, Suite, ::testing::Values(&MakeHost), \
                           [](const auto&) { return std::string(HostName()); })

// Two columns of 20 x 10 pixel cells, in the unit of the form.
struct Grid : ArraySource {
  float unit = 15;  // twips per pixel, or 1
  std::int64_t Count() const override { return 4; }
  ArrayElement Element(std::int64_t) const override { return {}; }
  std::string ToolTip(std::int64_t i) const override { return std::to_string(i); }
  std::int64_t HitTest(float x, float y) const override {
    x /= unit, y /= unit;
    return x < 0 || y < 0 || x >= 40 || y >= 20 ? -1 : int(y / 10) * 2 + int(x / 20);
  }
};

using Log = std::vector<std::string>;
using host::testing::Raised;

struct HostContract : ::testing::TestWithParam<std::unique_ptr<Backend> (*)()> {
  std::unique_ptr<Backend> host = GetParam()();
  Container& form = host->Form();
  Log log;
  Handler Note(std::string what) {
    return [this, what] { log.push_back(what); };
  }
  long Seen(const std::string& what) const { return std::count(log.begin(), log.end(), what); }
};

}  // namespace orvano::host::contract
