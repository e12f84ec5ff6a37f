#include "conversion/export/output_formats.h"

#include "conversion/camt/camt_output.h"
#include "conversion/gpc/gpc_check.h"
#include "conversion/gpc/gpc_output.h"

namespace tarvolo {
namespace {

std::unique_ptr<StatementOutput> MakeGpc(const OutputAdvice&) {
  return std::make_unique<GpcOutput>();
}

std::unique_ptr<StatementOutput> MakeCamt(const OutputAdvice& advice) {
  auto camt = std::make_unique<CamtOutput>();
  camt->SetIbanAdvice(advice.iban);
  return camt;
}

}  // namespace

const std::vector<OutputFormat>& OutputFormats() {
  static const std::vector<OutputFormat> formats = {
      {
          .name = "ABO",
          .option = "--output",
          .defaultFile = "export.gpc",
          .alwaysWritten = true,
          .usage = "zapsaný soubor (jinak export.gpc v aktuální složce);\n"
                   "výpis v jiné měně nebo jiného vlastního účtu vedle něj\n"
                   "(export-EUR.gpc, export-51-1234567890.gpc)",
          .make = MakeGpc,
          .checkFile = CheckGpcStatement,
      },
      // The same statement for the programs that import camt.053 (SEPA XML).
      {
          .name = "camt.053",
          .option = "--camt",
          .defaultFile = "export.xml",
          .alwaysWritten = false,
          .usage = "zapsat týž výpis také ve formátu camt.053 (XML)",
          .make = MakeCamt,
          .checkFile = nullptr,
      },
      // Each statement and its items as a person reads them, printed or on
      // screen: which payments can be paired, and what the log warned of.
      {
          .name = "přehled HTML",
          .option = "--report",
          .defaultFile = "export.html",
          .alwaysWritten = false,
          .usage = "zapsat také přehled běhu ke čtení a tisku (HTML): výpisy,\n"
                   "položky, párování plateb, upozornění a vynechané řádky",
          .make = nullptr,
          .checkFile = nullptr,
          .runReport = true,
      },
  };
  return formats;
}

const OutputFormat& CheckedFormat() {
  for (const OutputFormat& format : OutputFormats()) {
    if (format.checkFile != nullptr) return format;
  }
  return OutputFormats().front();
}

std::vector<std::unique_ptr<StatementOutput>> AddOutputs(const std::vector<std::string>& paths,
                                                         const OutputAdvice& advice,
                                                         ExportRequest* request) {
  std::vector<std::unique_ptr<StatementOutput>> outputs;
  const std::vector<OutputFormat>& formats = OutputFormats();
  for (size_t i = 0; i < formats.size() && i < paths.size(); ++i) {
    if (paths[i].empty()) continue;
    if (formats[i].runReport) {
      request->reportPath = paths[i];
      continue;
    }
    outputs.push_back(formats[i].make(advice));
    request->outputs.push_back({paths[i], outputs.back().get()});
  }
  return outputs;
}

}  // namespace tarvolo
