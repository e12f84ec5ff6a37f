#include "ui/activity_log.h"

#include <cstring>
#include <string_view>

namespace tarvolo {

ActivityLog g_activityLog;

namespace {

// Room for the text itself: the capacity holds the terminating NUL too.
constexpr size_t kTextRoom = kActivityLogCapacity - 1;
constexpr size_t kSeparator = 2;  // CR LF

}  // namespace

void AddLogEntry(ActivityLog& log, const char* text) {
  if (text == nullptr) return;
  size_t length = std::strlen(text);
  if (length > kTextRoom) {
    text += length - kTextRoom;  // the newest part of a giant entry
    length = kTextRoom;
  }
  // Drop the oldest entries until the new one fits behind the rest.
  while (!log.entryLengths.empty() && log.text.size() + kSeparator + length > kTextRoom) {
    const size_t oldest = log.entryLengths.front();
    log.entryLengths.pop_front();
    const size_t removed = log.entryLengths.empty() ? log.text.size() : oldest + kSeparator;
    log.text.erase(0, removed);
    log.dropped += removed;
  }
  if (!log.entryLengths.empty()) log.text += "\r\n";
  log.text.append(text, length);
  log.entryLengths.push_back(length);
}

uint64_t LogPosition(const ActivityLog& log) { return log.dropped + log.text.size(); }

size_t FindFirstWarning(const ActivityLog& log, uint64_t since) {
  const std::string_view text = log.text;
  // Text added after `since` begins with a separator, so the line found there
  // holds nothing older.
  size_t start = since > log.dropped ? static_cast<size_t>(since - log.dropped) : 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    const size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    if (end > start && text[end - 1] == '\r') --end;
    const std::string_view line = text.substr(start, end - start);
    if (line.size() >= 3 && line.substr(line.size() - 3) == "!!!") return start;
    start = next;
  }
  return std::string::npos;
}

}  // namespace tarvolo
