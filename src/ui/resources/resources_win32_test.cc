// The program's resources as the system loads them: Czech templates with the
// right font, texts arriving as Windows-1250.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tarvolo_version.h"
#include "ui/resources/resource_ids.h"

namespace tarvolo {
namespace {

const WORD kCzech = MAKELANGID(LANG_CZECH, SUBLANG_DEFAULT);

std::string ResourceBytes(const char* type, int id) {
  HRSRC found = FindResourceExA(nullptr, type, MAKEINTRESOURCEA(id), kCzech);
  if (found == nullptr) return std::string();
  const char* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
  return std::string(data, SizeofResource(nullptr, found));
}

// The font of an extended dialog template (DLGTEMPLATEEX).
struct TemplateFont {
  DWORD style;
  WORD points, weight;
  BYTE italic, charset;
  std::wstring face;
};

const WORD* SkipSzOrOrd(const WORD* p) {
  if (*p == 0xFFFF) return p + 2;
  while (*p != 0) ++p;
  return p + 1;
}

bool ReadTemplateFont(const std::string& bytes, TemplateFont* font) {
  if (bytes.size() < 26) return false;
  const WORD* words = reinterpret_cast<const WORD*>(bytes.data());
  if (words[0] != 1 || words[1] != 0xFFFF) return false;  // not extended
  std::memcpy(&font->style, bytes.data() + 12, sizeof font->style);
  const WORD* p = words + 13;  // after the fixed header: menu
  p = SkipSzOrOrd(p);          // window class
  p = SkipSzOrOrd(p);          // caption
  p = SkipSzOrOrd(p);
  font->points = p[0];
  font->weight = p[1];
  font->italic = LOBYTE(p[2]);
  font->charset = HIBYTE(p[2]);
  font->face = reinterpret_cast<const wchar_t*>(p + 3);
  return true;
}

TEST(ResourcesTest, DialogsAreCzechTahoma8EastEuropean) {
  for (int id : {IDD_MAIN, IDD_SETTINGS}) {
    TemplateFont font;
    ASSERT_TRUE(ReadTemplateFont(ResourceBytes(MAKEINTRESOURCEA(5) /* RT_DIALOG */, id), &font))
        << id;
    EXPECT_EQ(font.points, 8);
    EXPECT_EQ(font.weight, 400);
    EXPECT_EQ(font.italic, 0);
    EXPECT_EQ(font.charset, 238);
    EXPECT_EQ(font.face, L"Tahoma");
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    EXPECT_EQ(font.style & style, style) << id;
    EXPECT_EQ(font.style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u) << id;
  }
}

INT_PTR CALLBACK QuietProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

std::string WindowText(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// Every text arrives as Windows-1250 bytes through the A functions (the
// expected texts are compiled into Windows-1250; the caption of the settings
// dialog is also spelled out byte by byte).
TEST(ResourcesTest, ControlsAndTextsAsTheProgramSeesThem) {
  const struct {
    int dialog;
    int control;  // 0: the dialog's caption
    const char* className;
    const char* text;
  } cases[] = {
      {IDD_MAIN, 0, "#32770", "TARVOLO 1.3 - www.tarvolo.cz"},
      {IDD_MAIN, 1, "Button", "Ukončit"},
      {IDD_MAIN, 1000, "Button", "Vybrat soubory .csv z IB Servis24"},
      {IDD_MAIN, 1001, "Edit", ""},
      {IDD_MAIN, 1002, "Button", "Převést do ABO formátu"},
      {IDD_MAIN, 1009, "Button", "Nastavení účtu"},
      {IDD_MAIN, 1010, "Edit", ""},
      {IDD_MAIN, 1011, "Edit", ""},
      {IDD_MAIN, 1012, "SysMonthCal32", nullptr},
      {IDD_MAIN, 1013, "Static", ""},
      {IDD_SETTINGS, 0, "#32770", "TARVOLO - Nastaven\xED \xFA\xE8tu"},
      {IDD_SETTINGS, 1006, "Button", "Uložit"},
      {IDD_SETTINGS, 1007, "Button", "Zrušit"},
      {IDD_SETTINGS, 1008, "Edit", ""},
      {IDD_SETTINGS, 1005, "Edit", ""},
  };
  HWND main = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_MAIN), nullptr, QuietProc, 0);
  HWND settings =
      CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_SETTINGS), nullptr, QuietProc, 0);
  ASSERT_NE(main, nullptr);
  ASSERT_NE(settings, nullptr);
  for (const auto& c : cases) {
    HWND dialog = c.dialog == IDD_MAIN ? main : settings;
    HWND window = c.control == 0 ? dialog : GetDlgItem(dialog, c.control);
    ASSERT_NE(window, nullptr) << c.control;
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    EXPECT_STRCASEEQ(className, c.className) << c.control;
    if (c.text != nullptr) {
      EXPECT_EQ(WindowText(window), c.text) << c.control;
    }
  }
  // The labels, found by their texts.
  std::string labels;
  for (HWND dialog : {main, settings}) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      const int id = GetDlgCtrlID(child);
      if (id == -1 || id == 0xFFFF) labels += WindowText(child) + "|";
    }
  }
  EXPECT_EQ(labels,
            "Číslo výpisu|Zůstatek Kč|Datum zůstatku||TARVOLO - www.tarvolo.cz|"
            "Číslo účtu bez kódu banky|Název účtu|");
  // Enter presses "Ukončit" and "Uložit"; the log pane leaves Enter to them.
  EXPECT_EQ(LOWORD(SendMessageA(main, DM_GETDEFID, 0, 0)), 1);
  EXPECT_EQ(LOWORD(SendMessageA(settings, DM_GETDEFID, 0, 0)), 1006);
  const LONG logStyle = GetWindowLongA(GetDlgItem(main, 1001), GWL_STYLE);
  EXPECT_TRUE(logStyle & ES_MULTILINE);
  EXPECT_FALSE(logStyle & (ES_WANTRETURN | ES_READONLY));
  DestroyWindow(main);
  DestroyWindow(settings);
}

