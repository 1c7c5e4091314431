// The Qt program talking to the simulated unit in-process: live values reach the labels, the
// Com menu marks the port in use and names its device, and Program in the Ignition menu runs a
// whole transfer on the 55 ms timer.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QTimer>

#include "qt/program.h"
#include "qt/screenshots.h"
#include "sim/in_process_ports.h"
#include "sim/unit_sim.h"
#include "tests/qt/modal_answer.h"
#include "tests/support/temp_dir.h"

namespace zarvell::qt {
namespace {

template <typename Done>
bool SettleUntil(Done done) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > 5000) return false;
    Settle(10);
  }
  return true;
}

TEST(Link, LiveValuesComMenuAndAProgrammingRunOnScreen) {
  testutil::TempDir config;
  testutil::ModalAnswerer answerer;
  sim::UnitSim unit;
  unit.SetLive(4200, 40);
  sim::InProcessPorts ports;
  ports.Attach("/dev/ttyUSB0", unit);
  Program program(config.path(), std::vector<std::string>{}, ports);
  QWidget& main = program.mainWindow();
  const auto label = [&](const char* name) { return main.findChild<QLabel*>(name); };
  const auto action = [&](const char* name) { return main.findChild<QAction*>(name); };

  ASSERT_TRUE(SettleUntil([&] { return label("LabelRpm")->text() == "RPM = 4200 "; }));
  EXPECT_TRUE(label("LabelSpojeni")->isHidden());
  EXPECT_TRUE(action("MenuCom1")->isChecked());
  EXPECT_FALSE(action("MenuCom2")->isChecked());
  EXPECT_EQ(action("MenuCom2")->statusTip(), "/dev/ttyUSB1");
  EXPECT_EQ(label("LabelCom")->text(), "COM= COM1");

  QAction* programItem = action("MenuProgram");
  EXPECT_EQ(programItem->shortcut(), QKeySequence(Qt::Key_F9));
  programItem->trigger();
  EXPECT_EQ(label("LabelHlaseni")->text(), "Program device:");
  // The unit in-process does not tick, so it reports its save as just begun.
  ASSERT_TRUE(SettleUntil([&] { return label("LabelHlaseni")->text() == "Saving:"; }));
  EXPECT_EQ(unit.ProgramCount(), 1);
  EXPECT_EQ(main.findChild<QProgressBar*>("CGaugeProgram")->maximum(), 100);
  EXPECT_TRUE(answerer.texts().empty());
}

// The version box opens inside a tick; the ticks that go on under it must leave the run stopped.
TEST(Link, OtherVersionBoxFromInsideATick) {
  testutil::TempDir config;
  testutil::ModalAnswerer answerer;
  sim::UnitSim unit;
  unit.ReportVersion(74);
  sim::InProcessPorts ports;
  ports.Attach("/dev/ttyUSB0", unit);
  Program program(config.path(), std::vector<std::string>{}, ports);
  program.mainWindow().findChild<QAction*>("MenuProgram")->trigger();
  ASSERT_TRUE(SettleUntil([&] { return !answerer.texts().empty(); }));
  EXPECT_EQ(answerer.texts().front(),
            "Unmatched version of PC and Ignition programs!  PC-75, IGN-74");
  Settle(300);
  EXPECT_EQ(answerer.texts().size(), 1u);
  EXPECT_EQ(program.window().transfer().mode(), link::TransferMode::Idle);
  EXPECT_EQ(unit.Requests(0x01), 0u);
  EXPECT_TRUE(program.mainWindow().findChild<QLabel*>("LabelHlaseni")->isHidden());
}

// Ticks go on under a box opened inside a tick: the monitor requests and the live values keep
// coming while the version box waits for its OK.
TEST(Link, TicksGoOnUnderABoxOpenedInsideATick) {
  testutil::TempDir config;
  sim::UnitSim unit;
  unit.ReportVersion(74);
  sim::InProcessPorts ports;
  ports.Attach("/dev/ttyUSB0", unit);
  Program program(config.path(), std::vector<std::string>{}, ports);
  std::uint32_t atOpen = 0;
  std::uint32_t atClose = 0;
  bool answered = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || atOpen != 0) return;
    atOpen = unit.Requests(0x30) + 1;
    QTimer::singleShot(1200, box, [&, box] {
      atClose = unit.Requests(0x30) + 1;
      answered = true;
      box->accept();
    });
  });
  poll.start(10);
  program.mainWindow().findChild<QAction*>("MenuProgram")->trigger();
  ASSERT_TRUE(SettleUntil([&] { return answered; }));
  EXPECT_GE(atClose, atOpen + 2) << "about 22 ticks under the box, a request every sixth";
}

}  // namespace
}  // namespace zarvell::qt
