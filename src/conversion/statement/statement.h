#ifndef TARVOLO_CONVERSION_STATEMENT_STATEMENT_H_
#define TARVOLO_CONVERSION_STATEMENT_STATEMENT_H_

// The statement as every room sees it: its items as the readers hand them
// over, what is reported about their lines, their totals, the summary of
// the whole, and the outputs that write it.
#include "conversion/statement/export_totals.h"
#include "conversion/statement/line_report.h"
#include "conversion/statement/statement_item.h"
#include "conversion/statement/statement_output.h"
#include "conversion/statement/statement_summary.h"

#endif  // TARVOLO_CONVERSION_STATEMENT_STATEMENT_H_