TEST(ResourcesTest, IconIs48PixelsWith32Bits) {
  HICON icon = static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TARVOLO), IMAGE_ICON, 0, 0, 0));
  ASSERT_NE(icon, nullptr);
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP bitmap = {};
  GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 48);
  EXPECT_EQ(bitmap.bmHeight, 48);
  EXPECT_EQ(bitmap.bmBitsPixel, 32);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
}

TEST(ResourcesTest, ManifestAsksForCommonControls6AsInvoker) {
  const std::string manifest = ResourceBytes(MAKEINTRESOURCEA(24) /* RT_MANIFEST */, 1);
  for (const char* part :
       {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "processorArchitecture=\"" TARVOLO_MANIFEST_ARCH "\" publicKeyToken=\"6595b64144ccf1df\"",
        "level=\"asInvoker\" uiAccess=\"false\"",
        // Sharp text at every screen scale: per monitor (with the dialogs
        // rescaled by the system) where known, else the system's scale.
        "WindowsSettings\">PerMonitorV2, System</dpiAwareness>",
        "WindowsSettings\">true</dpiAware>"}) {
    EXPECT_NE(manifest.find(part), std::string::npos) << part;
  }
}

// What Explorer's Properties dialog shows of each program of the build.
std::string VersionString(const std::vector<char>& info, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  const std::string key = std::string("\\StringFileInfo\\040504B0\\") + name;
  if (!VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) ||
      value == nullptr) {
    return "(none)";
  }
  return std::string(value, strnlen(value, length));
}

TEST(ResourcesTest, BothProgramsCarryTheBuildsVersion) {
  const struct {
    const char* path;
    const char* fileName;
  } programs[] = {{TARVOLO_PROGRAM_PATH, "tarvolo.exe"}, {TARVOLO_CLI_PATH, "tarvolo-cli.exe"}};
  for (const auto& program : programs) {
    SCOPED_TRACE(program.path);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(program.path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(program.path, 0, size, info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS,
              static_cast<DWORD>(MAKELONG(TARVOLO_VERSION_MINOR, TARVOLO_VERSION_MAJOR)));
    EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(0, TARVOLO_VERSION_PATCH)));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(VersionString(info, "FileVersion"), TARVOLO_VERSION);
    EXPECT_EQ(VersionString(info, "ProductVersion"), TARVOLO_VERSION);
    EXPECT_EQ(VersionString(info, "ProductName"), "TARVOLO");
    EXPECT_EQ(VersionString(info, "OriginalFilename"), program.fileName);
    // Czech, as Windows-1250 through the A function.
    EXPECT_EQ(VersionString(info, "FileDescription").rfind("TARVOLO - převod výpisů", 0), 0u);
    EXPECT_NE(VersionString(info, "LegalCopyright"), "(none)");
  }
}

}  // namespace
}  // namespace tarvolo
