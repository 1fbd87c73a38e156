#include "orvano/model/model_classes.h"

#include <memory>

#include "orvano/model/field_def.h"
#include "orvano/model/field_defs.h"
#include "orvano/model/label_def.h"

namespace orvano {

namespace {
template <class T>
host::ClassFactory::Creator DataClass() {
  return [](host::Container*) -> std::shared_ptr<host::Object> { return std::make_shared<T>(); };
}
}  // namespace

void RegisterModelClasses(host::ClassFactory& factory) {
  factory.Register("Orvano.LabelDef", DataClass<LabelDef>());
  factory.Register("Orvano.FieldDefs", DataClass<FieldDefs>());
  factory.Register("Orvano.FieldDef", DataClass<FieldDef>());
}

}  // namespace orvano
