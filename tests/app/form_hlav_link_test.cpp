// The window talking to the simulated unit, tick by tick: programming, verifying and reading
// with the status label, the faults the transfer recovers from and those it reports, the
// receive poll and the port search.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "headless_window.h"
#include "support/temp_dir.h"

namespace zarvell {
namespace {

using namespace design;

// Ticks until `done` holds, at most `limit`; the captions the status label showed, in order.
template <typename Done>
std::vector<std::string> Captions(HeadlessWindow& w, Done done, int limit = 400) {
  std::vector<std::string> seen;
  for (int tick = 0; tick < limit && !done(); ++tick) {
    w.Tick();
    const std::string& caption = w[LabelHlaseni].caption;
    if (w[LabelHlaseni].visible && (seen.empty() || seen.back() != caption)) {
      seen.push_back(caption);
    }
  }
  return seen;
}

class Link : public ::testing::Test {
 protected:
  void SetUp() override {
    w.ConnectUnit();
    w.Tick(8);  // the first monitor reply comes in
    ASSERT_FALSE(w[LabelSpojeni].visible);
  }
  bool Idle() const { return w.form.transfer().mode() == link::TransferMode::Idle; }
  bool UnitHoldsImage() const {
    for (std::size_t i = 0; i < 200; ++i) {
      if (w.unit.Param(i) != w(i)) return false;
    }
    return true;
  }

  testutil::TempDir dir;
  HeadlessWindow w{dir.path()};
};

TEST_F(Link, ProgrammingShowsEachStageUntilTheUnitHasSaved) {
  w.Type(EditOmez2, "9500");
  ASSERT_NE(w.unit.Param(13), 95);
  w.Click(BitBtnProgram);
  EXPECT_EQ(w[LabelHlaseni].caption, "Program device:");
  EXPECT_EQ(w[CGaugeProgram].position, 0);

  std::vector<int> saving;
  const auto seen = Captions(w, [&] {
    if (w[LabelHlaseni].caption == "Saving:") saving.push_back(w[CGaugeProgram].position);
    return w[LabelHlaseni].caption == "Program device:: OK";
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"Program device:", "Verify::", "Verify:: OK",
                                            "Saving:", "Program device:: OK"}));
  EXPECT_EQ(w.unit.Param(13), 95);
  EXPECT_TRUE(UnitHoldsImage());
  ASSERT_GE(saving.size(), 3u);
  EXPECT_LT(saving.front(), 20);
  EXPECT_GT(saving.back(), 80);
  EXPECT_TRUE(std::is_sorted(saving.begin(), saving.end()));
  EXPECT_EQ(w[CGaugeProgram].max, 2);
  EXPECT_EQ(w[CGaugeProgram].position, 2);

