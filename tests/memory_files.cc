#include "memory_files.h"

#include <cstring>
#include <new>
#include <string_view>
#include <utility>

namespace tarvolo {

std::string MemoryFiles::Key(const std::string& path) const {
  std::string key;
  for (const char c : path) {
    if (c != kPathSeparator || key.empty() || key.back() != kPathSeparator) key += c;
  }
  return key;
}

std::shared_ptr<MemoryFiles::Entry> MemoryFiles::Find(const std::string& path) const {
  const auto found = files_.find(Key(path));
  return found == files_.end() ? nullptr : found->second;
}

std::shared_ptr<MemoryFiles::Entry> MemoryFiles::NewFile(std::string bytes) {
  auto file = std::make_shared<Entry>();
  file->bytes = std::move(bytes);
  file->index = ++lastIndex_;
  return file;
}

bool MemoryFiles::ReadFile(const std::string& path, FileBytes* content, FileIdentity* identity) {
  const std::shared_ptr<Entry> file = Find(path);
  if (file == nullptr || !content->Allocate(file->bytes.size())) {
    content->Allocate(0);
    return false;
  }
  std::memcpy(content->data(), file->bytes.data(), file->bytes.size());
  if (identity != nullptr) *identity = {1, file->index};
  return true;
}

PathKind MemoryFiles::KindOf(const std::string& path) {
  if (folders_.count(Key(path)) != 0) return PathKind::kOther;
  return Find(path) == nullptr ? PathKind::kMissing : PathKind::kRegularFile;
}

bool MemoryFiles::IdentityOf(const std::string& path, bool followLink, FileIdentity* identity) {
  (void)followLink;  // a second name here is the file itself, as a hard link is
  const std::shared_ptr<Entry> file = Find(path);
  if (file == nullptr) return false;
  *identity = {1, file->index};
  return true;
}

bool MemoryFiles::WriteOne(const FileToWrite& file, std::string* bytes) const {
  const std::shared_ptr<Entry> old = Find(file.path);
  if (folders_.count(Key(file.path)) != 0 || (old != nullptr && old->readOnly)) return false;
  const BytesWriter write = [bytes](std::string_view piece) {
    bytes->append(piece);
    return true;
  };
  if (!(file.content ? file.content(write) : write(file.bytes))) return false;
  if (!file.check) return true;
  try {
    file.check(*bytes);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

bool MemoryFiles::WriteFiles(const std::vector<FileToWrite>& files) {
  std::vector<std::string> written(files.size());
  for (size_t i = 0; i < files.size(); ++i) {
    if (!WriteOne(files[i], &written[i])) return false;
  }
  // Each replaced file is a new one, as a temporary file renamed over the
  // old one is.
  for (size_t i = 0; i < files.size(); ++i) {
    files_[Key(files[i].path)] = NewFile(std::move(written[i]));
  }
  return true;
}

std::string MemoryFiles::File(const std::string& name) const {
  return path_ + kPathSeparator + name;
}

std::string MemoryFiles::Write(const std::string& name, const std::string& content) {
  const std::string path = File(name);
  std::shared_ptr<Entry>& file = files_[Key(path)];
  if (file == nullptr) file = NewFile("");
  file->bytes = content;
  return path;
}

std::string MemoryFiles::Read(const std::string& path) const {
  const std::shared_ptr<Entry> file = Find(path);
  return file == nullptr ? "" : file->bytes;
}

void MemoryFiles::AddFolder(const std::string& name) { folders_.insert(Key(File(name))); }

void MemoryFiles::Link(const std::string& name, const std::string& existing) {
  files_[Key(File(name))] = Find(existing);
}

void MemoryFiles::SetReadOnly(const std::string& path) {
  if (const std::shared_ptr<Entry> file = Find(path)) file->readOnly = true;
}

std::string InMemoryFolder(std::string text) {
  for (size_t at = text.find("memory/"); at != std::string::npos;
       at = text.find("memory/", at + 7)) {
    text[at + 6] = kPathSeparator;
  }
  return text;
}

}  // namespace tarvolo
