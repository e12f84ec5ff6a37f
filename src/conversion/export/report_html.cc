#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "conversion/export/run_report.h"
#include "conversion/values/dates.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/koruna_default.h"
#include "platform/text_encoding.h"

namespace tarvolo {
namespace {

// Plain and printable: no script, no fonts or pictures to fetch, the item
// table landscape on paper with its head on every page.
constexpr char kStyle[] =
    "body{font-family:Arial,Helvetica,sans-serif;font-size:10pt;margin:16px;color:#111}"
    "h1{font-size:16pt;margin:0 0 8px}h2{font-size:13pt;margin:18px 0 6px;"
    "border-bottom:1px solid #888}"
    "table{border-collapse:collapse;margin:4px 0 10px}"
    "th,td{border:1px solid #bbb;padding:2px 5px;vertical-align:top;text-align:left}"
    "th{background:#eee}td.amount,td.count{text-align:right;white-space:nowrap}"
    "td.date{white-space:nowrap}"
    "tr.debit td.pairing{color:#666}tr.pairable td.pairing{color:#1b5e20}"
    "tr.unpaired td.pairing{color:#b00020;font-weight:bold}"
    "td.warnings,li.marked,p.outcome-warn{color:#b00020}"
    "ol.log{font-family:monospace;font-size:8.5pt;padding-left:3.5em}"
    "@page{size:A4 landscape;margin:12mm}"
    "@media print{body{margin:0}thead{display:table-header-group}"
    "tr{page-break-inside:avoid}section{page-break-before:auto}}";

// The text as HTML: markup characters escaped, control characters a blank,
// ended at a NUL as every text of an item is.
std::string Escaped(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::string html;
  html.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '"':
        html += "&quot;";
        break;
      default:
        html += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
  }
  return html;
}

// A log line without the line feeds that end it, as the user reads it.
std::string ShownText(const LoggedLine& line) {
  std::string text = ShownLogLine(line.kind, line.text.c_str());
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

// Hellers as Czech readers write money: "-1 500,00", thousands apart by a
// no-break space, exact for every 64-bit count.
std::string Money(int64_t hellers) {
  const bool negative = hellers < 0;
  const uint64_t magnitude =
      negative ? static_cast<uint64_t>(-(hellers + 1)) + 1 : static_cast<uint64_t>(hellers);
  std::string whole;
  Render(whole, "%d", {static_cast<int64_t>(magnitude / 100)});
  std::string grouped;
  for (size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) grouped += "&nbsp;";
    grouped += whole[i];
  }
  const uint64_t rest = magnitude % 100;
  return (negative ? "-" : "") + grouped + "," + static_cast<char>('0' + rest / 10) +
         static_cast<char>('0' + rest % 10);
}

// A file as an item's row names it: its name alone, the whole path beside
// it for the reader who points at it.
std::string FileCell(const std::string& shown, int32_t line) {
  const size_t slash = shown.find_last_of("/\\");
  const std::string name = slash == std::string::npos ? shown : shown.substr(slash + 1);
  std::string cell = "<td title=\"" + Escaped(shown) + "\">" + Escaped(name) + ", ";
  Render(cell, "%d</td>", {line});
  return cell;
}

std::string Rendered(const char* format, std::initializer_list<FormatArg> args) {
  std::string text;
  Render(text, format, args);
  return text;
}

// Where a log line says it is about a line of a file ("Soubor X, řádek N:
// ..."), that file and line; otherwise no file.
std::pair<std::string, int32_t> LineNamed(const std::string& text) {
  static const std::string kFile = "Soubor ", kLine = ", řádek ";
  if (text.compare(0, kFile.size(), kFile) != 0) return {};
  const size_t at = text.find(kLine, kFile.size());
  if (at == std::string::npos) return {};
  int64_t line = 0;
  size_t end = at + kLine.size();
  while (end < text.size() && text[end] >= '0' && text[end] <= '9' && line < INT32_MAX) {
    line = line * 10 + (text[end++] - '0');
  }
  if (end == at + kLine.size() || end >= text.size() || text[end] != ':') return {};
  return {text.substr(kFile.size(), at - kFile.size()), static_cast<int32_t>(line)};
}

const char* StatusName(PairingStatus status) {
  switch (status) {
    case PairingStatus::kDebit:
      return "debit";
    case PairingStatus::kSymbol:
      return "symbol";
    case PairingStatus::kFilledFromMessage:
      return "filled";
    case PairingStatus::kOnlyInMessage:
      return "in-message";
    case PairingStatus::kAmbiguous:
      return "ambiguous";
    case PairingStatus::kUnusableSymbol:
      return "unusable";
    case PairingStatus::kNoSymbol:
      return "none";
  }
  return "none";
}

std::string PairingText(const ItemPairing& pairing) {
  switch (pairing.status) {
    case PairingStatus::kDebit:
      return pairing.reason;
    case PairingStatus::kSymbol:
      return "lze spárovat podle VS " + pairing.symbol;
    case PairingStatus::kFilledFromMessage:
      return "lze spárovat: " + pairing.reason;
    default:
      return "nelze spárovat: " + pairing.reason;
  }
}

const char* OutcomeText(ExportOutcome outcome) {
  switch (outcome) {
    case ExportOutcome::kWritten:
      return "výpisy zapsány";
    case ExportOutcome::kWrittenWithProblems:
      return "výpisy zapsány, protokol obsahuje upozornění";
    case ExportOutcome::kNothingLoaded:
      return "nebyly načteny žádné položky, nic nezapsáno";
    case ExportOutcome::kRefused:
      return "nic nezapsáno";
    case ExportOutcome::kWriteFailed:
      return "výpisy se nepodařilo zapsat";
  }
  return "";
}

// The marked lines of the log by the file and line they name.
using LinesNamed = std::map<std::pair<std::string, int32_t>, std::vector<std::string>>;

class ReportPage {
 public:
  ReportPage(const ExportRequest& request, const ExportResult& result,
             const std::vector<LoggedLine>& lines)
      : request_(request), result_(result), lines_(lines) {}

