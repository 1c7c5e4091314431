#include "ui/control.h"

#include <charconv>
#include <cstdio>

namespace zarvell::ui {

std::string ColourName(Colour colour) {
  switch (colour.kind) {
    case Colour::Kind::ButtonFace:
      return "btnface";
    case Colour::Kind::Window:
      return "window";
    case Colour::Kind::Rgb:
      break;
  }
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour.rgb));
  return text;
}

std::string_view TooltipPart(std::string_view hint) {
  return hint.substr(0, hint.find('|'));
}

std::string_view StatusPart(std::string_view hint) {
  const auto bar = hint.find('|');
  return bar == std::string_view::npos ? hint : hint.substr(bar + 1);
}

bool ParseWholeNumber(std::string_view text, int& value) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  // from_chars takes a minus sign but not a plus sign.
  if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
  int parsed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc{} || end != text.data() + text.size()) return false;
  value = parsed;
  return true;
}

}  // namespace zarvell::ui
