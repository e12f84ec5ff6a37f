#include "conversion/export/written_apart.h"

#include "platform/text_encoding.h"

namespace tarvolo {

bool ApartFromWritten(const ExportRequest& statement, const std::string& currency,
                      const ExportResult& result, const LogLine& log) {
  FileSystem& files = *statement.fileSystem;
  for (const OutputFile& output : statement.outputs) {
    FileIdentity planned;
    if (!files.IdentityOf(output.path, false, &planned)) continue;
    for (const WrittenStatement& written : result.statements) {
      for (const std::string& path : written.paths) {
        FileIdentity earlier;
        if (!files.IdentityOf(path, false, &earlier) || !(earlier == planned)) continue;
        LogFormatted(
            log, LogKind::kFileWarning,
            "Výpis účtu %s v %s nebyl zapsán: jeho soubor %s je soubor %s, který tento "
            "převod už zapsal; zvolte jiné názvy výstupů\n",
            {statement.profile.accountNumber, currency, PathToText(output.path), PathToText(path)});
        return false;
      }
    }
  }
  return true;
}

}  // namespace tarvolo
