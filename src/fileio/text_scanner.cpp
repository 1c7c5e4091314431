#include "fileio/text_scanner.h"

namespace zarvell {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

void TextScanner::SkipBlanks() {
  while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
}

std::optional<std::string_view> TextScanner::NextToken() {
  SkipBlanks();
  if (pos_ >= text_.size()) return std::nullopt;
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !IsBlank(text_[pos_])) ++pos_;
  return text_.substr(start, pos_ - start);
}

std::optional<std::uint32_t> TextScanner::NextNumber() {
  SkipBlanks();
  std::size_t p = pos_;
  bool negative = false;
  if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) negative = text_[p++] == '-';
  if (p >= text_.size() || !IsDigit(text_[p])) return std::nullopt;
  std::uint32_t value = 0;  // unsigned arithmetic: wraps modulo 2^32 by definition
  for (; p < text_.size() && IsDigit(text_[p]); ++p) {
    value = value * 10u + static_cast<std::uint32_t>(text_[p] - '0');
  }
  pos_ = p;
  return negative ? 0u - value : value;
}

}  // namespace zarvell