  // The label stays 200 ticks from the last "Saving:", then label and gauge go.
  w.Tick(198);
  EXPECT_TRUE(w[LabelHlaseni].visible);
  w.Tick(2);
  EXPECT_FALSE(w[LabelHlaseni].visible);
  EXPECT_FALSE(w[CGaugeProgram].visible);
  EXPECT_FALSE(w.form.transfer().programDone());
}

TEST_F(Link, AUnitThatFallsSilentWhileSavingIsNeverShownAsProgrammed) {
  w.unit.SilentWhenSaving(1000);
  w.Click(BitBtnProgram);
  const std::string unconfirmed =
      "Saving not confirmed: the unit stopped answering! Program it again.";
  auto seen = Captions(w, [&] { return w[LabelHlaseni].caption == unconfirmed; });
  ASSERT_TRUE(w.unit.SaveUnreported());
  // Said in red once the link is given up for lost, as the command line's status 6 says it.
  EXPECT_EQ(seen,
            (std::vector<std::string>{"Program device:", "Verify::", "Verify:: OK", unconfirmed}));
  EXPECT_EQ(ui::ColourName(w[LabelHlaseni].colour), "#ff0000");
  EXPECT_FALSE(w[CGaugeProgram].visible) << "no full gauge under it";
  EXPECT_TRUE(w[LabelSpojeni].visible);
  EXPECT_FALSE(w.form.transfer().programDone());
  // It stays its while, is never followed by an OK, and goes like any message.
  seen = Captions(w, [] { return false; });
  EXPECT_EQ(seen, std::vector<std::string>{unconfirmed});
  EXPECT_FALSE(w[LabelHlaseni].visible);
}

TEST(LinkLanguages, SaveNotConfirmedIsSaidInEveryLanguage) {
  const std::pair<const char*, const char*> languages[] = {
      {"MenuGerman", "Speichern nicht bestätigt"},
      {"MenuFrench", "Mémorisation non confirmée"},
      {"MenuCzech", "Uložení nepotvrzeno"},
  };
  for (const auto& [menu, start] : languages) {
    const testutil::TempDir dir;
    HeadlessWindow w{dir.path()};
    w.ConnectUnit();
    w.Tick(8);
    w.Click(w.form.controls().Find(menu));
    w.unit.SilentWhenSaving(1000);
    w.Click(BitBtnProgram);
    Captions(w, [&] { return w[LabelHlaseni].caption.starts_with(start); });
    EXPECT_TRUE(w[LabelHlaseni].caption.starts_with(start)) << menu;
  }
}

TEST_F(Link, VerificationAloneEndsInVerifyOk) {
  w.Click(MenuVerify);
  EXPECT_EQ(w[LabelHlaseni].caption, "Verify:");
  Captions(w, [&] { return Idle(); });
  EXPECT_EQ(w[LabelHlaseni].caption, "Verify:: OK");
  EXPECT_EQ(w[CGaugeProgram].position, w[CGaugeProgram].max);
  w.Tick(10);
  EXPECT_EQ(w[LabelHlaseni].caption, "Verify:: OK") << "no save follows a verification";
}

TEST_F(Link, ReadBringsTheUnitsSetAndVerifiesIt) {
  w.unit.SetParam(13, 80);
  w.unit.SetParam(92, 33);
  w.Click(ButtonRead);
  EXPECT_EQ(w[LabelHlaseni].caption, "Read:");
  const auto seen = Captions(w, [&] { return Idle(); });
  EXPECT_EQ(seen, (std::vector<std::string>{"Read:", "Verify::", "Verify:: OK"}));
  EXPECT_EQ(w(13), 80);
  EXPECT_EQ(w[EditOmez2].text, "8000");
  EXPECT_TRUE(UnitHoldsImage());
  EXPECT_NE(w[LabelVerze1].caption, "") << "the unit's firmware name";
}

TEST_F(Link, ChangedEchoGivesProgramErrorAfterTheFifthSend) {
  w.unit.CorruptBlock(1);
  w.Click(BitBtnProgram);
  Captions(w, [&] { return Idle(); });
  EXPECT_EQ(w[LabelHlaseni].caption, "Program error!");
  EXPECT_EQ(ui::ColourName(w[LabelHlaseni].colour), "#ff0000");
  EXPECT_EQ(w.unit.Requests(0x01), 5u);
  EXPECT_EQ(w.unit.Requests(0x02), 0u);
}

TEST_F(Link, OtherVersionIsReportedAndStopsBeforeBlockOne) {
  w.unit.ReportVersion(74);
  w.Click(MenuProgram);
  Captions(w, [&] { return Idle(); });
  ASSERT_EQ(w.host.messages().size(), 1u);
  EXPECT_EQ(w.host.messages()[0].text,
            "Unmatched version of PC and Ignition programs!  PC-75, IGN-74");
  EXPECT_EQ(w.unit.Requests(0x01), 0u);
  w.Tick();
  EXPECT_FALSE(w[LabelHlaseni].visible) << "the label goes with the next tick";
}

TEST_F(Link, RefusedReadOutChangesNothing) {
  w.unit.RefuseReadOut(true);
  w.unit.SetParam(13, 80);
  const ParameterImage before = w.form.image();
  w.Click(MenuRead);
  Captions(w, [&] { return Idle(); });
  EXPECT_EQ(w[LabelHlaseni].caption, "No reading!");
  EXPECT_EQ(ui::ColourName(w[LabelHlaseni].colour), "#ff0000");
  EXPECT_EQ(w.form.image(), before);
  EXPECT_EQ(w.unit.Requests(0x41), 0u);
}

TEST_F(Link, ReadClickedDuringProgrammingTakesOverAtOnce) {
  w.unit.SetParam(13, 80);
  w.Click(BitBtnProgram);
  Captions(w, [&] { return w.unit.Requests(0x00) == 1; });
  w.Click(ButtonRead);
  EXPECT_EQ(w.form.transfer().mode(), link::TransferMode::Reading);
  EXPECT_EQ(w[LabelHlaseni].caption, "Read:");
  Captions(w, [&] { return Idle(); });
  EXPECT_EQ(w.unit.Requests(0x01), 0u) << "the programming run wrote nothing";
  EXPECT_EQ(w(13), 80);
  EXPECT_EQ(w[LabelHlaseni].caption, "Verify:: OK");
}

TEST_F(Link, EveryFifthReplyLostStillPrograms) {
  w.unit.DropEveryReply(5);
  w.Type(EditOmez2, "9000");
  w.Click(BitBtnProgram);
  Captions(w, [&] { return Idle(); });
  EXPECT_EQ(w[LabelHlaseni].caption, "Verify:: OK") << "the save report follows";
  EXPECT_TRUE(w.form.transfer().programDone());
  EXPECT_TRUE(UnitHoldsImage());
}

TEST_F(Link, UnitUnpluggedHalfwayThroughAReadLeavesTheImage) {
  w.unit.SetParam(13, 80);
  const ParameterImage before = w.form.image();
  w.Click(ButtonRead);
  Captions(w, [&] { return w.unit.Requests(0x41) == 1; });
  w.Tick();  // block 1 arrives
  w.unit.GoSilent(1000);
  Captions(w, [&] { return Idle(); });
  EXPECT_EQ(w[LabelHlaseni].caption, "Read error!");
  EXPECT_EQ(w.form.image(), before);
  EXPECT_EQ(w[EditOmez2].text, "11000");
}

TEST_F(Link, ProgramAfterChangeProgramsEachEdit) {
  w.Click(CheckBoxProgHned);
  w.Type(EditOmez2, "9000");
  EXPECT_EQ(w.form.transfer().mode(), link::TransferMode::Programming);
  Captions(w, [&] { return Idle(); });
  EXPECT_EQ(w.unit.Param(13), 90);
  w.Click(SpeedButtonZpet);
  EXPECT_EQ(w.form.transfer().mode(), link::TransferMode::Programming) << "undo programs too";
  Captions(w, [&] { return Idle(); });
  EXPECT_EQ(w.unit.Param(13), 110);
}

TEST_F(Link, LiveValuesFollowTheUnit) {
  w.unit.SetLive(4200, 40);
  w.Tick(7);
  EXPECT_EQ(w[LabelRpm].caption, "RPM = 4200 ");
  EXPECT_EQ(w.form.live().rpm, 4200);
  EXPECT_FALSE(w[LabelSpojeni].visible);
  // Unplugged: after 18 silent ticks the no-connection label shows, the values stay.
  // The last reply came at most six ticks ago.
  w.ports.Attach(HeadlessWindow::kCom1, w.adapter);
  w.Tick(11);
  EXPECT_FALSE(w[LabelSpojeni].visible);
  w.Tick(8);
  EXPECT_TRUE(w[LabelSpojeni].visible);
  EXPECT_EQ(w[LabelRpm].caption, "RPM = 4200 ");
}

// A far end that sends exactly the bytes the test gives it.
struct ScriptedDevice : sim::Device {
  std::deque<std::uint8_t> out;
  void Receive(std::span<const std::uint8_t>) override {}
  std::size_t Pending() const override { return out.size(); }
  std::size_t Take(std::span<std::uint8_t> into) override {
    std::size_t n = 0;
    for (; n < into.size() && !out.empty(); ++n) {
      into[n] = out.front();
      out.pop_front();
    }
    return n;
  }
  void Queue(const link::Frame& frame, std::size_t count = 102) {
    out.insert(out.end(), frame.begin(), frame.begin() + count);
  }
};

link::Frame MonitorReply(std::uint16_t rpm) {
  link::Frame f{};
  f[0] = 0xB0;
  f[1] = static_cast<std::uint8_t>(rpm & 0xFF);
  f[2] = static_cast<std::uint8_t>(rpm >> 8);
  f[100] = 75;
  std::uint8_t check = 0xFF;
  for (int i = 0; i < 101; ++i) check ^= f[i];
  f[101] = check;
  return f;
}

TEST(ReceivePoll, TakesWholeFramesOnlyAndTheFirstOfABatch) {
  testutil::TempDir dir;
  HeadlessWindow w(dir.path());
  ScriptedDevice device;
  w.ports.Attach(HeadlessWindow::kCom1, device);

  const link::Frame first = MonitorReply(1234);
  device.Queue(first, 101);
  w.Tick();
  EXPECT_EQ(device.Pending(), 101u) << "101 bytes are not read";
  EXPECT_TRUE(w[LabelSpojeni].visible);
  device.out.push_back(first[101]);
  w.Tick();
  EXPECT_EQ(device.Pending(), 0u);
  EXPECT_EQ(w[LabelRpm].caption, "RPM = 1234 ");

  device.Queue(MonitorReply(2000));
  device.Queue(MonitorReply(3000));
  w.Tick();
  EXPECT_EQ(device.Pending(), 0u) << "both replies are read at once";
  EXPECT_EQ(w[LabelRpm].caption, "RPM = 2000 ") << "only the first is used";
}

// Settings that choose the automatic search, starting at COM `start`.
std::string AutoSettings(int start) {
  return "[FORM_HLAV]\nComPort=31\nComPortAuto=" + std::to_string(start) + "\n";
}

TEST(PortSearch, SkipsAbsentPortsOnePerTickUntilTheUnitAnswers) {
  testutil::TempDir dir;
  dir.Write("Zarvell_v75.ini", AutoSettings(1));
  HeadlessWindow w(dir.path(), {}, HeadlessWindow::Com1::Absent);
  w.ports.Attach(link::DefaultDevicePath(5), w.unit);
  EXPECT_EQ(w.ports.OpenAttempts(), (std::vector<std::string>{link::DefaultDevicePath(1)}));
  w.Tick(4);
  EXPECT_EQ(w.ports.OpenAttempts(),
            (std::vector<std::string>{link::DefaultDevicePath(1), link::DefaultDevicePath(2),
                                      link::DefaultDevicePath(3), link::DefaultDevicePath(4),
                                      link::DefaultDevicePath(5)}));
  EXPECT_EQ(w[LabelCom].caption, "COM= COM5");
  w.Tick(60);
  EXPECT_EQ(w.ports.OpenAttempts().back(), link::DefaultDevicePath(5));
  EXPECT_EQ(w.ports.OpenAttempts().size(), 5u) << "the first reply stopped the search";
  EXPECT_FALSE(w[LabelSpojeni].visible);
  EXPECT_TRUE(w.host.messages().empty()) << "the search reports no failed open";
}

TEST(PortSearch, HoldsASilentPortThirtyTicksAndWrapsAfterCom31) {
  testutil::TempDir dir;
  dir.Write("Zarvell_v75.ini", AutoSettings(1));
  HeadlessWindow w(dir.path());  // COM1: an adapter with no unit
  const std::size_t atStart = w.ports.OpenAttempts().size();
  w.Tick(29);
  EXPECT_EQ(w.ports.OpenAttempts().size(), atStart);
  w.Tick();
  EXPECT_EQ(w.ports.OpenAttempts().back(), link::DefaultDevicePath(2));

  testutil::TempDir other;
  other.Write("Zarvell_v75.ini", AutoSettings(30));
  HeadlessWindow wrap(other.path());
  wrap.Tick(2);
  const auto& tried = wrap.ports.OpenAttempts();
  ASSERT_GE(tried.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(tried.end() - 3, tried.end()),
            (std::vector<std::string>{link::DefaultDevicePath(30), link::DefaultDevicePath(31),
                                      link::DefaultDevicePath(1)}));
}

TEST(PortChoice, AnAbsentChosenPortIsReportedOnceThenRetriedQuietly) {
  testutil::TempDir dir;
  HeadlessWindow w(dir.path());
  EXPECT_TRUE(w.host.messages().empty()) << "COM1 opened at start-up";
  w.Click(MenuCom3);
  ASSERT_EQ(w.host.messages().size(), 1u);
  EXPECT_EQ(w.host.messages()[0].text, "Com opening error!");
  EXPECT_EQ(w[LabelCom].caption, "COM= COM3");
  EXPECT_TRUE(w[MenuCom3].checked);
  EXPECT_FALSE(w[MenuCom1].checked);
  w.Tick(90);  // the link was lost already: a retry every 30 ticks
  EXPECT_EQ(std::count(w.ports.OpenAttempts().begin(), w.ports.OpenAttempts().end(),
                       link::DefaultDevicePath(3)),
            4);
  EXPECT_EQ(w.host.messages().size(), 1u);
}

TEST(PortChoice, NoUnitShowsNoConnectionFromTheFirstTick) {
  testutil::TempDir dir;
  HeadlessWindow w(dir.path());
  w.Tick();
  EXPECT_TRUE(w[LabelSpojeni].visible);
  EXPECT_FALSE(w[LabelVersion].visible);
}

TEST(PortChoice, SettingsNameTheDeviceOfAComNumber) {
  testutil::TempDir dir;
  dir.Write("Zarvell_v75.ini", "[FORM_HLAV]\nComPort=5\n[PORTS]\nCOM5=/dev/serial/by-id/unit\n");
  HeadlessWindow w(dir.path());
  EXPECT_EQ(w.ports.OpenAttempts().back(), "/dev/serial/by-id/unit");
  EXPECT_EQ(w[MenuCom5].hint, "/dev/serial/by-id/unit");
  EXPECT_EQ(w[MenuCom6].hint, link::DefaultDevicePath(6));
  EXPECT_EQ(w[LabelCom].caption, "COM= COM5");
}

}  // namespace
}  // namespace zarvell
