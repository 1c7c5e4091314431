#include "qt/qt_canvas.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPolygon>
#include <QWheelEvent>
#include <vector>

#include "qt/widgets.h"

namespace zarvell::qt {
namespace {

QPen ToQPen(const ui::Pen& pen) {
  if (pen.style == ui::Pen::Style::Clear) return QPen(Qt::NoPen);
  Qt::PenStyle style = Qt::SolidLine;
  if (pen.style == ui::Pen::Style::Dash) style = Qt::DashLine;
  if (pen.style == ui::Pen::Style::Dot) style = Qt::DotLine;
  // A flat cap leaves out a line's end point, as the classic line calls do.
  return QPen(ToQColor(pen.colour), std::max(1, pen.width), style, Qt::FlatCap, Qt::MiterJoin);
}

QBrush ToQBrush(const ui::Brush& brush) {
  if (brush.style == ui::Brush::Style::Clear) return QBrush(Qt::NoBrush);
  return QBrush(ToQColor(brush.colour));
}

// Outlined shapes cover left..right-1 and top..bottom-1 with a one-pixel pen.
QRect OutlineRect(int left, int top, int right, int bottom) {
  return QRect(left, top, right - left - 1, bottom - top - 1);
}

}  // namespace

QtCanvas::QtCanvas(QSize size, QWidget* view) : view_(view) {
  Resize(size);
}

const QImage& QtCanvas::Image() {
  End();
  return image_;
}

void QtCanvas::Resize(QSize size) {
  if (size == image_.size()) return;
  End();
  QImage resized(size.expandedTo(QSize(0, 0)), QImage::Format_ARGB32_Premultiplied);
  if (resized.isNull()) {
    image_ = QImage();
    return;
  }
  resized.fill(Qt::transparent);
  if (!image_.isNull()) QPainter(&resized).drawImage(0, 0, image_);
  image_ = resized;
}

ui::Size QtCanvas::SurfaceSize() const {
  return {image_.width(), image_.height()};
}

void QtCanvas::SetPen(const ui::Pen& pen) {
  if (pen == pen_) return;
  pen_ = pen;
  toolsStale_ = true;
}

void QtCanvas::SetBrush(const ui::Brush& brush) {
  if (brush == brush_) return;
  brush_ = brush;
  toolsStale_ = true;
}

void QtCanvas::SetFont(const ui::Font& font) {
  if (font == font_) return;
  font_ = font;
  qfont_.reset();
  metrics_.reset();
}

QPainter* QtCanvas::Begin() {
  if (image_.isNull()) return nullptr;
  if (!painter_) {
    painter_.emplace(&image_);
    toolsStale_ = true;
    if (view_ != nullptr) view_->update();
  }
  if (toolsStale_) {
    painter_->setPen(ToQPen(pen_));
    painter_->setBrush(ToQBrush(brush_));
    toolsStale_ = false;
  }
  return &*painter_;
}

void QtCanvas::End() {
  painter_.reset();
}

const QFontMetrics& QtCanvas::Metrics() {
  if (!metrics_) {
    qfont_ = QApplication::font();
    qfont_->setPointSize(font_.pointSize);
    qfont_->setBold(font_.bold);
    metrics_.emplace(*qfont_);
  }
  return *metrics_;
}

void QtCanvas::LineTo(int x, int y) {
  if (QPainter* p = Begin()) p->drawLine(current_.x, current_.y, x, y);
  current_ = {x, y};
}

void QtCanvas::Rectangle(int left, int top, int right, int bottom) {
  QPainter* p = Begin();
  if (p == nullptr || right <= left || bottom <= top) return;
  p->drawRect(OutlineRect(left, top, right, bottom));
}

void QtCanvas::FillRect(int left, int top, int right, int bottom) {
  QPainter* p = Begin();
  if (p == nullptr || brush_.style == ui::Brush::Style::Clear) return;
  p->fillRect(QRect(left, top, right - left, bottom - top), ToQColor(brush_.colour));
}

void QtCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                         int cornerHeight) {
  QPainter* p = Begin();
  if (p == nullptr || right <= left || bottom <= top) return;
  p->drawRoundedRect(OutlineRect(left, top, right, bottom), cornerWidth / 2.0, cornerHeight / 2.0);
}

