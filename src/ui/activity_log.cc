#include "ui/activity_log.h"

#include <cstring>

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
  }
  if (!log.entryLengths.empty()) log.text += "\r\n";
  log.text.append(text, length);
  log.entryLengths.push_back(length);
}

}  // namespace tarvolo
