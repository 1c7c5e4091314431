// The monitor log read back, whole or cut off in a row, and the time a run spent in each map
// cell, with the log's own cells or found anew in a set; the heat map's colours and texts.
#include "residency.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "residency_draw.h"
#include "session.h"
#include "ui/recording_canvas.h"

namespace zarvell::cli {
namespace {

std::string Log(const std::vector<LogRow>& rows) {
  std::string text = std::string(kLogHeader) + "\n";
  for (const LogRow& row : rows) text += FormatRow(row);
  return text;
}

TEST(MonitorLog, ReadsBackWhatWasWrittenUpToTheLastWholeRow) {
  const ParameterImage set = Session(20).set.image;  // no throttle rows: the 100 % row counts
  link::MonitorValues values;
  values.rpm = 4300;
  values.tpsPercent = 35;
  values.tpsRaw = 364;
  const LogRow running = RowOf(values, 330, &set);
  EXPECT_EQ(FormatRow(running), "330,4300,35,1779,9,3,25,0,0\n");
  values.rpm = 1000;  // below the first breakpoint, 1500 rpm
  const LogRow slow = RowOf(values, 660, &set);
  EXPECT_EQ(FormatRow(slow), "660,1000,35,1779,,,,0,0\n");
  EXPECT_EQ(FormatRow(RowOf(values, 990, nullptr)), "990,1000,35,1779,,,,0,0\n");

  const std::string whole = Log({running, slow});
  const auto log = ParseLog(whole);
  ASSERT_TRUE(log);
  EXPECT_FALSE(log->cutOff);
  ASSERT_EQ(log->rows.size(), 2u);
  EXPECT_EQ(FormatRow(log->rows[0]), FormatRow(running));
  EXPECT_EQ(FormatRow(log->rows[1]), FormatRow(slow));
  // Pulled out in the middle of the third row: the two before it are all there.
  const auto cut = ParseLog(whole + "990,43");
  ASSERT_TRUE(cut);
  EXPECT_TRUE(cut->cutOff);
  EXPECT_EQ(cut->rows.size(), 2u);
  // Not a log, or a whole row that is not one.
  EXPECT_FALSE(ParseLog("time,rpm\n1,2\n"));
  EXPECT_FALSE(ParseLog(whole + "990,4300,35\n"));
  EXPECT_FALSE(ParseLog(whole + "990,4300,35,1779,x,3,25,0,0\n"));
}

TEST(Residency, EachReplyCountsUntilTheNextInItsCell) {
  std::vector<LogRow> rows;
  for (int i = 0; i < 11; ++i) rows.push_back({330LL * i, 4300, 35, 1779, 9, 3, 25, 0, 0});
  rows[5].rpm = 0, rows[5].mapRow = rows[5].mapColumn = rows[5].advance = -1;  // a stall
  const auto log = ParseLog(Log(rows));
  ASSERT_TRUE(log);
  const Residency own = ComputeResidency(*log, nullptr);
  EXPECT_NEAR(own.total, 3.3, 1e-9);
  EXPECT_NEAR(own.seconds[9][3], 2.97, 1e-9);
  EXPECT_NEAR(own.outside, 0.33, 1e-9);
  EXPECT_EQ(own.advance[9][3], 25);
  EXPECT_EQ(own.advance[0][0], -1);
  EXPECT_EQ(own.rpmAxis[9], 0);

  // With throttle rows in the set, the same run is found at 30 % (row 5) and its cells shown.
  ParameterImage set = Session(20).set.image;
  set[field::TPS_MAPA] = 1;
  const Residency anew = ComputeResidency(*log, &set);
  EXPECT_NEAR(anew.seconds[5][3], 2.97, 1e-9);
  EXPECT_EQ(anew.seconds[9][3], 0);
  EXPECT_EQ(anew.rpmAxis[3], 4000);
  EXPECT_EQ(anew.advance[5][3], set[field::AdvanceCell(5, 3)]);

  // The heat map: the busiest cell in full red, its advance and time written in it.
  ui::RecordingCanvas canvas(kHeatMapSize);
  DrawHeatMap(anew, canvas);
  const std::vector<std::string> calls = canvas.LastPaint();
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "brush #ff0000"), 1);
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "brush #ffffff"),
            100);  // the other 99 and the clear
  EXPECT_NE(std::find_if(calls.begin(), calls.end(),
                         [](const std::string& c) { return c.ends_with(" 3.0 s"); }),
            calls.end());
}

}  // namespace
}  // namespace zarvell::cli
