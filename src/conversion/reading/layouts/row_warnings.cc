#include "conversion/reading/layouts/row_warnings.h"

#include "conversion/reading/layouts/field_values.h"

namespace tarvolo {
namespace {

// Beyond this many warnings a file's log would push everything else out of
// the log pane; the rest are only counted.
constexpr int kWarningsPerFile = 10;

}  // namespace

void RowWarnings::UnknownState(int line, std::string_view state) {
  warnings_.WarnOf(line, "neznámý stav položky %s, položka vynechána",
                   {warnings_.Shown(state, kCurrencyWidth)});
}

std::string RowWarnings::UnreadWhy(bool dateRead, std::string_view dateText, AmountStatus status,
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

void RowWarnings::UnknownDirection(int line, std::string_view direction) {
  warnings_.WarnOf(line, "směr platby \"%s\" není známý, řádek vynechán",
                   {warnings_.Shown(direction, kCurrencyWidth)});
}

void RowWarnings::DirectionAgainstSign(int line, std::string_view direction,
                                       std::string_view amount) {
  // Shown keeps one value at a time.
  const std::string shownDirection = warnings_.Shown(direction, kCurrencyWidth);
  warnings_.WarnOf(line, "směr platby \"%s\" odporuje znaménku částky %s, zapsána podle znaménka",
                   {shownDirection, warnings_.Shown(amount, kCurrencyWidth)});
}

void RowWarnings::OtherCurrencyItem(int line, double amount, const std::string& code,
                                    const std::string& statementCurrency) {
  warnings_.WarnOf(line, "položka %.2f %s je v jiné měně než výpis (%s), vynechána",
                   {amount, code, statementCurrency});
}

void RowWarnings::OtherCurrencyFee(int line, double amount, const std::string& code,
                                   const std::string& statementCurrency) {
  warnings_.WarnOf(line, "poplatek %.2f %s je v jiné měně než výpis (%s), vynechán",
                   {amount, code, statementCurrency});
}

void RowWarnings::PassedOverAmount(int line, std::string_view amount, int column, int taken) {
  warnings_.WarnOf(line, "částku %s ve sloupci %d nelze přečíst, zapsána částka ze sloupce %d",
                   {warnings_.Shown(amount, kCurrencyWidth), column, taken});
}

void RowWarnings::UnreadOtherCurrencyAmount(int line, std::string_view amount, const char* fault) {
  warnings_.WarnOf(line, "částku %s v jiné měně nelze přečíst (%s), vynechána",
                   {warnings_.Shown(amount, kCurrencyWidth), fault != nullptr ? fault : "chybí"});
}

void RowWarnings::UnreadableFee(int line) {
  warnings_.Warn(line, "poplatek nelze přečíst, zapsána jen položka");
}

void RowWarnings::CounterAccountNotWhole(int line, std::string_view account) {
  warnings_.WarnOf(line, "protiúčet %s nelze přečíst celý, zapsány nuly",
                   {warnings_.Shown(account, kCurrencyWidth + 20)});
}

void RowWarnings::UnreadValueDate(int line, std::string_view date) {
  warnings_.WarnOf(line, "datum valuty %s nelze přečíst, zapsáno datum zaúčtování",
                   {warnings_.Shown(date, kCurrencyWidth)});
}

void RowWarnings::ShortRow(int line, size_t fields, size_t rowWidth) {
  warnings_.WarnOf(line,
                   "řádek má jen %d polí, ostatní řádky %d; chybějící pole na konci přečtena jako "
                   "prázdná",
                   {static_cast<int32_t>(fields), static_cast<int32_t>(rowWidth)});
}

void RowWarnings::UnclosedQuote(int line) {
  warnings_.Warn(line, "uvozovky v poli nejsou uzavřeny, řádek přečten jen do svého konce");
}

void RowWarnings::GuessedDateOrder(int line, bool monthFirst) {
  warnings_.Warn(line, monthFirst ? "data souboru nerozliší den a měsíc, čtena jako měsíc/den/rok"
                                  : "data souboru nerozliší den a měsíc, čtena jako den/měsíc/rok");
}

void RowWarnings::LoneHoldBooked(int line, bool release) {
  LogFormatted(log_, LogKind::kNote,
               release ? "Soubor %s, řádek %d: uvolnění blokace, která v souboru není, zapsáno "
                         "jako položka, zůstatek souboru je započítává\n"
                       : "Soubor %s, řádek %d: blokace, jejíž uvolnění v souboru není, zapsána "
                         "jako položka, zůstatek souboru ji započítává\n",
               {path_, int32_t{line}});
}

void RowWarnings::Close() {
  if (pending_.count > 0) {
    LogFormatted(log_, LogKind::kNote,
                 "Soubor %s: %d řádků čekajících na zaúčtování zapsáno jako položky, zůstatek "
                 "souboru je již započítává (první na řádku %d)\n",
                 {path_, pending_.count, pending_.firstLine});
  }
  if (foreign_.count > 0) {
    LogFormatted(log_, LogKind::kNote,
                 "Soubor %s: zahraniční protiúčet (IBAN) u %d položek, první na řádku %d: v GPC "
                 "zůstává protiúčet prázdný, camt.053 jej uvádí celý\n",
                 {path_, foreign_.count, foreign_.firstLine});
  }
  if (cards_.count > 0) {
    LogFormatted(log_, LogKind::kNote,
                 "Soubor %s: číslo karty místo protiúčtu u %d položek, první na řádku %d (%s): "
                 "protiúčet zůstává prázdný\n",
                 {path_, cards_.count, cards_.firstLine,
                  warnings_.Shown(cards_.firstText, kCurrencyWidth + 20)});
  }
  warnings_.CountSuppressed();
}

void WarningLog::WarnOf(int line, const char* format, std::initializer_list<FormatArg> args) {
  text_.clear();
  Render(text_, format, args);
  Warn(line, text_.c_str());
}

void WarningLog::Warn(int line, const char* text) {
  if (warnings_ == kWarningsPerFile) {
    ++suppressed_;
    return;
  }
  ++warnings_;
  LogFormatted(log_, LogKind::kItemWarning, "Soubor %s, řádek %d: %s\n",
               {path_, int32_t{line}, text});
}

const std::string& WarningLog::Shown(std::string_view text, size_t width) {
  const std::string_view line = OneLine(text, width, shown_);
  if (line.data() != shown_.data()) shown_.assign(line.data(), line.size());
  return shown_;
}

void WarningLog::CountSuppressed() {
  if (suppressed_ > 0) {
    LogFormatted(log_, LogKind::kItemWarning, "Soubor %s: dalších %d upozornění nevypsáno\n",
                 {path_, suppressed_});
  }
}

}  // namespace tarvolo
