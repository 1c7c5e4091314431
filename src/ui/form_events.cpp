#include "ui/form_events.h"

#include <vector>

namespace zarvell::ui {
namespace {

// The notebook around `control`, else the first of the window; kNoControl when it has none.
ControlIndex NotebookOf(const ControlModel& model, ControlIndex control) {
  for (ControlIndex at = control; at != kNoControl && at < model.size(); at = model[at].parent) {
    if (model[at].kind == ControlKind::Notebook) return at;
  }
  for (ControlIndex id = 0; id < model.size(); ++id) {
    if (model[id].kind == ControlKind::Notebook) return id;
  }
  return kNoControl;
}

void TurnPage(ControlModel& model, FormEvents& window, ControlIndex notebook, int step) {
  std::vector<ControlIndex> pages;
  for (ControlIndex id = 0; id < model.size(); ++id) {
    if (model[id].kind == ControlKind::Page && model[id].parent == notebook) pages.push_back(id);
  }
  const int count = static_cast<int>(pages.size());
  const int from = model[notebook].itemIndex;
  for (int n = 1; n < count; ++n) {
    const int page = ((from + step * n) % count + count) % count;
    if (model[pages[page]].visible && model[pages[page]].enabled) {
      return DeliverPage(model, window, notebook, page);
    }
  }
}

}  // namespace

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

bool DeliverNavigationKey(ControlModel& model, FormEvents& window, ControlIndex control,
                          NavigationKey key, bool extend) {
  if (key == NavigationKey::NextPage || key == NavigationKey::PreviousPage) {
    const ControlIndex notebook = NotebookOf(model, control);
    if (notebook == kNoControl || !model.Reachable(notebook)) return false;
    TurnPage(model, window, notebook, key == NavigationKey::NextPage ? 1 : -1);
    return true;
  }
  if (control == kNoControl || !model.Reachable(control)) return false;
  return window.OnArrowKey(control, key, extend);
}

}  // namespace zarvell::ui
