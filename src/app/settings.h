// Where the program keeps its files between runs, and the window settings stored in the
// settings file (section FORM_HLAV).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "fileio/ini_file.h"

namespace zarvell {

inline constexpr char kSettingsSection[] = "FORM_HLAV";

// "Zarvell_v75.ini": a new program version starts a fresh pair of files.
std::string SettingsFileName();

struct ConfigPaths {
  std::filesystem::path settings;    // <dir>/Zarvell_v75.ini
  std::filesystem::path imageDump;   // <dir>/_Zarvell_v75.ini
  std::filesystem::path testMarker;  // <dir>/test_brenik.txt
  // <dir>/data.ign, the file of Open from exe dir and Save to exe dir: a fixed place of the
  // user's own, where an installed program's folder is not the user's to write.
  std::filesystem::path exeDirFile;
  // Where the manuals are looked for after the working folder, in order: beside the program,
  // where its build wrote them, where they are installed.
  std::vector<std::filesystem::path> manualDirs;
};

// The files in `dir`.
ConfigPaths ConfigPathsIn(const std::filesystem::path& dir);
// The system's own (src/platform/<system>/app): $XDG_CONFIG_HOME/zarvell, or ~/.config/zarvell
// when XDG_CONFIG_HOME is unset or empty; on Windows %APPDATA%\Zarvell.
std::filesystem::path DefaultConfigDir();

// The values the settings file keeps. The port indices and the language are stored as bytes
// exactly as read (a stored ComPort of 0 gives index 255); the sanitize pass repairs them.
struct WindowSettings {
  int left = 0;
  int top = 0;
  int height = 703;
  int width = 984;
  std::uint8_t comPortIndex = 0;   // key ComPort = index + 1 (31 = automatic search)
  std::uint8_t autoPortIndex = 0;  // key ComPortAuto = index + 1
  std::uint8_t languageIndex = 0;  // key Language
  std::string file;                // key File: the current ".ign" file
  std::string iniDir;              // key IniDir: last directory of the file dialogs
  int activePage = 0;              // key PageControl1->ActivePageIndex
};

// Reads the keys in their fixed order. `values` carries the defaults for Left, Top, Height,
// Width, Language and the page on entry; a missing ComPort selects COM1 (index 0) and a
// missing ComPortAuto gives index 255, which the sanitize pass turns into 0.
void ReadWindowSettings(const IniFile& ini, WindowSettings& values);
// Writes the keys in the same order, leaving the file's other keys and sections alone.
void WriteWindowSettings(IniFile& ini, const WindowSettings& values);

}  // namespace zarvell
