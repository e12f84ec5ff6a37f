#include "ui/file_selection.h"

#include <cstring>
#include <string>
#include <vector>

#include "test_dialog.h"
#include "ui/handlers.h"

namespace tarvolo {
namespace {

static_assert(kSelectedFilesSize >= 32 * 1024, "a year of statements must fit");

// What the user does in the file dialog, from a timer of the test's thread
// (the dialog runs modally on it): types the name into the name box and
// presses OK, or cancels. A dialog still open after some seconds is closed,
// so that the selection returns and the test fails with the reason.
constexpr int kNameBoxId = 0x47C;
constexpr UINT kTickMs = 250;
constexpr int kGiveUpSeconds = 20;
constexpr int kTicksToGiveUp = kGiveUpSeconds * 1000 / kTickMs;

struct FileDialogAnswer {
  std::string typedName;  // empty: cancel
  HWND testDialog;
  int ticks;
  bool sawNameBox;
  bool gaveUp;
};
FileDialogAnswer g_answer;

BOOL CALLBACK AnswerFileDialog(HWND window, LPARAM) {
  if (window == g_answer.testDialog) return TRUE;
  if (g_answer.ticks > kTicksToGiveUp) {
    // Every dialog of the thread but the test's, a message box that the file
    // dialog shows too.
    g_answer.gaveUp = true;
    EndDialog(window, IDCANCEL);
    return TRUE;
  }
  HWND nameBox = GetDlgItem(window, kNameBoxId);
  if (nameBox == nullptr) return TRUE;
  g_answer.sawNameBox = true;
  if (g_answer.typedName.empty()) {
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return FALSE;
  }
  // The Edit inside the name box's combo box(es).
  for (char name[16] = {}; nameBox != nullptr; nameBox = GetWindow(nameBox, GW_CHILD)) {
    GetClassNameA(nameBox, name, sizeof name);
    if (lstrcmpiA(name, "Edit") == 0) break;
  }
  SetWindowTextA(nameBox, g_answer.typedName.c_str());
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  ++g_answer.ticks;
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

  // Runs the selection with the file dialog answered; fails when the dialog
  // had to be closed.
  ::testing::AssertionResult Select(const std::string& typed) {
    g_answer = {typed, window_, 0, false, false};
    const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, OnTimer);
    OnSelectFiles(window_, nullptr);
    KillTimer(nullptr, timer);
    if (!g_answer.gaveUp) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << (g_answer.sawNameBox ? "the file dialog stayed open after the answer"
                                   : "the file dialog has no name box (control 0x47C)")
           << "; closed after " << kGiveUpSeconds << " s";
  }
};

TEST_F(FileSelectionTest, FailedSelectionLeavesAnEmptyList) {
  ASSERT_TRUE(Select(""));
  EXPECT_EQ(TextOf(1001), "Není nic vybráno!!!");
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

  const ::testing::AssertionResult answered = Select(path);
  DeleteFileA(path.c_str());
  ASSERT_TRUE(answered);
  EXPECT_EQ(TextOf(1001), "Byl vybrán 1 soubor ve složce " +
                              std::string(folder, std::strlen(folder) - 1) +
                              ": tarvolo_selection_test.csv");
  EXPECT_STRCASEEQ(g_selectedFiles, path.c_str());
  EXPECT_EQ(g_selectedFiles[std::strlen(g_selectedFiles) + 1], '\0');
}

// Files given to the program at once (dropped, or named at start), in a
// fresh folder with two subfolders.
class GivenFilesTest : public FileSelectionTest {
 protected:
  void SetUp() override {
    FileSelectionTest::SetUp();
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    GetCurrentDirectoryA(sizeof savedFolder_, savedFolder_);
    folder_ = std::string(temp) + "tarvolo_given_files";
    RemoveAll();
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((folder_ + "\\a").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((folder_ + "\\b").c_str(), nullptr));
  }
  void TearDown() override {
    SetCurrentDirectoryA(savedFolder_);
    RemoveAll();
    FileSelectionTest::TearDown();
  }

  std::string Make(const std::string& name) {
    const std::string path = folder_ + "\\" + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << path;
    CloseHandle(file);
    return path;
  }

  // The selection's strings up to the closing empty one.
  static std::vector<std::string> Selected() {
    std::vector<std::string> strings;
    size_t at = 0;
    do {
      strings.push_back(g_selectedFiles + at);
      at += strings.back().size() + 1;
    } while (at < sizeof g_selectedFiles && g_selectedFiles[at] != '\0');
    return strings;
  }

  std::string folder_;

