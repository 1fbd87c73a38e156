// Tells the painted label arrays of a LabelSelect's sheet picture where their elements lie, so
// that grids of any size paint by what a pixel can show.
#pragma once

#include "orvano/controls/label_select/label_select.h"
#include "orvano/qt/control_host.h"
#include "orvano/qt/lattice_paint.h"

namespace orvano::qt {

// The label grid as the last layout placed it, in pixels; nothing before any label is placed.
std::optional<ArrayLattice> SheetLattice(const LabelSelect& control);

// Gives the faces, outlines and path of the control's picture on host their lattice.
void InstallSheetLattice(const LabelSelect& control, ControlHost& host);

}  // namespace orvano::qt
