#include "mapedit/graph3d_layout.h"

#include <algorithm>
#include <cmath>

namespace zarvell {
namespace {

// Turns the picture by `angle` in the plane of two axes: in every row the entries (a, b) of
// columns `first` and `second` become (cos a - sin b, sin a + cos b).
void RotateColumns(float (&m)[3][3], int first, int second, float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  for (auto& row : m) {
    const float a = row[first], b = row[second];
    row[first] = c * a - s * b;
    row[second] = s * a + c * b;
  }
}

// The part of a row's span that lies on the negative side: where the origin sits in the square.
float NegativeShare(const float (&row)[3]) {
  float share = 0;
  for (const float p : row) {
    if (p < 0) share -= p;
  }
  return share;
}

}  // namespace

void Layout3D(TGraphAdv& g, const ParameterImage& image, TrackPositions angles,
              ui::ControlIndex surface, ui::Size size) {
  if (g.surface == ui::kNoControl) g.surface = surface;
  g.rotation[0][0] = 1, g.rotation[0][1] = 0, g.rotation[0][2] = 0;
  g.rotation[1][0] = 0, g.rotation[1][1] = 1, g.rotation[1][2] = 0;
  g.rotation[2][0] = 0, g.rotation[2][1] = 0, g.rotation[2][2] = 1;
  RotateColumns(g.rotation, 1, 2, TrackAngle(angles.y));
  RotateColumns(g.rotation, 0, 2, TrackAngle(angles.x));
  RotateColumns(g.rotation, 0, 1, TrackAngle(angles.z));

  // A square plot, centred sideways: a projected axis box spans the plot height both ways.
  g.surfaceLeft = 0;
  g.surfaceTop = 0;
  g.surfaceWidth = size.width;
  g.surfaceHeight = size.height;
  g.marginLeft = g.marginRight = g.marginTop = g.marginBottom = 10;
  g.plotWidth = g.surfaceWidth - g.surfaceLeft - g.marginLeft - g.marginRight;
  g.plotHeight = g.surfaceHeight - g.surfaceTop - g.marginTop - g.marginBottom;
  const int half = (g.plotWidth - g.plotHeight) / 2;
  g.marginLeft += half;
  g.marginRight += half;
  g.plotWidth = g.surfaceWidth - g.surfaceLeft - g.marginLeft - g.marginRight;

  const int lastRpm = std::max(image.Shown(field::RPM_ADV + 9), image.Shown(field::LIMITER));
  g.rpmRange = (lastRpm + 900 + 2400) / 2500 * 2500;
  int top = image[field::BASE_ADV];
  for (std::size_t cell = 0; cell < 100; ++cell)
    top = std::max<int>(top, image[field::ADVANCE + cell]);
  g.degreeRange = (top + 5 + 4) / 5 * 5;
  g.tpsRange = 9;

  for (int r = 0; r < 3; ++r) {
    const float* row = g.rotation[r];
    const float sum = std::abs(row[0]) + std::abs(row[1]) + std::abs(row[2]);
    for (int c = 0; c < 3; ++c) g.projection[r][c] = row[c] / sum;
  }
  const float plotHeight = static_cast<float>(g.plotHeight);
  g.xScale = plotHeight / static_cast<float>(g.rpmRange);
  g.yScale = plotHeight / static_cast<float>(g.degreeRange);
  g.zScale = plotHeight / 9.0f;
  g.plotX0 = static_cast<int>(static_cast<float>(g.surfaceLeft + g.marginLeft) +
                              static_cast<float>(g.plotWidth) * NegativeShare(g.projection[0]));
  g.plotY0 = static_cast<int>(static_cast<float>(g.surfaceHeight - g.marginBottom) -
                              plotHeight * NegativeShare(g.projection[1]));
  for (auto& row : g.projection) {
    row[0] *= g.xScale;
    row[1] *= g.yScale;
    row[2] *= g.zScale;
  }
  BuildPalette(g);
}

void BuildPalette(TGraphAdv& g) {
  struct Stop {
    int degrees, r, g, b;
  };
  // The last stop lies past the table's end: 60 degrees is 24/25 of the way to magenta.
  constexpr Stop kStops[] = {{0, 0, 0, 85},     {10, 0, 0, 255},   {16, 0, 255, 0},
                             {24, 255, 255, 0}, {28, 204, 204, 0}, {36, 255, 0, 0},
                             {61, 255, 0, 255}};
  for (std::size_t i = 0; i + 1 < std::size(kStops); ++i) {
    const Stop& a = kStops[i];
    const Stop& b = kStops[i + 1];
    for (int j = a.degrees; j < b.degrees && j <= 60; ++j) {
      // The share is single precision, the mix is not: half-way and whole shares must give
      // whole channels (48 degrees mixes 255 and 255 into 255, not 254).
      const double x =
          static_cast<float>(j - a.degrees) / static_cast<float>(b.degrees - a.degrees);
      auto channel = [x](int from, int to) {
        return static_cast<std::uint32_t>((1 - x) * from + x * to);
      };
      g.palette[static_cast<std::size_t>(j)] =
          channel(a.r, b.r) << 16 | channel(a.g, b.g) << 8 | channel(a.b, b.b);
    }
  }
}

Projected Project(const TGraphAdv& g, float rpm, float degrees, float tpsRow) {
  auto dot = [&](const float(&row)[3]) {
    return row[0] * rpm + row[1] * degrees + row[2] * tpsRow;
  };
  return {static_cast<float>(g.plotX0) + dot(g.projection[0]),
          static_cast<float>(g.plotY0) - dot(g.projection[1]), dot(g.projection[2])};
}

ui::Colour HeightColour(const TGraphAdv& g, int degrees) {
  return ui::Colour::Rgb(g.palette[static_cast<std::size_t>(std::clamp(degrees, 0, 60))]);
}

}  // namespace zarvell
