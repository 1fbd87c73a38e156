#include "orvano/controls/label_select/label_select.h"
#include "orvano/dialog/label_config/label_config.h"
#include "orvano/library/orvano.h"

namespace orvano {
namespace {

// The settings dialog, created for one showing and released when it has closed.
LabelConfigResult RunLabelConfig(host::Container& site, const LabelConfigRequest& request) {
  frmLabelConfig dialog(site.GetPlatform());
  dialog.SetLabelName(request.labelName);
  dialog.SetBrand(request.brand);
  dialog.SetDataFolder(request.dataFolder);
  dialog.SetAsAddressLabel(request.asAddressLabel != host::kFalse);
  dialog.Show();
  return {host::ToFlag(dialog.Result()), dialog.Brand(), dialog.LabelName()};
}

}  // namespace

void UseSettingsDialog() { LabelSelect::SetDefaultConfigRunner(RunLabelConfig); }

}  // namespace orvano
