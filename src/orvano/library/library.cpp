#include "orvano/library/orvano.h"

#include "orvano/model/model_classes.h"

namespace orvano {

const host::ClassFactory& Classes() {
  static const host::ClassFactory factory = [] {
    host::ClassFactory f;
    RegisterModelClasses(f);
    return f;
  }();
  return factory;
}

}  // namespace orvano
