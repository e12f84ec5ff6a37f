// The settings load from arbitrary bytes: its first bytes (at most 64)
// replace the start of the profile and nothing else changes; the profile
// saves as exactly its 64 bytes; and whatever the profile holds, an export
// run with it either refuses or writes a sound statement file.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "conversion/export/statement_export.h"
#include "conversion/statement/statement.h"
#include "fuzz_checks.h"
#include "settings/account_settings.h"
#include "settings/settings_file.h"

namespace {

constexpr char kStatement[] =
    "Číslo;Datum;Částka;Protiúčet;Název;VS;Měna;Poznámka;KS;SS;Zpráva\r\n"
    "1;2014/09/24;-1234,50;000019-0123456789/0800;Pronajímatel;12345;CZK;;0308;;Nájem\r\n"
    "2;2014/09/25;25 000,00;2600123456/2010;Odběratel a.s.;2014001;CZK;;0008;;Faktura\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvolo;
  const std::string folder = FuzzFolder();
  const std::string config = folder + "/tarvolo.cfg";
  FUZZ_CHECK(WriteBytes(config, data, size), "cannot write the settings file");

  AccountSettings before;
  std::memset(&before, 0xA5, sizeof before);
  g_accountSettings = before;
  FUZZ_CHECK(LoadSettingsFrom(config.c_str()), "settings file not loaded");
  const size_t taken = size < sizeof before ? size : sizeof before;
  const unsigned char* record = reinterpret_cast<const unsigned char*>(&g_accountSettings);
  FUZZ_CHECK(std::memcmp(record, data, taken) == 0, "profile differs from the file's bytes");
  FUZZ_CHECK(std::memcmp(record + taken, reinterpret_cast<const unsigned char*>(&before) + taken,
                         sizeof before - taken) == 0,
             "bytes beyond the file's length changed");

  const std::string saved = folder + "/saved.cfg";
  FUZZ_CHECK(SaveSettingsTo(saved.c_str()), "profile not saved");
  std::string savedBytes;
  FUZZ_CHECK(ReadBytes(saved, &savedBytes) && savedBytes.size() == sizeof before &&
                 std::memcmp(savedBytes.data(), record, sizeof before) == 0,
             "saved file is not the 64 bytes of the profile");

  const std::string statement = folder + "/vypis.csv";
  FUZZ_CHECK(WriteBytes(statement, kStatement, sizeof kStatement - 1), "cannot write statement");
  const std::string output = folder + "/export.gpc";
  std::remove(output.c_str());
  std::vector<std::string> log;
  const ExportOutcome outcome = RunExport({statement}, output, &log).outcome;
  FUZZ_CHECK(!log.empty() && log.size() < 100, "log missing or runaway");
  std::string written;
  const bool exists = ReadBytes(output, &written);
  if (outcome != ExportOutcome::kWritten && outcome != ExportOutcome::kWrittenWithProblems) {
    FUZZ_CHECK(outcome == ExportOutcome::kRefused, "statement with items not written");
    FUZZ_CHECK(!exists, "refused run left a file");
    return 0;
  }
  FUZZ_CHECK(exists && written.size() == 3 * 130, "written file has the wrong length");
  CheckHeaderLine(written.substr(0, 130));
  FUZZ_CHECK(CheckRecordLines(written, 130).count == 2, "records missing");
  return 0;
}
