// Compile-time construction of a window design table: rows are added by id in any order, and
// Finish() refuses (at compile time) a table with a missing row, a child listed before its
// parent, or an up/down control that does not write into the edit box of its own name stem.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "ui/control.h"

namespace zarvell::design {

// Text budget of the renderer's font, DejaVu Sans 8 pt: about 6.5 px per character.
constexpr int TextWidth(int chars) {
  return (chars * 13 + 1) / 2;
}
inline constexpr int kIndicatorWidth = 22;  // check box or radio indicator with its gap
inline constexpr int kButtonPadding = 16;   // frame and margins of a push button
inline constexpr int kComboPadding = 24;    // frame and drop-down arrow of a combo box

// Characters as shown: UTF-8 continuation bytes and access-key marks do not count.
constexpr int Chars(std::string_view text) {
  int chars = 0;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0u) != 0x80u && c != '&') ++chars;
  }
  return chars;
}

// Width for a text whose translations may run up to 1.4 times the English length, and short
// texts six characters longer ("Lobe" is "Leitstück" in German).
constexpr int TranslatedWidth(std::string_view english) {
  const int chars = Chars(english);
  const int longest = (chars * 14 + 9) / 10;
  return TextWidth(longest > chars + 6 ? longest : chars + 6) + 4;
}

// A short caption computed at compile time, kept in static storage by its owner.
struct ShortText {
  std::array<char, 12> chars{};
  std::size_t size = 0;
  constexpr std::string_view View() const { return {chars.data(), size}; }
};

constexpr ShortText Compose(std::string_view prefix, int number, std::string_view suffix) {
  ShortText text;
  auto put = [&text](char c) {
    if (text.size == text.chars.size()) throw "caption too long";
    text.chars[text.size++] = c;
  };
  for (char c : prefix) put(c);
  std::array<char, 4> digits{};
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number > 0 && count < 4);
  while (count > 0) put(digits[--count]);
  for (char c : suffix) put(c);
  return text;
}

template <std::size_t N>
class Table {
 public:
  constexpr explicit Table(const std::array<std::string_view, N>& names) : names_(names) {}

  constexpr ui::ControlSpec& Add(ui::ControlIndex id, ui::ControlKind kind, ui::ControlIndex parent,
                                 ui::Rect rect, std::string_view caption = {}) {
    if (id >= N) throw "control id out of range";
    ui::ControlSpec& row = rows_[id];
    if (row.kind != ui::ControlKind::None) throw "control added twice";
    row.id = id;
    row.name = names_[id];
    row.kind = kind;
    row.parent = parent;
    row.rect = rect;
    row.caption = caption;
    return row;
  }

  constexpr const ui::ControlSpec& operator[](ui::ControlIndex id) const { return rows_[id]; }

  constexpr std::array<ui::ControlSpec, N> Finish() const {
    for (std::size_t i = 0; i < N; ++i) {
      const ui::ControlSpec& row = rows_[i];
      if (row.kind == ui::ControlKind::None) throw "a control has no design row";
      if (row.id != i || row.name != names_[i]) throw "row out of place";
      if (i == 0) {
        if (row.kind != ui::ControlKind::Form || row.parent != ui::kNoControl)
          throw "the first row is the form";
      } else if (row.parent >= i) {
        throw "a parent must come before its children";
      }
      if (row.kind == ui::ControlKind::UpDown) CheckAssociate(row);
    }
    return rows_;
  }

 private:
  constexpr void CheckAssociate(const ui::ControlSpec& upDown) const {
    constexpr std::string_view kUpDown = "UpDown";
    constexpr std::string_view kEdit = "Edit";
    if (upDown.associate >= N) throw "an up/down control without its edit box";
    const std::string_view edit = names_[upDown.associate];
    if (rows_[upDown.associate].kind != ui::ControlKind::Edit || !edit.starts_with(kEdit) ||
        !upDown.name.starts_with(kUpDown) ||
        edit.substr(kEdit.size()) != upDown.name.substr(kUpDown.size()))
      throw "an up/down control must write into the edit box of its name stem";
    if (upDown.min > upDown.max || upDown.increment <= 0) throw "bad up/down range";
  }

  const std::array<std::string_view, N>& names_;
  std::array<ui::ControlSpec, N> rows_{};
};

}  // namespace zarvell::design
