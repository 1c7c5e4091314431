#include "ui/control_model.h"

#include <algorithm>
#include <string>
#include <utility>

namespace zarvell::ui {

ControlModel::ControlModel(std::span<const ControlSpec> design)
    : design_(design), upDownOfEdit_(design.size(), kNoControl) {
  controls_.reserve(design.size());
  for (const ControlSpec& row : design) {
    Control c;
    c.kind = row.kind;
    c.parent = row.parent;
    c.rect = row.rect;
    if (row.kind == ControlKind::Edit || row.kind == ControlKind::StatusBar) {
      c.text = row.caption;
    } else {
      c.caption = row.caption;
    }
    c.hint = row.hint;
    c.shortcut = row.shortcut;
    c.visible = row.visible;
    c.enabled = row.enabled;
    c.checked = row.checked;
    c.colour = row.colour;
    c.fontColour = row.fontColour;
    c.min = row.min;
    c.max = row.max;
    c.position = std::clamp(row.position, row.min, std::max(row.min, row.max));
    c.increment = row.increment;
    c.associate = row.associate;
    c.itemIndex = row.itemIndex;
    for (std::string_view rest = row.items; !rest.empty();) {
      const auto end = rest.find('\n');
      c.items.emplace_back(rest.substr(0, end));
      rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    if (row.associate != kNoControl) upDownOfEdit_[row.associate] = row.id;
    controls_.push_back(std::move(c));
  }
  // An up/down control shows its position from the start, as the native one does.
  for (const Control& c : controls_) {
    if (c.kind == ControlKind::UpDown && c.associate != kNoControl) {
      controls_[c.associate].text = std::to_string(c.position);
    }
  }
}

ControlIndex ControlModel::Find(std::string_view name) const {
  for (const ControlSpec& row : design_) {
    if (row.name == name) return row.id;
  }
  return kNoControl;
}

void ControlModel::SetCaption(ControlIndex id, std::string_view caption) {
  if (At(id).caption == caption) return;
  At(id).caption = caption;
  Mark(id, change::kCaption);
}

void ControlModel::SetHint(ControlIndex id, std::string_view hint) {
  if (At(id).hint == hint) return;
  At(id).hint = hint;
  Mark(id, change::kHint);
}

void ControlModel::SetText(ControlIndex id, std::string_view text) {
  if (At(id).text == text) return;
  At(id).text = text;
  Mark(id, change::kText);
}

void ControlModel::SetVisible(ControlIndex id, bool visible) {
  if (At(id).visible == visible) return;
  At(id).visible = visible;
  Mark(id, change::kVisible);
}

void ControlModel::SetEnabled(ControlIndex id, bool enabled) {
  if (At(id).enabled == enabled) return;
  At(id).enabled = enabled;
  Mark(id, change::kEnabled);
}

void ControlModel::SetChecked(ControlIndex id, bool checked) {
  Control& c = At(id);
  if (checked && c.kind == ControlKind::RadioButton) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
      Control& o = controls_[i];
      const auto other = static_cast<ControlIndex>(i);
      if (other != id && o.kind == ControlKind::RadioButton && o.parent == c.parent && o.checked) {
        o.checked = false;
        Mark(other, change::kChecked);
      }
    }
  }
  if (c.checked == checked) return;
  c.checked = checked;
  Mark(id, change::kChecked);
}

void ControlModel::SetColour(ControlIndex id, Colour colour) {
  if (At(id).colour == colour) return;
  At(id).colour = colour;
  Mark(id, change::kColour);
}

void ControlModel::SetFontColour(ControlIndex id, Colour colour) {
  if (At(id).fontColour == colour) return;
  At(id).fontColour = colour;
  Mark(id, change::kFontColour);
}

void ControlModel::SetRect(ControlIndex id, Rect rect) {
  if (At(id).rect == rect) return;
  At(id).rect = rect;
  Mark(id, change::kGeometry);
}

void ControlModel::SetTop(ControlIndex id, int top) {
  Rect rect = At(id).rect;
  rect.top = top;
  SetRect(id, rect);
}

bool ControlModel::SetPosition(ControlIndex id, int position) {
  Control& c = At(id);
  position = std::clamp(position, c.min, std::max(c.min, c.max));
  const bool changed = c.position != position;
  if (changed) {
    c.position = position;
    Mark(id, change::kPosition);
  }
  if (c.kind == ControlKind::UpDown && c.associate != kNoControl) {
    SetText(c.associate, std::to_string(position));
  }
  return changed;
}

