// The window's limits as a gate for sets from files: every set the window itself makes passes,
// and one value out of range of each kind of control is caught, named and brought back.
#include "params/set_limits.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "params/presets.h"

namespace zarvell {
namespace {

TEST(SetLimits, EverySetTheWindowStartsWithPasses) {
  for (int code = 0; code < kBikeCount; ++code) {
    const ParameterImage image = DefaultImage(static_cast<std::uint8_t>(code));
    for (const FieldOutOfRange& f : FieldsOutOfRange(image)) {
      ADD_FAILURE() << "bike " << code << ": " << Describe(f);
    }
  }
}

TEST(SetLimits, EachKindOfFieldOutOfRangeIsNamedWithItsLimits) {
  const ParameterImage startup = DefaultImage(20);
  struct Case {
    std::size_t byte;
    std::uint8_t value;
    const char* described;
  };
  const Case cases[] = {
      {field::LIMITER, 255, "LIMITER 25500 rpm (allowed 999 to 25000 rpm)"},
      {field::LIMITER, 5, "LIMITER 500 rpm (allowed 999 to 25000 rpm)"},
      {field::AdvanceCell(3, 7), 128, "ADVANCE[3][7] 128 ° (allowed 0 to 60 °)"},
      {field::RpmKorekce, 200, "RpmKorekce 100 % (allowed -60 to 60 %)"},
      {field::Tps100, 240, "Tps100 4900 mV (allowed 2500 to 4750 mV)"},
      {field::PocKanalu, 0, "PocKanalu 0 (allowed 1 to 4)"},
      {field::EXCITATION, 2, "EXCITATION 2 (allowed 0 to 1)"},
      {field::BIKE, 255, "BIKE 255 (allowed 0 to 37)"},
      {field::Synchro, 13, "Synchro 13 (allowed 0 to 12)"},
      {field::GEBER_MODE, 5, "GEBER_MODE 5 (allowed 0 to 4)"},
      {field::Input1, 3, "Input1 3 (allowed 0 to 2)"},
  };
  for (const Case& c : cases) {
    ParameterImage image = startup;
    image[c.byte] = c.value;
    const std::vector<FieldOutOfRange> found = FieldsOutOfRange(image);
    // With a code no bike has, the start-up set's lobe 0 of unused channels no longer passes.
    ASSERT_FALSE(found.empty()) << c.described;
    if (c.byte != field::BIKE) {
      EXPECT_EQ(found.size(), 1u) << c.described;
    }
    EXPECT_EQ(found[0].byte, c.byte);
    EXPECT_EQ(Describe(found[0]), c.described);
  }
  // The lowest limiter the control holds, 999 rpm, is stored as 9 hundreds: that passes.
  ParameterImage low = startup;
  low[field::LIMITER] = 9;
  EXPECT_TRUE(FieldsOutOfRange(low).empty());
  // Bike 22 starts with no outputs, which its start-up set may hold and another bike's not.
  ParameterImage special = DefaultImage(22);
  ASSERT_EQ(special[field::PocKanalu], 0);
  EXPECT_TRUE(FieldsOutOfRange(special).empty());
  special[field::BIKE] = 20;
  const std::vector<FieldOutOfRange> found = FieldsOutOfRange(special);
  EXPECT_TRUE(std::any_of(found.begin(), found.end(),
                          [](const FieldOutOfRange& f) { return f.name == "PocKanalu"; }));
}

}  // namespace
}  // namespace zarvell
