#include "fileio/ini_file.h"

#include <charconv>
#include <cstddef>

#include "fileio/files.h"

namespace zarvell {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.rfind(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

struct KeyValue {
  std::string_view key;
  std::string_view value;
};

// The key and value of a "key=value" line; comment lines and lines without '=' hold none.
std::optional<KeyValue> SplitKeyLine(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() == ';') return std::nullopt;
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return KeyValue{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

// Where a key stands in the file, and where it would be added when it is missing. A section
// name may occur more than once; its keys are looked up in all of them, in file order, and a
// new key goes after the last non-blank line of the first one.
struct Location {
  std::optional<std::size_t> keyLine;
  std::optional<std::size_t> sectionEnd;
};

Location Locate(const std::vector<std::string>& lines, std::string_view section,
                std::string_view key) {
  Location where;
  bool inSection = false;
  bool inFirstSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (const auto name = SectionName(lines[i])) {
      inSection = SameName(*name, section);
      inFirstSection = inSection && !where.sectionEnd;
      if (inFirstSection) where.sectionEnd = i + 1;
      continue;
    }
    if (!inSection) continue;
    if (inFirstSection && !Trim(lines[i]).empty()) where.sectionEnd = i + 1;
    if (where.keyLine) continue;
    const auto entry = SplitKeyLine(lines[i]);
    if (entry && SameName(entry->key, key)) where.keyLine = i;
  }
  return where;
}

}  // namespace

IniFile IniFile::Load(const std::filesystem::path& path) {
  const auto text = ReadWholeFile(path);
  return Parse(text ? std::string_view(*text) : std::string_view());
}

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  ini.byteOrderMark_ = text.starts_with(kByteOrderMark);
  if (ini.byteOrderMark_) text.remove_prefix(kByteOrderMark.size());
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    ini.lines_.emplace_back(line);
  }
  return ini;
}

std::string IniFile::Serialize() const {
  // Written back so that a second mark behind it never turns into the first one.
  std::string text(byteOrderMark_ ? kByteOrderMark : "");
  for (const std::string& line : lines_) {
    text += line;
    text += '\n';
  }
  return text;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  const Location where = Locate(lines_, section, key);
  if (!where.keyLine) return std::nullopt;
  return std::string(SplitKeyLine(lines_[*where.keyLine])->value);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  return Find(section, key).value_or(std::string(fallback));
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  const std::optional<std::string> text = Find(section, key);
  if (!text || text->empty()) return fallback;
  // from_chars takes a leading '-' but not '+', and must not see a second sign after '+'.
  const std::size_t digits = (text->front() == '+' || text->front() == '-') ? 1 : 0;
  if (digits == text->size() ||
      text->find_first_not_of("0123456789", digits) != std::string::npos) {
    return fallback;
  }
  const char* first = text->data() + (text->front() == '+' ? 1 : 0);
  const char* last = text->data() + text->size();
  int value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last ? value : fallback;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  // A line break inside the value would split the line and could plant keys of its own (a
  // file name may hold one); such a value cannot be kept, so none is stored.
  if (value.find('\n') != std::string_view::npos) value = {};
  std::string line = std::string(key) + "=" + std::string(value);
  const Location where = Locate(lines_, section, key);
  if (where.keyLine) {
    lines_[*where.keyLine] = std::move(line);
  } else if (where.sectionEnd) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*where.sectionEnd), std::move(line));
  } else {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(std::move(line));
  }
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

}  // namespace zarvell
