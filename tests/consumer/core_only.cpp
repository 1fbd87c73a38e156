// The toolkit-free core alone, built with pkg-config: a LabelDef from the class factory.
#include <orvano/library/orvano.h>
#include <orvano/model/label_def.h>
#include <cstdio>

int main() {
  auto def = orvano::Classes().CreateAs<orvano::LabelDef>("Orvano.LabelDef");
  def->SetCols(3);
  std::printf("LabelDef with %d columns\n", def->Cols());
  return def->Cols() == 3 ? 0 : 1;
}
