#include "app/pictures.h"

#include <algorithm>
#include <array>

#include "design/texts/text_table.h"

namespace zarvell {
namespace {

constexpr ui::Colour kNight = ui::Colour::Rgb(28, 36, 52);
constexpr ui::Colour kCurve = ui::Colour::Rgb(255, 176, 32);
constexpr ui::Colour kSpark = ui::Colour::Rgb(120, 200, 255);
constexpr ui::Colour kMetal = ui::Colour::Rgb(150, 156, 166);

void Fill(ui::Canvas& canvas, ui::Colour colour) {
  const ui::Size size = canvas.SurfaceSize();
  canvas.SetBrush({colour, ui::Brush::Style::Solid});
  canvas.FillRect(0, 0, size.width, size.height);
}

// An advance curve rising over the speed range and levelling off, in the box given, with a
// spark above its knee.
void CurveAndSpark(ui::Canvas& canvas, int left, int top, int width, int height, int thickness) {
  static constexpr std::array<int, 7> kRise = {0, 18, 45, 70, 86, 94, 96};  // percent of height
  canvas.SetPen({kCurve, thickness, ui::Pen::Style::Solid});
  const int bottom = top + height;
  canvas.MoveTo(left, bottom);
  for (std::size_t i = 1; i < kRise.size(); ++i) {
    canvas.LineTo(left + width * static_cast<int>(i) / static_cast<int>(kRise.size() - 1),
                  bottom - height * kRise[i] / 100);
  }
  const int x = left + width / 2;
  const int y = top + height / 6;
  const int r = std::max(3, height / 6);
  canvas.SetPen({kSpark, std::max(1, thickness / 2), ui::Pen::Style::Solid});
  canvas.SetBrush({kSpark, ui::Brush::Style::Solid});
  const std::array<ui::Point, 4> star = {{{x, y - r}, {x + r / 3, y}, {x, y + r}, {x - r / 3, y}}};
  canvas.Polygon(star);
  const std::array<ui::Point, 4> glint = {{{x - r, y}, {x, y - r / 3}, {x + r, y}, {x, y + r / 3}}};
  canvas.Polygon(glint);
}

}  // namespace

void DrawEmblem(ui::Canvas& canvas) {
  const ui::Size size = canvas.SurfaceSize();
  Fill(canvas, kNight);
  const int pad = size.height / 8;
  const int art = size.height - 2 * pad;
  CurveAndSpark(canvas, pad, pad, art, art, 2);
  canvas.SetFont({ui::kWhite, size.height >= 60 ? 12 : 9, true});
  canvas.SetBrush({kNight, ui::Brush::Style::Clear});
  const ui::Size text = canvas.TextExtent(kProductName);
  canvas.TextOut(art + 2 * pad, (size.height - text.height) / 2, kProductName);
  canvas.Flush();
}

void DrawThrottle(ui::Canvas& canvas) {
  const ui::Size size = canvas.SurfaceSize();
  Fill(canvas, ui::Colour::ButtonFace());
  const int d = std::min(size.width, size.height) - 8;
  const int left = (size.width - d) / 2;
  const int top = (size.height - d) / 2;
  canvas.SetPen({kMetal, 3, ui::Pen::Style::Solid});
  canvas.SetBrush({ui::kWhite, ui::Brush::Style::Solid});
  canvas.Ellipse(left, top, left + d, top + d);
  // The butterfly, tilted by about 30 degrees, on its spindle.
  canvas.SetPen({kNight, 3, ui::Pen::Style::Solid});
  const int cx = left + d / 2;
  const int cy = top + d / 2;
  canvas.MoveTo(cx - d * 43 / 100, cy + d * 25 / 100);
  canvas.LineTo(cx + d * 43 / 100, cy - d * 25 / 100);
  canvas.SetBrush({kCurve, ui::Brush::Style::Solid});
  canvas.Ellipse(cx - 3, cy - 3, cx + 4, cy + 4);
  canvas.Flush();
}

void DrawBanner(ui::Canvas& canvas) {
  const ui::Size size = canvas.SurfaceSize();
  Fill(canvas, kNight);
  const int art = size.height * 2 / 3;
  CurveAndSpark(canvas, size.height / 6, size.height / 6, art, art, 4);
  canvas.SetBrush({kNight, ui::Brush::Style::Clear});
  canvas.SetFont({ui::kWhite, 28, true});
  const int textLeft = art + size.height / 3;
  canvas.TextOut(textLeft, size.height / 3, kProductName);
  canvas.SetFont({kSpark, 10, false});
  canvas.TextOut(textLeft, size.height / 3 + 52, "Programmable ignition");
  canvas.Flush();
}

}  // namespace zarvell
