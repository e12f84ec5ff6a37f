#include "conversion/reading/layouts/content_numbers.h"

#include <charconv>

#include "conversion/values/byte_hash.h"

namespace tarvolo {
namespace {

void AppendInteger(std::string& out, int64_t value) {
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// Each value closed by a control byte, which the item's texts have as
// blanks, so that values run together otherwise do not read as one content.
void AppendValue(std::string& out, std::string_view text) {
  out.append(text.data(), text.size());
  out.push_back('\x1F');
}

void AppendValue(std::string& out, int64_t value) {
  AppendInteger(out, value);
  out.push_back('\x1F');
}

}  // namespace

void DocumentNumberOfHash(uint64_t hash, std::string& out) {
  uint64_t numbers = 1;
  for (size_t i = 0; i < kDocumentNumberWidth; ++i) numbers *= 10;
  uint64_t number = hash % numbers;
  if (number == 0) number = 1;
  out.assign(kDocumentNumberWidth, '0');
  for (size_t i = kDocumentNumberWidth; i-- > 0 && number > 0; number /= 10) {
    out[i] = static_cast<char>('0' + number % 10);
  }
}

bool IsZeroNumber(std::string_view number) {
  return number.find_first_not_of('0') == std::string_view::npos;
}

std::string_view ContentNumbers::Number(const StatementItem& item) {
  key_.clear();
  // The year by its last two digits, as the numbers were first made: an
  // item keeps the number an accounting program may already hold.
  for (const int64_t value :
       {int64_t{item.year % 100}, int64_t{item.month}, int64_t{item.day}, item.amount,
        int64_t{item.counterPrefix}, item.counterNumber, int64_t{item.bankCode}}) {
    AppendValue(key_, value);
  }
  for (const std::string_view text :
       {item.currency, item.ownAccount, item.counterIban, item.variableSymbol, item.constantSymbol,
        item.specificSymbol, item.counterName, item.description}) {
    AppendValue(key_, text);
  }
  const uint64_t content = ByteHash(key_);
  const uint32_t place = seen_[content]++;
  key_.clear();
  AppendInteger(key_, place);
  DocumentNumberOfHash(ByteHash(key_, content), number_);
  return number_;
}

}  // namespace tarvolo
