// Any bytes as a profile file: parsing, finding and writing never fail, and a written key reads
// back while every byte before the change stays.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "orvano/catalog/profile_document.h"

using orvano::catalog::ApplyWrite;
using orvano::catalog::EditOutcome;
using orvano::catalog::ProfileDocument;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto doc = ProfileDocument::Parse(bytes);
  (void)doc->Find("S", "k");
  (void)doc->Find("", "");

  const auto edit = ApplyWrite(doc.get(), " S ", "k", std::string("v1"));
  if (edit.outcome == EditOutcome::Changed) {
    const auto after = ProfileDocument::Parse(edit.bytes);
    if (after->Find("s", "K") != std::optional<std::string>("v1")) std::abort();
  } else if (edit.outcome == EditOutcome::Unchanged) {
    if (doc->Find("S", "k") != std::optional<std::string>("v1")) std::abort();
  }
  const auto removal = ApplyWrite(doc.get(), "S", "k", std::nullopt);
  if (removal.outcome == EditOutcome::Changed && removal.bytes.size() >= bytes.size()) std::abort();
  return 0;
}
