// The drawing surface of an image control: a QImage that the window's drawing code paints on
// through ui::Canvas, shown by an ImageWidget that also reports the mouse over it.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <optional>

#include "ui/canvas.h"
#include "ui/form_events.h"

namespace zarvell::qt {

// Shapes are drawn without antialiasing so that pixel coordinates mean what they meant on the
// classic device context; text is antialiased.
class QtCanvas final : public ui::Canvas {
 public:
  // `view` is repainted after drawing; it may be null.
  explicit QtCanvas(QSize size, QWidget* view = nullptr);

  // The picture so far (ends any drawing in progress first).
  const QImage& Image();
  // Keeps the part of the picture that still fits; new area is transparent.
  void Resize(QSize size);

  ui::Size SurfaceSize() const override;
  void SetPen(const ui::Pen& pen) override;
  void SetBrush(const ui::Brush& brush) override;
  void SetFont(const ui::Font& font) override;
  void MoveTo(int x, int y) override { current_ = {x, y}; }
  void LineTo(int x, int y) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void FillRect(int left, int top, int right, int bottom) override;
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                 int cornerHeight) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void Polygon(std::span<const ui::Point> points) override;
  void TextOut(int x, int y, std::string_view text) override;
  ui::Size TextExtent(std::string_view text) override;
  void Flush() override;

 private:
  // The painter with the current pen and brush, or null while the surface is empty.
  QPainter* Begin();
  void End();
  // The font and its metrics, made again only when the font changed.
  const QFontMetrics& Metrics();

  QImage image_;
  QWidget* view_;
  std::optional<QPainter> painter_;
  ui::Pen pen_;
  ui::Brush brush_;
  ui::Font font_;
  ui::Point current_;
  // The painter's pen and brush are not the canvas's: a drawing call sets them first. A paint
  // sets the same pen many times over; only a change costs a QPen.
  bool toolsStale_ = true;
  std::optional<QFont> qfont_;
  std::optional<QFontMetrics> metrics_;
};

class ImageWidget final : public QWidget {
 public:
  explicit ImageWidget(QWidget* parent);

  QtCanvas& canvas() { return canvas_; }
  std::function<void(const ui::MouseEvent&)> onMouse;
  std::function<void(const ui::WheelEvent&)> onWheel;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void Report(ui::MouseAction action, const QMouseEvent& event);
  QtCanvas canvas_;
};

}  // namespace zarvell::qt
