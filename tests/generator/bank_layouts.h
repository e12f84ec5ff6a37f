// How each bank writes its statement file, as the generator renders it.
#ifndef TARVOLO_TESTS_GENERATOR_BANK_LAYOUTS_H_
#define TARVOLO_TESTS_GENERATOR_BANK_LAYOUTS_H_

#include <vector>

namespace tarvolo {

enum class Quoting {
  kNone,
  kAll,
  kNeeded,  // fields that hold the separator, a quote or a line break
  kSpaces,  // as needed, and fields that hold a blank
};

struct BankLayout {
  const char* name = nullptr;
  const char* separators = nullptr;  // each file takes one of them
  Quoting quoting = Quoting::kNone;
  const char* encodings = nullptr;  // 'w' Windows-1250, 'u' UTF-8, 'b' UTF-8 with a byte-order mark
  // "dd", "mm", "yyyy" and "m", "d" without their zero, "yy" the year's
  // last two digits
  const char* dateForm = nullptr;
  char decimalMark = 0;
  char grouping = 0;      // thousands, 0 for none
  bool plusSign = false;  // credits written with "+"
  bool wholeWithoutDecimals = false;
  // +1: a charged fee is written positive, -1: negative.
  int feeSign = 0;
  bool newestFirst = false;
  const char* credit = nullptr;  // the direction column's words
  const char* debit = nullptr;
  const char* booked = nullptr;  // the state column's words
  const char* pending = nullptr;
  // Lines before the header and after the rows, '\n' between lines, with
  // {OPEN}, {CLOSE}, {DEBIT}, {CREDIT}, {COUNT}, {FROM}, {TO}; {OPEN_} and
  // {CLOSE_} grouped by blanks.
  const char* preamble;
  const char* trailer;
  const char* header;  // the names, '|' between them
  // "name=role|...", the first column of that name; "'text" a fixed text.
  const char* roles;
};

extern const std::vector<BankLayout> kBankLayouts;

}  // namespace tarvolo

#endif  // TARVOLO_TESTS_GENERATOR_BANK_LAYOUTS_H_