  std::string Html() {
    for (const LoggedLine& line : lines_) {
      if (!IsMarked(line.kind)) continue;
      const auto named = LineNamed(line.text);
      if (named.first.empty()) {
        runWarnings_.push_back(ShownText(line));
      } else {
        named_[named].push_back(ShownText(line));
      }
    }
    html_ =
        "<!DOCTYPE html>\n<html lang=\"cs\">\n<head>\n<meta charset=\"windows-1250\">\n"
        "<title>Přehled převodu výpisů</title>\n<style>";
    html_ += kStyle;
    html_ += "</style>\n</head>\n<body>\n<h1>Přehled převodu výpisů</h1>\n";
    Run();
    for (const WrittenStatement& statement : result_.statements) Statement(statement);
    LeftOut();
    RunWarnings();
    Log();
    html_ += "</body>\n</html>\n";
    return std::move(html_);
  }

 private:
  void Run() {
    std::string date;
    AppendDdMmYy(date, request_.statementDate);
    html_ += "<p class=\"" + std::string(result_.Warnings() > 0 ? "outcome-warn" : "outcome") +
             "\">Datum výpisu " + date.substr(0, 2) + "." + date.substr(2, 2) + ".20" +
             date.substr(4, 2) + ": " + OutcomeText(result_.outcome) +
             Rendered(", upozornění v protokolu: %d", {result_.Warnings()}) + ".</p>\n";
    html_ += "<h2>Převedené soubory</h2>\n<ul class=\"files\">\n";
    for (const std::string& file : request_.files) {
      html_ += "<li>" + Escaped(PathToText(file)) + "</li>\n";
    }
    html_ += "</ul>\n";
  }

  void Statement(const WrittenStatement& statement) {
    const std::string unit = Escaped(CurrencyUnit(statement.currency));
    const ExportTotals& totals = statement.totals;
    html_ += "<section class=\"statement\">\n<h2>Výpis účtu " + Escaped(statement.account) + " v " +
             Escaped(statement.currency) + "</h2>\n<p>Zapsán do: ";
    for (size_t i = 0; i < statement.paths.size(); ++i) {
      html_ += (i > 0 ? ", " : "") + Escaped(PathToText(statement.paths[i]));
    }
    html_ += "</p>\n<table class=\"balances\">\n";
    Balance("Počáteční zůstatek", -1, totals.openingHellers, unit);
    Balance("Příchozí platby", totals.creditCount, totals.creditHellers, unit);
    Balance("Odchozí platby", totals.debitCount, totals.debitHellers, unit);
    Balance("Konečný zůstatek", -1, totals.closingHellers, unit);
    html_ += "</table>\n";
    Pairing(statement.items);
    html_ +=
        "<table class=\"items\">\n<thead><tr><th>Soubor, řádek</th><th>Datum</th>"
        "<th>Částka</th><th>Protistrana</th><th>VS</th><th>KS</th><th>SS</th><th>Zpráva</th>"
        "<th>Párování</th><th>Upozornění</th></tr></thead>\n<tbody>\n";
    for (const PairedItem& item : statement.items) Item(item, unit);
    html_ += "</tbody>\n</table>\n</section>\n";
  }

  void Balance(const char* name, int32_t count, int64_t hellers, const std::string& unit) {
    html_ += std::string("<tr><th>") + name + "</th><td class=\"count\">" +
             (count < 0 ? "" : Rendered("%d položek", {count})) + "</td><td class=\"amount\">" +
             Money(hellers) + " " + unit + "</td></tr>\n";
  }

