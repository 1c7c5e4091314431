// The contract every renderer of the window keeps: each widget shows what its control in the
// model holds. A renderer under test reads its own widgets back through this interface; the
// comparison and the scripts that drive the window are written once, for every toolkit.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_model.h"
#include "ui/form_events.h"

namespace zarvell::testutil {

// What a toolkit's widget shows for one control, read from the widget itself.
struct ShownControl {
  bool visible = false;  // the control's own visibility, whatever its parents show
  bool enabled = false;  // its own enabled state
  std::string caption;   // label, button, check box, group, menu item, tab or window title
  std::string text;      // an edit box's or the status bar's text
  std::string tooltip;
  std::string statusTip;
  bool checked = false;
  std::vector<std::string> items;
  int itemIndex = -1;  // a list's selection, or the page a notebook shows
  int position = 0;
  int min = 0;
  int max = 0;
  ui::Rect rect;  // relative to the parent's client area
  // The background colour (0xRRGGBB) actually painted, for a control on screen that has one.
  std::optional<std::uint32_t> background;
};

class RendererUnderTest {
 public:
  // Copies what changed in the model to the widgets, as the renderer does after every event.
  virtual void Sync() = 0;
  // The control's widget read back; nothing for a control without a widget of its own.
  virtual std::optional<ShownControl> Read(ui::ControlIndex id) = 0;
  // The colour this toolkit paints for the control's background colour in its present state:
  // the system colours as the system has them, and a disabled edit box greyed.
  virtual std::uint32_t Painted(const ui::Control& control) = 0;

 protected:
  ~RendererUnderTest() = default;
};

struct ContractReport {
  std::size_t steps = 0;       // model states compared
  std::size_t properties = 0;  // widget properties compared over all of them
  std::size_t mismatchCount = 0;
  std::vector<std::string> mismatches;  // the first few, "step: control: what"
};

// Compares every control of `model` with its widget; `step` names the state in the report.
void CompareWithModel(const ui::ControlModel& model, RendererUnderTest& renderer,
                      std::string_view step, ContractReport& report);

// Runs a play script on the headless window with the renderer built over its controls by
// `attach` (called once the window has started) and compares after every line.
class HeadlessRendererFactory {
 public:
  virtual RendererUnderTest& Attach(ui::ControlModel& model, ui::FormEvents& events) = 0;
  virtual void Detach() = 0;

 protected:
  ~HeadlessRendererFactory() = default;
};
ContractReport RunContractScript(std::string_view name, std::string_view script,
                                 HeadlessRendererFactory& factory);

// The scripts the contract runs: every scenario of the play tests and the renderer's own.
struct ContractScript {
  std::string name;
  std::string text;
};
std::vector<ContractScript> ContractScripts();
// GoogleTest names a script by its name.
inline void PrintTo(const ContractScript& script, std::ostream* out) {
  *out << script.name;
}

}  // namespace zarvell::testutil
