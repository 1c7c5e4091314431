// A canvas that draws nothing and writes down every call, one line each, so tests and scripts
// can check what a paint routine did. It keeps the last complete paint and the one in
// progress, so a long run does not pile up every paint it ever made.
#pragma once

#include <string>
#include <vector>

#include "ui/canvas.h"

namespace zarvell::ui {

class RecordingCanvas final : public Canvas {
 public:
  explicit RecordingCanvas(Size size) : size_(size) {}

  Size SurfaceSize() const override { return size_; }
  void SetSurfaceSize(Size size) { size_ = size; }
  void SetPen(const Pen& pen) override;
  void SetBrush(const Brush& brush) override;
  void SetFont(const Font& font) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void FillRect(int left, int top, int right, int bottom) override;
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                 int cornerHeight) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void Polygon(std::span<const Point> points) override;
  void TextOut(int x, int y, std::string_view text) override;
  // Six pixels per character and 13 high: fixed, so layouts that measure text are repeatable.
  Size TextExtent(std::string_view text) override;
  void Flush() override;

  // The last complete paint, up to and including its flush, then the calls made since.
  const std::vector<std::string>& calls() const { return calls_; }
  // The last complete paint alone, and how many paints have been completed.
  std::vector<std::string> LastPaint() const;
  int paints() const { return paints_; }
  const Pen& pen() const { return pen_; }
  const Brush& brush() const { return brush_; }

 private:
  Size size_;
  Pen pen_;
  Brush brush_;
  Font font_;
  std::vector<std::string> calls_;
  std::size_t paintEnd_ = 0;  // the last complete paint is calls_[0, paintEnd_)
  int paints_ = 0;
};

}  // namespace zarvell::ui
