// A small window design with one control of every kind the Qt layer renders, and a window that
// writes down the events it receives.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control_model.h"
#include "ui/form_events.h"

namespace zarvell::testutil {

enum TestControl : ui::ControlIndex {
  kForm,
  kMenu,
  kMenuEdit,
  kMenuUndo,
  kMenuMark,
  kTabs,
  kPageA,
  kPageB,
  kCheck,
  kEdit,
  kUpDown,
  kCombo,
  kGroup,
  kTrack,
  kGauge,
  kImage,
  kRadioA,
  kRadioB,
  kLabel,
  kButton,
  kStatus,
};

using K = ui::ControlKind;
inline constexpr ui::ControlSpec kTestDesign[] = {
    {.id = kForm,
     .name = "TestForm",
     .kind = K::Form,
     .rect = {10, 20, 420, 330},
     .caption = "Test form"},
    {.id = kMenu, .name = "TestMenu", .kind = K::MainMenu, .parent = kForm},
    {.id = kMenuEdit, .name = "MenuEdit", .kind = K::MenuItem, .parent = kMenu, .caption = "&Edit"},
    {.id = kMenuUndo,
     .name = "MenuUndo",
     .kind = K::MenuItem,
     .parent = kMenuEdit,
     .caption = "Undo",
     .hint = "Undo|Takes back the last change",
     .shortcut = "Ctrl+Z"},
    {.id = kMenuMark,
     .name = "MenuMark",
     .kind = K::MenuItem,
     .parent = kMenuEdit,
     .caption = "Mark"},
    {.id = kTabs,
     .name = "Tabs",
     .kind = K::Notebook,
     .parent = kForm,
     .rect = {0, 0, 400, 250},
     .itemIndex = 0},
    {.id = kPageA, .name = "PageA", .kind = K::Page, .parent = kTabs, .caption = "A"},
    {.id = kPageB, .name = "PageB", .kind = K::Page, .parent = kTabs, .caption = "B"},
    {.id = kCheck,
     .name = "Check",
     .kind = K::CheckBox,
     .parent = kPageA,
     .rect = {8, 8, 120, 20},
     .caption = "Check"},
    {.id = kEdit, .name = "Edit", .kind = K::Edit, .parent = kPageA, .rect = {8, 40, 60, 21}},
    {.id = kUpDown,
     .name = "UpDownEdit",
     .kind = K::UpDown,
     .parent = kPageA,
     .rect = {68, 40, 16, 21},
     .min = 0,
     .max = 10,
     .position = 5,
     .associate = kEdit},
    {.id = kCombo,
     .name = "Combo",
     .kind = K::ComboBox,
     .parent = kPageA,
     .rect = {8, 70, 120, 22},
     .items = "one\ntwo\nthree",
     .itemIndex = 0},
    {.id = kGroup,
     .name = "Group",
     .kind = K::RadioGroup,
     .parent = kPageA,
     .rect = {140, 8, 120, 90},
     .caption = "Group",
     .items = "x\ny",
     .itemIndex = 0},
    {.id = kTrack,
     .name = "Track",
     .kind = K::TrackBar,
     .parent = kPageB,
     .rect = {8, 8, 150, 30},
     .min = 0,
     .max = 10,
     .position = 3},
    {.id = kGauge,
     .name = "Gauge",
     .kind = K::Gauge,
     .parent = kPageB,
     .rect = {8, 48, 150, 16},
     .min = 0,
     .max = 2,
     .position = 1},
    {.id = kImage, .name = "Image", .kind = K::Image, .parent = kPageB, .rect = {170, 8, 100, 60}},
    {.id = kRadioA,
     .name = "RadioA",
     .kind = K::RadioButton,
     .parent = kPageB,
     .rect = {8, 80, 60, 20},
     .caption = "A",
     .checked = true},
    {.id = kRadioB,
     .name = "RadioB",
     .kind = K::RadioButton,
     .parent = kPageB,
     .rect = {80, 80, 60, 20},
     .caption = "B"},
    {.id = kLabel,
     .name = "Label",
     .kind = K::Label,
     .parent = kForm,
     .rect = {8, 256, 100, 16},
     .caption = "Label",
     .hint = "Tip|Status text"},
    {.id = kButton,
     .name = "Button",
     .kind = K::Button,
     .parent = kForm,
     .rect = {120, 254, 80, 24},
     .caption = "&Go"},
    {.id = kStatus, .name = "Status", .kind = K::StatusBar, .parent = kForm},
};

class RecordingWindow final : public ui::FormEvents {
 public:
  explicit RecordingWindow(const ui::ControlModel& model) : model_(model) {}

  std::vector<std::string> log;
  std::function<void(ui::ControlIndex)> onClick;

  void OnClick(ui::ControlIndex id) override {
    Write("click", id);
    if (onClick) onClick(id);
  }
  void OnKeyboardToggle(ui::ControlIndex id) override { Write("key", id); }
  void OnEditExit(ui::ControlIndex id) override { Write("exit", id); }
  void OnEditEnter(ui::ControlIndex id) override { Write("enter", id); }
  void OnUpDown(ui::ControlIndex id, bool up) override { Write(up ? "up" : "down", id); }
  void OnSelect(ui::ControlIndex id) override { Write("select", id); }
  void OnMouse(ui::ControlIndex id, const ui::MouseEvent& e) override {
    static constexpr const char* kActions[] = {"down", "move", "up", "leave"};
    Write(std::string("mouse ") + kActions[static_cast<int>(e.action)] + " " +
              std::to_string(e.point.x) + "," + std::to_string(e.point.y) +
              (e.shift ? " shift" : "") + (e.ctrl ? " ctrl" : ""),
          id);
  }
  void OnWheel(ui::ControlIndex id, const ui::WheelEvent& e) override {
    Write("wheel " + std::to_string(e.delta) + (e.ctrl ? " ctrl" : ""), id);
  }
  void OnPageChange() override { log.emplace_back("page"); }
  void OnTick() override { log.emplace_back("tick"); }

 private:
  void Write(const std::string& what, ui::ControlIndex id) {
    log.push_back(what + " " + std::string(model_.Name(id)));
  }
  const ui::ControlModel& model_;
};

}  // namespace zarvell::testutil
