// The state of a graph of the advance map, one object per view for the window's whole life:
// its scales and plot origin, the point being dragged or hovered, the row in front, the keys
// seen at the last tick and the point the wheel acts on. The 2D graph draws the map as curves
// of advance over engine speed on GrafAdv; the 3D view on Graf3DAdv uses the same fields in its
// own way and adds its projection and palette.
#pragma once

#include <array>
#include <cstdint>

#include "ui/control.h"

namespace zarvell {

// Point codes of a curve: its columns 0..9 and these.
inline constexpr int NO_POINT = -100;
inline constexpr int BASE_POINT = -1;    // 0 rpm, the base advance
inline constexpr int LIMITER_LINE = -2;  // the vertical line of the RPM limiter
// Drawn only: the curve runs level from its last breakpoint to the right edge.
inline constexpr int kRightEndPoint = 10;

struct TGraphAdv {
  float xScale = 1.0f;  // pixels per rpm
  float yScale = 1.0f;  // pixels per degree
  int marginLeft = 35;
  int marginRight = 25;
  int marginTop = 5;
  int marginBottom = 15;
  int surfaceLeft = 0, surfaceTop = 0, surfaceWidth = 0, surfaceHeight = 0;
  int plotX0 = 0, plotY0 = 0;  // pixel of 0 rpm, 0 degrees; y grows downwards
  int plotWidth = 0, plotHeight = 0;
  int grabbedPoint = NO_POINT;
  int grabDx = 0, grabDy = 0;  // from the grabbed point to the mouse at the press
  int rpmRange = 0;            // rpm at the right end of the x axis
  int degreeRange = 0;         // degrees at the top of the y axis
  int skipNextMove = 0;        // the program just moved the pointer: its move is no user's
  int hoveredPoint = NO_POINT;
  int lastLiveRpm = 0;  // the live values when the graph last noticed them
  int lastLiveTps = 0;
  int curveStep = 5;  // degrees between stacked curves
  int activeRow = 0;  // the throttle row in front (map form)
  int ctrlHeld = 0;   // keys down at the last tick
  int shiftHeld = 0;
  int wheelRow = 0;  // where the wheel acts
  int wheelTarget = NO_POINT;
  ui::ControlIndex surface = ui::kNoControl;  // filled in by the first layout
  // The live cell the last drawing marked (row * 10 + column): the live indices follow the
  // reply one tick late, so a change of them alone asks for a redraw too.
  int drawnLiveCell = -1;

  // The 3D view alone: the TPS axis in rows, pixels per row, the colours of 0..60 degrees
  // (0x00RRGGBB), the rotation made from the track bars and the projection made from it
  // (rows: canvas x, canvas y upwards, depth; columns: rpm, degrees, TPS row), and the angles
  // at the last press of a drag, in radians.
  int tpsRange = 9;
  float zScale = 1.0f;
  std::array<std::uint32_t, 61> palette{};
  float rotation[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  float projection[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  float dragStartAngleY = 0.0f, dragStartAngleX = 0.0f, dragStartAngleZ = 0.0f;
};

}  // namespace zarvell
