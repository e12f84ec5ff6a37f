#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_FILE_SELF_DESCRIPTION_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_FILE_SELF_DESCRIPTION_H_

#include <string>
#include <string_view>
#include <vector>

#include "conversion/reading/layouts/layout_table.h"
#include "conversion/reading/text/item_fields.h"

namespace tarvolo {

// What a statement file says about itself in its lines before the header:
// its own account (Fio's accountId and bankId, the "Výpis č. … z účtu …" of
// Fio's printed statement, KB's "Číslo účtu", Business 24's Prefix and
// Account number, mBank's "#Číslo účtu:") and its period (Fio's dateStart
// and dateEnd or "Období:", Business 24's start and end of the period, KB's
// "Výpis za období", mBank's "#Za období:").
class FileSelfDescription {
 public:
  void ReadPreambleLine(const std::vector<std::string_view>& fields);
  // The account as the file writes it, the bank joined to it (the file's
  // own, else `layoutBank`); "" for none.
  std::string Account(std::string_view layoutBank = {}) const;
  bool HasPeriod() const { return periodStart_.year != 0 && periodEnd_.year != 0; }
  const ItemDate& periodStart() const { return periodStart_; }
  const ItemDate& periodEnd() const { return periodEnd_; }
  // The currency written after the account's number, "" for none.
  const std::string& currency() const { return currency_; }

 private:
  void ReadNumber(std::string_view value);

  std::string number_, prefix_, bank_, currency_;
  ItemDate periodStart_, periodEnd_;
};

// The four digits of the Czech bank whose layout `layout` is, "" for a
// layout of no one Czech bank.
std::string LayoutBankCode(const StatementLayout& layout);

// The column that holds the file's own account on every row (ČSOB's,
// Moneta's, Raiffeisenbank's and KB Business's "Číslo účtu", UniCredit's
// "Účet"): a name no other role of the layout took, or a "Číslo účtu" taken
// for the counter account that holds the account the file `stated` before
// its header, or one account on every row of two or more; in a layout
// whose rows decide it (Fio's), only the column they proved. -1 for none.
int OwnAccountColumn(std::string_view text, const StatementLayout& layout,
                     const std::string& stated);

// Adds the accounts that `column` holds to `accounts`, each once, in the
// order of the rows, with the bank of the layout where a value names none;
// values that are no account are passed over.
void CollectOwnAccounts(std::string_view text, const StatementLayout& layout, int column,
                        std::vector<std::string>* accounts);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_FILE_SELF_DESCRIPTION_H_
