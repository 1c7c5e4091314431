#include "ui/form_events.h"

namespace zarvell::ui {

void DeliverClick(ControlModel& model, FormEvents& window, ControlIndex id) {
  const Control& c = model[id];
  if (!c.enabled || !c.visible) return;
  if (c.kind == ControlKind::CheckBox) model.SetChecked(id, !c.checked);
  if (c.kind == ControlKind::RadioButton) model.SetChecked(id, true);
  window.OnClick(id);
}

void DeliverKeyboardToggle(ControlModel& model, FormEvents& window, ControlIndex checkBox,
                           bool checked) {
  if (model[checkBox].checked == checked) return;
  model.SetChecked(checkBox, checked);
  window.OnKeyboardToggle(checkBox);
}

void DeliverEditExit(ControlModel& model, FormEvents& window, ControlIndex edit) {
  model.LeaveEdit(edit);
  window.OnEditExit(edit);
}

void DeliverEditEnter(ControlModel&, FormEvents& window, ControlIndex control) {
  window.OnEditEnter(control);
}

void DeliverUpDown(ControlModel& model, FormEvents& window, ControlIndex id, bool up) {
  if (!model[id].enabled || !model[id].visible) return;
  if (model[id].kind == ControlKind::UpDown) model.StepUpDown(id, up);
  window.OnUpDown(id, up);
}

void DeliverSelect(ControlModel& model, FormEvents& window, ControlIndex id, int value) {
  if (model[id].kind == ControlKind::TrackBar) {
    if (!model.SetPosition(id, value)) return;
  } else {
    // A user can only pick an entry that exists.
    if (value == model[id].itemIndex || value < 0 || value >= model.ChoiceCount(id)) return;
    model.SetItemIndex(id, value);
  }
  window.OnSelect(id);
}

void DeliverChar(ControlModel& model, FormEvents& window, ControlIndex control, char c) {
  if (!model[control].enabled || !model[control].visible) return;
  model.SetFocus(control);
  window.OnChar(control, c);
}

bool DeliverClipboard(ControlModel& model, FormEvents& window, ControlIndex control,
                      ClipboardKey key) {
  if (!model[control].enabled || !model[control].visible) return false;
  return window.OnClipboard(control, key);
}

void DeliverPage(ControlModel& model, FormEvents& window, ControlIndex notebook, int page) {
  if (page == model[notebook].itemIndex || page < 0 || page >= model.ChoiceCount(notebook)) return;
  model.SetItemIndex(notebook, page);
  window.OnPageChange();
}

}  // namespace zarvell::ui
