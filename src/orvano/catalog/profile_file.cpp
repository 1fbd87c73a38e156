#include "orvano/catalog/profile_file.h"

#include "orvano/catalog/file_io.h"
#include "orvano/catalog/profile_cache.h"
#include "orvano/catalog/profile_document.h"
#include "orvano/host/strings.h"

namespace orvano::catalog {

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, std::size_t bufferSize,
                                    const std::string& file) {
  if (bufferSize == 0) return {};
  std::optional<std::string> value;
  const LoadedProfile loaded = ProfileCache::Instance().Load(file);
  if (loaded.document) value = loaded.document->Find(section, key);
  if (!value) value = host::RTrim(defaultValue);
  if (value->size() < bufferSize) return std::move(*value);  // fewer bytes, so fewer characters
  return host::Left(*value, bufferSize - 1);
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::optional<std::string>& value, const std::string& file) {
  // Refuse what cannot be written before touching the file at all.
  if (ApplyWrite(nullptr, section, key, std::string()).outcome == EditOutcome::Refused ||
      (value && ApplyWrite(nullptr, section, key, value).outcome == EditOutcome::Refused))
    return false;

  const std::string path = ResolveLinks(file);
  FileLock lock;
  const FileState state = lock.Acquire(path, value.has_value());
  if (state == FileState::Missing) return true;  // nothing to remove
  if (state != FileState::Ok) return false;

  // Read again inside the lock: another process may have written since we last looked.
  std::shared_ptr<const ProfileDocument> doc;
  if (!lock.Missing()) {
    std::string bytes;
    FileIdentity identity;
    if (lock.Read(bytes, identity) != FileState::Ok) return false;
    doc = ProfileDocument::Parse(std::move(bytes));
  }
  Edit edit = ApplyWrite(doc.get(), section, key, value);
  if (edit.outcome != EditOutcome::Changed) return edit.outcome == EditOutcome::Unchanged;

  FileIdentity written;
  auto updated = ProfileDocument::Parse(std::move(edit.bytes));
  if (!lock.Replace(updated->Bytes(), written)) return false;
  ProfileCache::Instance().Store(file, written, std::move(updated));
  if (path != file) ProfileCache::Instance().Forget(path);
  return true;
}

}  // namespace orvano::catalog
