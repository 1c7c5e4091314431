// The undo and redo history: a ring of whole snapshots of the image's editable block, each with
// the notebook page that was shown when it was taken, so an undo also takes the user back to
// where the change was made.
#pragma once

#include <array>
#include <cstdint>

#include "params/image.h"

namespace zarvell {

class UndoHistory {
 public:
  static constexpr int kSlots = 200;  // so at most 199 steps can be undone

  struct Snapshot {
    std::array<std::uint8_t, ParameterImage::kBlockSize> block{};
    std::uint8_t page = 0;
  };

  // Empties the history and puts `image` in slot 0.
  void Init(const ParameterImage& image, std::uint8_t page);
  // Records `image` when any byte differs from the current snapshot (the page alone does not
  // count). Recording after an undo drops the redo branch; a full ring drops its oldest
  // snapshot. True when the image had changed.
  bool Record(const ParameterImage& image, std::uint8_t page);

  bool CanUndo() const { return current_ != oldest_; }
  bool CanRedo() const { return current_ != newest_; }
  // Step to the previous or next snapshot; false (and no step) at either end.
  bool StepBack();
  bool StepForward();
  const Snapshot& Current() const { return slots_[current_]; }

  // The program-after-change option: whether this snapshot step programs the unit. It does
  // when the image changed, and on every step after one taken with the box ticked.
  bool ProgramAfterChange(bool changed, bool boxTicked);

  std::uint16_t oldest() const { return oldest_; }
  std::uint16_t current() const { return current_; }
  std::uint16_t newest() const { return newest_; }

 private:
  void Store(const ParameterImage& image, std::uint8_t page);

  std::array<Snapshot, kSlots> slots_{};
  std::uint16_t oldest_ = 0;
  std::uint16_t current_ = 0;
  std::uint16_t newest_ = 0;
  bool programPending_ = false;
};

}  // namespace zarvell
