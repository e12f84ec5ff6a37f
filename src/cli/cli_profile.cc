#include "cli/cli_profile.h"

#include <algorithm>
#include <cstring>

#include "conversion/values/account_number.h"
#include "conversion/values/dates.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/log_line.h"
#include "conversion/values/profile_values.h"
#include "settings/bounded_text.h"
#include "settings/parse_digits.h"
#include "settings/settings_file.h"

namespace tarvolo {

const char kNotSaved[] = "Nastavení nebylo uloženo\n";

namespace {

// An account typed longer than the profile's field ("19 - 2000145399/0800")
// is kept in its shortest form rather than cut, which would change its
// digits unseen; the bank code, which no field of the format holds, is
// dropped with a line. False, with the line that refuses it, for a text
// that is no account number.
bool KeepAccount(const std::string& typed, const CliConsole& console, AccountSettings* profile) {
  char(&field)[sizeof profile->accountNumber] = profile->accountNumber;
  if (typed.size() < sizeof field) {
    CopyBoundedText(field, typed.data(), typed.size());
    return true;
  }
  AccountNumber account;
  if (!ReadAccountNumber(typed, false, &account)) {
    console.out(ShownLogLine(LogKind::kFailure, kAccountRefusal));
    return false;
  }
  if (!account.bank.empty()) {
    std::string line;
    Render(line, kDroppedBankLine, {account.bank});
    console.out(line);
    account.bank.clear();
  }
  std::string kept = ShownAccount(account);
  if (kept.size() >= sizeof field) {
    // A six-digit prefix: the format's sixteen digits fill the whole field,
    // which a text may.
    kept = AccountField(account);
    std::memcpy(field, kept.data(), sizeof field);
    return true;
  }
  CopyBoundedText(field, kept.data(), kept.size());
  return true;
}

}  // namespace

AccountSettings LoadCliProfile(const std::string& configPath, const CliConsole& console) {
  AccountSettings profile = AccountSettings();
  profile.balanceDate = CurrentTimestamp();
  std::string lengthNote;
  LoadSettingsFrom(configPath.c_str(), &profile, &lengthNote);
  if (!lengthNote.empty()) console.out(ShownLogLine(LogKind::kNote, lengthNote.c_str()));
  return profile;
}

// Texts are cut as the dialogs' edit controls cut them, but an account
// number.
bool ApplyOptions(const CliOptions& options, const CliConsole& console, AccountSettings* profile) {
  if (options.hasAccount && !KeepAccount(options.account, console, profile)) return false;
  if (options.hasName) {
    CopyBoundedText(profile->accountName, options.name.data(),
                    std::min<size_t>(options.name.size(), 19));
  }
  if (options.hasBalance) {
    // A balance longer than the dialog's 15 characters is kept as its plain
    // number rather than cut, which would change its value unseen.
    std::string kept = options.balance;
    AmountReading amount;
    if (kept.size() > 15 && ReadBalanceWhole(kept, &amount) == nullptr) {
      kept = PlainBalanceText(amount.hellers);
    }
    CopyBoundedText(profile->openingBalance, kept.data(), std::min<size_t>(kept.size(), 15));
  }
  if (options.hasNumber) {
    const size_t first = options.number.find_first_not_of(" \t");
    const std::string number = first == std::string::npos ? "" : options.number.substr(first);
    profile->statementNumber = ParseDigits(number.substr(0, 5).c_str());
  }
  if (options.hasFrom) {
    profile->balanceDate =
        CalendarDayToStoredTimestamp(options.from.year, options.from.month, options.from.day);
  }
  return true;
}

bool ProfileWorthSaving(const AccountSettings& profile, const CliConsole& console) {
  ProfileValues values;
  const std::string refusal = ReadProfileValues(ProfileOf(profile), &values);
  if (refusal.empty()) return true;
  console.out(ShownLogLine(LogKind::kFailure, refusal.c_str()));
  console.error(ShownLogLine(LogKind::kFailure, kNotSaved));
  return false;
}

}  // namespace tarvolo
