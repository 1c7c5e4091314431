#include "app/window_place.h"

#include <algorithm>

namespace zarvell {
namespace {

// Smaller than this, a window from a damaged settings file could not be found or used.
constexpr int kMinimumWidth = 200;
constexpr int kMinimumHeight = 150;
// The part of the title bar that must stay on the area for the window to be dragged.
constexpr int kGrip = 100;

// Cuts a length that does not fit and puts it at the area's start.
void FitAxis(int& start, int& length, int areaStart, int areaLength, int frame) {
  const int room = areaLength - frame;
  if (length <= room) return;
  length = std::max(room, 1);
  start = areaStart;
}

}  // namespace

ui::Rect UsableWindowRect(ui::Rect stored, ui::Size design, ui::Rect area) {
  ui::Rect rect = stored;
  if (rect.width < kMinimumWidth || rect.height < kMinimumHeight) {
    rect.width = design.width;
    rect.height = design.height;
  }
  if (area.width <= 0 || area.height <= 0) return rect;  // no screen to go by
  FitAxis(rect.left, rect.width, area.left, area.width, kWindowFrame.width);
  FitAxis(rect.top, rect.height, area.top, area.height, kWindowFrame.height);
  const int right = area.left + area.width, bottom = area.top + area.height;
  const bool outside = rect.left >= right || rect.top >= bottom ||
                       rect.left + rect.width <= area.left || rect.top + rect.height <= area.top;
  if (outside) {
    rect.left = area.left + (area.width - rect.width) / 2;
    rect.top = area.top + (area.height - rect.height) / 2;
    return rect;
  }
  const int titleBar = kWindowFrame.height;
  rect.top = std::clamp(rect.top, area.top, std::max(area.top, bottom - titleBar));
  const int grip = std::min(kGrip, rect.width);
  rect.left = std::clamp(rect.left, area.left - rect.width + grip, right - grip);
  return rect;
}

}  // namespace zarvell
