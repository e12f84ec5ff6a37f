#ifndef TARVOLO_PLATFORM_TEXT_ENCODING_H_
#define TARVOLO_PLATFORM_TEXT_ENCODING_H_

#include <string>
#include <vector>

namespace tarvolo {

// The command-line arguments as Windows-1250 texts (characters that
// Windows-1250 lacks become '?'), for options that carry texts.
std::vector<std::string> TextArguments(int argc, char** argv);

// The command-line arguments as the system's file functions take them, for
// options that carry paths.
std::vector<std::string> PathArguments(int argc, char** argv);

// A path as the system's file functions take it, as Windows-1250 text for
// the log (characters that Windows-1250 lacks become '?').
std::string PathToText(const std::string& path);

// A Windows-1250 text in the encoding of the terminal (UTF-8 on Linux, the
// console's code page on Windows).
std::string ToTerminal(const std::string& windows1250);

// UTF-16 text (no surrogates, no C1 controls) in Windows-1250; characters
// that Windows-1250 lacks become '?', with no best-fit guessing.
std::string Utf16ToWindows1250(const std::u16string& text);

}  // namespace tarvolo

#endif  // TARVOLO_PLATFORM_TEXT_ENCODING_H_
