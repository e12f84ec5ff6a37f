#include "fuzz_checks.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "conversion/gpc/gpc_output.h"
#include "platform/whole_file.h"
#include "settings/account_settings.h"

#include "conversion/gpc/gpc_records.h"

namespace tarvolo {
namespace {

constexpr size_t kLineLength = kGpcLineLength;

bool AllDigits(const std::string& text, size_t from, size_t count) {
  for (size_t i = from; i < from + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

bool AllDigits(const std::string& text, const GpcField& field) {
  return AllDigits(text, field.first, field.width);
}

int64_t DigitsValue(const std::string& text, size_t from, size_t count) {
  int64_t value = 0;
  for (size_t i = from; i < from + count; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

// A header amount: digits of hellers followed by its sign character.
int64_t SignedAmount(const std::string& line, HeaderField field, const char* signs) {
  const GpcField& amount = kHeaderFields[field];
  FUZZ_CHECK(AllDigits(line, amount), "header amount is not all digits: " + line);
  const char sign = line[kHeaderFields[field + 1].first];
  FUZZ_CHECK(sign == signs[0] || sign == signs[1], "bad sign in header: " + line);
  const int64_t magnitude = DigitsValue(line, amount.first, amount.width);
  return sign == '-' ? -magnitude : magnitude;
}

void RemoveFolder(void) {
  std::error_code error;
  std::filesystem::remove_all(FuzzFolder(), error);
}

}  // namespace

void FuzzFailure(const char* file, int line, const std::string& what) {
  std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, what.c_str());
  std::abort();
}

RecordSummary CheckRecordLines(const std::string& text, size_t offset) {
  RecordSummary summary;
  FUZZ_CHECK(offset <= text.size(), "records start beyond the text");
  FUZZ_CHECK((text.size() - offset) % kLineLength == 0,
             "records are not a whole number of 130-byte lines");
  for (size_t at = offset; at < text.size(); at += kLineLength) {
    const std::string line = text.substr(at, kLineLength);
    FUZZ_CHECK(line.compare(0, 3, "075") == 0, "record does not start with 075: " + line);
    FUZZ_CHECK(line.compare(kGpcLineWidth, 2, "\r\n") == 0,
               "record does not end in CR LF: " + line);
    for (size_t i = 0; i < kGpcLineWidth; ++i) {
      FUZZ_CHECK(line[i] != '\r' && line[i] != '\n' && line[i] != '\0',
                 "line break or NUL inside a record: " + line);
    }
    const GpcField& amount = kItemFields[kItemAmount];
    FUZZ_CHECK(AllDigits(line, amount), "record amount is not all digits: " + line);
    const char code = line[kItemFields[kItemAccountingCode].first];
    // A koruna statement's currency field ends with the posting code;
    // another currency's holds its ISO 4217 numeric code.
    const GpcField& currency = kItemFields[kItemCurrencyCode];
    const std::string field = line.substr(currency.first, currency.width);
    if (field.compare(0, 3, "011") == 0) {
      const std::string posting = field.substr(currency.width - 2, 2);
      FUZZ_CHECK((code == '1' && posting == "01") || (code == '2' && posting == "02"),
                 "record codes disagree: " + line);
    } else {
      FUZZ_CHECK(AllDigits(line, currency) && field.compare(0, 2, "00") == 0,
                 "currency field is neither the koruna's nor an ISO code: " + line);
    }
    FUZZ_CHECK(code == '1' || code == '2', "accounting code is neither debit nor credit: " + line);
    const int64_t hellers = DigitsValue(line, amount.first, amount.width);
    (code == '1' ? summary.debitHellers : summary.creditHellers) += hellers;
    ++summary.count;
  }
  return summary;
}

HeaderSummary CheckHeaderLine(const std::string& line) {
  FUZZ_CHECK(line.size() == kLineLength, "header is not 130 bytes: " + line);
  FUZZ_CHECK(line.compare(0, 3, "074") == 0, "header does not start with 074: " + line);
  FUZZ_CHECK(line.compare(kGpcLineWidth, 2, "\r\n") == 0, "header does not end in CR LF: " + line);
  for (size_t i = 0; i < kGpcLineWidth; ++i) {
    FUZZ_CHECK(line[i] != '\r' && line[i] != '\n' && line[i] != '\0',
               "line break or NUL inside the header: " + line);
  }
  FUZZ_CHECK(AllDigits(line, kHeaderFields[kHeaderOldBalanceDate]) &&
                 AllDigits(line, kHeaderFields[kHeaderStatementDate]),
             "header dates: " + line);
  const GpcField& tail = kHeaderFields[kHeaderTail];
  FUZZ_CHECK(line.compare(tail.first, tail.width, std::string(tail.width, ' ')) == 0,
             "header tail: " + line);
  HeaderSummary header;
  header.oldBalance = SignedAmount(line, kHeaderOldBalance, "+-");
  header.newBalance = SignedAmount(line, kHeaderNewBalance, "+-");
  header.debits = SignedAmount(line, kHeaderDebits, "0-");
  header.credits = SignedAmount(line, kHeaderCredits, "0-");
  FUZZ_CHECK(header.debits >= 0 && header.credits >= 0, "negative turnover: " + line);
  FUZZ_CHECK(header.oldBalance + header.credits - header.debits == header.newBalance,
             "old + credits - debits != new: " + line);
  return header;
}

int CountDataLines(const std::string& text) {
  const size_t end = std::min(text.size(), std::strlen(text.c_str()));
  int lines = 0;
  // Each LF that has text after it starts a data line; it counts when any
  // byte before its first CR or LF is other than ';', '"' or a blank.
  bool inField = false, content = false, started = false;
  for (size_t i = 0; i < end; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      if (started && content) ++lines;
      started = i + 1 < end;
      inField = started;
      content = false;
    } else if (c == '\r') {
      inField = false;
    } else if (inField && c != ';' && c != '"' && c > 32) {
      content = true;
    }
  }
  if (started && content) ++lines;
  return lines;
}

ExportResult RunExport(const std::vector<std::string>& files, const std::string& output,
                       std::vector<std::string>* log) {
  ExportRequest request;
  request.files = files;
  request.profile = ProfileOf(g_accountSettings);
  request.statementDate = 1411560000;
  GpcOutput gpc;
  request.outputs = {{output, &gpc}};
  return RunStatementExport(
      request, [log](LogKind kind, const char* line) { log->push_back(ShownLogLine(kind, line)); });
}

const std::string& FuzzFolder() {
  static const std::string folder = [] {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/tarvolo-fuzz-XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr) FuzzFailure(__FILE__, __LINE__, "no temporary folder");
    return pattern;
  }();
  static const bool registered = std::atexit(RemoveFolder) == 0;
  (void)registered;
  return folder;
}

bool WriteBytes(const std::string& path, const void* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(out);
}

bool ReadBytes(const std::string& path, std::string* content) {
  return ReadWholeFile(path.c_str(), content);
}

}  // namespace tarvolo
