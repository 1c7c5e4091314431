// The window texts the tests expect, read from tests/data/window_texts.tsv.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace zarvell::testutil {

struct ExpectedText {
  std::string control;             // a control name, or "message"
  std::string property;            // "caption", "hint", "item N", "placeholder", or an entry
  std::vector<std::string> texts;  // English first; only English when the others are free
};

inline std::string Unquote(std::string_view field) {
  std::string text;
  if (field.size() < 2 || field.front() != '"' || field.back() != '"') {
    ADD_FAILURE() << "unquoted text: " << field;
    return text;
  }
  field = field.substr(1, field.size() - 2);
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 1 < field.size() && field[i + 1] == 'n') {
      text += '\n';
      ++i;
    } else {
      text += field[i];
    }
  }
  return text;
}

inline std::vector<ExpectedText> LoadExpectedTexts() {
  std::vector<ExpectedText> rows;
  std::ifstream in(ZARVELL_TEST_DATA "/window_texts.tsv");
  EXPECT_TRUE(in.good());
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string_view> fields;
    for (std::string_view rest = line;;) {
      const std::size_t tab = rest.find('\t');
      fields.push_back(rest.substr(0, tab));
      if (tab == std::string_view::npos) break;
      rest.remove_prefix(tab + 1);
    }
    if (fields.size() != 3 && fields.size() != 6) {
      ADD_FAILURE() << "malformed row: " << line;
      continue;
    }
    ExpectedText row{std::string(fields[0]), std::string(fields[1]), {}};
    for (std::size_t i = 2; i < fields.size(); ++i) row.texts.push_back(Unquote(fields[i]));
    rows.push_back(std::move(row));
  }
  return rows;
}

// Characters, not bytes: the Czech texts hold letters of two bytes.
inline std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (const char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
  return count;
}

}  // namespace zarvell::testutil
