// The drawing calls of one paint taken down as data, and replayed straight on a QPainter: the
// limit any canvas could reach for that paint, for the benchmarks to put our canvas beside.
#pragma once

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <string>
#include <vector>

#include "qt/widgets.h"
#include "ui/canvas.h"

namespace zarvell::qt {

class CallList final : public ui::Canvas {
 public:
  enum class Op { Pen, Brush, Move, Line, Rect, Fill, Round, Ellipse, Polygon, Text };
  struct Call {
    Op op;
    int a = 0, b = 0, c = 0, d = 0, e = 0;
    ui::Pen pen;
    ui::Brush brush;
    std::string text;
    QPolygon points;
  };

  explicit CallList(ui::Size size) : size_(size) {}
  ui::Size SurfaceSize() const override { return size_; }
  void SetPen(const ui::Pen& pen) override { calls.push_back({Op::Pen, 0, 0, 0, 0, 0, pen}); }
  void SetBrush(const ui::Brush& brush) override {
    calls.push_back({Op::Brush, 0, 0, 0, 0, 0, {}, brush});
  }
  void SetFont(const ui::Font&) override {}
  void MoveTo(int x, int y) override { calls.push_back({Op::Move, x, y}); }
  void LineTo(int x, int y) override { calls.push_back({Op::Line, x, y}); }
  void Rectangle(int l, int t, int r, int b) override { calls.push_back({Op::Rect, l, t, r, b}); }
  void FillRect(int l, int t, int r, int b) override { calls.push_back({Op::Fill, l, t, r, b}); }
  void RoundRect(int l, int t, int r, int b, int w, int) override {
    calls.push_back({Op::Round, l, t, r, b, w});
  }
  void Ellipse(int l, int t, int r, int b) override { calls.push_back({Op::Ellipse, l, t, r, b}); }
  void Polygon(std::span<const ui::Point> points) override {
    Call call{Op::Polygon};
    for (const ui::Point& p : points) call.points << QPoint(p.x, p.y);
    calls.push_back(std::move(call));
  }
  void TextOut(int x, int y, std::string_view text) override {
    calls.push_back({Op::Text, x, y, 0, 0, 0, {}, {}, std::string(text)});
  }
  ui::Size TextExtent(std::string_view text) override {
    const QFontMetrics metrics(QApplication::font());
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
  }
  void Flush() override {}

  // The calls drawn onto `image` by a painter of its own, as plainly as QPainter takes them.
  void Replay(QImage& image) const;

  std::vector<Call> calls;

 private:
  ui::Size size_;
};

inline void CallList::Replay(QImage& image) const {
  static const QFont font = QApplication::font();
  static const QFontMetrics metrics(font);
  QPainter p(&image);
  p.setFont(font);
  QPoint at;
  QBrush brush;
  for (const Call& c : calls) {
    switch (c.op) {
      case Op::Pen:
        p.setPen(
            QPen(ToQColor(c.pen.colour), c.pen.width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        break;
      case Op::Brush:
        brush = c.brush.style == ui::Brush::Style::Clear ? QBrush(Qt::NoBrush)
                                                         : QBrush(ToQColor(c.brush.colour));
        p.setBrush(brush);
        break;
      case Op::Move:
        at = {c.a, c.b};
        break;
      case Op::Line:
        p.drawLine(at, {c.a, c.b});
        at = {c.a, c.b};
        break;
      case Op::Rect:
        p.drawRect(c.a, c.b, c.c - c.a - 1, c.d - c.b - 1);
        break;
      case Op::Fill:
        p.fillRect(c.a, c.b, c.c - c.a, c.d - c.b, brush);
        break;
      case Op::Round:
        p.drawRoundedRect(c.a, c.b, c.c - c.a - 1, c.d - c.b - 1, c.e / 2.0, c.e / 2.0);
        break;
      case Op::Ellipse:
        p.drawEllipse(c.a, c.b, c.c - c.a - 1, c.d - c.b - 1);
        break;
      case Op::Polygon:
        p.drawPolygon(c.points, Qt::OddEvenFill);
        break;
      case Op::Text: {
        const QString text = QString::fromUtf8(c.text);
        if (brush.style() != Qt::NoBrush) {
          p.fillRect(c.a, c.b, metrics.horizontalAdvance(text), metrics.height(), brush);
        }
        p.drawText(c.a, c.b + metrics.ascent(), text);
        break;
      }
    }
  }
}

}  // namespace zarvell::qt
