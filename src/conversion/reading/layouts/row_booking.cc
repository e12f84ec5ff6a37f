#include "conversion/reading/layouts/row_booking.h"

#include "conversion/reading/layouts/row_kinds.h"
#include "conversion/values/text_fold.h"

namespace tarvolo {
namespace {

// The count of orders the bank names a reason for not carrying out.
constexpr char kNotExecuted[] = "neprovedené";
// The count of holds and releases the balance shows to have moved nothing.
constexpr char kHolds[] = "blokace";

}  // namespace

bool RowBooking::IsBooked(const LayoutRow& row, int line) {
  notBookedAs_.clear();
  const std::string_view product = row.Field(ColumnRole::kProduct);
  if (survey_.productsOwn && !product.empty() &&
      NormaliseColumnName(product) != survey_.ownProduct) {
    notBookedAs_ = "produkt " + std::string(product);
    return false;
  }
  // A mark of the bank's own, where the layout has one, decides before a
  // state: Business 24 lists orders it did not carry out among the rows.
  const std::string_view mark = row.Field(ColumnRole::kAccountingMark);
  if (!mark.empty()) {
    const BookingState accounting = AccountingMarkOf(mark);
    if (accounting == BookingState::kUnknown) {
      warnings_->UnknownState(line, mark);
      return false;
    }
    if (accounting == BookingState::kNotBooked) {
      notBookedAs_ = std::string(mark);
      return false;
    }
  }
  if (StatesNonExecution(row.Field(ColumnRole::kNonExecution))) {
    notBookedAs_ = kNotExecuted;
    return false;
  }
  const std::string_view state = row.Field(ColumnRole::kState);
  const BalanceVerdict* verdict = proof_.VerdictOf(line);
  if (verdict != nullptr) {
    if (verdict->counted) return true;
    notBookedAs_ = verdict->open == OpenBooking::kPending ? std::string(state) : kHolds;
    return false;
  }
  const std::string_view impact = row.Field(ColumnRole::kBalanceImpact);
  // Most layouts state neither.
  if (state.empty() && impact.empty()) return true;
  const BookingState booking = BookingOf(state, impact);
  if (booking == BookingState::kBooked) return true;
  if (booking == BookingState::kUnknown) {
    warnings_->UnknownState(line, state);
    return false;
  }
  notBookedAs_ = state.empty() || BookingOf({}, impact) != BookingState::kBooked
                     ? std::string(impact)
                     : std::string(state);
  return false;
}

}  // namespace tarvolo
