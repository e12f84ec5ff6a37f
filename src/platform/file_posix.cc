#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <vector>

#include "platform/file.h"

namespace tarvolo {
namespace {

// An existing file that may not be written, as the read-only attribute marks
// it on Windows: no write permission for this user, or none for anybody (which
// holds even for the superuser).
bool IsReadOnlyFile(const char* path) {
  struct stat info;
  if (stat(path, &info) != 0 || S_ISDIR(info.st_mode)) return false;
  return access(path, W_OK) != 0 || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

FileHandle OpenFileForReading(const char* path) {
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return kNoFile;
  struct stat info;
  if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    close(fd);
    return kNoFile;
  }
  return fd;
}

FileHandle CreateFileForWriting(const char* path) {
  // An existing file that may not be written is not replaced, as on Windows.
  if (IsReadOnlyFile(path)) return kNoFile;
  const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  return fd < 0 ? kNoFile : fd;
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
  return fsync(static_cast<int>(file)) == 0;
}

void CloseFile(FileHandle file) {
  if (file != kNoFile) close(static_cast<int>(file));
}

bool ReplaceFileWith(const char* to, const char* from) {
  if (IsReadOnlyFile(to)) return false;
  return rename(from, to) == 0;
}

void RemoveFile(const char* path) { unlink(path); }

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
