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
  const char* name;
  const char* separators;  // each file takes one of them
  Quoting quoting;
  const char* encodings;  // 'w' Windows-1250, 'u' UTF-8, 'b' UTF-8 with a byte-order mark
  const char* dateForm;   // "dd", "mm", "yyyy" and "m", "d" without their zero
  char decimalMark;
  char grouping;  // thousands, 0 for none
  bool plusSign;  // credits written with "+"
  bool wholeWithoutDecimals;
  // +1: a charged fee is written positive, -1: negative.
  int feeSign;
  bool newestFirst;
  const char* credit;  // the direction column's words
  const char* debit;
  const char* booked;  // the state column's words
  const char* pending;
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
