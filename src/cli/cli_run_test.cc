#include "cli/cli_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "tarvolo_version.h"

namespace tarvolo {
namespace {

// What a run put out and what it said was wrong.
struct Shown {
  std::string out, error;
};

int RunWith(const std::vector<std::string>& arguments, Shown* shown) {
  CliConsole console;
  console.out = [shown](const std::string& text) { shown->out += text; };
  console.error = [shown](const std::string& text) { shown->error += text; };
  std::vector<std::string> all = {"tarvolo-cli"};
  all.insert(all.end(), arguments.begin(), arguments.end());
  return RunCli(all, all, console);
}

// The answers that need no statement: each on its stream, with its status.
TEST(CliRunTest, UsageVersionAndRefusalsGoWhereScriptsLookForThem) {
  const struct {
    std::vector<std::string> arguments;
    int status;
    std::string out, error;
  } cases[] = {
      {{"--help"}, 0, CliUsage(), ""},
      {{"--version", "a.csv"}, 0, "tarvolo-cli " TARVOLO_VERSION "\n", ""},
      {{"--bogus", "a.csv"}, 2, "", "tarvolo-cli: neznámá volba --bogus\n" + CliUsage()},
      {{"--output", "x.gpc", "--camt", "x.gpc", "a.csv"},
       2,
       "",
       "tarvolo-cli: volby --output a --camt jmenují týž soubor\n" + CliUsage()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.front());
    Shown shown;
    EXPECT_EQ(RunWith(c.arguments, &shown), c.status);
    EXPECT_EQ(shown.out, c.out);
    EXPECT_EQ(shown.error, c.error);
  }
}

}  // namespace
}  // namespace tarvolo
