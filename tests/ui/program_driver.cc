#include "program_driver.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace tarvolo {

DriverPaths g_driverPaths;

namespace {

constexpr DWORD kPatience = 20000;  // milliseconds for any one wait
constexpr DWORD kPoll = 25;

}  // namespace

bool WaitFor(const std::function<bool()>& condition) {
  for (DWORD waited = 0; waited < kPatience; waited += kPoll) {
    if (condition()) return true;
    Sleep(kPoll);
  }
  return condition();
}

namespace {

struct WindowSearch {
  DWORD processId;
  const char* caption;  // null: the file dialog
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  if (!ProgramDriver::HasClass(window, "#32770")) return TRUE;
  if (search->caption == nullptr) {
    // The file name box of the explorer-style file-open dialog.
    if (GetDlgItem(window, 0x47C) != nullptr) search->found.push_back(window);
  } else if (ProgramDriver::Text(window) == search->caption) {
    search->found.push_back(window);
  }
  return TRUE;
}

std::vector<HWND> FindWindows(DWORD processId, const char* caption) {
  WindowSearch search{processId, caption, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  return RemoveDirectoryA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
         GetLastError() == ERROR_PATH_NOT_FOUND;
}

}  // namespace

ProgramDriver::~ProgramDriver() {
  if (!started_) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, kPatience);
  }
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
}

bool ProgramDriver::Start(const std::string& folder, const std::vector<std::string>& arguments) {
  const std::string exe = folder + "\\tarvolo.exe";
  if (!CopyFileA(g_driverPaths.program.c_str(), exe.c_str(), FALSE)) return false;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + exe + "\"";
  for (const std::string& argument : arguments) commandLine += " \"" + argument + "\"";
  if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process_)) {
    return false;
  }
  started_ = true;
  WaitForInputIdle(process_.hProcess, kPatience);
  return true;
}

HWND ProgramDriver::WaitWindow(const char* caption) {
  HWND window = nullptr;
  WaitFor([&] {
    std::vector<HWND> found = FindWindows(process_.dwProcessId, caption);
    window = found.empty() ? nullptr : found.front();
    return window != nullptr;
  });
  return window;
}

int ProgramDriver::CountWindows(const char* caption) {
  return static_cast<int>(FindWindows(process_.dwProcessId, caption).size());
}

HWND ProgramDriver::WaitFileDialog() { return WaitWindow(nullptr); }

