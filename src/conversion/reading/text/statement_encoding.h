#ifndef TARVOLO_CONVERSION_READING_TEXT_STATEMENT_ENCODING_H_
#define TARVOLO_CONVERSION_READING_TEXT_STATEMENT_ENCODING_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvolo {

// The encodings a statement file comes in, told from its bytes, and its
// conversion to the Windows-1250 every reading takes.
enum class TextEncoding { kWindows1250, kUtf8, kUtf16LittleEndian, kUtf16BigEndian };

// How a statement file is encoded: a byte-order mark names UTF-8 or UTF-16;
// without one, a text that is UTF-8 and holds characters that Windows-1250
// has, or emoji, at least as often as others is UTF-8 (Czech text in
// Windows-1250 almost never is), however many emoji it holds, though it may
// hold a byte that is no UTF-8 for every two such characters; anything else
// is Windows-1250.
TextEncoding DetectEncoding(std::string_view bytes);

// The bytes of a UTF-8 text that are no UTF-8, each read as '?'.
struct Utf8Damage {
  size_t bytes = 0;
  size_t first = 0;  // where the first one's '?' stands in the text converted
};

// The text in Windows-1250. Characters that Windows-1250 lacks become '?'
// (no best-fit guesses), so every build gives the same bytes; a byte-order
// mark is dropped. Windows-1250 text comes back unchanged.
std::string ToWindows1250(std::string bytes, TextEncoding encoding);

// The same in the `size` bytes at `bytes`, which the text in Windows-1250
// (never longer) replaces, so that a statement is never held twice; returns
// its length.
size_t ToWindows1250InPlace(char* bytes, size_t size, TextEncoding encoding,
                            Utf8Damage* damage = nullptr);

// The encoding's name for the log ("UTF-8", "UTF-16").
const char* EncodingName(TextEncoding encoding);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_TEXT_STATEMENT_ENCODING_H_
