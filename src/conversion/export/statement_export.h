#ifndef TARVOLO_CONVERSION_EXPORT_STATEMENT_EXPORT_H_
#define TARVOLO_CONVERSION_EXPORT_STATEMENT_EXPORT_H_

#include "conversion/export/export_request.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// The conversion run: reads every statement file, hands the items it
// accepts to each output, finishes them with the statement's balances and
// sums from the request's profile and the items, writes every output's
// file and reports each step through `log`.
ExportResult RunStatementExport(const ExportRequest& request, const LogLine& log);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_STATEMENT_EXPORT_H_
