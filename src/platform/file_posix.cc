#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "platform/file.h"
#include "platform/temporary_name.h"

namespace tarvolo {

// An existing file that may not be written, as the read-only attribute marks
// it on Windows: no write permission for this user, or none for anybody (which
// holds even for the superuser).
bool IsReadOnlyFile(const char* path) {
  struct stat info;
  if (stat(path, &info) != 0 || S_ISDIR(info.st_mode)) return false;
  return access(path, W_OK) != 0 || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

FileHandle OpenFileForReading(const char* path) {
  // Without O_NONBLOCK the open of a pipe waits for a writer, perhaps for ever.
  const int fd = open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return kNoFile;
  struct stat info;
  const int flags = fcntl(fd, F_GETFL);
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
      fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    close(fd);
    return kNoFile;
  }
  return fd;
}

FileHandle CreateTemporaryFileBeside(const char* target, std::string* temporaryPath) {
  // An existing file that may not be written is not replaced, as on Windows.
  if (IsReadOnlyFile(target)) return kNoFile;
  struct timespec now = {};
  clock_gettime(CLOCK_REALTIME, &now);
  const uint64_t base = (static_cast<uint64_t>(getpid()) << 32) ^
                        static_cast<uint64_t>(now.tv_sec) * 1000000007u ^
                        static_cast<uint64_t>(now.tv_nsec);
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temporaryPath = TemporaryPathBeside(target, NextTemporarySeed(base));
    // O_EXCL makes a new file or fails: a link at the name is not followed.
    const int fd =
        open(temporaryPath->c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      break;
    }
    struct stat old;
    if (lstat(target, &old) == 0 && S_ISREG(old.st_mode) && fchmod(fd, old.st_mode & 0777) != 0) {
      close(fd);
      unlink(temporaryPath->c_str());
      break;
    }
    return fd;
  }
  temporaryPath->clear();
  return kNoFile;
}

bool FileSizeOf(FileHandle file, uint64_t* size) {
  struct stat info;
  if (fstat(static_cast<int>(file), &info) != 0) return false;
  *size = static_cast<uint64_t>(info.st_size);
  return true;
}

size_t ReadFromFile(FileHandle file, char* buffer, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = read(static_cast<int>(file), buffer + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  return done;
}

bool WriteToFile(FileHandle file, const char* data, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = write(static_cast<int>(file), data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool FlushFile(FileHandle file) { return fsync(static_cast<int>(file)) == 0; }

void StartFlushingFile(FileHandle file) {
#ifdef SYNC_FILE_RANGE_WRITE
  // Only a hint: FlushFile reports what fails.
  sync_file_range(static_cast<int>(file), 0, 0, SYNC_FILE_RANGE_WRITE);
#else
  (void)file;
#endif
}

void CloseFile(FileHandle file) {
  if (file != kNoFile) close(static_cast<int>(file));
}

bool MapFile(FileHandle file, size_t size, FileView* view) {
  *view = FileView();
  if (size == 0) {
    view->data = "";
    return true;
  }
  int flags = MAP_SHARED;
#ifdef MAP_POPULATE
  flags |= MAP_POPULATE;  // one call maps every page instead of a fault each
#endif
  void* data = mmap(nullptr, size, PROT_READ, flags, static_cast<int>(file), 0);
  if (data == MAP_FAILED) return false;
  view->data = static_cast<const char*>(data);
  view->size = size;
  return true;
}

void UnmapFile(FileView* view) {
  if (view->size != 0) munmap(const_cast<char*>(view->data), view->size);
  *view = FileView();
}

bool ReplaceFileWith(const char* to, const char* from) {
  if (IsReadOnlyFile(to)) return false;
  if (rename(from, to) != 0) return false;
  // The new name lives in the folder: until the folder is on the disk too,
  // a power loss may bring back the old file or none.
  const std::string target(to);
  const size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "."
                             : slash == 0               ? "/"
                                                        : target.substr(0, slash);
  const int directory = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directory >= 0) {
    fsync(directory);  // some file systems cannot; the file is in place all the same
    close(directory);
  }
  return true;
}

void RemoveFile(const char* path) { unlink(path); }

PathKind KindOfPath(const char* path) {
  struct stat info;
  if (lstat(path, &info) != 0) return PathKind::kMissing;
  if (S_ISLNK(info.st_mode)) return PathKind::kLink;
  return S_ISREG(info.st_mode) ? PathKind::kRegularFile : PathKind::kOther;
}

namespace {
FileIdentity IdentityOf(const struct stat& info) {
  FileIdentity identity;
  identity.volume = static_cast<uint64_t>(info.st_dev);
  identity.index = static_cast<uint64_t>(info.st_ino);
  return identity;
}
}  // namespace

bool IdentityOfFile(FileHandle file, FileIdentity* identity) {
  struct stat info;
  if (fstat(static_cast<int>(file), &info) != 0) return false;
  *identity = IdentityOf(info);
  return true;
}

bool IdentityOfPath(const char* path, bool followLink, FileIdentity* identity) {
  struct stat info;
  if ((followLink ? stat(path, &info) : lstat(path, &info)) != 0) return false;
  *identity = IdentityOf(info);
  return true;
}

void PreferLargePages(void* data, size_t size) {
#ifdef MADV_HUGEPAGE
  // Only whole pages inside the buffer may be advised.
  const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const uintptr_t start = (reinterpret_cast<uintptr_t>(data) + page - 1) & ~(page - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + size) & ~(page - 1);
  if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
#else
  (void)data;
  (void)size;
#endif
}

std::string ExecutablePath() {
  std::vector<char> buffer(PATH_MAX);
  for (;;) {
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return std::string();
    if (static_cast<size_t>(n) < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace tarvolo