void QtCanvas::Ellipse(int left, int top, int right, int bottom) {
  QPainter* p = Begin();
  if (p == nullptr || right <= left || bottom <= top) return;
  p->drawEllipse(OutlineRect(left, top, right, bottom));
}

void QtCanvas::Polygon(std::span<const ui::Point> points) {
  QPainter* p = Begin();
  if (p == nullptr || points.empty()) return;
  QPolygon polygon(static_cast<int>(points.size()));
  for (std::size_t i = 0; i < points.size(); ++i) {
    polygon.setPoint(static_cast<int>(i), points[i].x, points[i].y);
  }
  p->drawPolygon(polygon, Qt::OddEvenFill);
}

void QtCanvas::TextOut(int x, int y, std::string_view text) {
  QPainter* p = Begin();
  if (p == nullptr) return;
  const QFontMetrics& metrics = Metrics();
  const QString string = ToQString(text);
  // A solid brush gives the text an opaque background, a clear one leaves what is beneath.
  if (brush_.style == ui::Brush::Style::Solid) {
    p->fillRect(QRect(x, y, metrics.horizontalAdvance(string), metrics.height()),
                ToQColor(brush_.colour));
  }
  p->setFont(*qfont_);
  p->setPen(ToQColor(font_.colour));
  toolsStale_ = true;  // the pen is the text's now
  p->drawText(x, y + metrics.ascent(), string);
}

ui::Size QtCanvas::TextExtent(std::string_view text) {
  const QFontMetrics& metrics = Metrics();
  return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

void QtCanvas::Flush() {
  End();
  if (view_ != nullptr) view_->update();
}

ImageWidget::ImageWidget(QWidget* parent) : QWidget(parent), canvas_(QSize(), this) {
  setMouseTracking(true);
}

void ImageWidget::paintEvent(QPaintEvent*) {
  QPainter(this).drawImage(0, 0, canvas_.Image());
}

void ImageWidget::Report(ui::MouseAction action, const QMouseEvent& event) {
  if (!onMouse) return;
  ui::MouseEvent out;
  out.action = action;
  switch (event.button()) {
    case Qt::LeftButton:
      out.button = ui::MouseButton::Left;
      break;
    case Qt::RightButton:
      out.button = ui::MouseButton::Right;
      break;
    case Qt::MiddleButton:
      out.button = ui::MouseButton::Middle;
      break;
    default:
      break;
  }
  const QPoint point = event.position().toPoint();
  out.point = {point.x(), point.y()};
  out.shift = event.modifiers().testFlag(Qt::ShiftModifier);
  out.ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  onMouse(out);
}

void ImageWidget::mousePressEvent(QMouseEvent* event) {
  Report(ui::MouseAction::Down, *event);
}
void ImageWidget::mouseMoveEvent(QMouseEvent* event) {
  Report(ui::MouseAction::Move, *event);
}
void ImageWidget::mouseReleaseEvent(QMouseEvent* event) {
  Report(ui::MouseAction::Up, *event);
}

void ImageWidget::leaveEvent(QEvent*) {
  if (!onMouse) return;
  ui::MouseEvent out;
  out.action = ui::MouseAction::Leave;
  onMouse(out);
}

void ImageWidget::wheelEvent(QWheelEvent* event) {
  if (!onWheel) return;
  ui::WheelEvent out;
  out.delta = event->angleDelta().y();
  const QPoint point = event->position().toPoint();
  out.point = {point.x(), point.y()};
  out.shift = event->modifiers().testFlag(Qt::ShiftModifier);
  out.ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  onWheel(out);
  event->accept();
}

}  // namespace zarvell::qt
