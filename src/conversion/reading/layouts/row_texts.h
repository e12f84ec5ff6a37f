#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_ROW_TEXTS_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_ROW_TEXTS_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/reading/layouts/row_fields.h"
#include "conversion/reading/layouts/row_warnings.h"
#include "conversion/reading/text/item_fields.h"

namespace tarvolo {

// The counter account of a layout's rows.
class RowCounterAccount {
 public:
  RowCounterAccount(const RowFields& row, RowWarnings* warnings) : row_(row), warnings_(warnings) {}

  // The column that holds the file's own account, which is no counter
  // account even where its name made it one; -1 for none.
  void SetOwnAccountColumn(int column) { ownAccountColumn_ = column; }
  // The counter account, a text that cannot be read whole named in a
  // warning rather than left as zeros in silence.
  CounterAccountParts CounterAccount();
  // The counter account's IBAN, from its own column or, for one of another
  // country, from the counter-account column; valid after CounterAccount.
  std::string_view CounterIban() const { return counterIban_; }

 private:
  const RowFields& row_;
  RowWarnings* warnings_;
  int ownAccountColumn_ = -1;
  std::string_view counterIban_;
};

// The symbols and the document number of a layout's rows, digits only.
class RowSymbols {
 public:
  explicit RowSymbols(const RowFields& row) : row_(row) {}

  std::string_view VariableSymbol() {
    return KeepDigits(row_.Field(ColumnRole::kVariableSymbol), variable_);
  }
  std::string_view ConstantSymbol() {
    return KeepDigits(row_.Field(ColumnRole::kConstantSymbol), constant_);
  }
  std::string_view SpecificSymbol() {
    return KeepDigits(row_.Field(ColumnRole::kSpecificSymbol), specific_);
  }
  // The item's number: the bank's own `id` where it is a short number, the
  // payer's reference where that is one, the `variable` symbol, or a number
  // worked out from a long id.
  std::string_view DocumentNumber(std::string_view id, std::string_view variable);

 private:
  const RowFields& row_;
  std::string variable_, constant_, specific_, document_;
};

// The texts that may tell that a dated row states a balance.
struct RowTexts {
  std::string_view text[6];
  size_t count = 0;
};

// The message and the counter name of a layout's rows, each on one line
// and cut to the longest message an item keeps.
class RowDescription {
 public:
  explicit RowDescription(const RowFields& row) : row_(row) {}

  // The columns the layout takes its description from, by the header's names.
  void ReadHeader(const std::vector<std::string_view>& names);
  // The file writes its texts in apostrophes (mBank): they are no part of
  // the message or the name.
  void SetTextsInApostrophes(bool enclosed) { textsInApostrophes_ = enclosed; }
  std::string_view Description();
  std::string_view CounterName();
  const RowTexts& Texts();

 private:
  std::string_view DescriptionText() const;
  std::string_view Text(std::string_view text) const {
    return textsInApostrophes_ ? WithoutApostrophes(text) : text;
  }

  const RowFields& row_;
  int descriptionColumns_[3] = {-1, -1, -1};
  bool textsInApostrophes_ = false;
  std::string description_, name_;
  RowTexts texts_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_ROW_TEXTS_H_
