#include "orvano/host/factory.h"

#include "orvano/host/error.h"
#include "orvano/host/strings.h"

namespace orvano::host {

void ClassFactory::Register(const std::string& progId, Creator creator) {
  if (progId.empty() || !creator) Raise(ErrorKind::InvalidProcedureCall);
  // A second registration of a name replaces the first, as re-registering a class does.
  creators_[UCase(progId)] = {progId, std::move(creator)};
}

bool ClassFactory::IsRegistered(const std::string& progId) const {
  return creators_.contains(UCase(progId));
}

std::vector<std::string> ClassFactory::ProgIds() const {
  std::vector<std::string> ids;
  ids.reserve(creators_.size());
  for (const auto& [key, entry] : creators_) ids.push_back(entry.first);
  return ids;
}

std::shared_ptr<Object> ClassFactory::Create(const std::string& progId, Container* site) const {
  const auto it = creators_.find(UCase(progId));
  if (it == creators_.end()) {
    Raise(ErrorKind::ClassNotRegistered,
          "Klasse nicht registriert: \"" + progId + "\" ist keine bekannte Klasse");
  }
  auto object = it->second.second(site);
  if (!object) Raise(ErrorKind::OutOfMemory);
  return object;
}

}  // namespace orvano::host
