#include "conversion/reading/layout_report.h"

#include "conversion/reading/layout_values.h"

namespace tarvolo {
namespace {

// Beyond this many warnings a file's log would push everything else out of
// the log pane; the rest are only counted.
constexpr int kWarningsPerFile = 10;

}  // namespace

void LayoutReport::NotBooked(int line, std::string_view state, bool known) {
  ++notBooked_;
  if (known) return;
  WarnOf(line, "neznámý stav položky %s, položka vynechána", {Shown(state, kCurrencyWidth)});
}

void LayoutReport::Unread(int line, bool dateRead, std::string_view dateText, AmountStatus status,
                          const AmountReading& amount, std::string_view shownAmount) {
  ++skipped_;
  if (dateRead) {
    WarnOf(line, "částku %s nelze přečíst (%s), řádek vynechán",
           {Shown(shownAmount, kCurrencyWidth), amount.fault ? amount.fault : "chybí"});
  } else if (status != AmountStatus::kEmpty || HasDigit(dateText)) {
    WarnOf(line, "datum %s nelze přečíst, řádek vynechán", {Shown(dateText, kCurrencyWidth)});
  }
}

void LayoutReport::UnknownDirection(int line, std::string_view direction) {
  ++skipped_;
  WarnOf(line, "směr platby \"%s\" není známý, řádek vynechán", {Shown(direction, kCurrencyWidth)});
}

void LayoutReport::DirectionAgainstSign(int line, std::string_view direction,
                                        std::string_view amount) {
  // Shown keeps one value at a time.
  const std::string shownDirection = Shown(direction, kCurrencyWidth);
  WarnOf(line, "směr platby \"%s\" odporuje znaménku částky %s, zapsána podle znaménka",
         {shownDirection, Shown(amount, kCurrencyWidth)});
}

void LayoutReport::OtherCurrencyItem(int line, double amount, const std::string& code,
                                     const std::string& statementCurrency) {
  WarnOf(line, "položka %.2f %s je v jiné měně než výpis (%s), vynechána",
         {amount, code, statementCurrency});
}

void LayoutReport::OtherCurrencyFee(int line, double amount, const std::string& code,
                                    const std::string& statementCurrency) {
  WarnOf(line, "poplatek %.2f %s je v jiné měně než výpis (%s), vynechán",
         {amount, code, statementCurrency});
}

void LayoutReport::UnreadableFee(int line) {
  Warn(line, "poplatek nelze přečíst, zapsána jen položka");
}

void LayoutReport::CounterAccountNotWhole(int line, std::string_view account) {
  WarnOf(line, "protiúčet %s nelze přečíst celý, zapsány nuly",
         {Shown(account, kCurrencyWidth + 20)});
}

void LayoutReport::UnclosedQuote(int line) {
  Warn(line, "uvozovky v poli nejsou uzavřeny, řádek přečten jen do svého konce");
}

void LayoutReport::GuessedDateOrder(int line, bool monthFirst) {
  Warn(line, monthFirst ? "data souboru nerozliší den a měsíc, čtena jako měsíc/den/rok"
                        : "data souboru nerozliší den a měsíc, čtena jako den/měsíc/rok");
}

void LayoutReport::Summarise(const char* layoutName) {
  if (suppressed_ > 0) {
    LogFormatted(log_, LogKind::kItemWarning, "Soubor %s: dalších %d upozornění nevypsáno\n",
                 {path_, suppressed_});
  }
  std::string fees, zero;
  if (fees_ > 0) Render(fees, " (z toho %d poplatků)", {fees_});
  if (zero_ > 0) Render(zero, ", vynecháno %d s nulovou částkou", {zero_});
  LogFormatted(
      log_, LogKind::kInformation,
      "Soubor %s: rozpoznán formát %s, převedeno %d položek%s, vynecháno %d řádků bez data nebo "
      "částky, vynecháno %d nezaúčtovaných%s\n",
      {path_, layoutName, items_, fees, skipped_, notBooked_, zero});
}

std::string LayoutReport::Refusal(const StatementLayout& layout) const {
  const bool dates = readableDates_ * 2 < confirmation_.dataLines;
  std::string refusal;
  Render(refusal, "formát %s s hlavičkou na řádku %d: %s",
         {layout.name, int32_t{layout.headerLine},
          dates ? "sloupec data neobsahuje čitelná data" : "sloupec částky neobsahuje částky"});
  return refusal;
}

void LayoutReport::WarnOf(int line, const char* format, std::initializer_list<FormatArg> args) {
  text_.clear();
  Render(text_, format, args);
  Warn(line, text_.c_str());
}

void LayoutReport::Warn(int line, const char* text) {
  if (warnings_ == kWarningsPerFile) {
    ++suppressed_;
    return;
  }
  ++warnings_;
  LogFormatted(log_, LogKind::kItemWarning, "Soubor %s, řádek %d: %s\n",
               {path_, int32_t{line}, text});
}

const std::string& LayoutReport::Shown(std::string_view text, size_t width) {
  const std::string_view line = OneLine(text, width, shown_);
  if (line.data() != shown_.data()) shown_.assign(line.data(), line.size());
  return shown_;
}

}  // namespace tarvolo
