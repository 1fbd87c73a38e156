#include "orvano/model/label_lookup.h"

#include <atomic>

namespace orvano {
namespace {

// Constant-initialised, so a lookup installed during static initialisation is never lost.
constinit std::atomic<LabelLookup> installed{nullptr};

}  // namespace

void SetLabelLookup(LabelLookup lookup) noexcept { installed.store(lookup); }

LabelLookup CurrentLabelLookup() noexcept { return installed.load(); }

}  // namespace orvano
