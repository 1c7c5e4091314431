#include "design/main_design.h"

#include <array>
#include <cstddef>

#include "design/main_builder.h"
#include "design/main_pages.h"
#include "design/map_page.h"

namespace zarvell::design {
namespace {

using namespace design;

constexpr std::array<ShortText, 30> kComCaptions = [] {
  std::array<ShortText, 30> captions{};
  for (int i = 0; i < 30; ++i) captions[i] = Compose("Com ", i + 1, "");
  return captions;
}();

constexpr void AddMenus(MainBuilder& b) {
  b.Add(MainMenu1, ControlKind::MainMenu, FormHlav, {});
  b.Menu(MenuFile, MainMenu1, "&File");
  b.Menu(MenuNew, MenuFile, "&New", "Ctrl+N", "Set default parameters ");
  b.Add(N1, ControlKind::MenuSeparator, MenuFile, {});
  b.Menu(MenuOpen, MenuFile, "&Open", "F3", "Open file with parametrs");
  b.Menu(MenuOpenExeDir, MenuFile, "Open from exe dir", "Ctrl+F3");
  b.Add(N2, ControlKind::MenuSeparator, MenuFile, {});
  b.Menu(MenuSave, MenuFile, "&Save", "F2", "Save parametrs to file");
  b.Menu(MenuSaveExeDir, MenuFile, "Save to exe dir", "Ctrl+F2");
  b.Add(N3, ControlKind::MenuSeparator, MenuFile, {});
  b.Menu(MenuPrint, MenuFile, "&Print", "Ctrl+P", "Print parametrs");
  b.Menu(MenuPrintAll, MenuFile, "Print all");
  b.Add(N4, ControlKind::MenuSeparator, MenuFile, {});
  b.Menu(MenuExit, MenuFile, "E&xit", {}, "End of program");

  b.Menu(MenuCom, MainMenu1, "&Com", {}, "Set number of com");
  for (int i = 0; i < 30; ++i) b.Menu(Offset(MenuCom1, i), MenuCom, kComCaptions[i].View());
  b.Menu(MenuCom31, MenuCom, "Com Auto");

  b.Menu(MenuDevice, MainMenu1, "&Ignition");
  b.Menu(MenuRead, MenuDevice, "&Read", "F7", "Reading parametrs from ignition");
  b.Menu(MenuVerify, MenuDevice, "&Verify", "F8",
         "Compare set parametrs  with parametrs of ignition");
  b.Menu(MenuProgram, MenuDevice, "&Program", "F9", "Programing  set parametrs to ignition");

  b.Menu(MenuTools, MainMenu1, "Tools");
  b.Menu(AdvanceMinus, MenuTools, "Advance -", "F4");
  b.Menu(AdvancePlus, MenuTools, "Advance +", "F5");
  b.Menu(MenuZpet, MenuTools, "Undo", "Ctrl+Z");
  b.Menu(MenuZnovu, MenuTools, "Redo", "Ctrl+Alt+Z");

  b.Menu(MenuLanguage, MainMenu1, "&Language", {}, "Set English or German or French or Czech ");
  b.Menu(MenuEnglish, MenuLanguage, "&English", {}, "Set English menu").checked = true;
  b.Menu(MenuGerman, MenuLanguage, "&German", {}, "Deutsches Menü");
  b.Menu(MenuFrench, MenuLanguage, "&French", {}, "Installer en Francais ");
  b.Menu(MenuCzech, MenuLanguage, "&Czech", {}, "Nastavit české menu");

  b.Menu(MenuHelp, MainMenu1, "&Help");
  b.Menu(MenuContens, MenuHelp, "&Contents...", "F1");
  b.Menu(MenuAbout, MenuHelp, "&About...");
}

// Six square tool buttons, then the three transfer buttons, wide enough for "&Programmieren".
constexpr void AddToolBar(MainBuilder& b) {
  constexpr ControlId bar = GroupBoxToolBar;
  b.Add(bar, ControlKind::GroupBox, FormHlav, {0, 0, 522, 40});
  constexpr std::array<ControlId, 6> kTools = {SpeedButton6,     SpeedButtonOpen, SpeedButtonSave,
                                               SpeedButtonPrint, SpeedButtonZpet, SpeedButtonZnovu};
  constexpr std::array<std::string_view, 6> kHints = {"Set default parametrs",
                                                      "Open file with parametrs",
                                                      "Save parametrs to file",
                                                      "Print parametrs",
                                                      {},
                                                      {}};
  for (int i = 0; i < 6; ++i) {
    b.Add(kTools[i], ControlKind::ToolButton, bar, {6 + 30 * i, 6, 28, 28}).hint = kHints[i];
  }
  b.Button(ButtonRead, bar, {194, 6, 104, 28}, "&Read").hint = "Reading parametrs from ignition";
  b.Button(BitBtnVerify, bar, {302, 6, 104, 28}, "&Verify").hint =
      "Compare set parametrs  with parametrs of ignition";
  b.Button(BitBtnProgram, bar, {410, 6, 104, 28}, "&Program").hint =
      "Programing  set parametrs to ignition";
  // "Pas de connection acec pc" is the longest of its four texts.
  b.FixedLabel(LabelSpojeni, FormHlav, {532, 12, 200, kLabelHeight}, "No connection with PC")
      .fontColour = ui::kRed;
  b.Add(Image2, ControlKind::Image, FormHlav, {880, 2, 100, 38});
}

constexpr void AddNotebook(MainBuilder& b) {
  b.Add(PageControl1, ControlKind::Notebook, FormHlav, kNotebook).itemIndex = 1;
  b.Add(TabSheetRuzne, ControlKind::Page, PageControl1, kPage, "Miscellaneous");
  b.Add(TabSheetBike, ControlKind::Page, PageControl1, kPage, "Bike");
  b.Add(TabSheetAdvance, ControlKind::Page, PageControl1, kPage, "Advance Map");
  b.Add(TabSheetServo, ControlKind::Page, PageControl1, kPage, "Servo");
}

// Right of the notebook, top to bottom; 254 px hold the longest live texts, such as
// "Vorzündung 1 = 45 [°] /max 45 [°]".
constexpr void AddLiveColumn(MainBuilder& b) {
  constexpr int x = 726;
  constexpr int width = 254;
  int y = 48;
  auto label = [&](ControlId id, std::string_view caption) {
    b.FixedLabel(id, FormHlav, {x, y, width, kLabelHeight}, caption);
    y += 20;
  };
  auto gauge = [&](ControlId id) {
    b.Add(id, ControlKind::Gauge, FormHlav, {x, y - 2, width, 14});
    y += 18;
  };
  label(LabelRpm, "RPM = --- ");
  gauge(CGaugeRpm);
  label(LabelTpsMon, "TP= --- [%]");
  gauge(CGaugeTps);
  label(LabelAdvance1, "Advance [°]");
  label(LabelAdvance2, "Advance [°]");
  label(LabelAdvance3, "---");
  label(LabelAdvance4, "---");
  label(LabelMonSnimac1, "---");
  label(LabelMonSnimac2, "---");
  label(LabelNapeti, "U = --- [V]");
  label(LabelPriveraPoz, "---");
  label(LabelPriveraMer, "---");
  label(LabelBlocking1, "Motor off - ---");
  label(LabelMonPilotLight, "Gear Shift Light - ---");
  label(LabelClutchMon, "Clutch master - ---");
  label(LabelKillSwitch, "Kill switch: ---");
  label(LabelCom, "COM= COM1");
  // Two lines: the print stamp with the date and time does not fit one.
  b.FixedLabel(LabelHlaseni, FormHlav, {x, y + 4, width, 32}, {});
  b.Add(CGaugeProgram, ControlKind::Gauge, FormHlav, {x, y + 40, width, 16}).max = 2;
}

// Below the notebook: one row of state labels, then the test labels in two rows of four.
constexpr void AddBottom(MainBuilder& b) {
  constexpr int y = kNotebook.top + kNotebook.height + 4;
  b.Check(CheckBoxProgHned, FormHlav, 4, y, "Programming after change").hint =
      "Programing at once after change";
  b.FixedLabel(LabelEeDataErr, FormHlav, {262, y + 1, 150, kLabelHeight}, "Programmed data error")
      .fontColour = ui::kRed;
  // Room for the German mismatch text with the two version numbers, 81 characters.
  b.FixedLabel(LabelVersion, FormHlav, {420, y + 1, 560, kLabelHeight}, {}).fontColour = ui::kRed;
  for (int i = 0; i < 8; ++i) {
    const Rect rect = {4 + 124 * (i % 4), y + 22 + 18 * (i / 4), 120, kLabelHeight};
    b.FixedLabel(Offset(LabelTest1, i), FormHlav, rect, "---");
  }
}

consteval std::array<ui::ControlSpec, kMainControlCount> BuildMainDesign() {
  MainBuilder b;
  b.Add(FormHlav, ControlKind::Form, ui::kNoControl, {0, 0, kFormWidth, kFormHeight}, "  Zarvell");
  AddMenus(b);
  AddToolBar(b);
  AddNotebook(b);
  AddMiscPage(b);
  AddBikePage(b);
  AddMapPage(b);
  AddServoPage(b);
  AddLiveColumn(b);
  AddBottom(b);
  // In form coordinates: the renderer makes it the window's status bar.
  b.Add(StatusBar1, ControlKind::StatusBar, FormHlav,
        {0, kFormHeight - kStatusBarHeight, kFormWidth, kStatusBarHeight});
  return b.Finish();
}

constexpr std::array<ui::ControlSpec, kMainControlCount> kMainDesign = BuildMainDesign();

}  // namespace

std::span<const ui::ControlSpec> MainDesign() {
  return kMainDesign;
}

}  // namespace zarvell::design
