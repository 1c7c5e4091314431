#include "mapedit/undo_history.h"

#include <algorithm>

namespace zarvell {

namespace {
std::uint16_t Next(std::uint16_t slot) {
  return static_cast<std::uint16_t>((slot + 1) % UndoHistory::kSlots);
}
}  // namespace

void UndoHistory::Store(const ParameterImage& image, std::uint8_t page) {
  slots_[current_].block = image.block;
  slots_[current_].page = page;
}

void UndoHistory::Init(const ParameterImage& image, std::uint8_t page) {
  oldest_ = current_ = newest_ = 0;
  Store(image, page);
}

bool UndoHistory::Record(const ParameterImage& image, std::uint8_t page) {
  if (std::ranges::equal(image.block, slots_[current_].block)) return false;
  current_ = Next(current_);
  newest_ = current_;
  if (oldest_ == current_) oldest_ = Next(oldest_);
  Store(image, page);
  return true;
}

bool UndoHistory::StepBack() {
  if (!CanUndo()) return false;
  current_ = static_cast<std::uint16_t>(current_ == 0 ? kSlots - 1 : current_ - 1);
  return true;
}

bool UndoHistory::StepForward() {
  if (!CanRedo()) return false;
  current_ = Next(current_);
  return true;
}

bool UndoHistory::ProgramAfterChange(bool changed, bool boxTicked) {
  const bool program = boxTicked && (changed || programPending_);
  programPending_ = boxTicked;
  return program;
}

}  // namespace zarvell
