#include "orvano/qt/widgets/sheet_lattice.h"

#include <string_view>

#include "orvano/host/error.h"
#include "orvano/model/sheet_geometry.h"
#include "orvano/qt/virtual_array.h"

namespace orvano::qt {

std::optional<ArrayLattice> SheetLattice(const LabelSelect& control) {
  const std::int64_t cols = control.Cols(), rows = control.Rows();
  const std::int32_t direction = control.Direction();
  if (cols <= 0 || rows <= 0 || cols * rows > control.LoadedCount()) return std::nullopt;
  // Label 0 and its neighbours to the right and below give origin, size and pitch.
  const auto rect = [&](std::int64_t row, std::int64_t col) {
    return control.LabelRect(
        static_cast<std::int32_t>(LabelNumberAt({row, col}, cols, rows, direction)));
  };
  try {
    const SheetRect first = rect(0, 0);
    ArrayLattice l;
    l.left = first.left;
    l.top = first.top;
    l.width = first.width;
    l.height = first.height;
    l.stepX = cols > 1 ? rect(0, 1).left - first.left : 0;
    l.stepY = rows > 1 ? rect(1, 0).top - first.top : 0;
    l.cols = cols;
    l.rows = rows;
    l.byColumns = direction != ovLeftRight;
    return l;
  } catch (const host::Error&) {
    return std::nullopt;
  }
}

void InstallSheetLattice(const LabelSelect& control, ControlHost& host) {
  for (SceneItem* item : host.Items()) {
    auto* array = dynamic_cast<QtVirtualArray*>(item);
    if (!array) continue;
    const std::string_view name = array->Name();
    if (name == "shpLabelBack" || name == "shpLabelBorder" || name == "DirectionLine") {
      array->SetLattice([&control] { return SheetLattice(control); });
    }
  }
}

}  // namespace orvano::qt
