#ifndef TARVOLO_TESTS_UI_PROGRAM_DRIVER_H_
#define TARVOLO_TESTS_UI_PROGRAM_DRIVER_H_

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tarvolo {

// Asks `condition` every few milliseconds until it holds, for some seconds at
// most (the patience of every wait of the driver); whether it held.
bool WaitFor(const std::function<bool()>& condition);

// Where the tests find the program and their data, and where they work
// (Windows paths), and the work folder as the Unix side sees it (for
// screenshots taken with the X display's tools).
struct DriverPaths {
  std::string program;
  std::string data;
  std::string work;
  std::string workUnix;
};
extern DriverPaths g_driverPaths;

// A real tarvolo.exe, copied into a folder and started there; driven from
// outside through its windows as a user would. Every wait gives up after
// some seconds, and a program still running at the end is stopped.
class ProgramDriver {
 public:
  ~ProgramDriver();

  // Starts the copy in `folder` with these arguments after its name, as
  // Explorer starts a program with the files dropped onto its icon.
  bool Start(const std::string& folder, const std::vector<std::string>& arguments = {});
  // Its top-level dialog with this caption, once it is there; null if not.
  HWND WaitWindow(const char* caption);
  // How many of its top-level windows have this caption (null: how many
  // file-open dialogs).
  int CountWindows(const char* caption);
  // The system's file-open dialog, once it is there.
  HWND WaitFileDialog();
  bool WaitGone(HWND window);
  // The exit code once the program ended; -1 when it did not end in time.
  int WaitExit();

  // Clicks and waits until the click's handler has returned.
  static void Click(HWND dialog, int controlId);
  // Clicks without waiting, for buttons that run a dialog of their own.
  static void ClickLater(HWND dialog, int controlId);
  static void PressKey(HWND window, WPARAM key);
  static std::string Text(HWND window);
  static bool HasClass(HWND window, const char* className);
  static std::string ControlText(HWND dialog, int controlId);
  static void SetControlText(HWND dialog, int controlId, const std::string& text);
  static void TypeInto(HWND window, const std::string& text);
  // Waits until the text of the control ends with `end`.
  static bool WaitTextEnds(HWND dialog, int controlId, const std::string& end);

  // The month calendar's day as year * 10000 + month * 100 + day, and
  // setting it: the structure has to be in the program's memory.
  int CalendarDay(HWND dialog, int controlId);
  void SetCalendarDay(HWND dialog, int controlId, int year, int month, int day);

  // The room that the month calendar asks for (MCM_GETMINREQRECT); 0 by 0
  // if it does not tell.
  SIZE CalendarMinimum(HWND dialog, int controlId);

  HWND FocusedWindow();

  // Drops these files onto `window` as Explorer does: a WM_DROPFILES whose
  // DROPFILES block (with wide names) lies in the program's memory. Returns
  // once the program has handled it.
  void DropFiles(HWND window, const std::vector<std::string>& paths);

 private:
  PROCESS_INFORMATION process_ = {};
  bool started_ = false;
};

// Folder helpers: a fresh empty folder (an old one is removed first), and
// whole files byte for byte.
bool MakeFreshFolder(const std::string& path);
std::string ReadWholeFileBytes(const std::string& path);
bool WriteWholeFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// Saves Wine's desktop, or only `window` with its frame, as a PNG in the
// work folder (Wine runs the Unix tool).
bool SaveScreenshot(const std::string& name, HWND window = nullptr);

// Days since 1970-01-01 and back, on the proleptic Gregorian calendar.
int64_t DaysFromCivil(int year, int month, int day);
int CivilFromDays(int64_t days);  // year * 10000 + month * 100 + day

}  // namespace tarvolo

#endif  // TARVOLO_TESTS_UI_PROGRAM_DRIVER_H_
