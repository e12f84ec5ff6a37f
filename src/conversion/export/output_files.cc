#include "conversion/export/output_files.h"

#include <algorithm>
#include <string_view>

#include "conversion/camt/camt_check.h"
#include "conversion/export/camt_export.h"
#include "conversion/gpc/gpc_check.h"
#include "platform/file.h"
#include "platform/text_encoding.h"
#include "platform/whole_file.h"

namespace tarvolo {
namespace {

// Why the output may not be replaced, or nullptr when it may: only a
// regular file (or a link, replaced itself) gives way, and never one of the
// run's own statements or the settings file.
const char* OutputRefusal(const ExportRequest& request, const char* path,
                          const std::vector<FileIdentity>& inputs) {
  if (KindOfPath(path) == PathKind::kOther) {
    return "Soubor %s není obyčejný soubor, nelze jej nahradit\n";
  }
  FileIdentity output;
  if (!IdentityOfPath(path, false, &output)) return nullptr;
  if (std::find(inputs.begin(), inputs.end(), output) != inputs.end()) {
    return "Soubor %s je jedním z převáděných výpisů, nelze jej přepsat\n";
  }
  FileIdentity settings;
  if (request.settingsPath != nullptr && IdentityOfPath(request.settingsPath, true, &settings) &&
      settings == output) {
    return "Soubor %s je soubor nastavení, nelze jej přepsat\n";
  }
  return nullptr;
}

// Problems of the written file shown in the log; the rest are counted.
constexpr size_t kLoggedProblems = 5;

CamtRunValues CamtValuesOf(const ExportRequest& request, const ConvertedFiles& converted,
                           const HeaderValues& values) {
  CamtRunValues run;
  run.balanceDate = request.profile.balanceDate;
  run.statementDate = request.statementDate;
  run.openingHellers = values.oldHellers;
  run.closingHellers = values.newHellers;
  run.creditHellers = converted.run.totals.creditHellers;
  run.debitHellers = converted.run.totals.debitHellers;
  run.currency = converted.run.currency;
  run.bankCode = converted.run.bankCode;
  return run;
}

}  // namespace

// Writes the statement file, and its camt.053 twin when asked, unless one
// may not be replaced: both or neither. What was written is read back from
// each file as any reader would, before it takes the old file's place, so
// that a fault shows here and not in the accounting program; the problems
// go to `checks`.
bool WriteStatement(const ExportRequest& request, const ConvertedFiles& converted,
                    const HeaderValues& values, const LogLine& log, WrittenChecks* checks,
                    ExportOutcome* failed) {
  const std::string output = PathToText(request.outputPath);
  if (const char* refusal = OutputRefusal(request, request.outputPath, converted.inputs)) {
    LogFormatted(log, LogKind::kFailure, refusal, {output});
    *failed = ExportOutcome::kRefused;
    return false;
  }
  const std::string& text = converted.exportText;
  std::vector<FileToWrite> files = {{request.outputPath, text, [checks](std::string_view bytes) {
                                       checks->gpc = CheckGpcStatement(bytes);
                                     }}};
  std::string camt;
  if (request.camtPath != nullptr) {
    const std::string shown = PathToText(request.camtPath);
    if (const char* refusal = OutputRefusal(request, request.camtPath, converted.inputs)) {
      LogFormatted(log, LogKind::kFailure, refusal, {shown});
      *failed = ExportOutcome::kRefused;
      return false;
    }
    const CamtRunValues run = CamtValuesOf(request, converted, values);
    bool hasIban = false;
    camt = ComposeRunCamt(run, request.profile, converted.camt, &hasIban);
    if (!hasIban) {
      LogFormatted(log, LogKind::kInformation,
                   "Soubor %s uvádí účet bez IBAN (kód banky není znám, zadejte jej volbou "
                   "--bank-code); účetní program může IBAN vyžadovat\n",
                   {shown});
    }
    const CamtExpectation expected = ExpectationOf(run, converted.camt);
    files.push_back({request.camtPath, camt, [checks, expected](std::string_view bytes) {
                       checks->camt = CheckCamtStatement(bytes, expected);
                     }});
  }
  if (!WriteWholeFiles(files)) {
    LogFormatted(log, LogKind::kFailure, "Soubor %s se nepodařilo zapsat\n", {output});
    if (request.camtPath != nullptr) {
      LogFormatted(log, LogKind::kFailure, "Soubor %s se nepodařilo zapsat\n",
                   {PathToText(request.camtPath)});
    }
    *failed = ExportOutcome::kWriteFailed;
    return false;
  }
  for (const FileToWrite& file : files) {
    LogFormatted(log, LogKind::kInformation, "Zapsán soubor %s\n", {PathToText(file.path)});
  }
  return true;
}

// Logs what the check of one written file found; whether it found nothing.
bool LogCheck(const char* path, const std::vector<std::string>& problems, const LogLine& log) {
  const std::string output = PathToText(path);
  if (problems.empty()) {
    LogFormatted(log, LogKind::kInformation, "Kontrola souboru %s: v pořádku\n", {output});
  }
  for (size_t i = 0; i < problems.size() && i < kLoggedProblems; ++i) {
    LogFormatted(log, LogKind::kInformation, "Kontrola souboru %s: %s\n", {output, problems[i]});
  }
  if (problems.size() > kLoggedProblems) {
    LogFormatted(log, LogKind::kInformation, "Kontrola souboru %s: a %d dalších problémů\n",
                 {output, static_cast<int32_t>(problems.size() - kLoggedProblems)});
  }
  return problems.empty();
}

}  // namespace tarvolo
