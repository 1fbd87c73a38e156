// The library's front door: one class factory that knows every public class by its program name.
#pragma once

#include "orvano/core_export.h"
#include "orvano/host/factory.h"

namespace orvano {

// The factory with every public class registered ("Orvano.LabelDef", "Orvano.LabelSelect", ...).
ORVANO_CORE_EXPORT const host::ClassFactory& Classes();

}  // namespace orvano
