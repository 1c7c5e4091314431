// The real main window started without a screen: a scripted host, its settings in a folder of
// the caller's, and COM1 a serial adapter with no unit behind it until the simulated unit is
// connected; its clock stands at 14 May 2026, 09:30:00. `zarvell-cli play`, the tests and the
// benchmarks all drive the window through it, with the same gestures a user makes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/form_hlav.h"
#include "link/com_ports.h"
#include "sim/in_process_ports.h"
#include "sim/unit_sim.h"
#include "ui/form_events.h"
#include "ui/scripted_host.h"

namespace zarvell {

class HeadlessWindow {
 public:
  // The device of COM1 on this system.
  inline static const std::string kCom1 = link::DefaultDevicePath(1);
  enum class Com1 { Adapter, Absent };

  explicit HeadlessWindow(const std::filesystem::path& configDir,
                          const std::vector<std::string>& args = {}, Com1 com1 = Com1::Adapter);
  HeadlessWindow(const HeadlessWindow&) = delete;
  HeadlessWindow& operator=(const HeadlessWindow&) = delete;

  const ui::Control& operator[](design::ControlId id) const { return form.controls()[id]; }
  std::uint8_t operator()(std::size_t byte) const { return form.image().block[byte]; }

  void Click(ui::ControlIndex id) { ui::DeliverClick(form.controls(), form, id); }
  void Type(ui::ControlIndex edit, std::string_view text) {
    form.controls().SetText(edit, text);
    ui::DeliverEditExit(form.controls(), form, edit);
  }
  void Enter(ui::ControlIndex edit, std::string_view text) {
    form.controls().SetText(edit, text);
    ui::DeliverEditEnter(form.controls(), form, edit);
  }
  void Step(ui::ControlIndex upDown, bool up) {
    ui::DeliverUpDown(form.controls(), form, upDown, up);
  }
  void Select(ui::ControlIndex list, int index) {
    ui::DeliverSelect(form.controls(), form, list, index);
  }
  void Toggle(ui::ControlIndex box, bool checked) {
    ui::DeliverKeyboardToggle(form.controls(), form, box, checked);
  }
  void Page(int page) { ui::DeliverPage(form.controls(), form, design::PageControl1, page); }
  // A bike chosen from the list by its position, answering the default-set question.
  void ChooseBike(int listPosition, ui::MessageAnswer answer) {
    host.QueueAnswer(answer);
    Select(design::ComboBoxBike, listPosition);
  }

  // The simulated unit behind the cable of the window's port, or the bare adapter again.
  void ConnectUnit() { ports.Attach(form.comLink().DevicePath(), unit); }
  void DisconnectUnit() { ports.Attach(form.comLink().DevicePath(), adapter); }
  // Ticks of the window's timer; the unit lives through the same time.
  void Tick(int count = 1);

  ProcessState process;
  ui::ScriptedHost host;
  sim::InProcessPorts ports;
  sim::SilentDevice adapter;
  sim::UnitSim unit;
  TFormHlav form;
};

}  // namespace zarvell
