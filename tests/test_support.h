#ifndef TARVOLO_TESTS_TEST_SUPPORT_H_
#define TARVOLO_TESTS_TEST_SUPPORT_H_

#include <string>

namespace tarvolo {

// The whole content of a file, byte for byte ("" when it cannot be read).
std::string ReadTestFile(const std::string& path);

// Path of a file in tests/data.
std::string TestDataPath(const std::string& name);

// The names of the files and folders in `folder`, sorted, separated by
// spaces ("" for an empty folder).
std::string FileNamesIn(const std::string& folder);

// The time zone that the test run set for this program (TARVOLO_TEST_ZONE,
// such as "Europe/Prague"); "" when none was set.
std::string TestZone();

// Replaces the program's profile with a clean one for one test.
void ResetProgramState();

// A clean state with the profile of the export examples: the given own
// account, "Hlavni ucet", an opening balance of 1000.50, the balance day
// 1 September 2014 and statement number 7.
void UseExampleProfile(const char* accountNumber);

}  // namespace tarvolo

#endif  // TARVOLO_TESTS_TEST_SUPPORT_H_
