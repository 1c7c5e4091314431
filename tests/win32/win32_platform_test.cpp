// The Windows side of the platform: COM port names, the port's own lock, the settings folder
// and the atomic replace, as the comm API and the file system see them.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "app/image_dump.h"
#include "app/settings.h"
#include "fileio/files.h"
#include "fileio/ini_file.h"
#include "fileio/paths.h"
#include "headless_window.h"
#include "link/com_ports.h"
#include "link/port_lock.h"
#include "link/win32_serial_port.h"
#include "support/temp_dir.h"

namespace zarvell {
namespace {

using testutil::Slurp;
using testutil::TempDir;

TEST(Win32ComPorts, ComNIsTheSystemsComNAndNumbersAboveNineAreReached) {
  const link::ComPortMap ports;
  EXPECT_EQ(ports.DevicePath(1), "COM1");
  EXPECT_EQ(ports.DevicePath(12), "COM12");
  EXPECT_EQ(ports.DevicePath(31), "COM31");
  EXPECT_EQ(ports.DevicePath(32), "");
  EXPECT_EQ(link::ResolvePortName("com12", ports), "COM12");
  EXPECT_EQ(link::ResolvePortName("\\\\.\\COM40", ports), "\\\\.\\COM40");
  EXPECT_EQ(link::ResolvePortName("/dev/ttyUSB0", ports), std::nullopt);
  EXPECT_EQ(link::Win32SerialPort::DeviceName("COM12"), "\\\\.\\COM12");
  EXPECT_EQ(link::Win32SerialPort::DeviceName("\\\\.\\COM3"), "\\\\.\\COM3");
}

TEST(Win32PortLock, OnePortOneHolderWhateverItIsCalled) {
  link::PortLock first;
  link::PortLock second;
  ASSERT_TRUE(first.Take("COM7"));
  EXPECT_FALSE(second.Take("COM7"));
  EXPECT_FALSE(second.Take("\\\\.\\com7"));
  EXPECT_TRUE(second.Take("COM17"));  // another port is free
  first.Release();
  EXPECT_TRUE(first.Take("\\\\.\\COM7"));
  EXPECT_EQ(link::PortLock::Name("COM7"), link::PortLock::Name("\\\\.\\com7"));
}

TEST(Win32SerialPort, APortThatIsNotThereFailsAndLeavesItsLockFree) {
  link::Win32SerialPort port;
  EXPECT_FALSE(port.Open("COM31"));
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(port.BytesWaiting(), 0u);
  link::PortLock lock;
  EXPECT_TRUE(lock.Take("COM31"));
}

TEST(Win32Folders, SettingsLiveInAppDataZarvell) {
  const std::wstring old = _wgetenv(L"APPDATA") ? _wgetenv(L"APPDATA") : L"";
  ASSERT_EQ(_wputenv_s(L"APPDATA", L"C:\\Users\\Jezdec\\AppData\\Roaming"), 0);
  EXPECT_EQ(DefaultConfigDir(),
            std::filesystem::path(L"C:\\Users\\Jezdec\\AppData\\Roaming\\Zarvell"));
  EXPECT_EQ(
      ConfigPathsIn(DefaultConfigDir()).settings,
      std::filesystem::path(L"C:\\Users\\Jezdec\\AppData\\Roaming\\Zarvell\\Zarvell_v75.ini"));
  _wputenv_s(L"APPDATA", old.c_str());
}

TEST(Win32Files, AtomicReplaceWritesCrLfTextAndLeavesNothingBehind) {
  const TempDir dir;
  const std::filesystem::path path = dir.path() / PathFromUtf8("Zapalování-Žďár.ign");
  ASSERT_TRUE(WriteTextFileAtomically(path, "first, and longer\nline\n"));
  ASSERT_TRUE(WriteTextFileAtomically(path, "second\nline"));
  EXPECT_EQ(Slurp(path), "second\r\nline");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"Zapalování-Žďár.ign"});
  // A folder of that name is not replaced by a file.
  std::filesystem::create_directory(dir.path() / "folder.ign");
  EXPECT_FALSE(WriteFileAtomically(dir.path() / "folder.ign", "x"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "folder.ign"));
  EXPECT_EQ(dir.Entries().size(), 2u);
}

TEST(Win32Files, ReadWholeFileTakesEveryByteAndNothingFromAFolder) {
  const TempDir dir;
  const std::string content("a\r\nb\0c\xff", 7);
  EXPECT_EQ(ReadWholeFile(dir.Write("Größe.bin", content)), content);
  EXPECT_FALSE(ReadWholeFile(dir.path()).has_value());
  EXPECT_FALSE(ReadWholeFile(dir.path() / "missing").has_value());
}

// Every line break is CR LF.
bool CrLfOnly(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
  }
  return text.find("\r\n") != std::string::npos;
}

TEST(Win32Files, SettingsAndDumpAreWrittenWithCrLfAndReadBack) {
  const TempDir dir;
  const ConfigPaths paths = ConfigPathsIn(dir.path());
  ParameterImage shown;
  {
    HeadlessWindow w(dir.path());
    w.Click(design::MenuCzech);
    w.Type(design::EditOmez2, "9500");
    shown = w.form.image();
    w.form.FormClose();
  }
  const std::string settings = Slurp(paths.settings);
  EXPECT_TRUE(CrLfOnly(settings)) << settings;
  EXPECT_NE(settings.find("Language=3\r\n"), std::string::npos);
  EXPECT_EQ(IniFile::Load(paths.settings).ReadInteger(kSettingsSection, "Language", -1), 3);
  EXPECT_TRUE(CrLfOnly(Slurp(paths.imageDump)));
  ParameterImage dumped;
  LoadImageDump(paths.imageDump, dumped);
  EXPECT_EQ(dumped.block, shown.block);
}

}  // namespace
}  // namespace zarvell
