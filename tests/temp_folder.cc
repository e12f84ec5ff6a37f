#include "temp_folder.h"

#include <filesystem>
#include <fstream>
#include <random>

#include "platform/file.h"

namespace tarvolo {

TempFolder::TempFolder() {
  std::random_device seed;
  std::mt19937_64 random(seed());
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (;;) {
    const std::filesystem::path candidate = base / ("tarvolo-test-" + std::to_string(random()));
    std::error_code error;
    if (std::filesystem::create_directory(candidate, error)) {
      path_ = candidate.string();
      return;
    }
  }
}

TempFolder::~TempFolder() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

std::string TempFolder::File(const std::string& name) const {
  return path_ + kPathSeparator + name;
}

std::string TempFolder::Write(const std::string& name, const std::string& content) const {
  const std::string path = File(name);
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

}  // namespace tarvolo
