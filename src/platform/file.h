#ifndef TARVOLO_PLATFORM_FILE_H_
#define TARVOLO_PLATFORM_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvolo {

// An open file of the operating system; kNoFile when none.
using FileHandle = intptr_t;
constexpr FileHandle kNoFile = -1;

// Opens an existing file for reading; others may read it at the same time.
FileHandle OpenFileForReading(const char* path);
// Creates a file for writing, replacing and truncating an existing one;
// others may read it while it is open.
FileHandle CreateFileForWriting(const char* path);
// The file's size in bytes; false when it cannot be told.
bool FileSizeOf(FileHandle file, uint64_t* size);
// Reads up to `size` bytes; returns how many were read.
size_t ReadFromFile(FileHandle file, char* buffer, size_t size);
// Writes all `size` bytes and flushes them to the disk; false on any failure.
bool WriteToFile(FileHandle file, const char* data, size_t size);
void CloseFile(FileHandle file);
// Puts `from` in the place of `to`, replacing it in one step.
bool ReplaceFileWith(const char* to, const char* from);
void RemoveFile(const char* path);

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
