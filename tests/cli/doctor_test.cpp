#include "doctor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>

#include "cli.h"
#include "doctor_findings.h"
#include "support/temp_dir.h"

namespace zarvell::cli::doctor {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

// A system tree of files: device files are plain files with the mode a device would have, owned
// by whoever runs the test (or, for root, by an ordinary user, so that owning one is not being
// root); /etc/group and /etc/passwd give their ids the names wanted.
class FakeSystem : public ::testing::Test {
 protected:
  FakeSystem() {
    Write("etc/group", "dialout:x:" + std::to_string(::getgid()) + ":bob\n");
    Write("etc/passwd", "root:x:" + std::to_string(Owner()) + ":0:root:/root:/bin/sh\n");
  }

  fs::path Write(const std::string& path, const std::string& content) {
    fs::create_directories((dir_.path() / path).parent_path());
    return dir_.Write(path, content);
  }
  void Link(const std::string& path, const fs::path& target) {
    fs::create_directories((dir_.path() / path).parent_path());
    fs::create_symlink(target, dir_.path() / path);
  }
  static uid_t Owner() { return ::getuid() == 0 ? 4242 : ::getuid(); }
  void Device(const std::string& name, fs::perms mode) {
    const fs::path file = Write("dev/" + name, "");
    fs::permissions(file, mode);
    if (::getuid() == 0) {
      ASSERT_EQ(::chown(file.c_str(), Owner(), static_cast<gid_t>(-1)), 0);
    }
  }
  // A USB device in sysfs with one interface that has the tty `name` below it.
  void UsbAdapter(const std::string& name, const std::string& usb, const std::string& vendor,
                  const std::string& product) {
    const std::string at = "sys/devices/pci0000:00/usb1/" + usb;
    Write(at + "/idVendor", vendor + "\n");
    Write(at + "/idProduct", product + "\n");
    fs::create_directories(dir_.path() / at / (usb + ":1.0") / name);
    Link("sys/class/tty/" + name + "/device",
         "../../../devices/pci0000:00/usb1/" + usb + "/" + usb + ":1.0/" + name);
  }
  void Process(int pid, const std::string& name) {
    Write("proc/" + std::to_string(pid) + "/comm", name + "\n");
    fs::create_directories(dir_.path() / "proc" / std::to_string(pid) / "fd");
  }

  Identity Ann() const { return {.uid = Owner() + 1, .name = "ann", .groups = {::getgid() + 1}}; }

  std::string Report(const Identity& user, int expectedStatus) {
    std::ostringstream out;
    const Examination examination{.root = dir_.path(),
                                  .identity = user,
                                  .ports = {},
                                  .settings = "/home/ann/.config/zarvell/Zarvell_v75.ini",
                                  .port = {}};
    EXPECT_EQ(Examine(examination, out), expectedStatus);
    return out.str();
  }

