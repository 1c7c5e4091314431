// The real main window, started headless on a scripted host with its settings in `dir`, and
// the user's gestures on it. Its COM1 is a serial adapter with no unit behind it until the test
// connects the simulated unit.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/form_hlav.h"
#include "sim/in_process_ports.h"
#include "sim/unit_sim.h"
#include "ui/scripted_host.h"

namespace zarvell::testutil {

class Window {
 public:
  static constexpr char kCom1[] = "/dev/ttyUSB0";

  enum class Com1 { Adapter, Absent };

  explicit Window(const std::filesystem::path& dir, std::vector<std::string> args = {},
                  Com1 com1 = Com1::Adapter) {
    host.SetScreenSize({1280, 1024});
    if (com1 == Com1::Adapter) ports.Attach(kCom1, adapter);
    form = std::make_unique<TFormHlav>(process, host, ports, ConfigPathsIn(dir));
    form->FormCreate(args);
  }
  const ui::Control& operator[](app::ControlId id) const { return form->controls()[id]; }
  std::uint8_t operator()(std::size_t byte) const { return form->image().block[byte]; }

  void Click(app::ControlId id) { ui::DeliverClick(form->controls(), *form, id); }
  void Type(app::ControlId edit, std::string_view text) {
    form->controls().SetText(edit, text);
    ui::DeliverEditExit(form->controls(), *form, edit);
  }
  void Enter(app::ControlId edit, std::string_view text) {
    form->controls().SetText(edit, text);
    ui::DeliverEditEnter(form->controls(), *form, edit);
  }
  void Step(app::ControlId upDown, bool up) {
    ui::DeliverUpDown(form->controls(), *form, upDown, up);
  }
  void Select(app::ControlId list, int index) {
    ui::DeliverSelect(form->controls(), *form, list, index);
  }
  void Toggle(app::ControlId box, bool checked) {
    ui::DeliverKeyboardToggle(form->controls(), *form, box, checked);
  }
  void Page(int page) { ui::DeliverPage(form->controls(), *form, app::PageControl1, page); }
  // A bike chosen from the list by its code, answering the default-set question.
  void ChooseBike(int listPosition, ui::MessageAnswer answer) {
    host.QueueAnswer(answer);
    Select(app::ComboBoxBike, listPosition);
  }

  // The simulated unit behind the cable of COM1.
  void ConnectUnit() { ports.Attach(kCom1, unit); }
  // Ticks of the window's timer; the unit lives through the same time.
  void Tick(int count = 1) {
    for (int i = 0; i < count; ++i) {
      unit.Tick();
      form->Timer1Timer();
    }
  }

  ProcessState process;
  ui::ScriptedHost host;
  sim::InProcessPorts ports;
  sim::SilentDevice adapter;
  sim::UnitSim unit;
  std::unique_ptr<TFormHlav> form;
};

}  // namespace zarvell::testutil
