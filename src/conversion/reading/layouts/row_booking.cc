#include "conversion/reading/layouts/row_booking.h"

#include "conversion/reading/layouts/row_kinds.h"
#include "conversion/values/text_fold.h"

namespace tarvolo {

bool RowBooking::IsBooked(const LayoutRow& row, int line) {
  notBookedAs_.clear();
  const std::string_view product = row.Field(ColumnRole::kProduct);
  if (!product.empty() && NormaliseColumnName(product) != survey_.ownProduct) {
    notBookedAs_ = "produkt " + std::string(product);
    return false;
  }
  const std::string_view state = row.Field(ColumnRole::kState);
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
