#ifndef TARVOLO_CONVERSION_READING_STATEMENT_READING_H_
#define TARVOLO_CONVERSION_READING_STATEMENT_READING_H_

// The door into reading: one statement file's bytes in, its items and what
// it states about itself out. The rooms behind it read text (encodings, CSV
// records and fields), Servis24 by position, the layouts of other banks and
// services, and the balances that prove them; nothing outside reading/
// includes them but through this header.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "conversion/reading/balances/stated_balances.h"
#include "conversion/reading/layouts/column_mapping.h"
#include "conversion/reading/layouts/currency_split.h"
#include "conversion/reading/layouts/layout_reader.h"
#include "conversion/reading/text/item_fields.h"
#include "conversion/statement/statement.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// The bank of a layout of a service abroad (Revolut, Wise, PayPal): no Czech
// bank, and none that another file's bank could be.
constexpr int32_t kBankAbroad = -1;

// What one converted file tells of the bank of its own account.
struct FileBank {
  // The bank whose layout the file is in: its code, kBankAbroad, or 0 where
  // the layout tells no bank.
  int32_t layoutBank = 0;
  // The own accounts and IBANs the file states, as its reading gives them.
  std::vector<std::string> ownAccounts, ownIbans;
};

// What the reading of a run's files knows across them.
struct ReadingState {
  std::string currency;  // the statement's, set by its first file
  // The run's other statements, and the currencies met beside this one.
  CurrencySplit split;
  // What each file read tells of its own account's bank.
  std::vector<FileBank> banks;
  // The column mappings the user taught: one given for every file (its
  // header empty), or those kept for files of their header exactly, which
  // serve where no reading of the program's own is confirmed.
  std::vector<ColumnMapping> mappings;
};

// Where a file's items go while its readings are tried: a reading's items
// count only once it is chosen, and leave no trace when it is not.
class ReadingTarget {
 public:
  virtual ~ReadingTarget() = default;
  // The file has about `itemLines` lines of items.
  virtual void Expect(size_t itemLines) = 0;
  // A reading of the file `shown` begins; `log` holds its lines back until
  // it is chosen, and `reading` (null for Servis24 by position) fills as the
  // reading goes.
  virtual void Try(const std::string& shown, const LayoutReading* reading, LogLine log) = 0;
  // An item of the reading being tried, in the statement's `currency`.
  virtual void Add(const StatementItem& item, const std::string& currency) = 0;
  // The reading is chosen: its items count. Its own lines are logged next.
  virtual void Finish() = 0;
  // After the chosen reading's lines: what the run checks across files.
  // False when an amount has more digits than its record holds.
  virtual bool Keep(const std::string& shown, const StatedBalances& stated, const LogLine& log) = 0;
  // The reading is not chosen.
  virtual void Forget() = 0;
};

// What became of one file.
struct FileReading {
  bool converted = false;  // a reading of the file was confirmed by its data
  bool amountsFit = true;
};

// Reads the statement file `shown` from its `size` bytes at `bytes`, which
// it converts in place to Windows-1250, the way its data confirm: its items
// go to `target`, what it tells across files to `state`, every line about it
// to `log`. A file that no reading confirms, or two that give other items,
// is named with why and gives nothing.
FileReading ReadStatementFile(const std::string& shown, char* bytes, size_t size,
                              ReadingState* state, ReadingTarget* target, const LogLine& log);

// What a mapping given for a run finds in one statement file, whose `size`
// bytes at `bytes` are converted in place to Windows-1250: the header cells
// of the line holding every column it names, or the names no line holds.
struct MappedHeader {
  bool fits = false;
  std::vector<std::string> cells;
  std::vector<std::string> missing;
};
MappedHeader FindMappedHeader(char* bytes, size_t size, const ColumnMapping& mapping);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_STATEMENT_READING_H_
