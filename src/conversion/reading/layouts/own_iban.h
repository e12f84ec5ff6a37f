#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_OWN_IBAN_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_OWN_IBAN_H_

#include <string>
#include <string_view>
#include <vector>

#include "conversion/reading/layouts/layout_table.h"

namespace tarvolo {

// Adds the IBANs a file states for its own account to `ibans`, each once,
// in capitals without blanks: on a line before its header labelled "IBAN"
// (Fio's "iban", KB's "IBAN"), and in a column of that name (KB Business,
// Moneta). Texts written as an IBAN are kept whatever their check digits,
// so that one the check refuses can be named; any other text is passed
// over.
void CollectOwnIbans(std::string_view text, const StatementLayout& layout,
                     std::vector<std::string>* ibans);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_OWN_IBAN_H_
