#ifndef TARVOLO_CONVERSION_CAMT_CAMT_ENTRIES_H_
#define TARVOLO_CONVERSION_CAMT_CAMT_ENTRIES_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "conversion/camt/chunked_text.h"
#include "conversion/statement/statement.h"

namespace tarvolo {

// The camt.053 entries of a run, kept item by item as the run accepts them,
// with the counts the statement's summary states. An item is kept as the
// values and texts of its entry, a tenth of the size of its XML, and
// rendered only as the document is written: the document's hundreds of
// megabytes then pass through one small buffer instead of fresh memory.
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
  Mark Position() const { return {kept_.size(), creditCount_, debitCount_}; }
  void TakeBack(const Mark& mark);
  // Hands the entries' XML to `write` in pieces of a few hundred kilobytes,
  // letting go of the items as they are written.
  bool Drain(const BytesWriter& write);

  int64_t creditCount() const { return creditCount_; }
  int64_t debitCount() const { return debitCount_; }

 private:
  ChunkedText kept_;
  std::string record_;  // the one being kept
  int64_t creditCount_ = 0, debitCount_ = 0;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_CAMT_CAMT_ENTRIES_H_
