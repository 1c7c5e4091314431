// INI files in the Windows private-profile style: "[SECTION]" lines and "Key=Value" lines.
// Reading finds sections and keys without regard to letter case, trims blanks around keys and
// values, reads LF and CR LF files alike, ignores a UTF-8 byte-order mark (and writes it back),
// comment lines (';') and lines outside any section, and takes the first of duplicate keys. Writing
// changes the first matching line in place, appends a missing key at the end of its section and a
// missing section at the end of the file, and keeps every other line as it was.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarvell {

class IniFile {
 public:
  static IniFile Parse(std::string_view text);
  // The file's contents; a missing or unreadable file reads as an empty one.
  static IniFile Load(const std::filesystem::path& path);
  // The file's text; lines end in LF.
  std::string Serialize() const;

  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // A whole decimal number with an optional sign that fits an int; anything else gives
  // `fallback`.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);

 private:
  std::vector<std::string> lines_;
  bool byteOrderMark_ = false;
};

}  // namespace zarvell
