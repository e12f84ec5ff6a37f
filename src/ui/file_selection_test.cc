#include "ui/file_selection.h"

#include <cstring>
#include <string>

#include "test_dialog.h"
#include "ui/handlers.h"

namespace tarvolo {
namespace {

static_assert(kSelectedFilesSize >= 32 * 1024, "a year of statements must fit");

// What the user does in the file dialog, from a timer of the test's thread
// (the dialog runs modally on it).
std::string g_typedName;  // empty: cancel

BOOL CALLBACK AnswerFileDialog(HWND window, LPARAM) {
  HWND nameBox = GetDlgItem(window, 0x47C);
  if (nameBox == nullptr) return TRUE;
  if (g_typedName.empty()) {
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return FALSE;
  }
  // The Edit inside the name box's combo box(es).
  for (char name[16] = {}; nameBox != nullptr; nameBox = GetWindow(nameBox, GW_CHILD)) {
    GetClassNameA(nameBox, name, sizeof name);
    if (lstrcmpiA(name, "Edit") == 0) break;
  }
  SetWindowTextA(nameBox, g_typedName.c_str());
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), AnswerFileDialog, 0);
}

class FileSelectionTest : public TestDialog {
 protected:
  void SetUp() override {
    TestDialog::SetUp();
    g_activityLog = ActivityLog();
    ASSERT_NE(Open({nullptr, 1, IDD_TEST, nullptr, nullptr, nullptr}), nullptr);
    // What an earlier selection may have left.
    std::memset(g_selectedFiles, 'x', sizeof g_selectedFiles);
  }

  void Select(const std::string& typed) {
    g_typedName = typed;
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, OnTimer);
    OnSelectFiles(window_, nullptr);
    KillTimer(nullptr, timer);
  }
};

TEST_F(FileSelectionTest, FailedSelectionLeavesAnEmptyList) {
  Select("");
  EXPECT_EQ(TextOf(1001), "Není nic vybráno!!!\n");
  EXPECT_EQ(std::string(g_selectedFiles, sizeof g_selectedFiles),
            std::string(sizeof g_selectedFiles, '\0'));
}

TEST_F(FileSelectionTest, OneFileIsItsFullPathEndedByAnEmptyString) {
  char folder[MAX_PATH] = {};
  GetTempPathA(sizeof folder, folder);
  const std::string path = std::string(folder) + "tarvolo_selection_test.csv";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);

  Select(path);
  DeleteFileA(path.c_str());
  EXPECT_EQ(TextOf(1001), "Byly vybrány soubory...\n");
  EXPECT_STRCASEEQ(g_selectedFiles, path.c_str());
  EXPECT_EQ(g_selectedFiles[std::strlen(g_selectedFiles) + 1], '\0');
}

}  // namespace
}  // namespace tarvolo
