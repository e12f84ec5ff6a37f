#ifndef TARVOLO_PLATFORM_FILE_H_
#define TARVOLO_PLATFORM_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvolo {

// An open file of the operating system; kNoFile when none.
using FileHandle = intptr_t;
constexpr FileHandle kNoFile = -1;

// Opens an existing regular file for reading; others may read it at the same
// time. Anything else (a folder, a device, a pipe) is not opened, and a pipe
// without a writer never makes the call wait.
FileHandle OpenFileForReading(const char* path);
// Creates a new file with a short unique name in the folder of `target`,
// opened for reading and writing, and puts its path in `temporaryPath`. It
// is never an existing file or a link planted at that name. When `target` is
// a regular file, the new one takes over its permission bits.
FileHandle CreateTemporaryFileBeside(const char* target, std::string* temporaryPath);
// The file's size in bytes; false when it cannot be told.
bool FileSizeOf(FileHandle file, uint64_t* size);
// Reads up to `size` bytes; returns how many were read.
size_t ReadFromFile(FileHandle file, char* buffer, size_t size);
// Writes all `size` bytes; false on any failure.
bool WriteToFile(FileHandle file, const char* data, size_t size);
// Flushes what was written to the disk; false on any failure.
bool FlushFile(FileHandle file);
// Has the system begin writing out what was written, without waiting for
// it, so that a flush after other work waits for less. Where the system
// has no such call, nothing.
void StartFlushingFile(FileHandle file);
void CloseFile(FileHandle file);
// The first `size` bytes of an open file, mapped read-only: the bytes as the
// file holds them, not a copy made by the program.
struct FileView {
  const char* data = nullptr;
  size_t size = 0;
  intptr_t mapping = 0;  // the mapping object where the system has one
};
// False when the file cannot be mapped; a view of no bytes needs no mapping.
bool MapFile(FileHandle file, size_t size, FileView* view);
// Ends a view made by MapFile; before the file is closed, renamed or removed.
void UnmapFile(FileView* view);
// Puts `from` in the place of `to`, replacing it in one step; a link at
// `to` is replaced itself, its target stays as it was.
bool ReplaceFileWith(const char* to, const char* from);
void RemoveFile(const char* path);

// What stands at a path, a link not followed.
enum class PathKind { kMissing, kRegularFile, kLink, kOther };
PathKind KindOfPath(const char* path);

// Whether the existing file at `path` is one the program never replaces: read
// only by its attribute, or by its permissions for this user.
bool IsReadOnlyFile(const char* path);

// The file itself, whatever names lead to it: device and inode, or on
// Windows the volume serial number and the file index.
struct FileIdentity {
  uint64_t volume = 0;
  uint64_t index = 0;
  bool operator==(const FileIdentity& other) const {
    return volume == other.volume && index == other.index;
  }
};
bool IdentityOfFile(FileHandle file, FileIdentity* identity);
// The identity of what `path` names: with `followLink` the file a link leads
// to, without it the link itself. False when nothing is there.
bool IdentityOfPath(const char* path, bool followLink, FileIdentity* identity);

// Asks the system to back a large buffer not yet touched with large memory
// pages, which are filled with far fewer page faults. Only advice: systems
// without it ignore it.
void PreferLargePages(void* data, size_t size);

// The full path of the running executable.
std::string ExecutablePath();

// Separator between a folder and a name in a path.
#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

}  // namespace tarvolo

#endif  // TARVOLO_PLATFORM_FILE_H_
