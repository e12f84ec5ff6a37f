#ifndef TARVOLO_CONVERSION_EXPORT_RUN_CHECKS_H_
#define TARVOLO_CONVERSION_EXPORT_RUN_CHECKS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/export/earlier_items.h"
#include "conversion/export/pocket_routes.h"
#include "conversion/reading/statement_reading.h"
#include "conversion/values/account_number.h"

namespace tarvolo {

// One converted file as the checks across the run's files see it.
struct FileFacts {
  std::string shown;  // the path as the log shows it
  size_t index = 0;   // its place among the converted files
  StatedBalances stated;
  bool dated = false;  // the file states its period or has dated items
  bool periodStated = false;
  ItemDate start, end;
};

// What holds statements that belong together: the same file is converted
// once, an item found in two files once, a file's rows of a second own
// account are left out, and the files' balances follow on from each other
// in the order of their dates.
class RunChecks {
 public:
  // Takes the profile's own account, when it has a readable one.
  void SetProfileAccount(std::string_view typed);
  // The statement is one of several: a file that gives it no item and
  // states none of its balances is none of its files. With `account`, it
  // takes only the items that state that own account.
  void SetOneOfSeveral(const AccountNumber* account);
  // The statement is that of `pocket`, one of the account's own accounts
  // that its files name but do not number, or the account's own ("") whose
  // pocket is `own` ("" until decided): see PocketRoutes.
  void SetPocket(const std::string& pocket, const std::string& own) { pockets_.Set(pocket, own); }
  // The own accounts whose items the files hold beside the statement's,
  // each a statement of its own.
  const std::vector<AccountNumber>& OtherAccounts() const { return otherAccounts_; }
  // The pockets of the files in the statement's currency.
  const PocketRoutes& Pockets() const { return pockets_; }

  // The name of an earlier file of the run with the same bytes, or "" after
  // keeping this one's for the later files.
  std::string EarlierCopy(std::string_view content, const std::string& shown);
  // How many files the run converts: with one, no file's bytes or items
  // need to be kept for comparing.
  void SetFileCount(size_t count) { fileCount_ = count; }

  // Decides for each item of one reading of one file whether the statement
  // takes it, and names each one it does not in `log`.
  class FileItems {
   public:
    FileItems(const RunChecks& run, const std::string& shown, const LayoutReading* reading,
              LogLine log);
    bool Take(const StatementItem& item);
    // Counts the items left out beyond those named.
    void Finish();

   private:
    friend class RunChecks;
    void DecideAccount();
    void LeaveOut(int32_t line, const std::string& why);

    const RunChecks& run_;
    const std::string& shown_;
    const LayoutReading* reading_;
    LogLine log_;
    bool accountDecided_ = false;
    bool hasAccount_ = false;
    AccountNumber account_;
    EarlierItems::FileItems earlier_;
    bool dated_ = false;
    ItemDate first_, last_;
    int32_t leftOut_ = 0;
    int32_t taken_ = 0;
    // The items of other own accounts, which their own statements take.
    int32_t elsewhere_ = 0;
    std::vector<AccountNumber> otherAccounts_;
    FilePockets pockets_;
  };

  // A reading of the file `shown` was chosen: its items count for the later
  // files, its balances and dates for the order, and the log says which
  // account it is from.
  void AcceptFile(FileItems& items, const std::string& shown, const StatedBalances& stated,
                  const LogLine& log);

  // Once every file is read: logs files given out of the order of their
  // dates, periods that overlap and balances that do not follow on, and
  // returns the earliest file, whose opening balance is the statement's
  // (null when no file was converted). `unit` is the statement's currency
  // as the log shows it.
  const FileFacts* CheckSequence(const std::string& unit, const LogLine& log) const;
  // Whether a file of the statement states an opening or a closing balance.
  bool AnyStated() const;

 private:
  size_t fileCount_ = 2;
  struct ContentKey {
    uint64_t hash = 0;
    uint64_t size = 0;
    std::string shown;
  };
  bool hasProfileAccount_ = false;
  AccountNumber profileAccount_;
  bool oneOfSeveral_ = false;
  bool accountOnly_ = false;
  PocketRoutes pockets_;
  std::vector<AccountNumber> otherAccounts_;
  std::vector<ContentKey> contents_;
  EarlierItems earlierItems_;
  std::vector<FileFacts> files_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_RUN_CHECKS_H_
