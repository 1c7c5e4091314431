// The Qt canvas keeps the classic drawing conventions the window's paint code was written
// for: right and bottom edges are outside a shape, a line leaves out its end point, a clear
// pen shrinks a filled rectangle by one pixel, and text over a solid brush gets a background.
#include <gtest/gtest.h>

#include <string>

#include "qt/qt_canvas.h"

namespace zarvell::qt {
namespace {

constexpr QRgb kBlackPixel = 0xFF000000u;
constexpr QRgb kWhitePixel = 0xFFFFFFFFu;
constexpr QRgb kRedPixel = 0xFFFF0000u;
constexpr QRgb kEmpty = 0x00000000u;

// One character per pixel: '#' black, 'o' white, 'r' red, '.' untouched.
std::string Row(QtCanvas& canvas, int y) {
  const QImage& image = canvas.Image();
  std::string row;
  for (int x = 0; x < image.width(); ++x) {
    switch (image.pixel(x, y)) {
      case kBlackPixel:
        row += '#';
        break;
      case kWhitePixel:
        row += 'o';
        break;
      case kRedPixel:
        row += 'r';
        break;
      case kEmpty:
        row += '.';
        break;
      default:
        row += '?';
    }
  }
  return row;
}

TEST(QtCanvas, RectangleOutlinesAndFillsUpToButNotIncludingRightAndBottom) {
  QtCanvas canvas(QSize(8, 6));
  canvas.SetPen({ui::kBlack, 1, ui::Pen::Style::Solid});
  canvas.SetBrush({ui::kWhite, ui::Brush::Style::Solid});
  canvas.Rectangle(1, 1, 6, 5);
  EXPECT_EQ(Row(canvas, 0), "........");
  EXPECT_EQ(Row(canvas, 1), ".#####..");
  EXPECT_EQ(Row(canvas, 2), ".#ooo#..");
  EXPECT_EQ(Row(canvas, 3), ".#ooo#..");
  EXPECT_EQ(Row(canvas, 4), ".#####..");
  EXPECT_EQ(Row(canvas, 5), "........");
}

TEST(QtCanvas, ClearPenAndClearBrushBehaveLikeTheClassicCalls) {
  QtCanvas canvas(QSize(6, 4));
  canvas.SetPen({ui::kBlack, 1, ui::Pen::Style::Clear});
  canvas.SetBrush({ui::kRed, ui::Brush::Style::Solid});
  canvas.Rectangle(0, 0, 4, 3);  // without a pen the filled area is one pixel smaller
  EXPECT_EQ(Row(canvas, 0), "rrr...");
  EXPECT_EQ(Row(canvas, 1), "rrr...");
  EXPECT_EQ(Row(canvas, 2), "......");

  canvas.SetBrush({ui::kWhite, ui::Brush::Style::Clear});
  canvas.FillRect(0, 0, 6, 4);  // a clear brush fills nothing
  canvas.SetPen({ui::kBlack, 1, ui::Pen::Style::Solid});
  canvas.Rectangle(2, 1, 6, 4);  // outline only, the red stays visible inside
  EXPECT_EQ(Row(canvas, 0), "rrr...");
  EXPECT_EQ(Row(canvas, 1), "rr####");
  EXPECT_EQ(Row(canvas, 2), "..#..#");
  EXPECT_EQ(Row(canvas, 3), "..####");
}

TEST(QtCanvas, FillRectCoversExactlyLeftToRightMinusOne) {
  QtCanvas canvas(QSize(5, 3));
  canvas.SetBrush({ui::kWhite, ui::Brush::Style::Solid});
  canvas.FillRect(1, 1, 4, 2);
  EXPECT_EQ(Row(canvas, 0), ".....");
  EXPECT_EQ(Row(canvas, 1), ".ooo.");
  EXPECT_EQ(Row(canvas, 2), ".....");
}

TEST(QtCanvas, LinesLeaveOutTheirEndPointAndContinueFromIt) {
  QtCanvas canvas(QSize(6, 5));
  canvas.SetPen({ui::kBlack, 1, ui::Pen::Style::Solid});
  canvas.MoveTo(0, 0);
  canvas.LineTo(4, 0);
  EXPECT_EQ(Row(canvas, 0), "####..");
  canvas.LineTo(4, 3);  // starts where the last line stopped short
  EXPECT_EQ(Row(canvas, 0), "#####.");
  EXPECT_EQ(Row(canvas, 1), "....#.");
  EXPECT_EQ(Row(canvas, 2), "....#.");
  EXPECT_EQ(Row(canvas, 3), "......");

  canvas.SetPen({ui::kBlack, 1, ui::Pen::Style::Clear});
  canvas.MoveTo(0, 4);
  canvas.LineTo(5, 4);  // a clear pen draws nothing
  EXPECT_EQ(Row(canvas, 4), "......");
}

TEST(QtCanvas, PolygonAndEllipseStayInsideTheirBounds) {
  QtCanvas canvas(QSize(12, 8));
  canvas.SetPen({ui::kBlack, 1, ui::Pen::Style::Solid});
  canvas.SetBrush({ui::kWhite, ui::Brush::Style::Solid});
  canvas.Ellipse(0, 0, 6, 6);
  const ui::Point triangle[] = {{7, 0}, {11, 0}, {11, 4}};
  canvas.Polygon(triangle);
  for (int y = 0; y < 8; ++y) {
    EXPECT_EQ(Row(canvas, y)[6], '.') << "the ellipse ends before its right edge, row " << y;
  }
  EXPECT_EQ(Row(canvas, 0).substr(7), "#####");  // the polygon's edge includes its corners
  EXPECT_EQ(Row(canvas, 2)[3], 'o');             // the ellipse is filled in the middle
  EXPECT_EQ(Row(canvas, 6), "............");
}

TEST(QtCanvas, TextOnASolidBrushPaintsItsBackgroundAndAClearBrushDoesNot) {
  QtCanvas canvas(QSize(120, 40));
  const ui::Size extent = canvas.TextExtent("Wg");
  ASSERT_GT(extent.width, 4);
  ASSERT_GT(extent.height, 4);
  EXPECT_GT(canvas.TextExtent("WgWg").width, extent.width);

  canvas.SetFont({ui::kBlack, 8, false});
  canvas.SetBrush({ui::kWhite, ui::Brush::Style::Solid});
  canvas.TextOut(2, 2, "Wg");
  // Top-left and bottom-right pixels of the text cell are background, not glyph.
  EXPECT_EQ(canvas.Image().pixel(2, 2), kWhitePixel);
  EXPECT_EQ(canvas.Image().pixel(2 + extent.width - 1, 2 + extent.height - 1), kWhitePixel);
  EXPECT_EQ(canvas.Image().pixel(2 + extent.width, 2), kEmpty);
  EXPECT_NE(Row(canvas, 2 + extent.height / 2).find_first_of("#?"), std::string::npos)
      << "some glyph pixels are drawn";

  canvas.SetBrush({ui::kWhite, ui::Brush::Style::Clear});
  canvas.TextOut(60, 2, "Wg");
  EXPECT_EQ(canvas.Image().pixel(60, 2), kEmpty);
  EXPECT_EQ(canvas.Image().pixel(60 + extent.width - 1, 2 + extent.height - 1), kEmpty);
}

TEST(QtCanvas, ResizingKeepsThePictureAndAnEmptySurfaceIgnoresDrawing) {
  QtCanvas canvas(QSize(4, 2));
  canvas.SetBrush({ui::kRed, ui::Brush::Style::Solid});
  canvas.FillRect(0, 0, 4, 2);
  canvas.Resize(QSize(6, 3));
  EXPECT_EQ(canvas.SurfaceSize(), (ui::Size{6, 3}));
  EXPECT_EQ(Row(canvas, 0), "rrrr..");
  EXPECT_EQ(Row(canvas, 2), "......");

  canvas.Resize(QSize(0, 0));
  EXPECT_EQ(canvas.SurfaceSize(), (ui::Size{0, 0}));
  canvas.FillRect(0, 0, 4, 2);
  canvas.TextOut(0, 0, "x");
  canvas.Flush();
  EXPECT_TRUE(canvas.Image().isNull());
}

}  // namespace
}  // namespace zarvell::qt
