#ifndef TARVOLO_SETTINGS_BOUNDED_TEXT_H_
#define TARVOLO_SETTINGS_BOUNDED_TEXT_H_

#include <cstddef>
#include <cstring>

namespace tarvolo {

// Puts the first `length` characters of `text`, at most `size` - 1 of them,
// and a NUL at the start of `field`, which holds `size` bytes. The bytes after
// the NUL stay as they were: the profile is stored as its bare record, so they
// are part of the file.
inline void CopyBoundedText(char* field, size_t size, const char* text, size_t length) {
  if (size == 0) return;
  if (length > size - 1) length = size - 1;
  std::memmove(field, text, length);
  field[length] = '\0';
}

// The same into a field of fixed size.
template <size_t N>
void CopyBoundedText(char (&field)[N], const char* text, size_t length) {
  CopyBoundedText(field, N, text, length);
}

}  // namespace tarvolo

#endif  // TARVOLO_SETTINGS_BOUNDED_TEXT_H_
