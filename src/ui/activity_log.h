#ifndef TARVOLO_UI_ACTIVITY_LOG_H_
#define TARVOLO_UI_ACTIVITY_LOG_H_

#include <cstddef>
#include <deque>
#include <string>

namespace tarvolo {

// The running text of the log pane, the terminating NUL included.
constexpr size_t kActivityLogCapacity = 10000;

// Entries in order, separated by CR LF; each entry keeps its own bytes (many
// end with a line feed of their own). Only grows, except that the oldest
// entries make room when the capacity would be passed.
struct ActivityLog {
  std::string text;
  std::deque<size_t> entryLengths;  // oldest first, to drop whole entries
};

extern ActivityLog g_activityLog;

// Adds one entry to `log`; a null text does nothing. When the text would pass
// the capacity the oldest whole entries are dropped; an entry larger than the
// whole capacity keeps its last part.
void AddLogEntry(ActivityLog& log, const char* text);

}  // namespace tarvolo

#endif  // TARVOLO_UI_ACTIVITY_LOG_H_
