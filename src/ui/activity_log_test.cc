#include "ui/activity_log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolo {
namespace {

// The most text the log holds: its capacity less the terminating NUL.
constexpr size_t kMostText = kActivityLogCapacity - 1;

struct Entry {
  bool none;  // a null text
  std::string text;
};

Entry None() { return {true, ""}; }
Entry Text(const std::string& text) { return {false, text}; }

std::string LogOf(const std::vector<Entry>& entries) {
  ActivityLog log;
  for (const Entry& entry : entries) {
    AddLogEntry(log, LogKind::kInformation, entry.none ? nullptr : entry.text.c_str());
  }
  return log.text;
}

TEST(ActivityLogTest, EntriesFollowEachOtherAfterOneCrLf) {
  const struct {
    const char* label;
    std::vector<Entry> entries;
    std::string expected;
  } cases[] = {
      {"nothing yet", {}, ""},
      {"first entry without separator", {Text("Start")}, "Start"},
      {"own line feed gives way to the separator",
       {Text("Převádím soubor a.csv\n"), Text("Zapsán soubor export.gpc\n")},
       "Převádím soubor a.csv\r\nZapsán soubor export.gpc"},
      {"entry ending in CR LF", {Text("a\r\n"), Text("b")}, "a\r\nb"},
      {"two line feeds leave one blank line", {Text("a\n\n"), Text("b")}, "a\r\n\r\nb"},
      {"line ends inside become CR LF",
       {Text("a\nb\rc\r\nd\r\r\ne"), Text("f")},
       "a\r\nb\r\nc\r\nd\r\n\r\ne\r\nf"},
      {"an entry of a line feed only", {Text("a"), Text("\n"), Text("b")}, "a\r\n\r\nb"},
      {"empty entry adds a separator", {Text("a"), Text(""), Text("b")}, "a\r\n\r\nb"},
      {"empty first entry", {Text(""), Text("x")}, "\r\nx"},
      {"only an empty entry", {Text("")}, ""},
      {"null text first", {None(), Text("a")}, "a"},
      {"null text between", {Text("a"), None(), Text("b")}, "a\r\nb"},
      {"only null texts", {None(), None()}, ""},
      {"single-byte text kept byte for byte", {Text("\x8a\xe8\x9e\xf8\n")}, "\x8a\xe8\x9e\xf8"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LogOf(c.entries), c.expected) << c.label;
  }
}

// `count` entries of `size` bytes, each different from the others.
std::vector<Entry> Numbered(int count, size_t size) {
  std::vector<Entry> entries;
  for (int i = 0; i < count; ++i) {
    std::string text = "entry " + std::to_string(i) + " ";
    text.resize(size, static_cast<char>('a' + i % 26));
    entries.push_back(Text(text));
  }
  return entries;
}

std::string Joined(const std::vector<Entry>& entries, size_t first) {
  std::string text;
  for (size_t i = first; i < entries.size(); ++i) {
    if (i > first) text += "\r\n";
    text += entries[i].text;
  }
  return text;
}

std::vector<Entry> Concat(std::vector<Entry> entries, const std::vector<Entry>& more) {
  entries.insert(entries.end(), more.begin(), more.end());
  return entries;
}

TEST(ActivityLogTest, DropsTheOldestWholeEntriesToStayWithinItsCapacity) {
  const std::vector<Entry> hundreds = Numbered(200, 100);
  const std::string giant = std::string(2001, 'g') + std::string(9997, 'h') + "END";  // 12,001
  const std::vector<Entry> exactFit = {Text(std::string(4998, 'a')), Text(std::string(4999, 'b'))};
  const struct {
    const char* label;
    std::vector<Entry> entries;
    std::string expected;
  } cases[] = {
      // 98 entries of 100 bytes and 97 separators fill 9,994 bytes; a 99th
      // would not fit.
      {"many entries keep the newest 98", hundreds, Joined(hundreds, 102)},
      {"entries that fill the text exactly stay", exactFit, Joined(exactFit, 0)},
      {"one byte more drops the oldest", Concat(exactFit, {Text("")}),
       std::string(4999, 'b') + "\r\n"},
      {"one entry of the whole room",
       {Text(std::string(kMostText, 'x'))},
       std::string(kMostText, 'x')},
      {"after a full entry the next stands alone",
       {Text(std::string(kMostText, 'x')), Text("next")},
       "next"},
      {"giant entry keeps its last part", Concat(Numbered(3, 10), {Text(giant)}),
       giant.substr(giant.size() - kMostText)},
      {"entry after a giant one stands alone", {Text(giant), Text("after")}, "after"},
      {"one byte over the room",
       {Text("old"), Text("y" + std::string(kMostText, 'z'))},
       std::string(kMostText, 'z')},
  };
  for (const auto& c : cases) {
    const std::string text = LogOf(c.entries);
    EXPECT_LE(text.size(), kMostText) << c.label;
    EXPECT_EQ(text.size(), c.expected.size()) << c.label;
    EXPECT_TRUE(text == c.expected) << c.label;  // too long to print
  }
}

TEST(ActivityLogTest, KeepsStayingWithinItsCapacityAsEntriesVary) {
  // Entries of changing sizes, some with their own line feeds: after every
  // append the text is the newest entries that fit, whole, in order.
  ActivityLog log;
  std::vector<std::string> added;
  for (int i = 0; i < 600; ++i) {
    std::string text = std::to_string(i) + std::string(static_cast<size_t>(i * 37 % 700), '.');
    AddLogEntry(log, LogKind::kInformation, (i % 3 == 0 ? text + "\n" : text).c_str());
    added.push_back(text);

    std::string expected = added.back();
    for (size_t k = added.size() - 1; k-- > 0;) {
      if (expected.size() + 2 + added[k].size() > kMostText) break;
      expected = added[k] + "\r\n" + expected;
    }
    ASSERT_TRUE(log.text == expected) << "after entry " << i;
  }
}

TEST(ActivityLogTest, ShowsEachKindWithItsMark) {
  const struct {
    LogKind kind;
    const char* text;
    std::string shown;
  } cases[] = {
      {LogKind::kInformation, "Zapsán soubor export.gpc\n", "Zapsán soubor export.gpc"},
      {LogKind::kInformation, "jen !!! uvnitř\n", "jen !!! uvnitř"},
      {LogKind::kNote, "Program...\nna vlastní zodpovědnost\n\n",
       "Program...\r\nna vlastní zodpovědnost!!!\r\n"},
      {LogKind::kFileWarning, "Soubor a.csv nelze přečíst", "Soubor a.csv nelze přečíst!!!"},
      {LogKind::kFailure, "", "!!!"},
  };
  for (const auto& c : cases) {
    ActivityLog log;
    AddLogEntry(log, c.kind, c.text);
    EXPECT_EQ(log.text, c.shown) << c.text;
  }
}

struct Line {
  LogKind kind;
  std::string text;
};

// The line that `find` gives in a log of the entries `before` and then
// `run`, searched from where `run` begins, without its line end; "-" for
// none.
std::string FoundInRun(const std::vector<Line>& before, const std::vector<Line>& run,
                       size_t (*find)(const ActivityLog&, uint64_t)) {
  ActivityLog log;
  for (const Line& entry : before) AddLogEntry(log, entry.kind, entry.text.c_str());
  const uint64_t since = LogPosition(log);
  for (const Line& entry : run) AddLogEntry(log, entry.kind, entry.text.c_str());
  const size_t start = find(log, since);
  if (start == std::string::npos) return "-";
  const size_t end = log.text.find_first_of("\r\n", start);
  return log.text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

Line Info(const std::string& text) { return {LogKind::kInformation, text}; }
Line Warning(const std::string& text) { return {LogKind::kItemWarning, text}; }

TEST(ActivityLogTest, FindsTheFirstWarningAddedSinceAPosition) {
  const Line notice = {LogKind::kNote, "Program...\nPoužívání na vlastní zodpovědnost\n\n"};
  const struct {
    const char* label;
    std::vector<Line> before;
    std::vector<Line> run;
    std::string warning;  // the line expected to be found; empty for none
  } cases[] = {
      {"no warning in the run", {notice}, {Info("Převádím soubor a.csv\n"), Info("Zapsán\n")}, ""},
      {"an older warning does not count", {notice, Warning("chyba")}, {Info("Převádím\n")}, ""},
      {"first of two",
       {notice},
       {Info("Převádím soubor a.csv\n"),
        Warning("Soubor a.csv, řádek 3: datum nelze přečíst\n"),
        {LogKind::kFileWarning, "Soubor a.csv: formát nerozpoznán\n"}},
       "Soubor a.csv, řádek 3: datum nelze přečíst!!!"},
      {"the kind decides, not the text",
       {},
       {Info("jen !!! uvnitř\nřádek 3!!!\n"), {LogKind::kNote, "číslo je delší než pole\n"}},
       "číslo je delší než pole!!!"},
      {"a failure", {notice}, {{LogKind::kFailure, "Není nic vybráno\n"}}, "Není nic vybráno!!!"},
      {"the run's start made room",
       {Warning(std::string(5000, 'o') + "\n")},
       {Warning("a\n"), Info(std::string(5000, 'x'))},
       "a!!!"},
      {"the run's first warning made room",
       {notice},
       {Warning("b\n"), Info(std::string(7000, 'x')), Warning("c\n"), Info(std::string(3000, 'y'))},
       "c!!!"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FoundInRun(c.before, c.run, FindFirstWarning), c.warning.empty() ? "-" : c.warning)
        << c.label;
  }
}

TEST(ActivityLogTest, FindsTheLastEntryAddedSinceAPosition) {
  const struct {
    const char* label;
    std::vector<Line> before;
    std::vector<Line> run;
    std::string last;  // the line expected to be found; "-" for none
  } cases[] = {
      {"nothing added", {Info("a\n")}, {}, "-"},
      {"nothing added after an empty entry", {Info("a"), Info("")}, {}, "-"},
      {"the newest of a run",
       {Info("a\n")},
       {Info("b\n"), Warning("c\n"), Info("Pozor: 1\n")},
       "Pozor: 1"},
      {"an empty last entry", {Info("a")}, {Info("b"), Info("")}, ""},
      {"the run made room",
       {Info(std::string(6000, 'o'))},
       {Info(std::string(6000, 'x'))},
       std::string(6000, 'x')},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FoundInRun(c.before, c.run, LastEntryStart), c.last) << c.label;
  }
}

}  // namespace
}  // namespace tarvolo
