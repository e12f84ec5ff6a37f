#ifndef TARVOLO_UI_ACTIVITY_LOG_H_
#define TARVOLO_UI_ACTIVITY_LOG_H_

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "conversion/values/log_line.h"

namespace tarvolo {

// The running text of the log pane, the terminating NUL included.
constexpr size_t kActivityLogCapacity = 10000;

// One entry of the log: its length in the text and what it tells.
struct LogEntry {
  size_t length = 0;
  LogKind kind = LogKind::kInformation;
};

// Entries in order, separated by CR LF, as the log pane shows them: every
// line end within an entry is CR LF, and the line end that ends an entry is
// the separator (an entry ending in two line feeds is followed by a blank
// line). Otherwise each entry keeps its own bytes. Only grows,
// except that the oldest entries make room when the capacity would be passed.
struct ActivityLog {
  std::string text;
  std::deque<LogEntry> entries;  // oldest first, to drop whole entries
  // Bytes dropped from the front so far, so that a place in the text taken
  // before a run can still be found after the run made room.
  uint64_t dropped = 0;
};

extern ActivityLog g_activityLog;

// Adds one entry of `kind` to `log`, shown with its kind's mark; a null text
// does nothing. When the text would pass the capacity the oldest whole
// entries are dropped; an entry larger than the whole capacity keeps its
// last part.
void AddLogEntry(ActivityLog& log, LogKind kind, const char* text);

// Where the log's end is now; text added later lies behind it.
uint64_t LogPosition(const ActivityLog& log);

// Where in `log.text` the first entry begins that the user is pointed at
// (notes, warnings and failures) among the entries added since `since` (a
// LogPosition); npos when there is none. Entries already dropped are not
// searched.
size_t FindFirstWarning(const ActivityLog& log, uint64_t since);

// Where in `log.text` the newest entry begins when it was added since
// `since` (a LogPosition); npos when nothing was added or it was dropped.
size_t LastEntryStart(const ActivityLog& log, uint64_t since);

}  // namespace tarvolo

#endif  // TARVOLO_UI_ACTIVITY_LOG_H_
