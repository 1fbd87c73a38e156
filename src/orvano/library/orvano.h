// The library's front door: one class factory that knows every public class by its program name.
#pragma once

#include "orvano/host/factory.h"

namespace orvano {

// The factory with every public class registered ("Orvano.LabelDef", "Orvano.LabelSelect", ...).
const host::ClassFactory& Classes();

}  // namespace orvano
