// The real main window, started headless on a scripted host with its settings in `dir`, and
// the user's gestures on it.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/form_hlav.h"
#include "ui/scripted_host.h"

namespace zarvell::testutil {

class Window {
 public:
  explicit Window(const std::filesystem::path& dir, std::vector<std::string> args = {}) {
    host.SetScreenSize({1280, 1024});
    form = std::make_unique<TFormHlav>(process, host, ConfigPathsIn(dir));
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

  ProcessState process;
  ui::ScriptedHost host;
  std::unique_ptr<TFormHlav> form;
};

}  // namespace zarvell::testutil
