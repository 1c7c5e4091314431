#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "sim/sim_wire.h"
#include "sim/unit_sim.h"

namespace zarvell::sim {
namespace {

using testutil::Bytes;
using testutil::Exchange;
using testutil::Request;
using testutil::Word;

Bytes Monitor(UnitSim& unit) {
  const Bytes reply = Exchange(unit, Request(0x30));
  EXPECT_EQ(reply.size(), 102u);
  return reply;
}

TEST(EngineMotion, RevsBetweenIdleAndTheLimiterWithPlausibleValues) {
  UnitSim unit;  // limiter 11000 rpm, shift light 9000 rpm, two channels
  unsigned lowest = 65535, highest = 0;
  std::set<unsigned> speeds;
  unsigned lowestTps = 255, highestTps = 0;
  for (int tick = 0; tick < 800; ++tick) {
    SCOPED_TRACE(tick);
    const Bytes r = Monitor(unit);
    const unsigned rpm = Word(r, 1);
    ASSERT_GE(rpm, 1200u);
    ASSERT_LE(rpm, 11000u);
    lowest = std::min(lowest, rpm);
    highest = std::max(highest, rpm);
    speeds.insert(rpm);
    EXPECT_EQ(r[62] != 0, rpm >= 11000);  // speed red
    EXPECT_EQ(r[64] != 0, rpm >= 9900);   // speed yellow
    EXPECT_EQ(r[42] != 0, rpm >= 9000);   // shift light
    ASSERT_LE(r[41], 100);
    lowestTps = std::min<unsigned>(lowestTps, r[41]);
    highestTps = std::max<unsigned>(highestTps, r[41]);
    EXPECT_LE(Word(r, 3), 1023u);
    EXPECT_GE(Word(r, 5), 13000u);
    EXPECT_LE(Word(r, 5), 14600u);
    EXPECT_NE(r[48], 0);
    EXPECT_NE(r[49], 0);
    EXPECT_GT(r[50], 100);  // degrees + 100 from the map
    EXPECT_GT(r[51], 100);
    EXPECT_EQ(r[52], 0);  // channels 3 and 4 are not in use
    EXPECT_EQ(r[53], 0);
    EXPECT_EQ(r[100], 75);
    unit.Tick();
  }
  EXPECT_LE(lowest, 1300u);
  EXPECT_EQ(highest, 11000u);
  EXPECT_GT(speeds.size(), 100u);
  EXPECT_LE(lowestTps, 2u);
  EXPECT_GE(highestTps, 98u);

  unit.SetParam(13, 80);
  for (int tick = 0; tick < 400; ++tick, unit.Tick()) ASSERT_LE(Word(Monitor(unit), 1), 8000u);
}

TEST(EngineMotion, AdvanceComesFromTheMapCellNearestTheOperatingPoint) {
  UnitSim unit;                         // rpm axis 1500, 2000, 3000, ... 10000
  unit.SetParam(22, 1);                 // the map uses its throttle rows
  unit.SetParam(100 + 10 * 4 + 2, 33);  // 20 %, 3000 rpm
  unit.SetParam(100 + 10 * 4 + 1, 21);  // 20 %, 2000 rpm
  unit.SetParam(100 + 10 * 5 + 2, 44);  // 30 %, 3000 rpm
  unit.SetParam(100 + 10 * 9 + 2, 27);  // 100 %, 3000 rpm
  unit.SetParam(100 + 10 * 4 + 0, 12);  // 20 %, 1500 rpm

  const struct {
    unsigned rpm, tps;
    std::uint8_t advance;
  } cases[] = {
      {3000, 20, 133}, {2600, 20, 133}, {2500, 20, 121},  // half-way: the lower breakpoint
      {3000, 35, 144},                                    // half-way between 30 and 40 %
      {900, 20, 112},                                     // below the axis: first column
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rpm * 1000 + c.tps);
    unit.SetLive(static_cast<std::uint16_t>(c.rpm), static_cast<std::uint8_t>(c.tps));
    const Bytes r = Monitor(unit);
    EXPECT_EQ(Word(r, 1), c.rpm);
    EXPECT_EQ(r[41], c.tps);
    EXPECT_EQ(r[50], c.advance);
    EXPECT_EQ(r[51], c.advance);
  }

  unit.SetParam(22, 0);  // a single curve: the 100 % row whatever the throttle
  unit.SetLive(3000, 5);
  EXPECT_EQ(Monitor(unit)[50], 127);

  unit.SetParam(4, 4);
  const Bytes four = Monitor(unit);
  EXPECT_EQ(Bytes(four.begin() + 50, four.begin() + 54), Bytes(4, 127));

  unit.SetLive(0, 0);
  const Bytes stopped = Monitor(unit);
  EXPECT_EQ(Bytes(stopped.begin() + 48, stopped.begin() + 54), Bytes(6, 0));
}

TEST(EngineMotion, FixedOperatingPointHoldsUntilCleared) {
  UnitSim unit;
  unit.SetLive(5000, 40);
  for (int tick = 0; tick < 30; ++tick, unit.Tick()) ASSERT_EQ(Word(Monitor(unit), 1), 5000u);

  // Throttle calibration of the start-up set: 700 mV closed, 3790 mV open.
  unit.SetLive(5000, 0);
  EXPECT_EQ(Word(Monitor(unit), 3), 143u);
  unit.SetLive(5000, 100);
  EXPECT_EQ(Word(Monitor(unit), 3), 775u);
  unit.SetLive(5000, 101);  // sensor error: full scale
  const Bytes error = Monitor(unit);
  EXPECT_EQ(error[41], 101);
  EXPECT_EQ(Word(error, 3), 1023u);

  unit.ClearLive();
  std::set<unsigned> speeds;
  for (int tick = 0; tick < 30; ++tick, unit.Tick()) speeds.insert(Word(Monitor(unit), 1));
  EXPECT_GT(speeds.size(), 1u);
}

}  // namespace
}  // namespace zarvell::sim
