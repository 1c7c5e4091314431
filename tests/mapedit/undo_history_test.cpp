#include "mapedit/undo_history.h"

#include <gtest/gtest.h>

namespace zarvell {
namespace {

ParameterImage WithLimiter(int value) {
  ParameterImage image;
  image[field::LIMITER] = static_cast<std::uint8_t>(value);
  image[field::LIMITER + 1] = static_cast<std::uint8_t>(value >> 8);
  return image;
}

int Limiter(const UndoHistory& history) {
  return history.Current().block[field::LIMITER] | history.Current().block[field::LIMITER + 1] << 8;
}

TEST(UndoHistory, StartsWithNothingToUndoOrRedo) {
  UndoHistory history;
  history.Init(WithLimiter(0), 1);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.CanRedo());
  EXPECT_FALSE(history.StepBack());
  EXPECT_FALSE(history.StepForward());
}

TEST(UndoHistory, OnlyAChangedImageIsRecordedAndThePageComesWithIt) {
  UndoHistory history;
  history.Init(WithLimiter(0), 1);
  EXPECT_FALSE(history.Record(WithLimiter(0), 3));  // the page alone is no change
  EXPECT_TRUE(history.Record(WithLimiter(1), 2));
  ParameterImage spare = WithLimiter(1);
  spare[ParameterImage::kSize] = 9;  // the spare bytes belong to the snapshot too
  EXPECT_TRUE(history.Record(spare, 2));
  EXPECT_TRUE(history.StepBack());
  EXPECT_EQ(history.Current().page, 2);
  EXPECT_TRUE(history.StepBack());
  EXPECT_EQ(history.Current().page, 1);
  EXPECT_EQ(Limiter(history), 0);
}

TEST(UndoHistory, AFullRingKeeps199StepsBack) {
  UndoHistory history;
  history.Init(WithLimiter(0), 0);
  for (int change = 1; change <= 250; ++change) ASSERT_TRUE(history.Record(WithLimiter(change), 0));
  int steps = 0;
  while (history.StepBack()) {
    ++steps;
    ASSERT_EQ(Limiter(history), 250 - steps);
  }
  EXPECT_EQ(steps, 199);
  EXPECT_EQ(Limiter(history), 51);
  EXPECT_EQ(history.current(), history.oldest());
  // And all the way forward again, across the ring's end.
  while (history.StepForward()) ++steps;
  EXPECT_EQ(steps, 398);
  EXPECT_EQ(Limiter(history), 250);
}

TEST(UndoHistory, AChangeAfterUndoDropsTheRedoBranch) {
  UndoHistory history;
  history.Init(WithLimiter(0), 0);
  for (int change = 1; change <= 5; ++change) history.Record(WithLimiter(change), 0);
  for (int i = 0; i < 3; ++i) history.StepBack();
  EXPECT_EQ(Limiter(history), 2);
  EXPECT_TRUE(history.CanRedo());
  history.Record(WithLimiter(99), 0);
  EXPECT_FALSE(history.CanRedo());
  EXPECT_FALSE(history.StepForward());
  history.StepBack();
  EXPECT_EQ(Limiter(history), 2);
  history.StepForward();
  EXPECT_EQ(Limiter(history), 99);
}

TEST(UndoHistory, ProgramAfterChangeProgramsChangesThenEveryStepUntilUnticked) {
  UndoHistory history;
  EXPECT_FALSE(history.ProgramAfterChange(true, false));
  // Ticking the box programs only when something changed ...
  EXPECT_FALSE(history.ProgramAfterChange(false, true));
  // ... and from then on every step programs, changed or not.
  EXPECT_TRUE(history.ProgramAfterChange(false, true));
  EXPECT_TRUE(history.ProgramAfterChange(true, true));
  EXPECT_FALSE(history.ProgramAfterChange(false, false));
  EXPECT_FALSE(history.ProgramAfterChange(false, true));
  EXPECT_TRUE(history.ProgramAfterChange(true, true) && history.ProgramAfterChange(false, true));
}

}  // namespace
}  // namespace zarvell
