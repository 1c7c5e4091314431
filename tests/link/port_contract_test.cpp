#include "port_contract.h"

#include <chrono>
#include <thread>

namespace zarvell::link::testing {

std::size_t PortContract::WaitForBytes(std::size_t count) {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  std::size_t waiting = port().BytesWaiting();
  while (waiting < count && std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    waiting = port().BytesWaiting();
  }
  return waiting;
}

namespace {

// 102 bytes led by those a terminal in its default mode would act on instead of passing them:
// NUL, interrupt, end of file, line feed, carriage return, XON, XOFF, suspend, erase, 0xFF.
std::vector<std::uint8_t> LineTestBytes() {
  std::vector<std::uint8_t> bytes = {0x00, 0x03, 0x04, 0x0A, 0x0D, 0x11, 0x13, 0x1A, 0x7F, 0xFF};
  for (std::size_t i = bytes.size(); i < 102; ++i) {
    bytes.push_back(static_cast<std::uint8_t>(i * 7 + 1));
  }
  return bytes;
}

std::vector<std::uint8_t> ReadAll(SerialPort& port) {
  std::vector<std::uint8_t> into(15000);
  into.resize(port.Read(into));
  return into;
}

TEST_P(PortContract, AFrameArrivesByteForByteAndNoReadWaitsForMore) {
  EXPECT_EQ(port().BytesWaiting(), 0u);
  std::uint8_t none[4] = {};
  EXPECT_EQ(port().Read(none), 0u);

  const std::vector<std::uint8_t> frame = LineTestBytes();
  farEnd().Send(std::span(frame).first(101));
  EXPECT_EQ(WaitForBytes(101), 101u);
  farEnd().Send(std::span(frame).last(1));
  ASSERT_EQ(WaitForBytes(102), 102u);
  EXPECT_EQ(ReadAll(port()), frame);
  EXPECT_EQ(port().BytesWaiting(), 0u);
  EXPECT_EQ(port().Read(none), 0u);
}

TEST_P(PortContract, PiecesAddUpAndASmallReadLeavesTheRest) {
  const std::vector<std::uint8_t> frame = LineTestBytes();
  const std::span<const std::uint8_t> all(frame);
  farEnd().Send(all.first(1));
  farEnd().Send(all.subspan(1, 50));
  farEnd().Send(all.subspan(51));
  ASSERT_EQ(WaitForBytes(102), 102u);

  std::vector<std::uint8_t> got(40);
  ASSERT_EQ(port().Read(got), 40u);
  EXPECT_EQ(port().BytesWaiting(), 62u);
  const std::vector<std::uint8_t> rest = ReadAll(port());
  got.insert(got.end(), rest.begin(), rest.end());
  EXPECT_EQ(got, frame);
}

TEST_P(PortContract, WrittenBytesReachTheFarEndIntact) {
  const std::vector<std::uint8_t> frame = LineTestBytes();
  port().WriteAndDrain(frame);
  EXPECT_EQ(farEnd().Received(102), frame);
  port().WriteAndDrain(std::span(frame).first(3));
  EXPECT_EQ(farEnd().Received(3), std::vector<std::uint8_t>({0x00, 0x03, 0x04}));
}

TEST_P(PortContract, PurgeDropsOnlyWhatIsAlreadyWaiting) {
  const std::vector<std::uint8_t> frame = LineTestBytes();
  farEnd().Send(std::span(frame).first(30));
  ASSERT_EQ(WaitForBytes(30), 30u);
  port().PurgeReceive();
  EXPECT_EQ(port().BytesWaiting(), 0u);

  farEnd().Send(std::span(frame).last(5));
  ASSERT_EQ(WaitForBytes(5), 5u);
  EXPECT_EQ(ReadAll(port()), std::vector<std::uint8_t>(frame.end() - 5, frame.end()));
}

TEST_P(PortContract, CloseDropsInputAndAReopenedPortWorksAgain) {
  const std::vector<std::uint8_t> frame = LineTestBytes();
  farEnd().Send(std::span(frame).first(20));
  ASSERT_EQ(WaitForBytes(20), 20u);
  port().Close();
  EXPECT_FALSE(port().IsOpen());
  EXPECT_EQ(port().BytesWaiting(), 0u);
  std::uint8_t into[8] = {};
  EXPECT_EQ(port().Read(into), 0u);
  port().WriteAndDrain(frame);  // lost, as on a closed port
  port().Close();               // a second close does nothing

  ASSERT_TRUE(port().Open(device()));
  EXPECT_TRUE(port().IsOpen());
  EXPECT_EQ(port().BytesWaiting(), 0u);
  port().WriteAndDrain(std::span(frame).first(2));
  EXPECT_EQ(farEnd().Received(2), std::vector<std::uint8_t>({0x00, 0x03}));
  farEnd().Send(std::span(frame).subspan(3, 2));
  ASSERT_EQ(WaitForBytes(2), 2u);
  EXPECT_EQ(ReadAll(port()), std::vector<std::uint8_t>({0x0A, 0x0D}));
}

TEST_P(PortContract, AFailedOpenLeavesThePortClosed) {
  EXPECT_FALSE(port().Open("/nonexistent/zarvell-port"));
  EXPECT_FALSE(port().IsOpen());
  EXPECT_EQ(port().BytesWaiting(), 0u);
}

}  // namespace
}  // namespace zarvell::link::testing
