#include <windows.h>

#include <shellapi.h>

#include "platform/text_encoding.h"

namespace tarvolo {
namespace {

constexpr UINT kWindows1250 = 1250;

std::string FromWide(const wchar_t* text, size_t length, UINT codePage) {
  // UTF-8 takes neither flags nor a default character.
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const char* replacement = utf8 ? nullptr : "?";
  if (length == 0) return std::string();
  const int size = WideCharToMultiByte(codePage, flags, text, static_cast<int>(length), nullptr, 0,
                                       replacement, nullptr);
  if (size <= 0) return std::string();
  std::string result(size, '\0');
  WideCharToMultiByte(codePage, flags, text, static_cast<int>(length), &result[0], size,
                      replacement, nullptr);
  return result;
}

}  // namespace

std::vector<std::string> TextArguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr || count != argc) {
    if (wide) LocalFree(wide);
    return PathArguments(argc, argv);
  }
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i)
    arguments.push_back(FromWide(wide[i], lstrlenW(wide[i]), kWindows1250));
  LocalFree(wide);
  return arguments;
}

std::vector<std::string> PathArguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

std::string Utf16ToWindows1250(const std::u16string& text) {
  const std::wstring wide(text.begin(), text.end());
  return FromWide(wide.data(), wide.size(), kWindows1250);
}

// Paths are in the ANSI code page, which is Windows-1250 on a Czech system.
std::string PathToText(const std::string& path) {
  if (GetACP() == kWindows1250 || path.empty()) return path;
  const int size =
      MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  if (size <= 0) return path;
  std::wstring wide(size, L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), &wide[0], size);
  return FromWide(wide.data(), wide.size(), kWindows1250);
}

std::string ToTerminal(const std::string& windows1250) {
  UINT console = GetConsoleOutputCP();
  if (console == 0 || console == kWindows1250) return windows1250;
  const int size = MultiByteToWideChar(kWindows1250, 0, windows1250.c_str(), -1, nullptr, 0);
  if (size <= 0) return windows1250;
  std::wstring wide(size, L'\0');
  MultiByteToWideChar(kWindows1250, 0, windows1250.c_str(), -1, &wide[0], size);
  return FromWide(wide.c_str(), wide.size() - 1, console);
}

}  // namespace tarvolo
