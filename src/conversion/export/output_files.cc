#include "conversion/export/output_files.h"

#include <algorithm>
#include <string_view>

#include "platform/file_system.h"
#include "platform/text_encoding.h"

namespace tarvolo {
namespace {}  // namespace

const char* OutputRefusal(const ExportRequest& request, const std::string& path,
                          const std::vector<FileIdentity>& inputs) {
  FileSystem& files = *request.fileSystem;
  if (files.KindOf(path) == PathKind::kOther) {
    return "Soubor %s není obyčejný soubor, nelze jej nahradit\n";
  }
  FileIdentity output;
  if (!files.IdentityOf(path, false, &output)) return nullptr;
  if (std::find(inputs.begin(), inputs.end(), output) != inputs.end()) {
    return "Soubor %s je jedním z převáděných výpisů, nelze jej přepsat\n";
  }
  FileIdentity settings;
  if (request.settingsPath != nullptr && files.IdentityOf(request.settingsPath, true, &settings) &&
      settings == output) {
    return "Soubor %s je soubor nastavení, nelze jej přepsat\n";
  }
  return nullptr;
}

namespace {

// Problems of the written file shown in the log; the rest are counted.
constexpr size_t kLoggedProblems = 5;

}  // namespace

// Finishes every output, unless one may not be replaced, and writes them
// all or none. What was written is read back from each file as any reader
// would, before it takes the old file's place, so that a fault shows here
// and not in the accounting program.
bool WriteOutputs(const ExportRequest& request, const ConvertedFiles& converted,
                  const StatementSummary& summary, const LogLine& log,
                  std::vector<std::vector<std::string>>* problems, ExportOutcome* failed) {
  for (const OutputFile& output : request.outputs) {
    if (const char* refusal = OutputRefusal(request, output.path, converted.inputs)) {
      LogFormatted(log, LogKind::kFailure, refusal, {PathToText(output.path)});
      *failed = ExportOutcome::kRefused;
      return false;
    }
  }
  problems->assign(request.outputs.size(), {});
  std::vector<FileToWrite> files;
  for (size_t i = 0; i < request.outputs.size(); ++i) {
    StatementOutput* format = request.outputs[i].format;
    format->Finish(summary, PathToText(request.outputs[i].path), log);
    std::vector<std::string>* found = &(*problems)[i];
    files.push_back({request.outputs[i].path.c_str(), std::string_view(),
                     [format, found](std::string_view bytes) { *found = format->Check(bytes); },
                     [format](const BytesWriter& write) { return format->Write(write); }});
  }
  if (!request.fileSystem->WriteFiles(files)) {
    for (const OutputFile& output : request.outputs) {
      LogFormatted(log, LogKind::kFailure, "Soubor %s se nepodařilo zapsat\n",
                   {PathToText(output.path)});
    }
    *failed = ExportOutcome::kWriteFailed;
    return false;
  }
  for (const OutputFile& output : request.outputs) {
    LogFormatted(log, LogKind::kInformation, "Zapsán soubor %s\n", {PathToText(output.path)});
  }
  return true;
}

// Logs what the check of one written file found; whether it found nothing.
bool LogCheck(const std::string& path, const std::vector<std::string>& problems,
              const LogLine& log) {
  const std::string output = PathToText(path);
  if (problems.empty()) {
    LogFormatted(log, LogKind::kInformation, "Kontrola souboru %s: v pořádku\n", {output});
  }
  // A problem the check finds is one the accounting program meets: the
  // run warns of it.
  for (size_t i = 0; i < problems.size() && i < kLoggedProblems; ++i) {
    LogFormatted(log, LogKind::kFileWarning, "Kontrola souboru %s: %s\n", {output, problems[i]});
  }
  if (problems.size() > kLoggedProblems) {
    LogFormatted(log, LogKind::kFileWarning, "Kontrola souboru %s: a %d dalších problémů\n",
                 {output, static_cast<int32_t>(problems.size() - kLoggedProblems)});
  }
  return problems.empty();
}

}  // namespace tarvolo
