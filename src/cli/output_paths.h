#ifndef TARVOLO_CLI_OUTPUT_PATHS_H_
#define TARVOLO_CLI_OUTPUT_PATHS_H_

#include <string>
#include <vector>

namespace tarvolo {

// Whether two paths name one file, however each is spelled: through
// another folder name, "." and "..", a link to a folder, a hard link, or,
// on Windows, letters of another case. Where neither file is there yet,
// their folders and names are compared.
bool SameOutputFile(const std::string& a, const std::string& b);

// Whether the output formats are written to files of their own: `paths`
// has one for each row of the format table, "" for a format not written.
// False, with the options that name one file in *error, where two do,
// which would leave one statement in place of both.
bool OutputFilesApart(const std::vector<std::string>& paths, std::string* error);

// Whether no output is one of the files to convert (`inputs`), which the
// statement would replace: false, with the option and the file in *error.
bool OutputsApartFromInputs(const std::vector<std::string>& paths,
                            const std::vector<std::string>& inputs, std::string* error);

// Why the run may not write the files it plans (`planned`, every
// statement's and the report, whose `owners` say whose each is, or none):
// two of them are one file, one is a file to convert (`inputs`), or one is
// a file the run keeps its settings in (`kept`). The line names both files;
// "" where none is.
std::string PlannedPathsRefusal(const std::vector<std::string>& planned,
                                const std::vector<std::string>& owners,
                                const std::vector<std::string>& inputs,
                                const std::vector<std::string>& kept);

}  // namespace tarvolo

#endif  // TARVOLO_CLI_OUTPUT_PATHS_H_
