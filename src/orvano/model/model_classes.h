// Makes the data classes known to hosts by their program names.
#pragma once

#include "orvano/host/factory.h"

namespace orvano {

// "Orvano.LabelDef", "Orvano.FieldDefs" and "Orvano.FieldDef"; none needs a container.
void RegisterModelClasses(host::ClassFactory& factory);

}  // namespace orvano
