#ifndef TARVOLO_SETTINGS_ACCOUNT_SETTINGS_H_
#define TARVOLO_SETTINGS_ACCOUNT_SETTINGS_H_

#include <cstddef>
#include <cstdint>

namespace tarvolo {

// The one account profile. Its bytes in memory are the bytes of the settings
// file: no header, no version, integers little-endian. Each text ends at its
// first NUL or at the end of its field.
struct AccountSettings {
  char accountNumber[16];  // own account without the bank code
  char accountName[20];
  char openingBalance[20];  // decimal text, as typed
  int32_t balanceDate;      // stored timestamp of the balance day
  int32_t statementNumber;
};

static_assert(sizeof(AccountSettings) == 64, "the settings file is 64 bytes");
static_assert(offsetof(AccountSettings, accountNumber) == 0, "layout");
static_assert(offsetof(AccountSettings, accountName) == 16, "layout");
static_assert(offsetof(AccountSettings, openingBalance) == 36, "layout");
static_assert(offsetof(AccountSettings, balanceDate) == 56, "layout");
static_assert(offsetof(AccountSettings, statementNumber) == 60, "layout");

// All zero at program start.
extern AccountSettings g_accountSettings;

}  // namespace tarvolo

#endif  // TARVOLO_SETTINGS_ACCOUNT_SETTINGS_H_
