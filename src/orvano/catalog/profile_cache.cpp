#include "orvano/catalog/profile_cache.h"

#include <time.h>

#include <algorithm>
#include <utility>

namespace orvano::catalog {

ProfileCache& ProfileCache::Instance() {
  static ProfileCache cache;
  return cache;
}

bool ProfileCache::Racy(const FileIdentity& identity) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const std::int64_t nowNs = static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
  // ctime too: a copy that keeps an old modification time (cp -p, rsync -t) changes only ctime.
  return nowNs - std::max(identity.mtimeNs, identity.ctimeNs) < kTimeGranularityNs;
}

LoadedProfile ProfileCache::Load(const std::string& path) {
  FileIdentity now;
  const FileState state = StatFile(path, now);
  if (state != FileState::Ok) {
    Forget(path);
    return {state, nullptr};
  }
  std::shared_ptr<const ProfileDocument> cached;
  bool racy = true;
  {
    std::lock_guard lock(mutex_);
    const auto it = entries_.find(path);
    if (it != entries_.end() && it->second.identity == now) {
      cached = it->second.document;
      racy = it->second.racy;
    }
  }
  if (cached && !racy) return {FileState::Ok, std::move(cached)};

  std::string bytes;
  FileIdentity read;
  const FileState readState = ReadWholeFile(path, bytes, read);
  if (readState != FileState::Ok) {
    Forget(path);
    return {readState, nullptr};
  }
  if (cached && bytes == cached->Bytes()) {
    Remember(path, read, cached);
    return {FileState::Ok, std::move(cached)};
  }
  auto doc = ProfileDocument::Parse(std::move(bytes));
  {
    std::lock_guard lock(mutex_);
    ++parses_;
  }
  Remember(path, read, doc);
  return {FileState::Ok, std::move(doc)};
}

void ProfileCache::Store(const std::string& path, const FileIdentity& identity,
                         std::shared_ptr<const ProfileDocument> document) {
  Remember(path, identity, std::move(document));
}

void ProfileCache::Remember(const std::string& path, const FileIdentity& identity,
                            std::shared_ptr<const ProfileDocument> document) {
  const bool racy = Racy(identity);
  std::lock_guard lock(mutex_);
  if (entries_.size() >= kMaxFiles && entries_.find(path) == entries_.end()) entries_.clear();
  entries_[path] = Entry{identity, std::move(document), racy};
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
