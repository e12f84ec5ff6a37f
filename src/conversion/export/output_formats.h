#ifndef TARVOLO_CONVERSION_EXPORT_OUTPUT_FORMATS_H_
#define TARVOLO_CONVERSION_EXPORT_OUTPUT_FORMATS_H_

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/export/export_request.h"
#include "conversion/statement/statement.h"

namespace tarvolo {

// What a front end tells its user to do about a value that a format needs
// and the files did not give, for the line that names it; "" for nothing.
struct OutputAdvice {
  std::string iban;
};

// One format a statement can be written in, as the front ends offer it.
struct OutputFormat {
  const char* name;         // as its users know it
  const char* option;       // the command line's option for its path
  const char* defaultFile;  // where the window program writes it
  // Every command-line run writes it, to `defaultFile` unless its option
  // names another path; the other formats only where their option is given.
  bool alwaysWritten;
  const char* usage;  // the option's lines in the usage text, '\n' between them
  std::unique_ptr<StatementOutput> (*make)(const OutputAdvice& advice);
  // Checks a file of the format on its own, for --check; null where a check
  // needs the figures of the run that wrote the file.
  std::vector<std::string> (*checkFile)(std::string_view bytes);
  // One file for the whole run rather than one a statement: the report a
  // person reads, which the run writes after its statements (`make` is
  // null). The window program does not write it.
  bool runReport = false;
};

// Every format, in the order a run writes them.
const std::vector<OutputFormat>& OutputFormats();

// The format whose files --check reads: the first that can be checked alone.
const OutputFormat& CheckedFormat();

// Makes the output of every format given a path (`paths` has one for each
// row of the table, "" for a format not written) and lists it in `request`.
// The outputs are the caller's for the length of the run.
std::vector<std::unique_ptr<StatementOutput>> AddOutputs(const std::vector<std::string>& paths,
                                                         const OutputAdvice& advice,
                                                         ExportRequest* request);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_OUTPUT_FORMATS_H_
