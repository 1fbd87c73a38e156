// Any bytes as an export file of the user's labels: parsing never fails, and what it reads
// survives being written out and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "orvano/catalog/label_exchange.h"

using namespace orvano::catalog;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string reason;
  const auto labels = ParseExchangeFile(bytes, reason);
  if (!labels) return 0;
  const auto again = ParseExchangeFile(FormatExchangeFile(*labels), reason);
  if (!again || again->size() != labels->size()) std::abort();
  for (std::size_t i = 0; i < labels->size(); ++i) {
    const ExchangeLabel &a = (*labels)[i], &b = (*again)[i];
    if (a.Name != b.Name || a.Record != b.Record || a.Layout != b.Layout) std::abort();
  }
  return 0;
}