 private:
  void RemoveAll() {
    WIN32_FIND_DATAA entry;
    for (const char* sub : {"\\a", "\\b", ""}) {
      const std::string dir = folder_ + sub;
      HANDLE find = FindFirstFileA((dir + "\\*.csv").c_str(), &entry);
      if (find != INVALID_HANDLE_VALUE) {
        do DeleteFileA((dir + "\\" + entry.cFileName).c_str());
        while (FindNextFileA(find, &entry));
        FindClose(find);
      }
      RemoveDirectoryA(dir.c_str());
    }
  }
  char savedFolder_[MAX_PATH] = {};
};

TEST_F(GivenFilesTest, FilesOfSeveralFoldersAreHeldWholeAfterAnEmptyFolder) {
  const std::string a = Make("a\\leden.csv");
  const std::string b = Make("b\\unor.csv");
  const std::string c = Make("a\\brezen.csv");
  const std::string nothing = "Není nic vybráno!!!";
  // The selection's line names them by their full paths, as they lie in two
  // folders.
  auto selected = [](const std::vector<std::string>& paths) {
    std::string line = "Byly vybrány " + std::to_string(paths.size()) + " soubory: ";
    for (const std::string& path : paths) line += path + (&path == &paths.back() ? "" : ", ");
    return line;
  };
  struct Case {
    std::vector<std::string> given;
    std::vector<std::string> selection;  // after the empty folder
    std::string log;
    std::string currentFolder;
  } cases[] = {
      {{a, b, c}, {a, b, c}, selected({a, b, c}), folder_ + "\\a"},
      {{b, a}, {b, a}, selected({b, a}), folder_ + "\\b"},
      // Relative to the current folder, which the previous case left in b.
      {{"..\\a\\leden.csv", "unor.csv"}, {a, b}, selected({a, b}), folder_ + "\\a"},
      {{a, folder_ + "\\b", folder_ + "\\b\\chybi.csv", "NUL", b, a},
       {a, b},
       "Složka " + folder_ +
           "\\b nebyla vybrána, vyberte soubory v ní!!!\r\n"
           "Soubor " +
           folder_ +
           "\\b\\chybi.csv nebyl nalezen, nebyl vybrán!!!\r\n"
           "\\\\.\\NUL není soubor s výpisem, nebyl vybrán!!!\r\n"
           "Soubor " +
           a + " už je vybrán, podruhé nebyl vybrán!!!\r\n" + selected({a, b}),
       folder_ + "\\a"},
      // Nothing usable empties the selection and leaves the folder as it is.
      {{folder_},
       {},
       "Složka " + folder_ + " nebyla vybrána, vyberte soubory v ní!!!\r\n" + nothing,
       folder_ + "\\a"},
      {{}, {}, nothing, folder_ + "\\a"},
  };
  SetCurrentDirectoryA(folder_.c_str());
  for (const Case& c : cases) {
    g_activityLog = ActivityLog();
    std::memset(g_selectedFiles, 'x', sizeof g_selectedFiles);
    SelectGivenFiles(c.given, window_);
    std::vector<std::string> expected = {""};
    expected.insert(expected.end(), c.selection.begin(), c.selection.end());
    if (c.selection.empty()) {
      EXPECT_EQ(std::string(g_selectedFiles, sizeof g_selectedFiles),
                std::string(sizeof g_selectedFiles, '\0'));
    } else {
      EXPECT_EQ(Selected(), expected);
    }
    EXPECT_EQ(TextOf(1001), c.log);
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof current, current);
    EXPECT_STRCASEEQ(current, c.currentFolder.c_str());
  }
}

TEST_F(GivenFilesTest, FilesBeyondTheBufferAreLoggedAndLeftOut) {
  // Long names, so that the buffer is full after some hundred files.
  const std::string stem = std::string(150, 'v');
  std::vector<std::string> given;
  for (size_t total = 0; total < kSelectedFilesSize + 2000;) {
    given.push_back(Make(stem + std::to_string(1000 + given.size()) + ".csv"));
    total += given.back().size() + 1;
  }
  SelectGivenFiles(given, window_);
  const std::vector<std::string> selected = Selected();
  ASSERT_GT(selected.size(), 2u);
  const size_t kept = selected.size() - 1;
  EXPECT_EQ(std::vector<std::string>(selected.begin() + 1, selected.end()),
            std::vector<std::string>(given.begin(), given.begin() + kept));
  // The list ends inside the buffer, and the files left out have their lines.
  EXPECT_EQ(g_selectedFiles[sizeof g_selectedFiles - 1], '\0');
  ASSERT_LT(kept, given.size());
  const std::string last = "Soubor " + given.back() + " se do výběru už nevejde, nebyl vybrán!!!";
  const std::string end = last + "\r\nBylo vybráno " + std::to_string(kept) +
                          " souborů ve složce " + folder_ + ": " +
                          given[0].substr(folder_.size() + 1);
  const std::string& log = g_activityLog.text;
  const size_t at = log.rfind(last);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(log.compare(at, end.size(), end), 0) << log.substr(at);
  // The line names the first files only, and stays short of the log's room.
  const std::string more = ".csv a další";
  EXPECT_EQ(log.compare(log.size() - more.size(), more.size(), more), 0);
  EXPECT_LT(log.size() - at, 1500u);
}

}  // namespace
}  // namespace tarvolo
