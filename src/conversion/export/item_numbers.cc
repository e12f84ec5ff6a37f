#include "conversion/export/item_numbers.h"

#include <charconv>
#include <cstring>
#include <utility>

#include "conversion/values/byte_hash.h"

namespace tarvolo {
namespace {

// A number as the record holds it: zeros in front say nothing.
std::string_view NumberKey(std::string_view number) {
  while (!number.empty() && number.front() == '0') number.remove_prefix(1);
  return number;
}

// Bytes as one word, as the machine loads them: every build of the program
// runs on a little-endian one, and a key's hash never leaves the run.
uint64_t Word(const char* bytes) {
  uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

uint64_t HalfWord(const char* bytes) {
  uint32_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

uint64_t Mixed(uint64_t hash) {
  hash ^= hash >> 32;
  hash *= 0xD6E8FEB86659FD93u;
  return hash ^ hash >> 32;
}

// The hash a number or reference is kept by. It never leaves the run, so
// any hash that spreads keys serves: this one takes eight bytes a step,
// where a number's derivation must keep the byte-wise one it has always
// had.
uint64_t KeyHash(std::string_view key) {
  const char* bytes = key.data();
  const size_t size = key.size();
  uint64_t hash = Mixed(size * 0x9E3779B97F4A7C15u);
  // The last word may overlap the one before it: with the length in the
  // hash, every byte still counts.
  if (size < 4) {
    uint64_t word = 0;
    for (size_t i = 0; i < size; ++i) word = word << 8 | static_cast<unsigned char>(bytes[i]);
    return Mixed(hash ^ word);
  }
  if (size < 8) return Mixed(hash ^ (HalfWord(bytes) << 32 | HalfWord(bytes + size - 4)));
  for (size_t at = 0; at + 8 < size; at += 8) hash = Mixed(hash ^ Word(bytes + at));
  return Mixed(hash ^ Word(bytes + size - 8));
}

uint64_t HashInteger(int64_t value, uint64_t hash) {
  char digits[24];
  char* end = std::to_chars(digits, digits + sizeof digits - 1, value).ptr;
  *end++ = ';';
  return ByteHash(std::string_view(digits, static_cast<size_t>(end - digits)), hash);
}

// What the item holds besides its place in the file and its numbers: the
// same payment in two downloads has the same content.
uint64_t ContentHash(const StatementItem& item) {
  uint64_t hash = kByteHashStart;
  for (const int64_t value : {int64_t{item.year}, int64_t{item.month}, int64_t{item.day},
                              item.amount, int64_t{item.counterPrefix}, item.counterNumber,
                              int64_t{item.bankCode}, int64_t{item.fee}}) {
    hash = HashInteger(value, hash);
  }
  for (const std::string_view text :
       {item.currency, item.counterIban, item.counterName, item.variableSymbol, item.constantSymbol,
        item.specificSymbol, item.description, item.ownAccount}) {
    hash = ByteHash(std::string_view(text.data(), text.size()), hash);
    hash = ByteHash(std::string_view("\0", 1), hash);
  }
  return hash;
}

}  // namespace

void NumberOfHash(uint64_t hash, std::string* out) {
  uint64_t limit = 1;
  for (size_t i = 0; i < kDocumentNumberWidth; ++i) limit *= 10;
  const uint64_t number = hash % limit == 0 ? 1 : hash % limit;
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  out->assign(kDocumentNumberWidth - static_cast<size_t>(end - digits), '0');
  out->append(digits, end);
}

bool ItemNumbers::Take(bool isNumber, std::string_view key) {
  const uint64_t hash = KeyHash(key);
  if (!(isNumber ? numbers_ : references_).Insert(hash)) return false;
  given_.emplace_back(isNumber, hash);
  return true;
}

uint64_t ItemNumbers::Content(const StatementItem& item) {
  if (!hasContent_) content_ = ContentHash(item);
  hasContent_ = true;
  return content_;
}

std::string_view ItemNumbers::Unique(bool isNumber, std::string_view number,
                                     const StatementItem& item, std::string* out) {
  const std::string_view key = isNumber ? NumberKey(number) : number;
  if (key.empty() || Take(isNumber, key)) return number;
  // Derived from the number and the content, then from the number derived
  // before it while that is taken too (the same payment twice in a file).
  uint64_t hash = ByteHash(number, Content(item));
  for (;;) {
    if (isNumber) {
      NumberOfHash(hash, out);
    } else {
      std::string digits;
      NumberOfHash(hash, &digits);
      out->assign(number);
      out->push_back('-');
      out->append(digits);
    }
    if (Take(isNumber, isNumber ? NumberKey(*out) : std::string_view(*out))) return *out;
    hash = ByteHash(*out, hash);
  }
}

std::string_view ItemNumbers::DocumentNumber(const StatementItem& item) {
  if (item.fee) {
    const std::string_view payment =
        item.line == paymentLine_ ? PaymentNumber() : item.documentNumber;
    NumberOfHash(ByteHash("poplatek", ByteHash(payment)), &derived_);
    return derived_;
  }
  const bool onlySymbol = !item.documentNumber.empty() &&
                          item.documentNumber == item.variableSymbol &&
                          item.documentNumber != item.bankReference;
  if (!onlySymbol) return item.documentNumber;
  NumberOfHash(item.bankReference.empty() ? Content(item) : ByteHash(item.bankReference),
               &derived_);
  return derived_;
}

const StatementItem& ItemNumbers::Number(const StatementItem& item, bool byLayout) {
  if (!byLayout) {
    const std::string_view key = NumberKey(item.documentNumber);
    if (!key.empty()) Take(true, key);
    return item;
  }
  if (expected_ != 0) references_.Reserve(references_.Size() + std::exchange(expected_, 0));
  numbered_ = item;
  hasContent_ = false;
  const std::string_view wanted = DocumentNumber(item);
  numbered_.documentNumber = Unique(true, wanted, item, &number_);
  if (!item.fee) {
    paymentLine_ = item.line;
    KeepPaymentNumber(numbered_.documentNumber);
  }
  numbered_.bankReference = Unique(false, item.bankReference, item, &reference_);
  return numbered_;
}

void ItemNumbers::KeepPaymentNumber(std::string_view number) {
  paymentSize_ = number.size();
  if (number.size() <= sizeof paymentShort_) {
    if (!number.empty()) std::memcpy(paymentShort_, number.data(), number.size());
  } else {
    paymentLong_.assign(number);
  }
}

std::string_view ItemNumbers::PaymentNumber() const {
  if (paymentSize_ <= sizeof paymentShort_) return {paymentShort_, paymentSize_};
  return paymentLong_;
}

void ItemNumbers::TakeBack() {
  for (const auto& [isNumber, key] : given_) (isNumber ? numbers_ : references_).Erase(key);
  given_.clear();
  paymentLine_ = 0;
}

}  // namespace tarvolo
