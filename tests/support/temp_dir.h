// A fresh directory for one test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "fileio/files.h"
#include "fileio/paths.h"

namespace zarvell::testutil {

class TempDir {
 public:
  TempDir() { path_ = MakeTemporaryFolder("zarvell-test").value(); }
  ~TempDir() { std::filesystem::remove_all(path_); }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

  std::filesystem::path Write(const std::string& name, std::string_view content) const {
    const std::filesystem::path file = path_ / PathFromUtf8(name);
    std::ofstream(file, std::ios::binary) << content;
    return file;
  }

  // Names of the directory's entries, to catch stray temporary files.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(Utf8Of(entry.path().filename()));
    }
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline std::string Slurp(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace zarvell::testutil
