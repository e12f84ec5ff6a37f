#ifndef TARVOLO_CONVERSION_PROFILE_VALUES_H_
#define TARVOLO_CONVERSION_PROFILE_VALUES_H_

#include <cstdint>
#include <string>

namespace tarvolo {

// Header amounts have 14 digits of hellers.
constexpr int64_t kLargestHeaderHellers = 99999999999999;

inline bool FitsHeader(int64_t hellers) {
  return hellers >= -kLargestHeaderHellers && hellers <= kLargestHeaderHellers;
}

// The values of g_accountSettings that a statement header shows.
struct ProfileValues {
  double openingBalance = 0;   // crowns
  int64_t openingHellers = 0;  // the same in whole hellers
  std::string oldBalanceDate;  // "ddMMyy"
};

// Reads the profile's values for a run. Returns the log line that refuses
// one a header cannot show (a balance date that has no day, a statement
// number outside 0 to 999, a line break in the account number or name, an
// opening balance of more than 14 digits of hellers or beyond the range of
// numbers), or null when every value can be used. A run and a save of the
// profile both ask, so that no profile is kept that every run refuses.
const char* ReadProfileValues(ProfileValues* values);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_PROFILE_VALUES_H_
