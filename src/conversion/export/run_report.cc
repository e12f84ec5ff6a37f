#include "conversion/export/run_report.h"

#include "conversion/export/output_files.h"
#include "platform/text_encoding.h"

namespace tarvolo {
namespace {

// Whether `a` and `b` name one file: the same text, or the same file on disk.
bool SameFile(FileSystem& files, const std::string& a, const std::string& b) {
  if (a == b) return true;
  FileIdentity first, second;
  return files.IdentityOf(a, true, &first) && files.IdentityOf(b, true, &second) && first == second;
}

}  // namespace

bool ReportPathAllowed(const ExportRequest& request, const LogLine& log) {
  FileSystem& files = *request.fileSystem;
  std::vector<FileIdentity> inputs;
  for (const std::string& path : request.files) {
    FileIdentity identity;
    if (!path.empty() && files.IdentityOf(path, true, &identity)) inputs.push_back(identity);
  }
  const char* refusal = OutputRefusal(request, request.reportPath, inputs);
  for (const OutputFile& output : request.outputs) {
    if (refusal == nullptr && SameFile(files, output.path, request.reportPath)) {
      refusal = "Soubor %s je zároveň výpisem běhu, přehled do něj nelze zapsat\n";
    }
  }
  if (refusal == nullptr) return true;
  LogFormatted(log, LogKind::kFailure, refusal, {PathToText(request.reportPath)});
  return false;
}

bool WriteRunReport(const ExportRequest& request, const ExportResult& result,
                    const std::vector<LoggedLine>& lines, const LogLine& log) {
  FileSystem& files = *request.fileSystem;
  const std::string shown = PathToText(request.reportPath);
  // A statement beside the main one is named by the run: it may be the
  // report's path only now.
  for (const WrittenStatement& statement : result.statements) {
    for (const std::string& path : statement.paths) {
      if (!SameFile(files, path, request.reportPath)) continue;
      LogFormatted(log, LogKind::kFailure,
                   "Soubor %s je zároveň výpisem běhu, přehled do něj nelze zapsat\n", {shown});
      return false;
    }
  }
  const std::string html = RunReportHtml(request, result, lines);
  if (!files.WriteFiles({{request.reportPath.c_str(), html, nullptr}})) {
    LogFormatted(log, LogKind::kFailure, "Soubor %s se nepodařilo zapsat\n", {shown});
    return false;
  }
  LogFormatted(log, LogKind::kInformation, "Zapsán přehled %s\n", {shown});
  return true;
}

}  // namespace tarvolo
