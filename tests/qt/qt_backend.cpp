#include "qt_backend.h"

namespace orvano::host::contract {
std::unique_ptr<Backend> MakeHost() { return std::make_unique<qt::testing::QtBackend>(); }
const char* HostName() { return "Qt"; }
}  // namespace orvano::host::contract
