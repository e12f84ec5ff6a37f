#ifndef TARVOLO_CONVERSION_STATEMENT_STATEMENT_OUTPUT_H_
#define TARVOLO_CONVERSION_STATEMENT_STATEMENT_OUTPUT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/statement/line_report.h"
#include "conversion/statement/statement_item.h"
#include "conversion/statement/statement_summary.h"
#include "conversion/values/log_line.h"
#include "conversion/values/profile_values.h"
#include "platform/whole_file.h"

namespace tarvolo {

// One format a statement is written in. The run hands each output the items
// it accepts as it reads them, and takes back those of a reading that its
// data did not confirm; once every file is read, the output finishes with
// its header or summary, gives its bytes to be written, and checks what was
// written as a reader of the format would.
class StatementOutput {
 public:
  virtual ~StatementOutput() = default;

  // Starts a statement of the own account `profile` names, leaving nothing
  // of an earlier one. A value the format cannot hold as it is goes to
  // `reports`, which the run names in its log.
  virtual void Begin(const AccountProfile& profile, std::vector<FieldCut>* reports) = 0;
  // About `count` more items are coming, so that room can be made at once.
  virtual void Expect(size_t count) { (void)count; }
  // One item; `statementCurrency` is the statement's so far ("" before a
  // file has named it).
  virtual void Add(const StatementItem& item, std::string_view statementCurrency) = 0;
  // The items added so far stay: their reading is confirmed.
  virtual void Confirm() = 0;
  // The items added since the last confirmation go.
  virtual void TakeBack() = 0;
  // After the last item: the header or summary. A note about the output
  // goes to `log`, which names it as `shown`.
  virtual void Finish(const StatementSummary& summary, const std::string& shown,
                      const LogLine& log) = 0;
  // Hands the finished output to `write` once, letting go of each piece as
  // it is written.
  virtual bool Write(const BytesWriter& write) = 0;
  // What a reader of the format finds wrong with the bytes written, each in
  // Czech; nothing: an empty list.
  virtual std::vector<std::string> Check(std::string_view written) const = 0;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_STATEMENT_STATEMENT_OUTPUT_H_
