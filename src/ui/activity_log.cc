#include "ui/activity_log.h"

#include <string>

namespace tarvolo {

ActivityLog g_activityLog;

namespace {

// Room for the text itself: the capacity holds the terminating NUL too.
constexpr size_t kTextRoom = kActivityLogCapacity - 1;
constexpr size_t kSeparator = 2;  // CR LF

// A Windows edit control breaks lines only at CR LF (a lone line feed shows
// as nothing there, Wine breaks at it), so every line end becomes CR LF; the
// entry's own last line end gives way to the separator, which would
// otherwise leave a blank line after every entry.
std::string PaneLines(const std::string& shown) {
  std::string lines;
  lines.reserve(shown.size() + shown.size() / 16);
  for (size_t i = 0; i < shown.size(); ++i) {
    const char c = shown[i];
    if (c != '\r' && c != '\n') {
      lines += c;
      continue;
    }
    if (c == '\r' && i + 1 < shown.size() && shown[i + 1] == '\n') ++i;
    lines += "\r\n";
  }
  if (lines.size() >= kSeparator &&
      lines.compare(lines.size() - kSeparator, kSeparator, "\r\n") == 0) {
    lines.resize(lines.size() - kSeparator);
  }
  return lines;
}

}  // namespace

void AddLogEntry(ActivityLog& log, LogKind kind, const char* given) {
  if (given == nullptr) return;
  const std::string shown = PaneLines(ShownLogLine(kind, given));
  const char* text = shown.c_str();
  size_t length = shown.size();
  if (length > kTextRoom) {
    text += length - kTextRoom;  // the newest part of a giant entry
    length = kTextRoom;
  }
  // Drop the oldest entries until the new one fits behind the rest.
  while (!log.entries.empty() && log.text.size() + kSeparator + length > kTextRoom) {
    const size_t oldest = log.entries.front().length;
    log.entries.pop_front();
    const size_t removed = log.entries.empty() ? log.text.size() : oldest + kSeparator;
    log.text.erase(0, removed);
    log.dropped += removed;
  }
  if (!log.entries.empty()) log.text += "\r\n";
  log.text.append(text, length);
  log.entries.push_back({length, kind});
}

uint64_t LogPosition(const ActivityLog& log) { return log.dropped + log.text.size(); }

size_t FindFirstWarning(const ActivityLog& log, uint64_t since) {
  const size_t from = since > log.dropped ? static_cast<size_t>(since - log.dropped) : 0;
  size_t start = 0;
  for (const LogEntry& entry : log.entries) {
    if (start >= from && IsMarked(entry.kind)) return start;
    start += entry.length + kSeparator;
  }
  return std::string::npos;
}

size_t LastEntryStart(const ActivityLog& log, uint64_t since) {
  if (log.entries.empty()) return std::string::npos;
  const size_t start = log.text.size() - log.entries.back().length;
  // An entry added later stands behind a separator, except the log's first
  // and one that made room by dropping every older entry: those begin just
  // where the log ended, as an older empty entry ends there.
  const uint64_t at = log.dropped + start;
  const bool added = at > since || (at == since && (log.entries.back().length > 0 || at == 0));
  return added ? start : std::string::npos;
}

}  // namespace tarvolo
