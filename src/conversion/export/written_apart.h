#ifndef TARVOLO_CONVERSION_EXPORT_WRITTEN_APART_H_
#define TARVOLO_CONVERSION_EXPORT_WRITTEN_APART_H_

#include <string>

#include "conversion/export/export_request.h"

namespace tarvolo {

// Whether none of the files `statement` (in `currency`) is to be written to
// is one that an earlier statement of the run (`result`) wrote: a
// currency's statement named like another output ("--camt vypis-EUR.gpc")
// would replace it. False after a warning that names both.
bool ApartFromWritten(const ExportRequest& statement, const std::string& currency,
                      const ExportResult& result, const LogLine& log);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_WRITTEN_APART_H_
