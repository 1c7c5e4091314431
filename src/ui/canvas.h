// Drawing on an image control, in the terms the window's drawing code thinks in: a pen, a
// brush, a font and a current position, as on a classic device context.
#pragma once

#include <span>
#include <string_view>

#include "ui/control.h"

namespace zarvell::ui {

struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(const Size&, const Size&) = default;
};

struct Pen {
  enum class Style : std::uint8_t { Solid, Dash, Dot, Clear };
  Colour colour = kBlack;
  int width = 1;
  Style style = Style::Solid;
  friend constexpr bool operator==(const Pen&, const Pen&) = default;
};

// A clear brush leaves shapes unfilled and text without a background.
struct Brush {
  enum class Style : std::uint8_t { Solid, Clear };
  Colour colour = kWhite;
  Style style = Style::Solid;
  friend constexpr bool operator==(const Brush&, const Brush&) = default;
};

struct Font {
  Colour colour = kBlack;
  int pointSize = 8;
  bool bold = false;
  friend constexpr bool operator==(const Font&, const Font&) = default;
};

// Rectangles are given as left, top, right, bottom with the right and bottom edges outside the
// shape, as the classic drawing calls take them.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual Size SurfaceSize() const = 0;
  virtual void SetPen(const Pen& pen) = 0;
  virtual void SetBrush(const Brush& brush) = 0;
  virtual void SetFont(const Font& font) = 0;

  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;  // draws up to, not including, the end point
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;  // pen outline + brush
  virtual void FillRect(int left, int top, int right, int bottom) = 0;   // brush only
  virtual void RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                         int cornerHeight) = 0;
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;
  virtual void Polygon(std::span<const Point> points) = 0;
  virtual void TextOut(int x, int y, std::string_view text) = 0;  // UTF-8, top-left at x, y
  virtual Size TextExtent(std::string_view text) = 0;
  // The drawing is complete; a renderer may show it now.
  virtual void Flush() = 0;
};

}  // namespace zarvell::ui
