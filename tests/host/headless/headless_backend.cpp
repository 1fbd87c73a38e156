#include "../contract/backend.h"
#include "orvano/host/headless/headless.h"

namespace orvano::host::contract {

using namespace headless;

class HeadlessBackend : public Backend {
 public:
  Platform& GetPlatform() override { return platform_; }
  Container& Form() override { return form_; }
  // Its user functions play the person.
  void Click(Widget& w) override { form_.Click(w); }
  void Type(FocusWidget& w, const std::string& text) override {
    if (auto* box = dynamic_cast<TextBox*>(&w)) return form_.Type(*box, text);
    form_.Type(dynamic_cast<ComboBox&>(w), text);
  }
  void Choose(ComboBox& list, std::int32_t index) override { form_.Choose(list, index); }
  void ChooseTab(TabStrip& strip, std::int32_t index) override { form_.ChooseTab(strip, index); }
  void ClickAt(VirtualArray& a, float x, float y) override { form_.ClickAt(a, x, y); }
  void ResizeForm(int widthPx, int heightPx) override {
    const float unit = form_.GetScaleMode() == ScaleMode::Twips ? 15 : 1;
    form_.Resize(widthPx * unit, heightPx * unit);
  }
  void ShowModal(DialogWindow& d, std::function<void()> user) override {
    platform_.QueueUser([user](HeadlessDialog&) { user(); });
    d.ShowModal();
  }
  void Press(DialogWindow& d, Key key) override {
    auto& dialog = dynamic_cast<HeadlessDialog&>(d);
    key == Key::Enter ? dialog.PressEnter() : dialog.PressEscape();
  }
  void CloseBox(DialogWindow& d) override { dynamic_cast<HeadlessDialog&>(d).CloseBox(); }
  int MsgBox(const std::string& text, int flags, int answer, std::string& shown) override {
    if (answer) platform_.QueueAnswer(answer);
    const int given = platform_.MsgBox(text, flags, "Etiketteneinstellungen");
    shown = platform_.Messages().back().text + "|" + platform_.Messages().back().title;
    return given;
  }
  std::unique_ptr<PropertyBag> MakeBag() override { return std::make_unique<MemoryPropertyBag>(); }
  bool Stored(const PropertyBag& bag, const std::string& name) override {
    return dynamic_cast<const MemoryPropertyBag&>(bag).Contains(name);
  }

 private:
  HeadlessPlatform platform_;
  HeadlessContainer form_{platform_, ScaleMode::Twips, 6000, 4500};
};

std::unique_ptr<Backend> MakeHost() { return std::make_unique<HeadlessBackend>(); }
const char* HostName() { return "Headless"; }

}  // namespace orvano::host::contract
