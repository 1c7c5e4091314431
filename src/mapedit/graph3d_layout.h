// Where the 3D view puts things: the rotation made from the three track bars, the plot square
// centred on the surface, the axes long enough for the map, the projection of a map point
// (rpm, degrees, TPS row) onto the surface with its depth, and the colours of the heights.
// Single precision throughout, since the pixels depend on it.
#pragma once

#include "mapedit/graph_adv.h"
#include "params/image.h"
#include "ui/canvas.h"

namespace zarvell {

// The view angles as the track bars hold them: 5 degrees per step, -36..36 for -180..180.
struct TrackPositions {
  int x = 4;
  int y = -8;
  int z = 0;
  friend constexpr bool operator==(const TrackPositions&, const TrackPositions&) = default;
};
inline constexpr TrackPositions kIsoView{4, -8, 0};
inline constexpr TrackPositions kTopView{0, -18, 0};

inline constexpr float kPi = 3.14159265358979f;
// The angle of a track bar position, in radians.
inline float TrackAngle(int position) {
  return static_cast<float>(position) * kPi * (1.0f / 36.0f);
}

// Everything that follows from the angles and the map; binds `surface` on the first call.
void Layout3D(TGraphAdv& graph, const ParameterImage& image, TrackPositions angles,
              ui::ControlIndex surface, ui::Size size);
void BuildPalette(TGraphAdv& graph);

struct Projected {
  float x = 0, y = 0, depth = 0;  // canvas x and y (y downwards); a larger depth is nearer
};
Projected Project(const TGraphAdv& graph, float rpm, float degrees, float tpsRow);

// The palette entry of `degrees`; heights above 60 take the colour of 60.
ui::Colour HeightColour(const TGraphAdv& graph, int degrees);

}  // namespace zarvell
