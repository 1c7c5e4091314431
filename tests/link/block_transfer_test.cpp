#include "link/block_transfer.h"

#include <gtest/gtest.h>

#include <vector>

namespace zarvell::link {
namespace {

// The owner's side, written down: every frame sent and every call back.
struct Recorder : TransferLink {
  std::vector<Frame> sent;
  int identified = 0;
  int refreshed = 0;
  int newSets = 0;  // refreshes after which the image holds the unit's whole set
  void SendFrame(const Frame& frame) override { sent.push_back(frame); }
  void UnitIdentified(const UnitInfoBlock&) override { ++identified; }
  void RefreshImage(Refresh what) override {
    ++refreshed;
    if (what == Refresh::NewSet) ++newSets;
  }
};

Frame Reply(std::uint8_t code, const std::array<std::uint8_t, 100>& data) {
  Frame f{};
  f[0] = code;
  std::uint8_t check = 0xFF ^ code;
  for (int i = 0; i < 100; ++i) {
    f[1 + i] = data[i];
    check ^= data[i];
  }
  f[101] = check;
  return f;
}

std::array<std::uint8_t, 100> Identification(std::uint8_t version, std::uint8_t readable) {
  std::array<std::uint8_t, 100> d{};
  d[0] = 'A';
  d[1] = 'B';
  d[2] = 'C';
  d[9] = readable;
  d[10] = version;
  return d;
}

std::array<std::uint8_t, 100> Block(const ParameterImage& image, int block) {
  std::array<std::uint8_t, 100> d{};
  for (int i = 0; i < 100; ++i) d[i] = image[(block - 1) * 100 + i];
  return d;
}

ParameterImage Counting(std::uint8_t start) {
  ParameterImage image;
  for (std::size_t i = 0; i < 200; ++i) image[i] = static_cast<std::uint8_t>(start + i);
  return image;
}

struct Exchange {
  Recorder link;
  BlockTransfer transfer{link};
  ParameterImage image = Counting(7);

