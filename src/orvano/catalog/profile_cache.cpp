#include "orvano/catalog/profile_cache.h"

#include <utility>

namespace orvano::catalog {

ProfileCache& ProfileCache::Instance() {
  static ProfileCache cache;
  return cache;
}

LoadedProfile ProfileCache::Load(const std::string& path) {
  FileIdentity now;
  const FileState state = StatFile(path, now);
  if (state != FileState::Ok) {
    Forget(path);
    return {state, nullptr};
  }
  if (auto doc = Find(path, now)) return {FileState::Ok, std::move(doc)};

  std::string bytes;
  FileIdentity read;
  const FileState readState = ReadWholeFile(path, bytes, read);
  if (readState != FileState::Ok) {
    Forget(path);
    return {readState, nullptr};
  }
  auto doc = ProfileDocument::Parse(std::move(bytes));
  {
    std::lock_guard lock(mutex_);
    ++parses_;
  }
  Store(path, read, doc);
  return {FileState::Ok, std::move(doc)};
}

void ProfileCache::Store(const std::string& path, const FileIdentity& identity,
                         std::shared_ptr<const ProfileDocument> document) {
  std::lock_guard lock(mutex_);
  if (entries_.size() >= kMaxFiles && entries_.find(path) == entries_.end()) entries_.clear();
  entries_[path] = Entry{identity, std::move(document)};
}

std::shared_ptr<const ProfileDocument> ProfileCache::Find(const std::string& path,
                                                          const FileIdentity& identity) const {
  std::lock_guard lock(mutex_);
  const auto it = entries_.find(path);
  if (it == entries_.end() || !(it->second.identity == identity)) return nullptr;
  return it->second.document;
}

void ProfileCache::Forget(const std::string& path) {
  std::lock_guard lock(mutex_);
  entries_.erase(path);
}

void ProfileCache::Clear() {
  std::lock_guard lock(mutex_);
  entries_.clear();
}

std::size_t ProfileCache::ParseCount() const {
  std::lock_guard lock(mutex_);
  return parses_;
}

}  // namespace orvano::catalog
