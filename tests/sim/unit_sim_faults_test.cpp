#include <gtest/gtest.h>

#include "sim/sim_wire.h"
#include "sim/unit_sim.h"

namespace zarvell::sim {
namespace {

using testutil::Bytes;
using testutil::CheckByteHolds;
using testutil::Exchange;
using testutil::Request;

Bytes MemoryBlock(const UnitSim& unit, std::size_t first) {
  Bytes data(100);
  for (std::size_t i = 0; i < 100; ++i) data[i] = unit.Param(first + i);
  return data;
}

// Data bytes of `frame` that differ from `data`.
int Differences(const Bytes& frame, const Bytes& data) {
  int count = 0;
  for (std::size_t i = 0; i < 100; ++i) count += frame.at(1 + i) != data[i];
  return count;
}

TEST(UnitSimFaults, DropLosesEveryNthReplyButTheRequestStillTakesEffect) {
  UnitSim unit;
  unit.DropEveryReply(3);
  std::vector<bool> answered;
  for (int i = 0; i < 6; ++i) answered.push_back(!Exchange(unit, Request(0x30)).empty());
  EXPECT_EQ(answered, (std::vector<bool>{true, true, false, true, true, false}));

  // The next dropped one is the third from here: a write whose echo is lost.
  Exchange(unit, Request(0x41));
  Exchange(unit, Request(0x30));
  EXPECT_TRUE(Exchange(unit, Request(0x01, Bytes(100, 0x42))).empty());
  EXPECT_EQ(unit.Param(0), 0x42);

  unit.DropEveryReply(1);
  EXPECT_TRUE(Exchange(unit, Request(0x40)).empty());
  unit.ClearFaults();
  EXPECT_EQ(Exchange(unit, Request(0x40)).size(), 102u);
}

TEST(UnitSimFaults, CorruptChangesOneDataByteOfTheBlocksRepliesWithAValidCheck) {
  UnitSim unit;
  unit.CorruptBlock(1);
  const Bytes memory = MemoryBlock(unit, 0);

  const Bytes read = Exchange(unit, Request(0x41));
  EXPECT_TRUE(CheckByteHolds(read));
  EXPECT_EQ(read[0], 0xC1);
  EXPECT_EQ(Differences(read, memory), 1);

  const Bytes echo = Exchange(unit, Request(0x01, memory));
  EXPECT_TRUE(CheckByteHolds(echo));
  EXPECT_EQ(Differences(echo, memory), 1);
  EXPECT_EQ(MemoryBlock(unit, 0), memory);  // the memory itself is sound

  // Other blocks and the monitor are untouched.
  EXPECT_EQ(Differences(Exchange(unit, Request(0x42)), MemoryBlock(unit, 100)), 0);
  unit.CorruptBlock(0);
  const Bytes info = Exchange(unit, Request(0x40));
  EXPECT_TRUE(CheckByteHolds(info));
  unit.ClearFaults();
  const Bytes clean = Exchange(unit, Request(0x40));
  EXPECT_EQ(Differences(info, Bytes(clean.begin() + 1, clean.begin() + 101)), 1);
  EXPECT_EQ(Differences(Exchange(unit, Request(0x41)), memory), 0);
}

TEST(UnitSimFaults, LateRepliesComeDueAfterTheirTicksInOrder) {
  UnitSim unit;
  unit.ReplyLate(3);
  unit.Receive(Request(0x41));
  unit.Tick();
  unit.Receive(Request(0x42));
  EXPECT_EQ(unit.Pending(), 0u);
  unit.Tick();
  EXPECT_EQ(unit.Pending(), 0u);
  unit.Tick();
  const Bytes first = testutil::Drain(unit);
  ASSERT_EQ(first.size(), 102u);
  EXPECT_EQ(first[0], 0xC1);
  unit.Tick();
  const Bytes second = testutil::Drain(unit);
  ASSERT_EQ(second.size(), 102u);
  EXPECT_EQ(second[0], 0xC2);

  unit.ClearFaults();
  EXPECT_EQ(Exchange(unit, Request(0x30)).size(), 102u);
}

TEST(UnitSimFaults, VersionAndRefusedReadOutShowInTheIdentificationAndMonitor) {
  UnitSim unit;
  unit.ReportVersion(74);
  unit.RefuseReadOut(true);
  const Bytes info = Exchange(unit, Request(0x40));
  EXPECT_EQ(info[1 + 10], 74);
  EXPECT_EQ(info[1 + 9], 0);
  EXPECT_EQ(Exchange(unit, Request(0x30))[100], 74);
  EXPECT_EQ(unit.Param(1), 0);  // the refusal is the fault's, not the memory's

  unit.ClearFaults();
  const Bytes cleared = Exchange(unit, Request(0x00));
  EXPECT_EQ(cleared[1 + 10], 75);
  EXPECT_EQ(cleared[1 + 9], 1);
  EXPECT_EQ(Exchange(unit, Request(0x30))[100], 75);
}

TEST(UnitSimFaults, SilenceLosesWhatWasOnTheWayIgnoresRequestsThenComesBack) {
  UnitSim unit;
  unit.ReplyLate(1);
  unit.Receive(Request(0x41));  // held back, lost with the cable
  const Bytes cut = Request(0x42);
  unit.Receive(Bytes(cut.begin(), cut.begin() + 50));
  unit.GoSilent(4);
  EXPECT_TRUE(unit.Silent());
  unit.ReplyLate(0);

  for (int tick = 0; tick < 4; ++tick) {
    EXPECT_TRUE(Exchange(unit, Request(0x01, Bytes(100, 0x33))).empty());
    unit.Tick();
  }
  EXPECT_NE(unit.Param(0), 0x33);
  EXPECT_EQ(unit.Requests(0x01), 0u);
  EXPECT_FALSE(unit.Silent());
  // The half frame from before the silence does not swallow the first request after it.
  const Bytes answer = Exchange(unit, Request(0x30));
  ASSERT_EQ(answer.size(), 102u);
  EXPECT_EQ(answer[0], 0xB0);

  unit.GoSilent(100);
  unit.ClearFaults();
  EXPECT_EQ(Exchange(unit, Request(0x30)).size(), 102u);
}

TEST(UnitSimFaults, SilentWhenSavingCutsTheLineOnceTheSavedSetIsVerified) {
  UnitSim unit;
  unit.SilentWhenSaving(3);
  // A verification with no save running, and live requests around it, are answered.
  EXPECT_EQ(Exchange(unit, Request(0x42, MemoryBlock(unit, 100))).size(), 102u);
  EXPECT_EQ(Exchange(unit, Request(0x30)).size(), 102u);

  Exchange(unit, Request(0x01, MemoryBlock(unit, 0)));
  Exchange(unit, Request(0x02, MemoryBlock(unit, 100)));
  ASSERT_GT(unit.SaveCountdown(), 0);
  EXPECT_EQ(Exchange(unit, Request(0x41, MemoryBlock(unit, 0))).size(), 102u);
  EXPECT_EQ(Exchange(unit, Request(0x42, MemoryBlock(unit, 100))).size(), 102u);
  EXPECT_FALSE(unit.SaveUnreported());

  // The first live request after it goes unanswered, and so does the rest of its batch.
  Bytes batch = Request(0x30);
  const Bytes identify = Request(0x00);
  batch.insert(batch.end(), identify.begin(), identify.end());
  EXPECT_TRUE(Exchange(unit, batch).empty());
  EXPECT_TRUE(unit.SaveUnreported());
  for (int tick = 0; tick < 3; ++tick) {
    EXPECT_TRUE(unit.Silent());
    unit.Tick();
  }
  EXPECT_EQ(unit.Requests(0x00), 0u);
  const Bytes live = Exchange(unit, Request(0x30));
  ASSERT_EQ(live.size(), 102u);
  EXPECT_GT(live[95] | live[96] << 8, 0);  // still saving
}

}  // namespace
}  // namespace zarvell::sim