  // Ticks until a frame goes out; returns how many ticks that took.
  int TicksUntilSend() {
    const std::size_t before = link.sent.size();
    int ticks = 0;
    while (link.sent.size() == before && ticks < 100) {
      transfer.Step(image);
      ++ticks;
    }
    return ticks;
  }
  TransferEvent Answer(std::uint8_t code, const std::array<std::uint8_t, 100>& data) {
    return transfer.HandleReply(Reply(code, data), image);
  }
};

TEST(BlockTransfer, ProgrammingSendsBlocksThenVerifiesThem) {
  Exchange run;
  run.transfer.Start(TransferMode::Programming);
  EXPECT_EQ(run.TicksUntilSend(), 4);
  ASSERT_EQ(run.link.sent.size(), 1u);
  EXPECT_EQ(run.link.sent[0][0], 0x00);
  EXPECT_EQ(run.link.sent[0][1], 0) << "block 0 carries zeros";
  EXPECT_EQ(run.link.sent[0][101], 0xFF);

  EXPECT_EQ(run.Answer(0x80, Identification(75, 0)), TransferEvent::NextBlock);
  EXPECT_EQ(run.link.identified, 1);
  EXPECT_EQ(run.link.refreshed, 1) << "programming validates the image before block 1";
  EXPECT_EQ(run.link.newSets, 0) << "the image to be written is still the user's set";
  EXPECT_EQ(run.link.sent.back()[0], 0x01);
  EXPECT_EQ(run.link.sent.back()[1], 7);
  EXPECT_EQ(run.link.sent.back()[100], 106);

  EXPECT_EQ(run.Answer(0x81, Block(run.image, 1)), TransferEvent::NextBlock);
  EXPECT_EQ(run.link.sent.back()[0], 0x02);
  EXPECT_EQ(run.link.sent.back()[1], 107);
  EXPECT_EQ(run.Answer(0x82, Block(run.image, 2)), TransferEvent::SwitchedToVerify);
  EXPECT_TRUE(run.transfer.programDone());
  EXPECT_EQ(run.transfer.mode(), TransferMode::Verifying);
  EXPECT_EQ(run.link.sent.back()[0], 0x41);
  EXPECT_EQ(run.link.sent.back()[1], 7) << "verify frames carry the image";

  EXPECT_EQ(run.Answer(0xC1, Block(run.image, 1)), TransferEvent::NextBlock);
  EXPECT_EQ(run.link.sent.back()[0], 0x42);
  EXPECT_EQ(run.Answer(0xC2, Block(run.image, 2)), TransferEvent::VerifyOk);
  EXPECT_EQ(run.transfer.mode(), TransferMode::Idle);
  EXPECT_EQ(run.link.sent.size(), 5u);
  for (const Frame& frame : run.link.sent) {
    std::uint8_t sum = 0xFF;
    for (std::uint8_t b : frame) sum ^= b;
    EXPECT_EQ(sum, 0) << "check byte of frame " << int(frame[0]);
  }
}

TEST(BlockTransfer, ChangedEchoIsResentFiveTimesThenFails) {
  Exchange run;
  run.transfer.Start(TransferMode::Programming);
  run.TicksUntilSend();
  run.Answer(0x80, Identification(75, 1));
  auto echo = Block(run.image, 1);
  echo[37] ^= 1;
  EXPECT_EQ(run.Answer(0x81, echo), TransferEvent::None) << "an answer, but not accepted";
  // The accepted block 0 sent block 1 as its first send; four more, four ticks apart.
  for (int send = 2; send <= 5; ++send) {
    EXPECT_EQ(run.TicksUntilSend(), 4);
    EXPECT_EQ(run.link.sent.back()[0], 0x01);
    run.Answer(0x81, echo);
  }
  TransferEvent last = TransferEvent::None;
  for (int tick = 1; tick <= 4; ++tick) {
    last = run.transfer.Step(run.image);
    if (tick < 4) {
      EXPECT_EQ(last, TransferEvent::None);
    }
  }
  EXPECT_EQ(last, TransferEvent::Failed);
  EXPECT_EQ(run.transfer.failedMode(), TransferMode::Programming);
  EXPECT_EQ(run.transfer.mode(), TransferMode::Idle);
  EXPECT_EQ(run.link.sent.size(), 6u);  // block 0 once, block 1 five times
}

TEST(BlockTransfer, SilenceFailsAfterFiveSendsOfTheFirstFrame) {
  Exchange run;
  run.transfer.Start(TransferMode::Reading);
  int ticks = 0;
  while (run.transfer.Step(run.image) != TransferEvent::Failed && ticks < 100) ++ticks;
  EXPECT_EQ(ticks + 1, 24) << "sends at ticks 4, 8, .. 20, failure at 24";
  EXPECT_EQ(run.link.sent.size(), 5u);
  EXPECT_EQ(run.transfer.failedMode(), TransferMode::Reading);
}

TEST(BlockTransfer, VerificationIgnoresTheReadLockByteOnly) {
  Exchange run;
  run.transfer.Start(TransferMode::Verifying);
  run.TicksUntilSend();
  auto block1 = Block(run.image, 1);
  block1[1] ^= 0xFF;  // image byte 1: the unit owns its read-out lock
  EXPECT_EQ(run.Answer(0xC1, block1), TransferEvent::NextBlock);
  auto block2 = Block(run.image, 2);
  block2[1] ^= 0xFF;  // image byte 101 is an ordinary byte
  EXPECT_EQ(run.Answer(0xC2, block2), TransferEvent::None);
  EXPECT_EQ(run.Answer(0xC2, Block(run.image, 2)), TransferEvent::VerifyOk);
  EXPECT_FALSE(run.transfer.programDone());
}

TEST(BlockTransfer, ProgrammingComparesTheReadLockByteToo) {
  Exchange run;
  run.transfer.Start(TransferMode::Programming);
  run.TicksUntilSend();
  run.Answer(0x80, Identification(75, 1));
  auto echo = Block(run.image, 1);
  echo[1] ^= 0xFF;
  EXPECT_EQ(run.Answer(0x81, echo), TransferEvent::None);
}

TEST(BlockTransfer, OtherVersionStopsBeforeBlockOne) {
  for (const TransferMode mode : {TransferMode::Programming, TransferMode::Reading}) {
    Exchange run;
    run.transfer.Start(mode);
    run.TicksUntilSend();
    const std::uint8_t code = mode == TransferMode::Programming ? 0x80 : 0xC0;
    EXPECT_EQ(run.Answer(code, Identification(74, 1)), TransferEvent::VersionMismatch);
    EXPECT_EQ(run.transfer.mode(), TransferMode::Idle);
    EXPECT_EQ(run.link.sent.size(), 1u) << "no block 1";
    EXPECT_EQ(run.link.refreshed, 1);
    EXPECT_EQ(run.link.newSets, 0);
    EXPECT_EQ(run.transfer.unitInfo()[10], 74);
  }
}

TEST(BlockTransfer, RefusedReadChangesNothing) {
  Exchange run;
  const ParameterImage before = run.image;
  run.transfer.Start(TransferMode::Reading);
  run.TicksUntilSend();
  EXPECT_EQ(run.link.sent[0][0], 0x40);
  EXPECT_EQ(run.Answer(0xC0, Identification(75, 0)), TransferEvent::ReadRefused);
  EXPECT_EQ(run.transfer.mode(), TransferMode::Idle);
  EXPECT_EQ(run.image, before);
  EXPECT_EQ(run.link.sent.size(), 1u);
  // Any value but 1 forbids reading.
  Exchange other;
  other.transfer.Start(TransferMode::Reading);
  other.TicksUntilSend();
  EXPECT_EQ(other.Answer(0xC0, Identification(75, 2)), TransferEvent::ReadRefused);
}

TEST(BlockTransfer, ReadTakesTheImageOnlyWhenBothBlocksArrived) {
  Exchange run;
  const ParameterImage before = run.image;
  const ParameterImage unit = Counting(100);
  run.transfer.Start(TransferMode::Reading);
  run.TicksUntilSend();
  run.Answer(0xC0, Identification(75, 1));
  EXPECT_EQ(run.link.sent.back()[0], 0x41);
  EXPECT_EQ(run.link.sent.back()[1], 0) << "read frames carry zeros";
  EXPECT_EQ(run.Answer(0xC1, Block(unit, 1)), TransferEvent::NextBlock);
  EXPECT_EQ(run.image, before) << "block 1 waits for block 2";

  // The unit goes silent: the read fails and the image stays as it was.
  TransferEvent event = TransferEvent::None;
  for (int tick = 0; tick < 40 && event != TransferEvent::Failed; ++tick) {
    event = run.transfer.Step(run.image);
  }
  EXPECT_EQ(event, TransferEvent::Failed);
  EXPECT_EQ(run.image, before);
  EXPECT_EQ(run.link.refreshed, 0);

  Exchange whole;
  whole.transfer.Start(TransferMode::Reading);
  whole.TicksUntilSend();
  whole.Answer(0xC0, Identification(75, 1));
  whole.Answer(0xC1, Block(unit, 1));
  EXPECT_EQ(whole.Answer(0xC2, Block(unit, 2)), TransferEvent::SwitchedToVerify);
  EXPECT_EQ(whole.link.refreshed, 1);
  EXPECT_EQ(whole.link.newSets, 1) << "the unit's set replaces the previous one";
  for (std::size_t i = 0; i < 200; ++i) EXPECT_EQ(whole.image[i], unit[i]) << i;
  EXPECT_EQ(whole.image[200], before[200]) << "spare bytes never travel";
  EXPECT_EQ(whole.link.sent.back()[0], 0x41);
  EXPECT_EQ(whole.link.sent.back()[1], unit[0]) << "the verification carries what was read";
}

TEST(BlockTransfer, IgnoresFramesItDoesNotWaitFor) {
  Exchange run;
  EXPECT_EQ(run.Answer(0xC1, Block(run.image, 1)), TransferEvent::Ignored) << "idle";
  run.transfer.Start(TransferMode::Verifying);
  run.TicksUntilSend();
  EXPECT_EQ(run.Answer(0xC2, Block(run.image, 2)), TransferEvent::Ignored) << "wrong block";
  EXPECT_EQ(run.Answer(0x41, Block(run.image, 1)), TransferEvent::Ignored) << "request code";
  Frame bad = Reply(0xC1, Block(run.image, 1));
  bad[50] ^= 4;
  EXPECT_EQ(run.transfer.HandleReply(bad, run.image), TransferEvent::Ignored) << "check byte";
  EXPECT_EQ(run.transfer.mode(), TransferMode::Verifying);
}

TEST(BlockTransfer, StartReplacesARunningTransfer) {
  Exchange run;
  run.transfer.Start(TransferMode::Programming);
  run.TicksUntilSend();
  run.Answer(0x80, Identification(75, 1));
  run.transfer.Start(TransferMode::Reading);
  EXPECT_EQ(run.transfer.mode(), TransferMode::Reading);
  EXPECT_EQ(run.transfer.command(), 0x40);
  EXPECT_EQ(run.Answer(0x81, Block(run.image, 1)), TransferEvent::Ignored)
      << "a late echo of the abandoned run";
}

TEST(BlockTransfer, ProgramDoneLastsUntilAReadOrVerifyFailure) {
  Exchange run;
  run.transfer.Start(TransferMode::Programming);
  run.TicksUntilSend();
  run.Answer(0x80, Identification(75, 1));
  run.Answer(0x81, Block(run.image, 1));
  run.Answer(0x82, Block(run.image, 2));
  ASSERT_TRUE(run.transfer.programDone());
  while (run.transfer.Step(run.image) != TransferEvent::Failed) {
  }
  EXPECT_EQ(run.transfer.failedMode(), TransferMode::Verifying);
  EXPECT_FALSE(run.transfer.programDone()) << "a failed verification is no success";

  Exchange reading;
  reading.transfer.Start(TransferMode::Programming);
  reading.TicksUntilSend();
  reading.Answer(0x80, Identification(75, 1));
  reading.Answer(0x81, Block(reading.image, 1));
  reading.Answer(0x82, Block(reading.image, 2));
  reading.transfer.Start(TransferMode::Reading);
  reading.transfer.Step(reading.image);
  EXPECT_FALSE(reading.transfer.programDone());
}

TEST(BlockTransfer, MonitorRequestEverySixthIdleTick) {
  Exchange run;
  std::vector<int> due;
  for (int tick = 1; tick <= 18; ++tick) {
    if (run.transfer.MonitorDue()) due.push_back(tick);
  }
  EXPECT_EQ(due, (std::vector<int>{6, 12, 18}));
}

TEST(UnitInfo, NameDateAndTime) {
  UnitInfoBlock b{};
  b[0] = 'A';
  b[1] = 'B';
  b[2] = 'C';
  b[3] = 7;
  b[4] = 25;
  b[5] = 25;
  b[6] = 3;
  b[7] = 16;
  b[8] = 5;
  UnitInfo info = DecodeUnitInfo(b);
  EXPECT_EQ(info.name, "ABC07");
  EXPECT_EQ(info.date, "25. 1.2003");
  EXPECT_EQ(info.time, "16:05");

  b[4] = 3;
  b[5] = 12;  // December
  b[6] = 24;
  EXPECT_EQ(DecodeUnitInfo(b).date, " 3.12.2024");
  b[5] = 26;  // no month
  EXPECT_EQ(DecodeUnitInfo(b).date, " 3.00.2024");

  const std::string_view long_name = "Long firmware name";
  for (std::size_t i = 0; i < long_name.size(); ++i) b[16 + i] = long_name[i];
  EXPECT_EQ(DecodeUnitInfo(b).name, "Long firmware name");
  for (std::size_t i = 16; i < 46; ++i) b[i] = 'x';
  b[46] = 'y';
  EXPECT_EQ(DecodeUnitInfo(b).name, std::string(30, 'x')) << "at most 30 characters";
}

TEST(Frame, MonitorRequestOnTheWire) {
  const Frame request = BuildFrame(0x30);
  EXPECT_EQ(request[0], 0x30);
  EXPECT_EQ(request[101], 0xCF);
  EXPECT_TRUE(FrameValid(request));
  Frame broken = request;
  broken[101] = 0xCE;
  EXPECT_FALSE(FrameValid(broken));
}

}  // namespace
}  // namespace zarvell::link