bool ProgramDriver::WaitGone(HWND window) {
  return WaitFor([&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

int ProgramDriver::WaitExit() {
  if (WaitForSingleObject(process_.hProcess, kPatience) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return static_cast<int>(code);
}

bool ProgramDriver::HasClass(HWND window, const char* className) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, className) == 0;
}

void ProgramDriver::Click(HWND dialog, int controlId) {
  SendMessageA(GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

void ProgramDriver::ClickLater(HWND dialog, int controlId) {
  PostMessageA(GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

void ProgramDriver::PressKey(HWND window, WPARAM key) {
  PostMessageA(window, WM_KEYDOWN, key, 1);
  PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

std::string ProgramDriver::Text(HWND window) {
  const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(
      SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]))));
  return text;
}

std::string ProgramDriver::ControlText(HWND dialog, int controlId) {
  return Text(GetDlgItem(dialog, controlId));
}

void ProgramDriver::SetControlText(HWND dialog, int controlId, const std::string& text) {
  TypeInto(GetDlgItem(dialog, controlId), text);
}

void ProgramDriver::TypeInto(HWND window, const std::string& text) {
  SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool ProgramDriver::WaitTextEnds(HWND dialog, int controlId, const std::string& end) {
  return WaitFor([&] {
    const std::string text = ControlText(dialog, controlId);
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
  });
}

int ProgramDriver::CalendarDay(HWND dialog, int controlId) {
  void* remote =
      VirtualAllocEx(process_.hProcess, nullptr, sizeof(SYSTEMTIME), MEM_COMMIT, PAGE_READWRITE);
  SYSTEMTIME day = {};
  const bool selected = SendMessageA(GetDlgItem(dialog, controlId), MCM_GETCURSEL, 0,
                                     reinterpret_cast<LPARAM>(remote)) != 0;
  ReadProcessMemory(process_.hProcess, remote, &day, sizeof day, nullptr);
  VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
  return selected ? day.wYear * 10000 + day.wMonth * 100 + day.wDay : 0;
}

void ProgramDriver::SetCalendarDay(HWND dialog, int controlId, int year, int month, int day) {
  SYSTEMTIME time = {};
  time.wYear = static_cast<WORD>(year);
  time.wMonth = static_cast<WORD>(month);
  time.wDay = static_cast<WORD>(day);
  void* remote =
      VirtualAllocEx(process_.hProcess, nullptr, sizeof time, MEM_COMMIT, PAGE_READWRITE);
  WriteProcessMemory(process_.hProcess, remote, &time, sizeof time, nullptr);
  SendMessageA(GetDlgItem(dialog, controlId), MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(remote));
  VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
}

SIZE ProgramDriver::CalendarMinimum(HWND dialog, int controlId) {
  void* remote =
      VirtualAllocEx(process_.hProcess, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  RECT needed = {};
  const bool told = SendMessageA(GetDlgItem(dialog, controlId), MCM_GETMINREQRECT, 0,
                                 reinterpret_cast<LPARAM>(remote)) != 0;
  ReadProcessMemory(process_.hProcess, remote, &needed, sizeof needed, nullptr);
  VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
  if (!told) return {0, 0};
  return {needed.right - needed.left, needed.bottom - needed.top};
}

HWND ProgramDriver::FocusedWindow() {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(process_.dwThreadId, &info);
  return info.hwndFocus;
}

void ProgramDriver::DropFiles(HWND window, const std::vector<std::string>& paths) {
  std::wstring names;
  for (const std::string& path : paths) {
    std::wstring name(path.size() + 1, L'\0');
    name.resize(
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &name[0], static_cast<int>(name.size())));
    names += name;  // with its NUL
  }
  names += L'\0';
  DROPFILES header = {};
  header.pFiles = sizeof header;
  header.fWide = TRUE;
  std::string block(reinterpret_cast<const char*>(&header), sizeof header);
  block.append(reinterpret_cast<const char*>(names.data()), names.size() * sizeof(wchar_t));
  // Wine hands wParam over as it is, so a handle of this process would name
  // some other memory of the program; a fixed block is its own handle.
  void* remote =
      VirtualAllocEx(process_.hProcess, nullptr, block.size(), MEM_COMMIT, PAGE_READWRITE);
  WriteProcessMemory(process_.hProcess, remote, block.data(), block.size(), nullptr);
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0, SMTO_NORMAL,
                      kPatience, &answer);
  VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
}

bool MakeFreshFolder(const std::string& path) {
  RemoveTree(path);
  return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

std::string ReadWholeFileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  if (!bytes.empty()) ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

bool WriteWholeFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size();
  CloseHandle(file);
  return ok;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool SaveScreenshot(const std::string& name, HWND window) {
  const std::string unixPath = g_driverPaths.workUnix + "/" + name;
  const std::string path = g_driverPaths.work + "\\" + name;
  DeleteFileA(path.c_str());
  // The desktop lies at the display's corner, which may be larger.
  RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (window != nullptr) GetWindowRect(window, &area);
  const std::string crop = std::to_string(area.right - area.left) + "x" +
                           std::to_string(area.bottom - area.top) + "+" +
                           std::to_string(area.left) + "+" + std::to_string(area.top);
  // Wine starts Unix programs too; the display is the one the tests run on.
  std::string commandLine = "/usr/bin/import -window root -crop " + crop + " " + unixPath;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  WaitForSingleObject(process.hProcess, kPatience);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  // The Unix program's end is not always reported; its file is.
  bool saved = false;
  WaitFor([&] {
    saved = ReadWholeFileBytes(path).size() > 1000;
    return saved;
  });
  return saved;
}

// Through the system's own calendar, not the program's arithmetic.
constexpr int64_t kTicksPerDay = 864000000000LL;
constexpr int64_t kDaysFrom1601To1970 = 134774;

int64_t DaysFromCivil(int year, int month, int day) {
  SYSTEMTIME date = {};
  date.wYear = static_cast<WORD>(year);
  date.wMonth = static_cast<WORD>(month);
  date.wDay = static_cast<WORD>(day);
  FILETIME ticks = {};
  SystemTimeToFileTime(&date, &ticks);
  const int64_t since1601 =
      (static_cast<int64_t>(ticks.dwHighDateTime) << 32 | ticks.dwLowDateTime) / kTicksPerDay;
  return since1601 - kDaysFrom1601To1970;
}

int CivilFromDays(int64_t days) {
  const uint64_t since1601 = static_cast<uint64_t>(days + kDaysFrom1601To1970) * kTicksPerDay;
  FILETIME ticks = {static_cast<DWORD>(since1601), static_cast<DWORD>(since1601 >> 32)};
  SYSTEMTIME date = {};
  FileTimeToSystemTime(&ticks, &date);
  return date.wYear * 10000 + date.wMonth * 100 + date.wDay;
}

}  // namespace tarvolo
