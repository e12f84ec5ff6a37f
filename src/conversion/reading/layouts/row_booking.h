#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_ROW_BOOKING_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_ROW_BOOKING_H_

#include <string>

#include "conversion/reading/balances/balance_proof.h"
#include "conversion/reading/layouts/row_values.h"
#include "conversion/reading/layouts/row_warnings.h"
#include "conversion/reading/layouts/rows_survey.h"

namespace tarvolo {

// Rows that are not booked (yet) change no balance: only a completed one of
// the file's own account is an item, and a state not known here is named
// and left out. A row waiting to be booked, and a hold or its release, are
// booked as the file's running balance shows them, where it does.
class RowBooking {
 public:
  RowBooking(const RowsSurvey& survey, const BalanceProof& proof, RowWarnings* warnings)
      : survey_(survey), proof_(proof), warnings_(warnings) {}

  bool IsBooked(const LayoutRow& row, int line);
  // The name the row last judged not booked is counted under ("" for one
  // left out).
  const std::string& notBookedAs() const { return notBookedAs_; }

 private:
  const RowsSurvey& survey_;
  const BalanceProof& proof_;
  RowWarnings* warnings_;
  std::string notBookedAs_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_ROW_BOOKING_H_
