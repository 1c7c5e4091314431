#include "ui/recording_canvas.h"

#include <string>

namespace zarvell::ui {
namespace {

std::string Join(std::string_view call, std::initializer_list<int> numbers) {
  std::string line(call);
  for (int n : numbers) {
    line += ' ';
    line += std::to_string(n);
  }
  return line;
}

const char* StyleName(Pen::Style style) {
  switch (style) {
    case Pen::Style::Solid:
      return "solid";
    case Pen::Style::Dash:
      return "dash";
    case Pen::Style::Dot:
      return "dot";
    case Pen::Style::Clear:
      return "clear";
  }
  return "?";
}

}  // namespace

void RecordingCanvas::SetPen(const Pen& pen) {
  pen_ = pen;
  calls_.push_back("pen " + ColourName(pen.colour) + ' ' + std::to_string(pen.width) + ' ' +
                   StyleName(pen.style));
}

void RecordingCanvas::SetBrush(const Brush& brush) {
  brush_ = brush;
  calls_.push_back("brush " + (brush.style == Brush::Style::Clear ? std::string("clear")
                                                                  : ColourName(brush.colour)));
}

void RecordingCanvas::SetFont(const Font& font) {
  font_ = font;
  calls_.push_back("font " + ColourName(font.colour) + ' ' + std::to_string(font.pointSize) +
                   (font.bold ? " bold" : ""));
}

void RecordingCanvas::MoveTo(int x, int y) {
  calls_.push_back(Join("moveto", {x, y}));
}
void RecordingCanvas::LineTo(int x, int y) {
  calls_.push_back(Join("lineto", {x, y}));
}

void RecordingCanvas::Rectangle(int left, int top, int right, int bottom) {
  calls_.push_back(Join("rectangle", {left, top, right, bottom}));
}

void RecordingCanvas::FillRect(int left, int top, int right, int bottom) {
  calls_.push_back(Join("fillrect", {left, top, right, bottom}));
}

void RecordingCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                                int cornerHeight) {
  calls_.push_back(Join("roundrect", {left, top, right, bottom, cornerWidth, cornerHeight}));
}

void RecordingCanvas::Ellipse(int left, int top, int right, int bottom) {
  calls_.push_back(Join("ellipse", {left, top, right, bottom}));
}

void RecordingCanvas::Polygon(std::span<const Point> points) {
  std::string line = "polygon";
  for (const Point& p : points) {
    line += ' ' + std::to_string(p.x) + ',' + std::to_string(p.y);
  }
  calls_.push_back(std::move(line));
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
  calls_.push_back(Join("text", {x, y}) + ' ' + std::string(text));
}

Size RecordingCanvas::TextExtent(std::string_view text) {
  int characters = 0;
  for (char ch : text) {
    if ((static_cast<unsigned char>(ch) & 0xC0u) != 0x80u) ++characters;  // UTF-8 lead bytes
  }
  return {6 * characters, 13};
}

void RecordingCanvas::Flush() {
  calls_.erase(calls_.begin(), calls_.begin() + static_cast<std::ptrdiff_t>(paintEnd_));
  calls_.emplace_back("flush");
  paintEnd_ = calls_.size();
  ++paints_;
}

std::vector<std::string> RecordingCanvas::LastPaint() const {
  return {calls_.begin(), calls_.begin() + static_cast<std::ptrdiff_t>(paintEnd_)};
}

}  // namespace zarvell::ui