  testutil::TempDir dir_;
};

TEST_F(FakeSystem, ReportsEveryObstacleWithItsFix) {
  Device("ttyUSB0", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                        fs::perms::group_write);
  UsbAdapter("ttyUSB0", "1-1", "1a86", "7523");
  Write("sys/devices/pci0000:00/usb1/1-1/product", "USB Serial\n");
  Link("sys/devices/pci0000:00/usb1/1-1/manufacturer", "/nonexistent");  // unreadable
  Link("dev/ttyUSB1", dir_.path() / "gone");  // unplugged while the tree was listed
  Device("ttyACM0", fs::perms::all);
  UsbAdapter("ttyACM0", "1-2", "2341", "0043");
  Write("sys/devices/pci0000:00/usb1/1-2/manufacturer", "Arduino (www.arduino.cc)\n");
  // ttyS0 is a UART the kernel only keeps a place for; ttyS1 is real.
  Device("ttyS0", fs::perms::all);
  Write("sys/class/tty/ttyS0/type", "0\n");
  fs::create_directories(dir_.path() / "sys/class/tty/ttyS0/device");
  Device("ttyS1", fs::perms::all);
  Write("sys/class/tty/ttyS1/type", "4\n");
  fs::create_directories(dir_.path() / "sys/class/tty/ttyS1/device");
  Device("ttyUSBx", fs::perms::all);
  Device("ttyUSB12", fs::perms::all);  // beyond the COM menu's ten adapters; no port really

  Process(123, "minicom");
  Link("proc/123/fd/3", dir_.path() / "dev/ttyACM0");
  Process(200, "ModemManager");
  Process(300, "brltty");
  fs::create_directories(dir_.path() / "proc/555");  // ended while the tree was read
  Write("run/lock/LCK..ttyUSB0", "       999\n");
  Write("var/lock/LCK..ttyS1", "       123\n");
  Write("usr/lib/udev/rules.d/85-brltty.rules", "");

  EXPECT_EQ(Report(Ann(), 1),
            R"(Serial devices:
  /dev/ttyUSB0  COM1   USB 1a86:7523 USB Serial
  /dev/ttyUSB1  COM2
  /dev/ttyUSB12 -
  /dev/ttyACM0  COM11  USB 2341:0043 Arduino (www.arduino.cc)
  /dev/ttyS1    COM22  built-in serial port
Findings:
  /dev/ttyUSB0: you (ann) may not open it: it belongs to root and group dialout with mode 0660, and you are not in group dialout
    fix: sudo usermod -aG dialout $USER, then log out and in again
  /dev/ttyUSB0: a stale lock file /run/lock/LCK..ttyUSB0 names process 999, which has ended; Zarvell takes it over, other programs may refuse the port
    fix: sudo rm /run/lock/LCK..ttyUSB0
  /dev/ttyUSB1: does not exist (any more)
    fix: plug the adapter in, or name the port it is on
  /dev/ttyUSB12: the program's COM menu does not reach it
    fix: give it a number whose device is not there under [PORTS] in /home/ann/.config/zarvell/Zarvell_v75.ini, e.g. COM3=/dev/ttyUSB12
  /dev/ttyACM0: held open by process 123 (minicom)
    fix: close the port in that program, or end it: kill 123
  /dev/ttyS1: locked by process 123 (/var/lock/LCK..ttyS1)
    fix: close the port in that program, or end it: kill 123
  ModemManager: runs as process 200 (ModemManager) and probes every ttyACM device as a modem, which can take the port from the unit or send it stray bytes
    fix: sudo systemctl disable --now ModemManager (if no mobile modem is used here), then plug the adapter in again
  brltty: runs as process 300 (brltty) and takes CH340 adapters (1a86:7523) for braille displays, so their port disappears
    fix: sudo apt remove brltty (if no braille display is used here), then plug the adapter in again
  brltty: its udev rule /usr/lib/udev/rules.d/85-brltty.rules claims CH340 adapters whenever one is plugged in
    fix: sudo apt remove brltty (if no braille display is used here), then plug the adapter in again
Units:
  /dev/ttyUSB12: cannot be opened: it has gone, is no serial port, or another program has it
)");
}

TEST_F(FakeSystem, JudgesAccessFromTheModeBitsForTheUserGiven) {
  Write("etc/group", "dialout:x:" + std::to_string(::getgid()) + ":bob,ann\n");
  const fs::perms rw = fs::perms::owner_read | fs::perms::owner_write;
  const fs::perms groupRw = rw | fs::perms::group_read | fs::perms::group_write;
  const Identity ann = Ann();
  const Identity member{.uid = ann.uid, .name = "ann", .groups = {::getgid()}};
  const Identity owner{.uid = Owner(), .name = "root", .groups = {}};
  const Identity root{.uid = 0, .name = "root", .groups = {}};
  const struct {
    fs::perms mode;
    Identity user;
    std::string fix;  // empty: may open it
  } cases[] = {
      {groupRw, ann, "log out and in again (or restart the computer)"},
      {groupRw, member, ""},
      {rw, owner, ""},
      {rw, member, "sudo chmod a+rw /dev/ttyUSB0 lasts until it is plugged in again"},
      {fs::perms::owner_read | fs::perms::group_read, member, "sudo chmod a+rw"},
      {fs::perms::none, root, ""},
  };
  const Tree tree(dir_.path());
  for (const auto& c : cases) {
    Device("ttyUSB0", c.mode);
    const DeviceCheck check = CheckDevice(tree, c.user, {}, "/dev/ttyUSB0");
    const std::string mode = std::to_string(static_cast<int>(c.mode));
    EXPECT_EQ(check.free, c.fix.empty()) << mode;
    if (c.fix.empty()) {
      EXPECT_TRUE(check.findings.empty()) << mode;
    } else {
      ASSERT_EQ(check.findings.size(), 1u) << mode;
      EXPECT_THAT(check.findings[0].fix, HasSubstr(c.fix)) << mode;
    }
  }
}

TEST_F(FakeSystem, TakesThePortByComNameAndRefusesAWrongCommandLine) {
  Device("ttyACM0", fs::perms::all);  // a plain file, so it cannot be set up as a port
  const struct {
    std::vector<std::string> args;
    int status;
    std::string says;
  } cases[] = {
      {{"doctor", "--root", dir_.path().string(), "--port", "COM11"},
       1,
       "  /dev/ttyACM0: cannot be opened"},
      {{"doctor", "--root", dir_.path().string()}, 1, "  /dev/ttyACM0: cannot"},
      {{"doctor", "--port", "COM32"}, 64, "--port takes"},
      {{"doctor", "--port"}, 64, "usage: zarvell-cli doctor [--port DEV]"},
      {{"doctor", "--port", "/dev/a", "--port", "/dev/b"}, 64, "usage"},
  };
  for (const auto& c : cases) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(c.args, out, err), c.status) << c.args.back();
    EXPECT_THAT(out.str() + err.str(), HasSubstr(c.says)) << c.args.back();
  }
}

}  // namespace
}  // namespace zarvell::cli::doctor
