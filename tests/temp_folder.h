#ifndef TARVOLO_TESTS_TEMP_FOLDER_H_
#define TARVOLO_TESTS_TEMP_FOLDER_H_

#include <string>

namespace tarvolo {

// A fresh empty folder for one test, removed with everything in it when the
// object goes away. Paths use the system's separator.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  // The path of `name` inside the folder.
  std::string File(const std::string& name) const;
  // Writes `content` as the file `name` and returns its path.
  std::string Write(const std::string& name, const std::string& content) const;

 private:
  std::string path_;
};

}  // namespace tarvolo

#endif  // TARVOLO_TESTS_TEMP_FOLDER_H_
