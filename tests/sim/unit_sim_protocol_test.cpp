#include "sim/unit_sim.h"

#include <gtest/gtest.h>

#include <string>

#include "mapedit/startup_image.h"
#include "sim/sim_wire.h"

namespace zarvell::sim {
namespace {

using testutil::Bytes;
using testutil::CheckByteHolds;
using testutil::Drain;
using testutil::Exchange;
using testutil::Request;
using testutil::Word;

Bytes Pattern(std::uint8_t seed) {
  Bytes data(100);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(seed + 3 * i);
  return data;
}

Bytes DataOf(const Bytes& frame) {
  return {frame.begin() + 1, frame.begin() + 101};
}

TEST(UnitSimProtocol, AnswersEveryKnownRequestWithItsCodeAndBit7Set) {
  UnitSim unit;
  const std::pair<std::uint8_t, std::uint8_t> pairs[] = {{0x00, 0x80}, {0x40, 0xC0}, {0x41, 0xC1},
                                                         {0x42, 0xC2}, {0x30, 0xB0}, {0x01, 0x81},
                                                         {0x02, 0x82}};
  for (const auto& [request, reply] : pairs) {
    SCOPED_TRACE(request);
    const Bytes answer = Exchange(unit, Request(request));
    ASSERT_EQ(answer.size(), 102u);
    EXPECT_EQ(answer[0], reply);
    EXPECT_TRUE(CheckByteHolds(answer));
    EXPECT_EQ(unit.Requests(request), 1u);
  }
}

TEST(UnitSimProtocol, UnknownCodesAndBlocksAboveTwoGetNoReplyAndDoNotUpsetTheStream) {
  UnitSim unit;
  const std::uint8_t before = unit.Param(13);
  for (const int code : {0x03, 0x43, 0x3F, 0x10, 0x31, 0x80, 0xB0, 0xC1, 0xFF}) {
    SCOPED_TRACE(code);
    EXPECT_TRUE(Exchange(unit, Request(static_cast<std::uint8_t>(code), Bytes(100, 0x11))).empty());
  }
  EXPECT_EQ(unit.Param(13), before);
  const Bytes answer = Exchange(unit, Request(0x41));
  ASSERT_EQ(answer.size(), 102u);
  EXPECT_EQ(answer[0], 0xC1);
}

TEST(UnitSimProtocol, StartsWithTheProgramsStartUpSet) {
  UnitSim unit;
  EXPECT_EQ(unit.Param(0), 20);    // bike
  EXPECT_EQ(unit.Param(1), 0);     // read-out allowed
  EXPECT_EQ(unit.Param(9), 10);    // base advance
  EXPECT_EQ(unit.Param(13), 110);  // limiter, 11000 rpm
  const Bytes axis = {15, 20, 30, 40, 50, 60, 70, 80, 90, 100};
  for (std::size_t i = 0; i < axis.size(); ++i) EXPECT_EQ(unit.Param(90 + i), axis[i]) << i;
  // Byte for byte what a freshly started program holds, so that the two verify at once.
  const ParameterImage program = StartupImage(20);
  for (std::size_t i = 0; i < 200; ++i) EXPECT_EQ(unit.Param(i), program[i]) << i;
}

TEST(UnitSimProtocol, WritesStoreAndEchoReadsAnswerFromMemoryWhateverTheRequestCarries) {
  UnitSim unit;
  const Bytes first = Pattern(1);
  const Bytes second = Pattern(2);
  EXPECT_EQ(DataOf(Exchange(unit, Request(0x01, first))), first);
  EXPECT_EQ(DataOf(Exchange(unit, Request(0x02, second))), second);
  for (std::size_t i = 0; i < 100; ++i) {
    ASSERT_EQ(unit.Param(i), first[i]) << i;
    ASSERT_EQ(unit.Param(100 + i), second[i]) << i;
  }
  // A verification sends the program's block along; the unit answers with its own.
  EXPECT_EQ(DataOf(Exchange(unit, Request(0x41, Bytes(100, 0xEE)))), first);
  EXPECT_EQ(DataOf(Exchange(unit, Request(0x42))), second);
  // A read changes nothing.
  EXPECT_EQ(unit.Param(5), first[5]);
}

TEST(UnitSimProtocol, IdentificationBlockNamesTheFirmwareAndItsPermission) {
  UnitSim unit;
  for (const int code : {0x00, 0x40}) {
    const Bytes info = DataOf(Exchange(unit, Request(static_cast<std::uint8_t>(code))));
    ASSERT_EQ(info.size(), 100u);
    EXPECT_EQ(std::string(info.begin(), info.begin() + 3), "SIM");
    EXPECT_EQ(info[3], 75);
    EXPECT_EQ(info[4], 14);  // day
    EXPECT_EQ(info[5], 32);  // March
    EXPECT_EQ(info[6], 24);
    EXPECT_EQ(info[7], 9);
    EXPECT_EQ(info[8], 30);
    EXPECT_EQ(info[9], 1);  // may be read
    EXPECT_EQ(info[10], 75);
    const std::string longName(info.begin() + 16, info.begin() + 46);
    EXPECT_EQ(longName.c_str(), std::string("Zarvell simulated unit"));
  }

  // The program sets "No Reading" by writing byte 1 of block 1.
  Bytes block1(100);
  for (std::size_t i = 0; i < 100; ++i) block1[i] = unit.Param(i);
  block1[1] = 1;
  Exchange(unit, Request(0x01, block1));
  EXPECT_EQ(DataOf(Exchange(unit, Request(0x40)))[9], 0);
  unit.SetParam(1, 0);
  EXPECT_EQ(DataOf(Exchange(unit, Request(0x40)))[9], 1);
}

TEST(UnitSimProtocol, DeliveryInAnyPiecesGivesTheSameRepliesAndMemory) {
  Bytes session;
  for (const Bytes& frame :
       {Request(0x40), Request(0x01, Pattern(7)), Request(0x03), Request(0x02, Pattern(9)),
        Request(0x41), Request(0x30), Request(0x42, Pattern(1))}) {
    session.insert(session.end(), frame.begin(), frame.end());
  }

  UnitSim whole;
  const Bytes expected = Exchange(whole, session);
  ASSERT_EQ(expected.size(), 6 * 102u);

  for (const std::size_t piece : {1u, 7u, 101u, 103u}) {
    SCOPED_TRACE(piece);
    UnitSim pieces;
    Bytes replies;
    for (std::size_t at = 0; at < session.size(); at += piece) {
      const std::size_t end = std::min(session.size(), at + piece);
      pieces.Receive(Bytes(session.begin() + at, session.begin() + end));
      const Bytes some = Drain(pieces);
      replies.insert(replies.end(), some.begin(), some.end());
    }
    EXPECT_EQ(replies, expected);
    for (std::size_t i = 0; i < 200; ++i) ASSERT_EQ(pieces.Param(i), whole.Param(i)) << i;
  }
}

TEST(UnitSimProtocol, RepliesCanBeReadInPieces) {
  UnitSim unit;
  unit.Receive(Request(0x41));
  std::uint8_t part[40];
  EXPECT_EQ(unit.Take(part), 40u);
  EXPECT_EQ(part[0], 0xC1);
  EXPECT_EQ(unit.Pending(), 62u);
  EXPECT_EQ(Drain(unit).size(), 62u);
  EXPECT_EQ(unit.Pending(), 0u);
}

TEST(UnitSimResync, AStrayByteCostsNothingABadFrameIsIgnored) {
  UnitSim unit;
  Bytes stray = {0xFF};
  const Bytes request = Request(0x41);
  stray.insert(stray.end(), request.begin(), request.end());
  const Bytes answer = Exchange(unit, stray);
  ASSERT_EQ(answer.size(), 102u);
  EXPECT_EQ(answer[0], 0xC1);

  Bytes bad = Request(0x01, Bytes(100, 0x55));
  bad[101] ^= 0x01;
  EXPECT_TRUE(Exchange(unit, bad).empty());
  EXPECT_NE(unit.Param(13), 0x55);
  unit.Tick();
  unit.Tick();
  EXPECT_EQ(Exchange(unit, Request(0x42)).size(), 102u);
}

TEST(UnitSimResync, AFrameCutShortIsForgottenAfterAQuietTick) {
  UnitSim unit;
  const Bytes write = Request(0x01, Bytes(100, 0x77));
  unit.Receive(Bytes(write.begin(), write.begin() + 101));
  unit.Tick();  // the bytes came during this tick
  unit.Tick();  // a whole tick without a byte
  EXPECT_TRUE(Exchange(unit, Bytes{write[101]}).empty());
  EXPECT_NE(unit.Param(13), 0x77);

  // A frame that straddles a tick with bytes on both sides is still whole.
  const Bytes read = Request(0x41);
  unit.Tick();
  unit.Receive(Bytes(read.begin(), read.begin() + 51));
  unit.Tick();
  EXPECT_EQ(Exchange(unit, Bytes(read.begin() + 51, read.end())).size(), 102u);
}

TEST(UnitSimSave, ProgrammingCountsAndRunsTheSaveCountdownDownToZero) {
  UnitSim unit;
  auto monitor = [&] { return Exchange(unit, Request(0x30)); };
  EXPECT_EQ(Word(monitor(), 95), 0u);
  EXPECT_EQ(Word(monitor(), 11), 0u);

  Exchange(unit, Request(0x01, Pattern(3)));
  EXPECT_EQ(Word(monitor(), 95), 0u);  // block 1 alone is no programming run
  Exchange(unit, Request(0x02, Pattern(4)));
  const Bytes saving = monitor();
  EXPECT_EQ(saving[95], 0x9E);  // 414
  EXPECT_EQ(saving[96], 0x01);
  EXPECT_EQ(Word(saving, 11), 1u);

  unsigned previous = 414;
  int ticks = 0;
  while (previous > 0 && ticks < 200) {
    unit.Tick();
    ++ticks;
    const unsigned now = Word(monitor(), 95);
    ASSERT_LT(now, previous);
    previous = now;
  }
  // About three to four seconds of 55 ms ticks.
  EXPECT_GE(ticks, 54);
  EXPECT_LE(ticks, 73);
  unit.Tick();
  EXPECT_EQ(Word(monitor(), 95), 0u);

  Exchange(unit, Request(0x02, Pattern(4)));
  EXPECT_EQ(Word(monitor(), 11), 2u);
}

}  // namespace
}  // namespace zarvell::sim
