// Starts a Windows program with the rest of this program's command line, with
// TZ removed from its environment, and returns its exit code. Under Wine the
// time zone comes from TZ, but the Windows C runtime would also read TZ
// itself and take a zone name such as Europe/Prague for UTC; a real Windows
// has no TZ variable, and neither does the program started here.
#include <windows.h>

int main() {
  const wchar_t* commandLine = GetCommandLineW();
  // Skip this program's own name, quoted or not.
  bool quoted = false;
  while (*commandLine != L'\0') {
    if (*commandLine == L'"') quoted = !quoted;
    if (!quoted && (*commandLine == L' ' || *commandLine == L'\t')) break;
    ++commandLine;
  }
  while (*commandLine == L' ' || *commandLine == L'\t') ++commandLine;
  if (*commandLine == L'\0') return 2;

  SetEnvironmentVariableW(L"TZ", nullptr);
  static wchar_t buffer[32768];
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  // Under a busy Wine a start can fail now and then for no reason of the
  // program's; a few tries keep that from failing a test.
  bool started = false;
  DWORD error = 0;
  for (int attempt = 0; attempt < 5 && !started; ++attempt) {
    if (attempt > 0) Sleep(500);
    // CreateProcessW may write into the command line, so each try gets it anew.
    lstrcpynW(buffer, commandLine, 32768);
    started = CreateProcessW(nullptr, buffer, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                             &process) != FALSE;
    if (!started) error = GetLastError();
  }
  if (!started) {
    char message[96];
    wsprintfA(message, "wine_launcher: the program could not be started (error %lu)\r\n",
              static_cast<unsigned long>(error));
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), message, lstrlenA(message), &written, nullptr);
    return 127;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return static_cast<int>(exitCode);
}
