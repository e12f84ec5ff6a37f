// Reads generated statements of 10,000 to 1,000,000 lines into "075"
// records as the run does, Servis24 by position and Fio by its layout; the
// figure that matters is items per second and its growth.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "conversion/gpc/gpc_output.h"
#include "conversion/reading/layouts/layout_reader.h"
#include "conversion/reading/layouts/layout_table.h"
#include "conversion/reading/servis24/servis24_reader.h"
#include "conversion/statement/statement.h"

namespace tarvolo {
namespace {

std::string GeneratedStatement(int lines) {
  std::string text =
      "Číslo;Datum;Částka;Protiúčet;Název;VS;Měna;Zaúčtování;KS;SS;Zpráva;Poznámka\r\n";
  for (int i = 0; i < lines; ++i) {
    const int day = i % 28 + 1;
    text += std::to_string(i + 1) + ";2014/09/" + (day < 10 ? "0" : "") + std::to_string(day) +
            ";" + (i % 3 == 0 ? "-" : "") + std::to_string(i % 100000) + "," +
            std::to_string(10 + i % 90) + ";000019-0123456789/0800;Odběratel s.r.o.;" +
            std::to_string(2014000 + i) + ";CZK;2014/09/01;0308;;Úhrada faktury číslo " +
            std::to_string(i) + ";\r\n";
  }
  return text;
}

// Hands the items `read` gives to the GPC output and the totals, as the run
// does, room made at once for `lines` records; returns how many it took.
template <typename Read>
int32_t WriteRecords(int lines, const Read& read) {
  ExportTotals totals;
  AccountProfile profile;
  profile.accountNumber = "2000145399";
  GpcOutput gpc;
  gpc.Begin(profile, nullptr);
  gpc.Expect(static_cast<size_t>(lines));
  read([&](const StatementItem& item) {
    gpc.Add(item, "");
    AddItemToTotals(item, &totals);
  });
  gpc.Confirm();
  gpc.Write([](std::string_view bytes) {
    benchmark::DoNotOptimize(bytes.data());
    return true;
  });
  return totals.itemCount;
}

// A benchmark whose lines are not all items measures another reading.
void CheckItems(benchmark::State& state, int32_t items, int lines) {
  if (items != lines) state.SkipWithError("not every line was read as an item");
}

void BM_ReadServis24Lines(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const std::string statement = GeneratedStatement(lines);
  for (auto _ : state) {
    CheckItems(state,
               WriteRecords(lines,
                            [&](const ItemSink& sink) {
                              Servis24Lines read;
                              ReadServis24Lines(statement, sink, &read);
                            }),
               lines);
  }
  state.SetItemsProcessed(state.iterations() * lines);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(statement.size()));
}
BENCHMARK(BM_ReadServis24Lines)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// A Fio statement: preamble, every field quoted, dates DD.MM.YYYY.
std::string GeneratedFioStatement(int lines) {
  std::string text =
      "\"accountId\";\"2000145399\"\n\n\"ID operace\";\"Datum\";\"Objem\";\"Měna\";"
      "\"Protiúčet\";\"Název protiúčtu\";\"Kód banky\";\"KS\";\"VS\";\"SS\";"
      "\"Zpráva pro příjemce\";\"Typ\"\n";
  for (int i = 0; i < lines; ++i) {
    const int day = i % 28 + 1;
    text += "\"" + std::to_string(26093472451LL + i) + "\";\"" + (day < 10 ? "0" : "") +
            std::to_string(day) + ".09.2014\";\"" + (i % 3 == 0 ? "-" : "") +
            std::to_string(i % 100000) + "," + std::to_string(10 + i % 90) +
            "\";\"CZK\";\"19-0123456789\";\"Odběratel s.r.o.\";\"0800\";\"0308\";\"" +
            std::to_string(2014000 + i) + "\";\"\";\"Úhrada faktury číslo " + std::to_string(i) +
            "\";\"Bezhotovostní příjem\"\n";
  }
  return text;
}

void BM_ReadLayoutItems(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const std::string statement = GeneratedFioStatement(lines);
  for (auto _ : state) {
    CheckItems(state,
               WriteRecords(lines,
                            [&](const ItemSink& sink) {
                              std::string currency;
                              LayoutReading reading;
                              ReadLayoutItems(
                                  "fio.csv", statement, RecogniseLayout(statement), &currency, sink,
                                  [](LogKind, const char*) {}, &reading);
                            }),
               lines);
  }
  state.SetItemsProcessed(state.iterations() * lines);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(statement.size()));
}
BENCHMARK(BM_ReadLayoutItems)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvolo

BENCHMARK_MAIN();
