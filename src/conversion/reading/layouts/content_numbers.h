#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_CONTENT_NUMBERS_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_CONTENT_NUMBERS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "conversion/statement/statement.h"

namespace tarvolo {

// The document number of an item whose row carries no number of its own
// (no numeric id, no variable symbol), worked out from what it holds:
// booking date, amount, currency, own and counter account, symbols, counter
// name and description, and its place among the items of the file before
// it that hold the same. The same item in two downloads that overlap by
// whole days therefore gets the same number, and two equal payments of one
// day get two. Accounting programs tell imported items apart by this
// number, and one GPC reader refuses a whole file for a number of zeros
// alone: the number is never all zeros.
class ContentNumbers {
 public:
  // The number of `item`, valid until the next call.
  std::string_view Number(const StatementItem& item);

 private:
  // Items of each content so far, by the content's hash.
  std::unordered_map<uint64_t, uint32_t> seen_;
  std::string key_;
  std::string number_;
};

// The kDocumentNumberWidth digits of `hash`, never all zeros.
void DocumentNumberOfHash(uint64_t hash, std::string& out);

// Whether a document number holds no digit but zeros, which readers take
// for none.
bool IsZeroNumber(std::string_view number);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_CONTENT_NUMBERS_H_
