#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/file.h"
#include "platform/temporary_name.h"

namespace tarvolo {

static_assert(sizeof(FileHandle) == sizeof(HANDLE), "a handle fits");

namespace {

// The path for the wide file functions, converted as the A functions convert
// it. Those refuse paths of MAX_PATH characters or more; the wide ones take a
// full path of any length in the "\\?\" form.
std::wstring WidePath(const char* path) {
  std::string text = path;
  const bool drivePath = text.size() >= 3 && text[1] == ':' && (text[2] == '\\' || text[2] == '/');
  if (text.size() >= MAX_PATH && drivePath) {
    std::replace(text.begin(), text.end(), '/', '\\');
    text = "\\\\?\\" + text;
  }
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

}  // namespace

// A file that is never replaced, whatever rights the user has.
bool IsReadOnlyFile(const char* path) {
  const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

FileHandle OpenFileForReading(const char* path) {
  // Another run may replace the file while it is read here.
  HANDLE file =
      CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return kNoFile;
  // Devices, consoles and pipes are no statement files.
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return kNoFile;
  }
  return reinterpret_cast<FileHandle>(file);
}

FileHandle CreateTemporaryFileBeside(const char* target, std::string* temporaryPath) {
  // Refused before anything is written: found only when it is replaced, it
  // would stop a write of several files after the others took their places.
  if (IsReadOnlyFile(target)) return kNoFile;
  const uint64_t base = (static_cast<uint64_t>(GetCurrentProcessId()) << 32) ^
                        static_cast<uint64_t>(GetTickCount64()) * 1000000007u;
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temporaryPath = TemporaryPathBeside(target, NextTemporarySeed(base));
    // CREATE_NEW makes a new file or fails: nothing at the name is opened.
    HANDLE file =
        CreateFileW(WidePath(temporaryPath->c_str()).c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) return reinterpret_cast<FileHandle>(file);
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
  }
  temporaryPath->clear();
  return kNoFile;
}

bool FileSizeOf(FileHandle file, uint64_t* size) {
  DWORD high = 0;
  const DWORD low = GetFileSize(reinterpret_cast<HANDLE>(file), &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return false;
  *size = (static_cast<uint64_t>(high) << 32) | low;
  return true;
}

size_t ReadFromFile(FileHandle file, char* buffer, size_t size) {
  size_t done = 0;
  while (done < size) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size - done, 1u << 30));
    DWORD read = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(file), buffer + done, chunk, &read, nullptr) ||
        read == 0) {
      break;
    }
    done += read;
  }
  return done;
}

bool WriteToFile(FileHandle file, const char* data, size_t size) {
  size_t done = 0;
  while (done < size) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(reinterpret_cast<HANDLE>(file), data + done, chunk, &written, nullptr) ||
        written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

bool FlushFile(FileHandle file) { return FlushFileBuffers(reinterpret_cast<HANDLE>(file)) != 0; }

void StartFlushingFile(FileHandle) {}

void CloseFile(FileHandle file) {
  if (file != kNoFile) CloseHandle(reinterpret_cast<HANDLE>(file));
}

bool MapFile(FileHandle file, size_t size, FileView* view) {
  *view = FileView();
  if (size == 0) {
    view->data = "";
    return true;
  }
  HANDLE mapping =
      CreateFileMappingW(reinterpret_cast<HANDLE>(file), nullptr, PAGE_READONLY, 0, 0, nullptr);
  if (mapping == nullptr) return false;
  const void* data = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, size);
  if (data == nullptr) {
    CloseHandle(mapping);
    return false;
  }
  view->data = static_cast<const char*>(data);
  view->size = size;
  view->mapping = reinterpret_cast<intptr_t>(mapping);
  return true;
}

void UnmapFile(FileView* view) {
  if (view->size != 0) {
    UnmapViewOfFile(view->data);
    CloseHandle(reinterpret_cast<HANDLE>(view->mapping));
  }
  *view = FileView();
}

bool ReplaceFileWith(const char* to, const char* from) {
  // Made read-only since its temporary file was made.
  if (IsReadOnlyFile(to)) return false;
  // A file that another program holds open for a moment (another run
  // replacing it too, a virus scanner) cannot be replaced until it lets go.
  for (int attempt = 0;; ++attempt) {
    if (MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return true;
    }
    const DWORD error = GetLastError();
    if (attempt == 50 || (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)) {
      return false;
    }
    Sleep(20);
  }
}

void RemoveFile(const char* path) { DeleteFileW(WidePath(path).c_str()); }

namespace {

// Opens what `path` names without reading or writing it, folders too; a
// link itself unless `followLink`.
HANDLE OpenForAttributes(const char* path, bool followLink) {
  DWORD flags = FILE_FLAG_BACKUP_SEMANTICS;
  if (!followLink) flags |= FILE_FLAG_OPEN_REPARSE_POINT;
  return CreateFileW(WidePath(path).c_str(), 0,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     flags, nullptr);
}

}  // namespace

PathKind KindOfPath(const char* path) {
  const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return PathKind::kOther;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return PathKind::kLink;
  }
  // Device names (NUL, COM1) have no attributes of their own: what opens
  // tells.
  HANDLE file = OpenForAttributes(path, false);
  if (file == INVALID_HANDLE_VALUE) {
    return attributes == INVALID_FILE_ATTRIBUTES ? PathKind::kMissing : PathKind::kOther;
  }
  const DWORD type = GetFileType(file);
  CloseHandle(file);
  return type == FILE_TYPE_DISK ? PathKind::kRegularFile : PathKind::kOther;
}

bool IdentityOfFile(FileHandle file, FileIdentity* identity) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(reinterpret_cast<HANDLE>(file), &info)) return false;
  identity->volume = info.dwVolumeSerialNumber;
  identity->index = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return true;
}

bool IdentityOfPath(const char* path, bool followLink, FileIdentity* identity) {
  HANDLE file = OpenForAttributes(path, followLink);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool known = IdentityOfFile(reinterpret_cast<FileHandle>(file), identity);
  CloseHandle(file);
  return known;
}

// Large pages need a privilege that users do not hold; the buffer keeps the
// usual pages.
void PreferLargePages(void*, size_t) {}

std::string ExecutablePath() {
  std::vector<char> buffer(512);
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::string();
    if (n < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);  // cut off: try a larger buffer
  }
}

}  // namespace tarvolo
