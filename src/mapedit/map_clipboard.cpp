#include "mapedit/map_clipboard.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

#include "mapedit/map_grid.h"

namespace zarvell {
namespace {

struct Bounds {
  int top = 10, left = 10, bottom = -1, right = -1;
  bool empty() const { return bottom < 0; }
};

Bounds SelectedBounds(const TSelcell& selection) {
  Bounds b;
  for (int cell = 0; cell < TSelcell::kCells; ++cell) {
    if (selection.cellFlags[static_cast<std::size_t>(cell)] == 0) continue;
    const int row = cell / 10, column = cell % 10;
    b.top = std::min(b.top, row), b.bottom = std::max(b.bottom, row);
    b.left = std::min(b.left, column), b.right = std::max(b.right, column);
  }
  return b;
}

std::uint8_t& CellOf(ParameterImage& image, int row, int column) {
  return image[field::AdvanceCell(static_cast<std::size_t>(row), static_cast<std::size_t>(column))];
}

// Lines of values split at tabs or semicolons; blank lines at the end (a spreadsheet ends the
// last row with a line break) and carriage returns are dropped. Nothing for a non-number.
std::optional<std::vector<std::vector<int>>> ParseBlock(std::string_view text) {
  std::vector<std::vector<int>> rows;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<int>& row = rows.emplace_back();
    for (;;) {
      const std::size_t cut = std::min(line.find_first_of("\t;"), line.size());
      std::string_view value = line.substr(0, cut);
      while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
      while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
      int number = 0;
      const auto [last, error] = std::from_chars(value.data(), value.data() + value.size(), number);
      if (value.empty() || error != std::errc() || last != value.data() + value.size()) {
        return std::nullopt;
      }
      row.push_back(number);
      if (cut == line.size()) break;
      line.remove_prefix(cut + 1);
    }
  }
  while (!rows.empty() && rows.back().empty()) rows.pop_back();
  if (rows.empty()) return std::nullopt;
  return rows;
}

}  // namespace

std::string CopyCells(const ParameterImage& image, const TSelcell& selection) {
  const Bounds b = SelectedBounds(selection);
  std::string text;
  if (b.empty()) return text;
  for (int row = b.top; row <= b.bottom; ++row) {
    for (int column = b.left; column <= b.right; ++column) {
      if (column > b.left) text += '\t';
      text += std::to_string(image[field::AdvanceCell(static_cast<std::size_t>(row),
                                                      static_cast<std::size_t>(column))]);
    }
    text += '\n';
  }
  return text;
}

bool LooksLikeBlock(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  return text.find_first_of("\t;\n") != std::string_view::npos;
}

PasteOutcome PasteCells(std::string_view text, const TSelcell& selection, bool throttleRows,
                        ParameterImage& image) {
  PasteOutcome outcome;
  const Bounds b = SelectedBounds(selection);
  outcome.atRow = b.empty() ? (throttleRows ? 0 : 9) : b.top;
  outcome.atColumn = b.empty() ? 0 : b.left;
  const auto block = ParseBlock(text);
  if (!block) {
    outcome.kind = PasteOutcome::Kind::NotNumbers;
    return outcome;
  }
  outcome.rows = static_cast<int>(block->size());
  for (const std::vector<int>& row : *block) {
    outcome.columns = std::max(outcome.columns, static_cast<int>(row.size()));
  }
  const int lastRow = throttleRows ? 9 : outcome.atRow;
  if (outcome.atRow + outcome.rows - 1 > lastRow || outcome.atColumn + outcome.columns > 10) {
    outcome.kind = PasteOutcome::Kind::DoesNotFit;
    return outcome;
  }
  for (int r = 0; r < outcome.rows; ++r) {
    const std::vector<int>& row = (*block)[static_cast<std::size_t>(r)];
    for (int c = 0; c < static_cast<int>(row.size()); ++c) {
      CellOf(image, outcome.atRow + r, outcome.atColumn + c) = static_cast<std::uint8_t>(
          std::clamp<int>(row[static_cast<std::size_t>(c)], 0, kMaxAdvance));
    }
  }
  return outcome;
}

}  // namespace zarvell
