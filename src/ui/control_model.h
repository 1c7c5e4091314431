// The live controls of one window, built from its design table, and the semantics a toolkit
// would give them: an up/down control clamps its position and writes it into its edit box, a
// combo box drops its selection when the selected entry is replaced, radio buttons of one
// parent exclude each other. Every setter marks what it changed, so a renderer copies only
// that.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace zarvell::ui {

class ControlModel {
 public:
  explicit ControlModel(std::span<const ControlSpec> design);

  std::size_t size() const { return controls_.size(); }
  const Control& operator[](ControlIndex id) const { return controls_[id]; }
  std::string_view Name(ControlIndex id) const { return design_[id].name; }
  const ControlSpec& Design(ControlIndex id) const { return design_[id]; }
  // kNoControl when no control has that name.
  ControlIndex Find(std::string_view name) const;

  void SetCaption(ControlIndex id, std::string_view caption);
  void SetHint(ControlIndex id, std::string_view hint);
  void SetText(ControlIndex id, std::string_view text);
  void SetVisible(ControlIndex id, bool visible);
  void SetEnabled(ControlIndex id, bool enabled);
  // A radio button that becomes checked unchecks the radio buttons of the same parent.
  void SetChecked(ControlIndex id, bool checked);
  void SetColour(ControlIndex id, Colour colour);
  void SetFontColour(ControlIndex id, Colour colour);
  void SetRect(ControlIndex id, Rect rect);
  void SetTop(ControlIndex id, int top);

  // Up/down control, track bar, gauge: the position is clamped to min..max; an up/down control
  // then writes it, in decimal, into its associated edit box. Returns true when it changed.
  bool SetPosition(ControlIndex id, int position);
  void SetRange(ControlIndex id, int min, int max);
  // The position an up/down control stands for right now. Like the native control, it reads
  // its edit box first: a whole number inside the range there becomes the position; any other
  // text leaves the previous position.
  int ReadPosition(ControlIndex upDown);
  // One click on an arrow: read the edit box as above, then step by the increment, clamped.
  void StepUpDown(ControlIndex upDown, bool up);
  // The focus leaves an edit box: a whole number inside the range of its up/down control is
  // taken; anything else puts the previous number back. False when the text was refused.
  bool LeaveEdit(ControlIndex edit);
  // The up/down control whose associate is this edit box, or kNoControl.
  ControlIndex UpDownOf(ControlIndex edit) const { return upDownOfEdit_[edit]; }

  // Combo box: writing at a position replaces that entry (dropping the selection when that
  // entry was selected, as the native list does), writing just past the end appends; any
  // other position is ignored.
  void SetItem(ControlIndex id, std::size_t index, std::string_view text);
  // Radio group: the whole item list, one item per line. The checked item stays when it still
  // exists.
  void SetItems(ControlIndex id, std::string_view lines);
  // Combo box and radio group entry, or a notebook's page. -1 selects nothing; so does an
  // index past the list.
  void SetItemIndex(ControlIndex id, int index);
  // The entries of a list, or the pages of a notebook.
  int ChoiceCount(ControlIndex id) const;

  // Keyboard focus. Moving it marks the control that takes it, even when it had it already,
  // since the user may have clicked elsewhere meanwhile.
  ControlIndex focus() const { return focus_; }
  void SetFocus(ControlIndex id);
  // The control after `from` in tab order (design order) that can take the focus: an edit
  // box, check box, list, radio button, button or track bar that the user can reach, on the
  // page shown. Wraps around; kNoControl when there is none.
  ControlIndex NextInTabOrder(ControlIndex from) const;
  // Visible and enabled, and so are its parents; a notebook page only while it is shown.
  bool Reachable(ControlIndex id) const;

  // Change marks, for renderers.
  std::uint32_t TakeChanges(ControlIndex id);
  void MarkAllChanged();

 private:
  Control& At(ControlIndex id) { return controls_[id]; }
  void Mark(ControlIndex id, std::uint32_t bits) { controls_[id].changed |= bits; }

  std::vector<Control> controls_;
  std::span<const ControlSpec> design_;  // static tables that outlive the model
  std::vector<ControlIndex> upDownOfEdit_;
  ControlIndex focus_ = kNoControl;
};

}  // namespace zarvell::ui
