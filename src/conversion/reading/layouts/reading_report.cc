#include "conversion/reading/layouts/reading_report.h"

#include <utility>
#include <vector>

#include "conversion/reading/layouts/field_values.h"

namespace tarvolo {
namespace {

// Beyond this many warnings a file's log would push everything else out of
// the log pane; the rest are only counted.
constexpr int kWarningsPerFile = 10;

}  // namespace

void LayoutReport::Failed(int line, const std::string& why) {
  ++confirmation_.dataLines;
  if (firstWhy_.empty()) {
    firstFailed_ = line;
    firstWhy_ = why;
  }
  LeftOut(line, why);
}

void LayoutReport::UnknownState(int line, std::string_view state) {
  WarnOf(line, "neznámý stav položky %s, položka vynechána", {Shown(state, kCurrencyWidth)});
}

std::string LayoutReport::UnreadWhy(bool dateRead, std::string_view dateText, AmountStatus status,
                                    const AmountReading& amount, std::string_view shownAmount) {
  std::string why, shown;
  if (dateRead) {
    Render(why, "částku %s nelze přečíst (%s)",
           {std::string(OneLine(shownAmount, kCurrencyWidth, shown)),
            amount.fault ? amount.fault : "chybí"});
  } else if (dateText.empty() && status != AmountStatus::kEmpty) {
    why = "datum chybí";
  } else if (status != AmountStatus::kEmpty || HasDigit(dateText)) {
    Render(why, "datum %s nelze přečíst", {std::string(OneLine(dateText, kCurrencyWidth, shown))});
  } else {
    why = "řádek nemá datum ani částku";
  }
  return why;
}

void LayoutReport::UnknownDirection(int line, std::string_view direction) {
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

void LayoutReport::PassedOverAmount(int line, std::string_view amount, int column, int taken) {
  WarnOf(line, "částku %s ve sloupci %d nelze přečíst, zapsána částka ze sloupce %d",
         {Shown(amount, kCurrencyWidth), column, taken});
}

void LayoutReport::UnreadOtherCurrencyAmount(int line, std::string_view amount, const char* fault) {
  WarnOf(line, "částku %s v jiné měně nelze přečíst (%s), vynechána",
         {Shown(amount, kCurrencyWidth), fault != nullptr ? fault : "chybí"});
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
  if (foreign_.count > 0) {
    LogFormatted(log_, LogKind::kNote,
                 "Soubor %s: zahraniční protiúčet (IBAN) u %d položek, první na řádku %d: v GPC "
                 "zůstává protiúčet prázdný, camt.053 jej uvádí celý\n",
                 {path_, foreign_.count, foreign_.firstLine});
  }
  if (cards_.count > 0) {
    LogFormatted(
        log_, LogKind::kNote,
        "Soubor %s: číslo karty místo protiúčtu u %d položek, první na řádku %d (%s): "
        "protiúčet zůstává prázdný\n",
        {path_, cards_.count, cards_.firstLine, Shown(cards_.firstText, kCurrencyWidth + 20)});
  }
  if (suppressed_ > 0) {
    LogFormatted(log_, LogKind::kItemWarning, "Soubor %s: dalších %d upozornění nevypsáno\n",
                 {path_, suppressed_});
  }
  std::string fees;
  if (fees_ > 0) Render(fees, " (z toho %d poplatků)", {fees_});
  LogFormatted(log_, LogKind::kInformation,
               "Soubor %s: rozpoznán formát %s, převedeno %d položek%s%s\n",
               {path_, layoutName, items_, fees, LineAccountText(lines_)});
}

std::string LayoutReport::Refusal(const StatementLayout& layout) const {
  std::string refusal;
  Render(refusal,
         "formát %s s hlavičkou na řádku %d nelze použít, nečitelných řádků %d z %d, první řádek "
         "%d: %s",
         {layout.name, int32_t{layout.headerLine}, confirmation_.dataLines - confirmation_.readable,
          confirmation_.dataLines, firstFailed_, firstWhy_});
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
