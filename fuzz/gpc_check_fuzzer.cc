// The read-back check on arbitrary bytes and on statements built from them.
// Arbitrary bytes: every problem names a line the file has (or the file as
// a whole), and a file found sound is nothing but lines of 128 characters
// and CR LF, the first a "074". Built statements: one laid out by the
// table's rules, its header's totals the sums of its items, is sound; with
// one digit of one amount changed (the header's or an item's), it is not.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/gpc/gpc_check.h"
#include "conversion/gpc/gpc_records.h"
#include "fuzz_checks.h"

namespace tarvolo {
namespace {

// The fuzz bytes, taken one at a time, then zeros.
class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  unsigned Next() { return at_ < size_ ? data_[at_++] : 0; }
  uint64_t Below(uint64_t limit) {
    uint64_t value = 0;
    for (int i = 0; i < 8; ++i) value = value << 8 | Next();
    return value % limit;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

void Put(std::string& line, const GpcField& field, const std::string& text) {
  FUZZ_CHECK(text.size() == field.width, "harness: field width");
  line.replace(field.first, field.width, text);
}

std::string Digits(uint64_t value, size_t width) {
  std::string text(width, '0');
  for (size_t i = width; i-- > 0 && value != 0; value /= 10) text[i] = '0' + value % 10;
  return text;
}

void PutAmount(std::string& line, HeaderField field, int64_t value) {
  Put(line, kHeaderFields[field], Digits(value < 0 ? -value : value, 14));
  Put(line, kHeaderFields[field + 1], value < 0 ? "-" : "+");
}

constexpr char kAccount[] = "0000002000145399";
constexpr int64_t kItemLimit = 100000000000;  // within the header's 14 digits for 8 items

// A sound statement of one to eight items; `amounts` gets where each amount
// field stands.
std::string SoundStatement(Bytes& bytes, std::vector<GpcField>* amounts) {
  const int items = 1 + static_cast<int>(bytes.Next() % 8);
  const int64_t oldBalance = static_cast<int64_t>(bytes.Below(2 * kItemLimit)) - kItemLimit;
  int64_t debits = 0, credits = 0;
  std::string text;
  for (int i = 0; i < items; ++i) {
    std::string line(kGpcLineWidth, ' ');
    const bool debit = bytes.Next() % 2 == 0;
    const int64_t amount = static_cast<int64_t>(bytes.Below(kItemLimit));
    (debit ? debits : credits) += amount;
    Put(line, kItemFields[kItemType], "075");
    Put(line, kItemFields[kItemOwnAccount], kAccount);
    Put(line, kItemFields[kItemCounterAccount], Digits(bytes.Below(1000000), 16));
    Put(line, kItemFields[kItemDocumentNumber], Digits(i + 1, 13));
    Put(line, kItemFields[kItemAmount], Digits(amount, 12));
    Put(line, kItemFields[kItemAccountingCode], debit ? "1" : "2");
    Put(line, kItemFields[kItemVariableSymbol], Digits(bytes.Below(10000000000), 10));
    Put(line, kItemFields[kItemBankCode], Digits(800, 6));
    Put(line, kItemFields[kItemConstantSymbol], Digits(308, 4));
    Put(line, kItemFields[kItemSpecificSymbol], Digits(0, 10));
    Put(line, kItemFields[kItemDueDate], Digits(1 + bytes.Next() % 28, 2) + "0914");
    Put(line, kItemFields[kItemCurrencyCode], debit ? "01101" : "01102");
    Put(line, kItemFields[kItemDate], "240914");
    text += line + "\r\n";
    GpcField field = kItemFields[kItemAmount];
    field.first += kGpcLineLength * (i + 1);
    amounts->push_back(field);
  }
  std::string header(kGpcLineWidth, ' ');
  Put(header, kHeaderFields[kHeaderType], "074");
  Put(header, kHeaderFields[kHeaderAccount], kAccount);
  Put(header, kHeaderFields[kHeaderOldBalanceDate], "310814");
  PutAmount(header, kHeaderOldBalance, oldBalance);
  PutAmount(header, kHeaderNewBalance, oldBalance - debits + credits);
  PutAmount(header, kHeaderDebits, debits);
  PutAmount(header, kHeaderCredits, credits);
  Put(header, kHeaderFields[kHeaderStatementNumber], "007");
  Put(header, kHeaderFields[kHeaderStatementDate], "240914");
  for (const HeaderField field :
       {kHeaderOldBalance, kHeaderNewBalance, kHeaderDebits, kHeaderCredits}) {
    amounts->push_back(kHeaderFields[field]);
  }
  return header + "\r\n" + text;
}

void CheckArbitraryBytes(std::string_view bytes) {
  int lines = 0;
  for (size_t at = 0; at < bytes.size(); ++lines) {
    const size_t end = bytes.find('\n', at);
    at = end == std::string_view::npos ? bytes.size() : end + 1;
  }
  const std::vector<std::string> problems = CheckGpcStatement(bytes);
  for (const std::string& problem : problems) {
    if (problem == "soubor je prázdný" || problem == "soubor neobsahuje hlavičku 074") continue;
    const std::string prefix = "řádek ";
    FUZZ_CHECK(problem.compare(0, prefix.size(), prefix) == 0,
               "problem without a line: " + problem);
    const int line = std::atoi(problem.c_str() + prefix.size());
    FUZZ_CHECK(line >= 1 && line <= lines, "problem on a line the file lacks: " + problem);
  }
  if (!problems.empty()) return;
  FUZZ_CHECK(!bytes.empty() && bytes.size() % kGpcLineLength == 0 && bytes.substr(0, 3) == "074",
             "sound, but not lines of 130 bytes under a header");
  for (size_t at = 0; at < bytes.size(); at += kGpcLineLength) {
    const std::string_view line = bytes.substr(at, kGpcLineLength);
    FUZZ_CHECK(line.substr(kGpcLineWidth) == "\r\n" &&
                   line.substr(0, kGpcLineWidth).find_first_of("\r\n") == std::string_view::npos,
               "sound, but a line is not 128 characters and CR LF");
  }
}

}  // namespace
}  // namespace tarvolo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvolo;
  CheckArbitraryBytes(std::string_view(reinterpret_cast<const char*>(data), size));

  Bytes bytes(data, size);
  std::vector<GpcField> amounts;
  std::string statement = SoundStatement(bytes, &amounts);
  const std::vector<std::string> problems = CheckGpcStatement(statement);
  FUZZ_CHECK(problems.empty(), "sound statement refused: " + problems.front() + "\n" + statement);

  const GpcField& amount = amounts[bytes.Next() % amounts.size()];
  char& digit = statement[amount.first + bytes.Next() % amount.width];
  digit = static_cast<char>('0' + (digit - '0' + 1 + bytes.Next() % 9) % 10);
  FUZZ_CHECK(!CheckGpcStatement(statement).empty(), "a changed amount found sound:\n" + statement);
  return 0;
}
