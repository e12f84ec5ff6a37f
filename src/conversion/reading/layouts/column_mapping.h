#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_COLUMN_MAPPING_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_COLUMN_MAPPING_H_

#include <string>
#include <string_view>
#include <vector>

#include "conversion/reading/layouts/layout_table.h"

namespace tarvolo {

// A column the user names for a role, by the text of its header cell.
struct MappedColumn {
  ColumnRole role = ColumnRole::kCount;
  std::string roleText;  // the role as the user wrote it, for the log
  std::string name;      // the header cell, Windows-1250
};

// How the user says a file is laid out ("datum=Booking Date;částka=Amount
// (EUR);měna=EUR"): a layout taught for a file no reading of the program's
// own confirms.
struct ColumnMapping {
  std::vector<MappedColumn> columns;
  // The mapping as the user wrote it, which is what is kept.
  std::string text;
  // The header cells of the files the mapping is kept for, as they stand;
  // empty for a mapping given for the run.
  std::vector<std::string> header;
};

// Reads a mapping of roles (Czech or English) to column names. Returns
// false with a Czech message in `error` naming the part at fault: an
// unknown role, a role given twice, a role without a column, or no date or
// no amount.
bool ParseColumnMapping(std::string_view text, ColumnMapping* mapping, std::string* error);

// The layout the mapping gives `text`: its header is the first of the first
// 40 lines that holds every column the mapping names (case and surrounding
// blanks aside); the currency may be a code that no column has. Where no
// line holds them all, the layout is not recognised and `missing` gets the
// names that the line holding most of them lacks.
StatementLayout MappedLayout(std::string_view text, const ColumnMapping& mapping,
                             std::vector<std::string>* missing);

// The cells of the line `layout` found as the header, trimmed.
std::vector<std::string> HeaderCells(std::string_view text, const StatementLayout& layout);

// Whether one of the first 40 lines of `text`, split by ';', ',' or a tab,
// has exactly the cells `header` (surrounding blanks aside); its layout by
// `mapping` is then set in `layout`.
bool KeptMappingFits(std::string_view text, const ColumnMapping& mapping, StatementLayout* layout);

// The cells of the line of the first 40 that has the most of them, all
// names (no value, none empty) and rows after it, for a file whose header no
// reading knows: what a user maps. None where no line is such.
std::vector<std::string> LikelyHeaderCells(std::string_view text);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_COLUMN_MAPPING_H_
