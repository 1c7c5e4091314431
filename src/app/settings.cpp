#include "app/settings.h"

#include "params/code_tables.h"

namespace zarvell {
namespace {

constexpr char kLeft[] = "Left";
constexpr char kTop[] = "Top";
constexpr char kHeight[] = "Height";
constexpr char kWidth[] = "Width";
constexpr char kComPort[] = "ComPort";
constexpr char kComPortAuto[] = "ComPortAuto";
constexpr char kLanguage[] = "Language";
constexpr char kFile[] = "File";
constexpr char kIniDir[] = "IniDir";
constexpr char kActivePage[] = "PageControl1->ActivePageIndex";

// The port keys hold index + 1; unsigned arithmetic keeps any stored number defined and leaves
// the low byte, so a stored 0 becomes 255.
std::uint8_t PortIndexOfKey(int stored) {
  return static_cast<std::uint8_t>(static_cast<unsigned>(stored) - 1u);
}

}  // namespace

std::string SettingsFileName() {
  return "Zarvell_v" + std::to_string(ProgramVersion) + ".ini";
}

ConfigPaths ConfigPathsIn(const std::filesystem::path& dir) {
  const std::string name = SettingsFileName();
  return {dir / name, dir / ("_" + name), dir / "test_brenik.txt", dir / "data.ign", {}};
}

void ReadWindowSettings(const IniFile& ini, WindowSettings& values) {
  values.left = ini.ReadInteger(kSettingsSection, kLeft, values.left);
  values.top = ini.ReadInteger(kSettingsSection, kTop, values.top);
  values.height = ini.ReadInteger(kSettingsSection, kHeight, values.height);
  values.width = ini.ReadInteger(kSettingsSection, kWidth, values.width);
  values.comPortIndex = PortIndexOfKey(ini.ReadInteger(kSettingsSection, kComPort, 1));
  values.autoPortIndex = PortIndexOfKey(ini.ReadInteger(kSettingsSection, kComPortAuto, 0));
  values.languageIndex =
      static_cast<std::uint8_t>(ini.ReadInteger(kSettingsSection, kLanguage, values.languageIndex));
  values.file = ini.ReadString(kSettingsSection, kFile, "");
  values.iniDir = ini.ReadString(kSettingsSection, kIniDir, "");
  values.activePage = ini.ReadInteger(kSettingsSection, kActivePage, values.activePage);
}

void WriteWindowSettings(IniFile& ini, const WindowSettings& values) {
  ini.WriteInteger(kSettingsSection, kLeft, values.left);
  ini.WriteInteger(kSettingsSection, kTop, values.top);
  ini.WriteInteger(kSettingsSection, kHeight, values.height);
  ini.WriteInteger(kSettingsSection, kWidth, values.width);
  ini.WriteInteger(kSettingsSection, kComPort, values.comPortIndex + 1);
  ini.WriteInteger(kSettingsSection, kComPortAuto, values.autoPortIndex + 1);
  ini.WriteInteger(kSettingsSection, kLanguage, values.languageIndex);
  ini.WriteString(kSettingsSection, kFile, values.file);
  ini.WriteString(kSettingsSection, kIniDir, values.iniDir);
  ini.WriteInteger(kSettingsSection, kActivePage, values.activePage);
}

}  // namespace zarvell
