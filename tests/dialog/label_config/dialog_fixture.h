// The settings dialog on the headless host with its own catalog folder (the component's folder,
// which also serves as data folder unless a test says otherwise) and a scripted user.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "orvano/catalog/value_parse.h"
#include "orvano/dialog/label_config/label_config.h"
#include "orvano/host/app_path.h"
#include "orvano/host/headless/headless.h"

namespace orvano::testing {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "orvano-dialog-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream out(path_ + "/" + name, std::ios::binary);
    out << text;
  }
  // The file's text, or empty when it is missing.
  std::string Read(const std::string& name) const {
    std::ifstream in(path_ + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

 private:
  std::string path_;
};

// The shipped catalog of every dialog test: two brands, one of them with an A5 landscape sheet.
inline constexpr const char* kShippedCatalog =
    "[Avery Zweckform]\r\n"
    "L7163=Adressetiketten;9;0;2;7;4,65;15,15;99,1;38,1;2,5;0\r\n"
    "L7160=Kleine Etiketten;9;0;3;7;7,2;15,15;63,5;38,1;2,5;0\r\n"
    "[Herma]\r\n"
    "4360=Postkarten;11;1;2;2;10;10;90;60;5;2\r\n"
    "4200=;9;0;1;10;10;10;190;25;0;3\r\n";

inline constexpr const char* kCustomLabels =
    "[Benutzerdefiniert]\r\n"
    "Mein Etikett=;9;0;2;8;0;0;105;37;0;0\r\n"
    "Zweites=;9;0;1;1;10;10;100;100;0;0\r\n";

// The user's hands inside the open dialog.
class DialogUser {
 public:
  explicit DialogUser(host::headless::HeadlessDialog& dialog) : dialog_(dialog) {}

  host::headless::HeadlessContainer& Form() { return dialog_.Form(); }
  host::headless::HeadlessDialog& Dialog() { return dialog_; }
  host::headless::HeadlessTextBox& Box(const std::string& name) {
    return Form().Get<host::headless::HeadlessTextBox>(name);
  }
  host::headless::HeadlessComboBox& List(const std::string& name) {
    return Form().Get<host::headless::HeadlessComboBox>(name);
  }
  host::Button& Button(const std::string& name) { return Form().Get<host::Button>(name); }
  host::TabStrip& Tabs() { return Form().Get<host::TabStrip>("SSTab1"); }
  std::string Text(const std::string& name) {
    if (auto* box = dynamic_cast<host::TextBox*>(Form().Find(name))) return box->Text();
    return List(name).Text();
  }

  // Types into a field and leaves it, as a person moving on with the mouse would.
  void Enter(const std::string& field, const std::string& text) {
    Form().Type(Box(field), text);
    Form().Blur();
  }
  void TypeName(const std::string& name) { Form().Type(List("cboLabels"), name); }
  void Choose(const std::string& list, std::int32_t index) { Form().Choose(List(list), index); }
  // Chooses the item with that text.
  void ChooseItem(const std::string& list, const std::string& item) {
    const std::int32_t index = List(list).FindItem(item);
    if (index < 0) throw std::logic_error("no item " + item);
    Choose(list, index);
  }
  void SpinUp(const std::string& field) {
    Form().SpinUp(Form().Get<host::Spinner>("UpDown" + field));
  }
  void SpinDown(const std::string& field) {
    Form().SpinDown(Form().Get<host::Spinner>("UpDown" + field));
  }
  void Click(const std::string& button) { Form().Click(Button(button)); }

 private:
  host::headless::HeadlessDialog& dialog_;
};

class LabelConfigTest : public ::testing::Test {
 protected:
  LabelConfigTest() : dialog_(platform_) {
    host::SetAppPath(folder_.Path());
    folder_.Write("ovAdrKit.def", kShippedCatalog);
    folder_.Write("ovAdrKit.usr", kCustomLabels);
    dialog_.SetDataFolder(folder_.Path());
  }
  ~LabelConfigTest() override { host::SetAppPath(""); }

  // Opens the dialog on a label and plays the user while it is open; returns once it closed.
  void Open(const std::string& brand, const std::string& name,
            const std::function<void(DialogUser&)>& play, bool asAddressLabel = false) {
    dialog_.SetBrand(brand);
    dialog_.SetLabelName(name);
    dialog_.SetAsAddressLabel(asAddressLabel);
    platform_.QueueUser([&](host::headless::HeadlessDialog& window) {
      DialogUser user(window);
      play(user);
    });
    dialog_.Show();
  }

  // The value of a key in one of the folder's files, as the catalog reads it.
  std::string Stored(const std::string& file, const std::string& section,
                     const std::string& key) const {
    return catalog::ReadProfileString(folder_.Path() + "/" + file, section, key, "");
  }

  ScratchFolder folder_;
  host::headless::HeadlessPlatform platform_{15, 15};
  frmLabelConfig dialog_;
};

}  // namespace orvano::testing
