// What the window's parts ask of the window's edit path, so that every change of the image,
// wherever it starts, is committed, validated, shown and recorded the same way.
#pragma once

#include <cstdint>

namespace zarvell {

class EditPath {
 public:
  // The fields committed into the image (the view rules follow them).
  virtual void CommitControls() = 0;
  // The validation pass over the image, with the window's memory of the RPM axis.
  virtual void Validate() = 0;
  // The image was changed directly: validated, shown, recorded for undo, graphs laid out
  // again on the next tick.
  virtual void ApplyImageEdit() = 0;
  // The fields committed into the image, validated and shown again, with no undo step: a
  // transfer sends what the fields show.
  virtual void CommitForTransfer() = 0;
  // An image that came from outside or was stepped by the wheel, validated and shown, with no
  // undo step.
  virtual void ShowArrivedImage() = 0;
  // A drag step on the graph: validated with breakpoint `pin` held where the drag put it
  // (a column, kPinNone or kPinFindMoved), then shown; the release takes the snapshot.
  virtual void ShowDraggedImage(int pin) = 0;
  // An undo snapshot of the image as it stands.
  virtual void TakeSnapshot() = 0;
  // The image is no longer the file that was open.
  virtual void ForgetFileName() = 0;
  // A whole new set is in the image (New, a bike preset, an opened file, a read, an undo
  // step): what belonged to the previous set (the breakpoints the validation pushed and would
  // let spring back) is forgotten. Every path that replaces the set comes through here.
  virtual void ForgetPreviousSet() = 0;
  // A whole new set was put in the image by an edit (New, a preset, an opened file): the
  // previous set forgotten, then validated, shown and recorded for undo.
  virtual void AfterNewSet() = 0;
  // Bits of the window's redraw word for the next tick (kRedrawRepaint, kRedrawRelayout).
  virtual void RequestRedraw(std::uint32_t bits) = 0;

 protected:
  ~EditPath() = default;
};

}  // namespace zarvell
