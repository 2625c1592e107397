#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>

namespace korvane::testing {

// A file's bytes as they stand on disk.
inline std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A folder of the test's own in the temporary folder, under a name no other
// run can have; empty at the start and removed with everything in it at the end.
class ScratchDir {
 public:
  explicit ScratchDir(std::string_view purpose) {
    std::string name =
        (std::filesystem::temp_directory_path() / ("korvane-" + std::string(purpose) + "-XXXXXX"))
            .string();
    if (::mkdtemp(name.data()) != nullptr) path_ = name;
  }
  ~ScratchDir() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace korvane::testing