void ControlModel::SetRange(ControlIndex id, int min, int max) {
  Control& c = At(id);
  if (c.min == min && c.max == max) return;
  c.min = min;
  c.max = max;
  Mark(id, change::kPosition);
  SetPosition(id, c.position);
}

int ControlModel::ReadPosition(ControlIndex upDown) {
  Control& c = At(upDown);
  if (c.associate == kNoControl) return c.position;
  int typed = 0;
  if (ParseWholeNumber(controls_[c.associate].text, typed) && typed >= c.min && typed <= c.max &&
      typed != c.position) {
    c.position = typed;
    Mark(upDown, change::kPosition);
  }
  return c.position;
}

void ControlModel::StepUpDown(ControlIndex upDown, bool up) {
  const Control& c = At(upDown);
  const long next = static_cast<long>(ReadPosition(upDown)) + (up ? c.increment : -c.increment);
  SetPosition(upDown, static_cast<int>(std::clamp<long>(next, c.min, c.max)));
}

bool ControlModel::LeaveEdit(ControlIndex edit) {
  const ControlIndex upDown = upDownOfEdit_[edit];
  if (upDown == kNoControl) return true;
  const Control& u = At(upDown);
  int typed = 0;
  const bool accepted = ParseWholeNumber(At(edit).text, typed) && typed >= u.min && typed <= u.max;
  if (accepted) {
    SetPosition(upDown, typed);
  } else {
    SetText(edit, std::to_string(u.position));
  }
  return accepted;
}

void ControlModel::SetItem(ControlIndex id, std::size_t index, std::string_view text) {
  Control& c = At(id);
  if (index == c.items.size()) {
    c.items.emplace_back(text);
  } else if (index < c.items.size()) {
    c.items[index] = text;
    if (c.itemIndex == static_cast<int>(index)) {
      c.itemIndex = -1;
      Mark(id, change::kItemIndex);
    }
  } else {
    return;
  }
  Mark(id, change::kItems);
}

void ControlModel::SetItems(ControlIndex id, std::string_view lines) {
  Control& c = At(id);
  c.items.clear();
  for (std::string_view rest = lines; !rest.empty();) {
    const auto end = rest.find('\n');
    c.items.emplace_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
  }
  Mark(id, change::kItems);
  if (c.itemIndex >= static_cast<int>(c.items.size())) SetItemIndex(id, -1);
}

void ControlModel::SetItemIndex(ControlIndex id, int index) {
  Control& c = At(id);
  if (index < -1 || index >= ChoiceCount(id)) index = -1;
  if (c.itemIndex == index) return;
  c.itemIndex = index;
  Mark(id, change::kItemIndex);
}

int ControlModel::ChoiceCount(ControlIndex id) const {
  const Control& c = controls_[id];
  if (c.kind != ControlKind::Notebook) return static_cast<int>(c.items.size());
  return static_cast<int>(std::count_if(controls_.begin(), controls_.end(), [id](const Control& o) {
    return o.kind == ControlKind::Page && o.parent == id;
  }));
}

void ControlModel::SetFocus(ControlIndex id) {
  focus_ = id;
  if (id != kNoControl) Mark(id, change::kFocus);
}

bool ControlModel::Reachable(ControlIndex id) const {
  for (ControlIndex at = id; at != kNoControl; at = controls_[at].parent) {
    const Control& c = controls_[at];
    if (!c.visible || !c.enabled) return false;
    if (c.kind == ControlKind::Page) {
      // A page is shown when its place among the notebook's pages is the notebook's index.
      int index = 0;
      for (ControlIndex other = 0; other < at; ++other) {
        if (controls_[other].kind == ControlKind::Page && controls_[other].parent == c.parent) {
          ++index;
        }
      }
      if (controls_[c.parent].itemIndex != index) return false;
    }
  }
  return true;
}

ControlIndex ControlModel::NextInTabOrder(ControlIndex from) const {
  const std::size_t n = controls_.size();
  for (std::size_t step = 1; step < n; ++step) {
    const auto id = static_cast<ControlIndex>((from + step) % n);
    switch (controls_[id].kind) {
      case ControlKind::Edit:
      case ControlKind::CheckBox:
      case ControlKind::ComboBox:
      case ControlKind::RadioGroup:
      case ControlKind::RadioButton:
      case ControlKind::Button:
      case ControlKind::TrackBar:
        if (Reachable(id)) return id;
        break;
      default:
        break;
    }
  }
  return kNoControl;
}

std::uint32_t ControlModel::TakeChanges(ControlIndex id) {
  return std::exchange(At(id).changed, 0u);
}

void ControlModel::MarkAllChanged() {
  for (Control& c : controls_) c.changed = change::kAll;
}

}  // namespace zarvell::ui
