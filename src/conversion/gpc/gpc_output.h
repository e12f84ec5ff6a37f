#ifndef TARVOLO_CONVERSION_GPC_GPC_OUTPUT_H_
#define TARVOLO_CONVERSION_GPC_GPC_OUTPUT_H_

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/gpc/item_record_writer.h"
#include "conversion/statement/statement.h"

namespace tarvolo {

// The statement as an ABO/GPC file: a "075" record for each item behind
// room for the "074" header, which is written last, as its turnovers are
// the sums of the records.
class GpcOutput : public StatementOutput {
 public:
  void Begin(const AccountProfile& profile, std::vector<FieldCut>* reports) override;
  void Expect(size_t count) override;
  void Add(const StatementItem& item, std::string_view statementCurrency) override;
  void Confirm() override { confirmed_ = size_; }
  void TakeBack() override { size_ = confirmed_; }
  void Finish(const StatementSummary& summary, const std::string& shown,
              const LogLine& log) override;
  bool Write(const BytesWriter& write) override { return write({text_.get(), size_}); }
  std::vector<std::string> Check(std::string_view written) const override;

 private:
  void PutCurrency(std::string_view currency);
  // Room for `capacity` bytes of text; false where it was allowed to fail
  // (`mayFail`) and did.
  bool MakeRoom(size_t capacity, bool mayFail);

  // The statement's bytes: the header's room, then the records.
  std::unique_ptr<char[]> text_;
  size_t size_ = 0, capacity_ = 0;
  size_t confirmed_ = 0;
  std::unique_ptr<ItemRecordWriter> writer_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_GPC_GPC_OUTPUT_H_
