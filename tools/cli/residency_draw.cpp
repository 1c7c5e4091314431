#include "residency_draw.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "params/code_tables.h"

namespace zarvell::cli {
namespace {

constexpr ui::Colour kGridGrey = ui::Colour::Rgb(160, 160, 160);
constexpr ui::Colour kRpmBlue = ui::Colour::Rgb(0, 70, 200);
constexpr ui::Colour kThrottleGreen = ui::Colour::Rgb(0, 150, 60);

ui::Brush Fill(ui::Colour colour) {
  return {colour, ui::Brush::Style::Solid};
}
constexpr ui::Brush kNoFill{ui::kWhite, ui::Brush::Style::Clear};

void Line(ui::Canvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

void Centred(ui::Canvas& c, int x, int y, const std::string& text) {
  c.TextOut(x - c.TextExtent(text).width / 2, y, text);
}

// White for no time, deepening to red for the cell with the most.
ui::Colour Heat(double share) {
  const int fade = static_cast<int>(std::lround(255 * (1 - std::clamp(share, 0.0, 1.0))));
  return ui::Colour::Rgb(255, fade, fade);
}

std::string Seconds(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f s", seconds);
  return text;
}

void Background(ui::Canvas& c, ui::Size size, const std::string& title) {
  c.SetFont({ui::kBlack, 10, true});
  c.SetPen({ui::kWhite});
  c.SetBrush(Fill(ui::kWhite));
  c.FillRect(0, 0, size.width, size.height);
  c.SetBrush(kNoFill);
  c.TextOut(16, 10, title);
  c.SetFont({});
}

}  // namespace

void DrawHeatMap(const Residency& r, ui::Canvas& c) {
  constexpr int kLeft = 80, kTop = 60, kCellW = 64, kCellH = 36;
  Background(c, kHeatMapSize,
             "Time in each cell of the advance map: " + Seconds(r.total) + " logged, " +
                 Seconds(r.outside) + " outside the map");
  double most = 0;
  for (const auto& row : r.seconds)
    most = std::max(most, *std::max_element(row.begin(), row.end()));
  const bool axisKnown = r.rpmAxis[9] != 0;
  for (int column = 0; column < 10; ++column) {
    const std::string label =
        axisKnown ? std::to_string(r.rpmAxis[column]) : "col " + std::to_string(column);
    Centred(c, kLeft + kCellW * column + kCellW / 2, kTop - 18, label);
  }
  c.TextOut(kLeft + 10 * kCellW + 8, kTop - 18, "rpm");
  for (int row = 0; row < 10; ++row) {
    const int top = kTop + kCellH * row;
    const std::string label = std::to_string(TpsAxis[static_cast<std::size_t>(row)]) + " %";
    c.TextOut(kLeft - 8 - c.TextExtent(label).width, top + kCellH / 2 - 7, label);
    for (int column = 0; column < 10; ++column) {
      const int left = kLeft + kCellW * column;
      const double seconds = r.seconds[row][column];
      c.SetPen({kGridGrey});
      c.SetBrush(Fill(Heat(most > 0 ? seconds / most : 0)));
      c.Rectangle(left, top, left + kCellW + 1, top + kCellH + 1);
      c.SetBrush(kNoFill);
      if (const int advance = r.advance[row][column]; advance >= 0) {
        Centred(c, left + kCellW / 2, top + 3, std::to_string(advance) + "\u00B0");
      }
      if (seconds > 0) Centred(c, left + kCellW / 2, top + 19, Seconds(seconds));
    }
  }
  c.TextOut(kLeft, kTop + 10 * kCellH + 10,
            "throttle rows down, RPM columns across; the advance of each cell above its time");
  c.Flush();
}

void DrawRunOverTime(const Residency& r, ui::Canvas& c) {
  constexpr int kLeft = 70, kTop = 50, kRight = 690, kBottom = 270;
  Background(c, kRunPlotSize, "Engine speed (blue, left) and throttle (green, right) over time");
  const std::int64_t end = r.rows.empty() ? 0 : r.rows.back().timeMs;
  int topRpm = 1000;
  for (const LogRow& row : r.rows) topRpm = std::max(topRpm, (row.rpm + 999) / 1000 * 1000);
  const double seconds = std::max<double>(static_cast<double>(end) / 1000.0, 1.0);
  auto x = [&](std::int64_t ms) {
    return kLeft + static_cast<int>(
                       std::lround((kRight - kLeft) * static_cast<double>(ms) / 1000.0 / seconds));
  };
  auto yOf = [&](double share) {
    return kBottom - static_cast<int>(std::lround((kBottom - kTop) * share));
  };
  c.SetPen({kGridGrey});
  for (int k = 0; k <= 4; ++k) {
    const int y = yOf(k / 4.0);
    Line(c, kLeft, y, kRight, y);
    const std::string rpm = std::to_string(topRpm * k / 4);
    c.TextOut(kLeft - 6 - c.TextExtent(rpm).width, y - 7, rpm);
    c.TextOut(kRight + 6, y - 7, std::to_string(25 * k) + " %");
  }
  Centred(c, kLeft, kBottom + 6, "0 s");
  Centred(c, kRight, kBottom + 6, Seconds(static_cast<double>(end) / 1000.0));
  for (const bool throttle : {false, true}) {
    c.SetPen({throttle ? kThrottleGreen : kRpmBlue, 2});
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
      const LogRow& row = r.rows[i];
      const double share =
          throttle ? std::min(row.tpsPercent, 100) / 100.0 : static_cast<double>(row.rpm) / topRpm;
      if (i == 0) {
        c.MoveTo(x(row.timeMs), yOf(share));
      } else {
        c.LineTo(x(row.timeMs), yOf(share));
      }
    }
  }
  c.Flush();
}

}  // namespace zarvell::cli
