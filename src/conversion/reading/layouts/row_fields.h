#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_ROW_FIELDS_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_ROW_FIELDS_H_

#include <cstddef>
#include <string_view>

#include "conversion/reading/layouts/layout_table.h"
#include "conversion/reading/text/csv_record.h"

namespace tarvolo {

// The fields of the row a layout reader is at, each found by the role the
// layout gives its column.
class RowFields {
 public:
  RowFields(std::string_view text, const StatementLayout& layout) : text_(text), layout_(layout) {}
  RowFields(const RowFields&) = delete;
  RowFields& operator=(const RowFields&) = delete;

  // Moves to the row `record` holds; it must stay put while the row is read.
  void Start(const CsvRecordReader& record);
  int line() const { return line_; }
  // A field of the row, "" past its end or for -1; looked up many times a
  // row, with one test.
  std::string_view Field(ColumnRole role) const { return Column(layout_.Column(role)); }
  std::string_view Column(int index) const {
    return static_cast<size_t>(index) < fieldCount_ ? fields_[index] : std::string_view();
  }
  // A transfer list gives money that comes in in its own columns.
  bool incoming() const { return incoming_; }

  const StatementLayout& layout() const { return layout_; }
  // The whole file, whose rows decide some things for all of them.
  std::string_view text() const { return text_; }

 private:
  std::string_view text_;
  const StatementLayout& layout_;
  const std::string_view* fields_ = nullptr;
  size_t fieldCount_ = 0;
  int line_ = 0;
  bool incoming_ = false;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_ROW_FIELDS_H_