  void Pairing(const std::vector<PairedItem>& items) {
    int32_t credits = 0, withSymbol = 0, filled = 0, inMessage = 0, without = 0;
    for (const PairedItem& item : items) {
      const PairingStatus status = item.pairing.status;
      if (status == PairingStatus::kDebit) continue;
      ++credits;
      if (IsPairable(status)) ++withSymbol;
      if (status == PairingStatus::kFilledFromMessage) ++filled;
      if (status == PairingStatus::kOnlyInMessage) ++inMessage;
      if (!IsPairable(status) && status != PairingStatus::kOnlyInMessage) ++without;
    }
    html_ +=
        "<table class=\"pairing\">\n<tr><th>Příchozí platby</th><th>s VS</th>"
        "<th>z toho doplněno ze zprávy</th><th>s VS jen ve zprávě</th>"
        "<th>bez použitelného VS</th></tr>\n<tr>";
    for (int32_t count : {credits, withSymbol, filled, inMessage, without}) {
      html_ += Rendered("<td class=\"count\">%d</td>", {count});
    }
    html_ += "</tr>\n</table>\n";
  }

  void Item(const PairedItem& item, const std::string& unit) {
    const PairingStatus status = item.pairing.status;
    const char* kind = status == PairingStatus::kDebit ? "debit"
                       : IsPairable(status)            ? "pairable"
                                                       : "unpaired";
    std::string warnings;
    const auto found = named_.find({item.file, item.line});
    if (found != named_.end()) {
      for (const std::string& line : found->second) {
        warnings += (warnings.empty() ? "" : "<br>") + Escaped(line);
      }
      found->second.clear();  // shown here, not among the lines left out
    }
    html_ += std::string("<tr class=\"item ") + kind + "\" data-status=\"" + StatusName(status) +
             "\">" + FileCell(item.file, item.line) + "<td class=\"date\">" +
             Rendered("%02d.%02d.%d", {item.day, item.month, item.year}) +
             "</td><td class=\"amount\">" + Money(item.amount) + " " + unit + "</td><td>" +
             Escaped(item.counterName) + "</td><td>" +
             Escaped(status == PairingStatus::kFilledFromMessage ? item.pairing.symbol
                                                                 : item.variableSymbol) +
             "</td><td>" + Escaped(item.constantSymbol) + "</td><td>" +
             Escaped(item.specificSymbol) + "</td><td>" + Escaped(item.description) +
             "</td><td class=\"pairing\">" + Escaped(PairingText(item.pairing)) +
             "</td><td class=\"warnings\">" + warnings + "</td></tr>\n";
  }

  void LeftOut() {
    html_ += "<h2>Vynechané a upravené řádky mimo položky</h2>\n";
    std::string rows;
    for (const auto& [named, texts] : named_) {
      for (const std::string& text : texts) {
        rows += "<tr class=\"left-out\">" + FileCell(named.first, named.second) + "<td>" +
                Escaped(text) + "</td></tr>\n";
      }
    }
    if (rows.empty()) {
      html_ += "<p>Žádné.</p>\n";
      return;
    }
    html_ +=
        "<table class=\"left-out\">\n<thead><tr><th>Soubor, řádek</th><th>Proč</th></tr>"
        "</thead>\n<tbody>\n" +
        rows + "</tbody>\n</table>\n";
  }

  void RunWarnings() {
    html_ += "<h2>Upozornění k celému běhu</h2>\n";
    if (runWarnings_.empty()) {
      html_ += "<p>Žádná.</p>\n";
      return;
    }
    html_ += "<ul class=\"run-warnings\">\n";
    for (const std::string& text : runWarnings_) {
      html_ += "<li class=\"marked\">" + Escaped(text) + "</li>\n";
    }
    html_ += "</ul>\n";
  }

  void Log() {
    html_ += "<h2>Protokol běhu</h2>\n<ol class=\"log\">\n";
    for (const LoggedLine& line : lines_) {
      html_ += std::string("<li") + (IsMarked(line.kind) ? " class=\"marked\"" : "") + ">" +
               Escaped(ShownText(line)) + "</li>\n";
    }
    html_ += "</ol>\n";
  }

  const ExportRequest& request_;
  const ExportResult& result_;
  const std::vector<LoggedLine>& lines_;
  LinesNamed named_;
  std::vector<std::string> runWarnings_;
  std::string html_;
};

}  // namespace

std::string RunReportHtml(const ExportRequest& request, const ExportResult& result,
                          const std::vector<LoggedLine>& lines) {
  return ReportPage(request, result, lines).Html();
}

}  // namespace tarvolo
