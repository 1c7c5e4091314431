#include "mapedit/parameter_set.h"

#include <gtest/gtest.h>

#include "params/presets.h"

namespace zarvell {
namespace {

// A breakpoint pushed by the validation of one set must not spring back into the next: a new
// set, whether it replaces the image or was written into it, starts with nothing remembered.
TEST(ParameterSet, ANewSetForgetsThePushedBreakpointsOfTheOld) {
  AxisAnchor anchor;
  for (const bool inPlace : {false, true}) {
    SCOPED_TRACE(inPlace ? "in place" : "replaced");
    ParameterSet set;
    set.Replace(DefaultImage(kStartupBike));
    set.Validate(anchor);
    set.image[field::RPM_ADV + 2] = 45;  // over breakpoint 3 (40): pushes it to 46
    set.axisMemory.pinRequest = kPinFindMoved;
    set.Validate(anchor);
    ASSERT_EQ(set.image[field::RPM_ADV + 3], 46);
    ASSERT_EQ(set.axisMemory.pushed[3], 1);

    // The new set has breakpoint 2 at 30 and breakpoint 3 where the push left the old one's.
    ParameterImage next = DefaultImage(kStartupBike);
    next[field::RPM_ADV + 3] = 46;
    if (inPlace) {
      set.image = next;
      set.NewSetInPlace();
    } else {
      set.Replace(next);
    }
    EXPECT_EQ(set.image, next);
    EXPECT_EQ(set.axisMemory.pushed, (std::array<int, 10>{}));
    EXPECT_EQ(set.axisMemory.pinRequest, kPinNone);

    // Breakpoint 2 is below 40 again, but breakpoint 3 is the new set's own value: the old
    // set's 40 does not come back.
    set.axisMemory.pinRequest = kPinFindMoved;
    set.Validate(anchor);
    EXPECT_EQ(set.image[field::RPM_ADV + 3], 46);
  }
}

}  // namespace
}  // namespace zarvell
