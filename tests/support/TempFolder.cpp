#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace skelder::testing {

TempFolder::TempFolder() {
  // A fresh name: create_directory reports an existing folder as not created.
  static std::mt19937 generator{std::random_device{}()};
  const auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto folder = base / ("skelder-test-" + std::to_string(generator() % 100000000));
    std::error_code ec;
    if (std::filesystem::create_directory(folder, ec)) {
      path_ = folder.string();
      return;
    }
  }
  throw std::runtime_error("cannot make a temporary folder");
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::file(const std::string& name) const { return path_ + "/" + name; }

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace skelder::testing
