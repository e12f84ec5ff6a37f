#include "conversion/gpc/gpc_output.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/gpc/item_record_writer.h"
#include "conversion/values/profile_values.h"

namespace tarvolo {
namespace {

// The records a run keeps stand behind the header's room, whatever room was
// made ahead for them: less than they take, none, or more than any build
// can give; a file taken back leaves none of its records.
TEST(GpcOutput, KeepsTheRecordsOfConfirmedFilesWhateverRoomWasMadeAhead) {
  struct File {
    size_t expected;  // the count Expect is given
    int items;
    bool kept;
  };
  struct Case {
    const char* what;
    std::vector<File> files;
  } cases[] = {
      {"room for all", {{3, 3, true}}},
      {"less room than records", {{1, 40, true}}},
      {"no room made", {{0, 5, true}}},
      {"more room than any build has", {{SIZE_MAX / 2, 2, true}}},
      {"a file taken back", {{4, 4, true}, {6, 6, false}, {2, 2, true}}},
      {"a file taken back with its room unused", {{2, 2, true}, {50, 1, false}}},
  };
  AccountProfile profile;
  profile.accountNumber = "2000145399";
  for (const Case& c : cases) {
    GpcOutput output;
    output.Begin(profile, nullptr);
    ItemRecordWriter writer(ProfileAccountField(profile.accountNumber), nullptr);
    std::string expected(kGpcLineLength, ' ');
    int line = 0;
    for (const File& file : c.files) {
      output.Expect(file.expected);
      std::string records;
      for (int i = 0; i < file.items; ++i) {
        StatementItem item;
        item.line = ++line;
        item.amount = line * 100;
        item.day = item.valueDay = 1 + line % 28;
        item.month = item.valueMonth = 9;
        item.year = item.valueYear = 2014;
        output.Add(item, "CZK");
        writer.Append(item, records);
      }
      if (file.kept) {
        output.Confirm();
        expected += records;
      } else {
        output.TakeBack();
      }
    }
    std::string written;
    output.Write([&written](std::string_view bytes) {
      written.assign(bytes);
      return true;
    });
    EXPECT_EQ(written, expected) << c.what;
  }
}

}  // namespace
}  // namespace tarvolo
