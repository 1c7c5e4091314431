#include "mapedit/map_grid.h"

#include <algorithm>
#include <cmath>

namespace zarvell {
namespace {

using field::AdvanceCell;

// One degree down above 0, one up below 60; true when the cell changed.
bool StepCell(std::uint8_t& advance, int direction) {
  if (direction < 0 && advance > 0) {
    --advance;
    return true;
  }
  if (direction > 0 && advance < kMaxAdvance) {
    ++advance;
    return true;
  }
  return false;
}

}  // namespace

bool InterpolateSelection(const TSelcell& selection, ParameterImage& image) {
  if (!selection.HasRectangle()) return false;
  const int left = selection.rectLeft, right = selection.rectRight;
  const int top = selection.rectTop, bottom = selection.rectBottom;
  auto cell = [&image](int row, int column) -> std::uint8_t& {
    return image[AdvanceCell(static_cast<std::size_t>(row), static_cast<std::size_t>(column))];
  };
  const float a = cell(top, left), b = cell(top, right);
  const float e = cell(bottom, left), f = cell(bottom, right);
  auto rpm = [&image](int column) { return int{image[field::RPM_ADV + column]}; };
  const int span = rpm(right) - rpm(left);
  for (int j = top; j <= bottom; ++j) {
    const float v =
        top == bottom ? 0.5f : static_cast<float>(j - top) / static_cast<float>(bottom - top);
    const float leftValue = e * v + (1 - v) * a;
    const float rightValue = f * v + (1 - v) * b;
    for (int i = left; i <= right; ++i) {
      if ((j == top || j == bottom) && (i == left || i == right)) continue;
      const float u =
          span == 0 ? 0.5f : static_cast<float>(rpm(i) - rpm(left)) / static_cast<float>(span);
      const float value = u * rightValue + (1 - u) * leftValue;
      // An axis out of order puts u outside 0..1 and the value outside the corners' range;
      // held to the advance range it cannot wrap round as a byte.
      const float rounded = std::floor(value + 0.5f);
      cell(j, i) = static_cast<std::uint8_t>(std::clamp(rounded, 0.0f, float{kMaxAdvance}));
    }
  }
  return true;
}

void StepAdvance(const TSelcell& selection, bool allCells, const link::LiveState& live,
                 int direction, ParameterImage& image, const std::function<void()>& validate) {
  if (allCells) {
    for (int cell = 0; cell < TSelcell::kCells; ++cell) {
      const bool takesPart = selection.state == 0 || selection.cellFlags[cell] != 0;
      if (takesPart && StepCell(image[field::ADVANCE + cell], direction)) validate();
    }
  } else if (!live.belowRpmAxis) {
    StepCell(image[AdvanceCell(live.tpsIndex, live.rpmIndex)], direction);
    validate();
  }
}

void ShiftColumn(int column, int direction, ParameterImage& image) {
  for (std::size_t row = 0; row < field::kAxisPoints; ++row) {
    StepCell(image[AdvanceCell(row, static_cast<std::size_t>(column))], direction);
  }
}

bool CaptureTps0(std::uint16_t mv, ParameterImage& image) {
  if (mv < 100 || mv > 2500) return false;
  image[field::Tps0] = StoreNumber(FieldAt(field::Tps0).scale, int{mv});
  return true;
}

bool CaptureTps100(std::uint16_t mv, ParameterImage& image) {
  if (mv < 2500 || mv > 4900) return false;
  image[field::Tps100] = StoreNumber(FieldAt(field::Tps100).scale, int{mv});
  return true;
}

}  // namespace zarvell
