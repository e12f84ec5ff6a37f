#ifndef TARVOLO_CONVERSION_CAMT_CAMT_ENTRIES_H_
#define TARVOLO_CONVERSION_CAMT_CAMT_ENTRIES_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "conversion/camt/chunked_text.h"
#include "conversion/values/statement_item.h"

namespace tarvolo {

// The camt.053 entries of a run, rendered item by item as the run accepts
// them, with the counts the statement's summary states.
class CamtEntries {
 public:
  // Where the entries stood, so that a reading the run does not choose can
  // be taken back.
  struct Mark {
    size_t size = 0;
    int64_t creditCount = 0, debitCount = 0;
  };

  // One item; its currency is the item's where it names one, else
  // `statementCurrency`.
  void Add(const StatementItem& item, std::string_view statementCurrency);
  Mark Position() const { return {text_.size(), creditCount_, debitCount_}; }
  void TakeBack(const Mark& mark);
  // Hands the entries' text to `write`, letting go of it as it is written.
  bool Drain(const BytesWriter& write) { return text_.Drain(write); }

  int64_t creditCount() const { return creditCount_; }
  int64_t debitCount() const { return debitCount_; }

 private:
  ChunkedText text_;
  std::string entry_;  // the one being rendered
  int64_t creditCount_ = 0, debitCount_ = 0;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_CAMT_CAMT_ENTRIES_H_
