#include "conversion/reading/text/line_account.h"

#include "conversion/reading/layouts/field_values.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

void LineAccount::AddNotBooked(std::string_view name, int32_t lineCount) {
  Add(kNotBooked, lineCount);
  std::string shown;
  shown.assign(OneLine(name, kCurrencyWidth, shown));
  if (shown.empty()) shown = "bez stavu";
  // The brackets of the summary line are its own: a state or product named
  // with one would close its list early for whoever reads the counts.
  for (char& c : shown) {
    if (c == '(') c = '[';
    if (c == ')') c = ']';
  }
  for (auto& [kind, count] : notBookedKinds) {
    if (kind == shown) {
      count += lineCount;
      return;
    }
  }
  notBookedKinds.emplace_back(shown, lineCount);
}

std::string LineAccountText(const LineAccount& account) {
  static constexpr const char* kNames[LineAccount::kKinds] = {
      "hlavička a úvod",   "s položkou", "zůstatky a součty", "nezaúčtované",
      "s nulovou částkou", "prázdné",    "vynechané",         "v jiném výpisu"};
  std::string text;
  Render(text, ", řádků souboru %d", {account.lines});
  const char* mark = ": ";
  for (int kind = 0; kind < LineAccount::kKinds; ++kind) {
    if (account.counts[kind] == 0) continue;
    Render(text, "%s%s %d", {mark, kNames[kind], account.counts[kind]});
    if (kind == LineAccount::kNotBooked) {
      const char* separator = " (";
      for (const auto& [name, count] : account.notBookedKinds) {
        Render(text, "%s%s %d", {separator, name, count});
        separator = ", ";
      }
      text += ')';
    }
    mark = ", ";
  }
  return text;
}

}  // namespace tarvolo
