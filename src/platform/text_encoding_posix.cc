#include <iconv.h>

#include <cerrno>

#include "platform/text_encoding.h"

namespace tarvolo {
namespace {

// Converts with iconv; a character that the target lacks, or a byte that is
// not valid in the source, becomes '?'.
std::string Convert(const std::string& text, const char* from, const char* to) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return text;
  std::string result;
  char buffer[256];
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  while (inLeft > 0) {
    char* out = buffer;
    size_t outLeft = sizeof buffer;
    const size_t done = iconv(converter, &in, &inLeft, &out, &outLeft);
    result.append(buffer, out - buffer);
    if (done == static_cast<size_t>(-1) && errno != E2BIG) {
      // Skip the one character that cannot be converted (a whole UTF-8
      // sequence when reading UTF-8).
      size_t skip = std::string(from) == "UTF-16LE" ? 2 : 1;
      if (std::string(from) == "UTF-8") {
        while (skip < inLeft && (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80) ++skip;
      }
      in += skip;
      inLeft -= skip;
      result += '?';
      iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(converter);
  return result;
}

}  // namespace

std::vector<std::string> TextArguments(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 0; i < argc; ++i) arguments.push_back(Convert(argv[i], "UTF-8", "CP1250"));
  return arguments;
}

std::vector<std::string> PathArguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

std::string Utf16ToWindows1250(const std::u16string& text) {
  std::string littleEndian;
  littleEndian.reserve(text.size() * 2);
  for (char16_t unit : text) {
    littleEndian.push_back(static_cast<char>(unit & 0xFF));
    littleEndian.push_back(static_cast<char>(unit >> 8));
  }
  return Convert(littleEndian, "UTF-16LE", "CP1250");
}

std::string PathToText(const std::string& path) { return Convert(path, "UTF-8", "CP1250"); }

std::string ToTerminal(const std::string& windows1250) {
  return Convert(windows1250, "CP1250", "UTF-8");
}

}  // namespace tarvolo
