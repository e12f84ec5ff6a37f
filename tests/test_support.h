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

// Replaces the program's profile and totals with a clean state for one test.
void ResetProgramState();

}  // namespace tarvolo

#endif  // TARVOLO_TESTS_TEST_SUPPORT_H_
