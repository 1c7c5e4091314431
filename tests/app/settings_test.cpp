#include "app/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <optional>

namespace zarvell {
namespace {

TEST(SettingsPaths, NamesCarryTheProgramVersion) {
  EXPECT_EQ(SettingsFileName(), "Zarvell_v75.ini");
  const ConfigPaths paths = ConfigPathsIn("/cfg/zarvell");
  EXPECT_EQ(paths.settings, "/cfg/zarvell/Zarvell_v75.ini");
  EXPECT_EQ(paths.imageDump, "/cfg/zarvell/_Zarvell_v75.ini");
  EXPECT_EQ(paths.testMarker, "/cfg/zarvell/test_brenik.txt");
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(SettingsPaths, ConfigDirFollowsXdgConfigHome) {
  const ScopedEnv home("HOME", "/home/rider");
  {
    const ScopedEnv xdg("XDG_CONFIG_HOME", "/xdg");
    EXPECT_EQ(DefaultConfigDir(), "/xdg/zarvell");
  }
  for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/dir"}) {
    const ScopedEnv xdg("XDG_CONFIG_HOME", unusable);
    EXPECT_EQ(DefaultConfigDir(), "/home/rider/.config/zarvell");
  }
}

WindowSettings StartValues() {
  WindowSettings values;
  values.left = 150;  // centred on the screen
  values.top = 80;
  values.file = "stale.ign";
  values.iniDir = "/stale";
  values.activePage = 1;  // the page of the window design
  return values;
}

TEST(WindowSettingsRead, NoFileGivesTheStartValuesCom1AndAnEmptyFile) {
  WindowSettings values = StartValues();
  ReadWindowSettings(IniFile::Parse(""), values);
  EXPECT_EQ(values.left, 150);
  EXPECT_EQ(values.top, 80);
  EXPECT_EQ(values.height, 703);
  EXPECT_EQ(values.width, 984);
  EXPECT_EQ(values.comPortIndex, 0);     // COM1
  EXPECT_EQ(values.autoPortIndex, 255);  // repaired to COM1 by the sanitize pass
  EXPECT_EQ(values.languageIndex, 0);
  EXPECT_EQ(values.file, "");
  EXPECT_EQ(values.iniDir, "");
  EXPECT_EQ(values.activePage, 1);
}

TEST(WindowSettingsRead, StoresPortsAndLanguageAsBytesExactlyAsRead) {
  struct Case {
    const char* stored;
    std::uint8_t comPortIndex;
    std::uint8_t autoPortIndex;
  };
  // ComPort 31 is the automatic search; 0 and 40 are out of range and left for the sanitize
  // pass. A value that is not a number falls back to 1 for ComPort and to 0 for ComPortAuto.
  const Case cases[] = {{"1", 0, 0},    {"30", 29, 29}, {"31", 30, 30}, {"0", 255, 255},
                        {"40", 39, 39}, {"257", 0, 0},  {"x", 0, 255},  {"-2147483648", 255, 255}};
  for (const Case& c : cases) {
    WindowSettings values = StartValues();
    ReadWindowSettings(IniFile::Parse(std::string("[FORM_HLAV]\nComPort=") + c.stored +
                                      "\nComPortAuto=" + c.stored + "\nLanguage=7\n"),
                       values);
    EXPECT_EQ(values.comPortIndex, c.comPortIndex) << "ComPort=" << c.stored;
    EXPECT_EQ(values.autoPortIndex, c.autoPortIndex) << "ComPortAuto=" << c.stored;
    EXPECT_EQ(values.languageIndex, 7);
  }
}

TEST(WindowSettings, WrittenInTableOrderAndReadBack) {
  WindowSettings saved;
  saved.left = -8;
  saved.top = 12;
  saved.height = 650;
  saved.width = 1000;
  saved.comPortIndex = 30;  // automatic search
  saved.autoPortIndex = 4;
  saved.languageIndex = 3;
  saved.file = "/home/rider/maps/r 1.ign";
  saved.iniDir = "/home/rider/maps";
  saved.activePage = 2;

  IniFile ini = IniFile::Parse("[PORTS]\nCOM5=/dev/ttyUSB7\n");
  WriteWindowSettings(ini, saved);
  EXPECT_EQ(ini.Serialize(),
            "[PORTS]\n"
            "COM5=/dev/ttyUSB7\n"
            "\n"
            "[FORM_HLAV]\n"
            "Left=-8\n"
            "Top=12\n"
            "Height=650\n"
            "Width=1000\n"
            "ComPort=31\n"
            "ComPortAuto=5\n"
            "Language=3\n"
            "File=/home/rider/maps/r 1.ign\n"
            "IniDir=/home/rider/maps\n"
            "PageControl1->ActivePageIndex=2\n");

  WindowSettings loaded = StartValues();
  ReadWindowSettings(IniFile::Parse(ini.Serialize()), loaded);
  EXPECT_EQ(loaded.left, saved.left);
  EXPECT_EQ(loaded.top, saved.top);
  EXPECT_EQ(loaded.height, saved.height);
  EXPECT_EQ(loaded.width, saved.width);
  EXPECT_EQ(loaded.comPortIndex, saved.comPortIndex);
  EXPECT_EQ(loaded.autoPortIndex, saved.autoPortIndex);
  EXPECT_EQ(loaded.languageIndex, saved.languageIndex);
  EXPECT_EQ(loaded.file, saved.file);
  EXPECT_EQ(loaded.iniDir, saved.iniDir);
  EXPECT_EQ(loaded.activePage, saved.activePage);
}

}  // namespace
}  // namespace zarvell
