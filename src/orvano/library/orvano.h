/// \file
/// The library's front door: one class factory that knows every public class by its program name.
#pragma once

#include "orvano/core_export.h"
#include "orvano/host/factory.h"

/// Orvano: the label model, the catalog, the three controls and their settings dialog, free of
/// any toolkit.
namespace orvano {

/// The factory with every public class registered ("Orvano.LabelDef", "Orvano.LabelSelect", ...).
/// The first call also does what UseSettingsDialog does.
ORVANO_CORE_EXPORT const host::ClassFactory& Classes();

/// Makes the settings dialog what every LabelSelect opens from ShowConfig or its caption, unless a
/// control was given a runner of its own. The controls sit below the dialog, so the library wires
/// the two together here.
ORVANO_CORE_EXPORT void UseSettingsDialog();

}  // namespace orvano
