// tarvolo-cli: the conversion run of the window program for scripts and
// batch use, with the same profile file.
#include <cstdio>
#include <string>

#include "cli/cli_console.h"
#include "cli/cli_run.h"
#include "platform/text_encoding.h"

namespace tarvolo {
namespace {

void Print(FILE* stream, const std::string& windows1250) {
  const std::string text = ToTerminal(windows1250);
  std::fwrite(text.data(), 1, text.size(), stream);
}

}  // namespace
}  // namespace tarvolo

int main(int argc, char** argv) {
  tarvolo::CliConsole console;
  console.out = [](const std::string& text) { tarvolo::Print(stdout, text); };
  // What went to the output comes first where both end in one place.
  console.error = [](const std::string& text) {
    std::fflush(stdout);
    tarvolo::Print(stderr, text);
  };
  return tarvolo::RunCli(tarvolo::TextArguments(argc, argv), tarvolo::PathArguments(argc, argv),
                         console);
}
