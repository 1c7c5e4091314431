#include "mapedit/graph3d_mouse.h"

#include <cmath>

namespace zarvell {
namespace {

float Wrapped(float angle) {
  while (angle > kPi) angle -= 2 * kPi;
  while (angle < -kPi) angle += 2 * kPi;
  return angle;
}

}  // namespace

int TrackPosition(float angle) {
  const double steps = static_cast<double>(angle) * 36.0 / static_cast<double>(kPi);
  const double whole = std::round(steps);
  // A single-precision angle of a whole step comes back a hair short of it or beyond it.
  if (std::abs(steps - whole) < 1e-4) return static_cast<int>(whole);
  return static_cast<int>(steps);
}

std::optional<TrackPositions> Rotate3D(TGraphAdv& g, TrackPositions angles, int eventKind, int x,
                                       int y) {
  switch (eventKind) {
    case kRotatePress:
      g.grabDx = x;
      g.grabDy = y;
      g.dragStartAngleX = TrackAngle(angles.x);
      g.dragStartAngleY = TrackAngle(angles.y);
      g.dragStartAngleZ = TrackAngle(angles.z);
      g.grabbedPoint = 1;
      return std::nullopt;
    case kRotateRelease:
      g.grabbedPoint = 0;
      return std::nullopt;
    case kRotateMove:
      if (g.grabbedPoint != 1) return std::nullopt;
      break;
    default:
      return std::nullopt;
  }
  // Pointer up turns the view up.
  const float angleX = Wrapped(g.dragStartAngleX + static_cast<float>(x - g.grabDx) / 36.0f);
  const float angleY = Wrapped(g.dragStartAngleY + static_cast<float>(g.grabDy - y) / 36.0f);
  const float angleZ = Wrapped(g.dragStartAngleZ);
  return TrackPositions{TrackPosition(angleX), TrackPosition(angleY), TrackPosition(angleZ)};
}

}  // namespace zarvell
