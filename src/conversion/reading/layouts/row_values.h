#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_ROW_VALUES_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_ROW_VALUES_H_

#include <string>
#include <string_view>
#include <vector>

#include "conversion/reading/balances/stated_balances.h"
#include "conversion/reading/layouts/file_conventions.h"
#include "conversion/reading/layouts/layout_table.h"
#include "conversion/reading/layouts/reading_report.h"
#include "conversion/reading/layouts/row_amounts.h"
#include "conversion/reading/layouts/row_dates.h"
#include "conversion/reading/layouts/row_fields.h"
#include "conversion/reading/layouts/row_texts.h"
#include "conversion/reading/text/csv_record.h"
#include "conversion/reading/text/item_fields.h"
#include "conversion/values/amount_reading.h"

namespace tarvolo {

// The values of the row a layout reader is at, each from the column the
// layout names: its dates, its amount with its sign and direction, its
// currency, its counter account and its texts, each part read by a reader
// of its own. What the file's rows decide for all of them (the decimal
// mark, the order of day and month) is looked for once, when a value first
// needs it. The texts it gives are views into the file or into its parts'
// own storage, valid until the next row.
class LayoutRow {
 public:
  // `balance` learns the file's decimal mark once it is known; `report`
  // gets the warnings about values.
  LayoutRow(std::string_view text, const StatementLayout& layout, const ChosenColumns& chosen,
            BalanceCheck* balance, LayoutReport* report)
      : fields_(text, layout),
        dates(fields_, chosen.date, &report->warnings()),
        amounts(fields_, chosen, balance, &report->warnings()),
        counter(fields_, &report->warnings()),
        symbols(fields_),
        texts(fields_) {}

  // What the header's names tell beyond the roles: times in UTC, and the
  // columns a layout takes its description from.
  void ReadHeader(const std::vector<std::string_view>& names) {
    dates.ReadHeader(names);
    texts.ReadHeader(names);
  }
  // Moves to the row `record` holds; it must stay put while the row is read.
  void Start(const CsvRecordReader& record) { fields_.Start(record); }
  int line() const { return fields_.line(); }
  std::string_view Field(ColumnRole role) const { return fields_.Field(role); }
  std::string_view Column(int index) const { return fields_.Column(index); }
  bool incoming() const { return fields_.incoming(); }

 private:
  RowFields fields_;

 public:
  RowDates dates;
  RowAmounts amounts;
  RowCounterAccount counter;
  RowSymbols symbols;
  RowDescription texts;
};

// Whether a dated row with the texts `texts` states a balance, which
// `balance` then learns. A dated item may begin like a balance ("Zůstatek k
// 31.12. převeden"): only a text that is a balance label and nothing else
// makes the row one, and only where its own running balance, if it has
// one, is its amount: a row whose balance is another value moved it.
bool DatedRowStatesBalance(const RowTexts& texts, std::string_view amount,
                           std::string_view runningBalance, BalanceCheck* balance);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_ROW_VALUES_H_
