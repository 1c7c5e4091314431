// Random images and random edit sequences: after every pass the image satisfies its invariants,
// and a pass that is told nothing changes nothing.
#include <gtest/gtest.h>

#include <random>

#include "mapedit/sanitize_harness.h"

namespace zarvell::sanitize_testing {
namespace {

// The bytes the pass may change; everything else must come through untouched.
bool MayChange(std::size_t byte) {
  using namespace field;
  return byte == PocPalcu || byte == PocKanalu || byte == Tps0 || byte == Tps100 ||
         (byte >= PalecZac && byte < PalecEnd + 4) ||
         (byte >= PalecZacP2 && byte < PalecEndP2 + 4) ||
         (byte >= SERVO_RPM && byte < SERVO_RPM + 10) || (byte >= RPM_ADV && byte < RPM_ADV + 10);
}

// The ordering around anchor k: the anchor within its bounds and above its lower and below its
// upper neighbour, and every pushed breakpoint exactly one unit beyond its neighbour on the
// anchor's side.
void ExpectAxisOrdered(const AxisEditor& editor) {
  const AxisValues axis = editor.Axis();
  const int k = editor.anchor.axisAnchor;
  ASSERT_GE(k, 0);
  ASSERT_LE(k, 9);
  EXPECT_GE(axis[k], k + 3);
  EXPECT_LE(axis[k], k + 190);
  EXPECT_FALSE(editor.memory.pushed[k]);
  if (k > 0) {
    EXPECT_LT(axis[k - 1], axis[k]);
  }
  if (k < 9) {
    EXPECT_GT(axis[k + 1], axis[k]);
  }
  for (int i = 0; i < 10; ++i) {
    if (!editor.memory.pushed[i]) continue;
    const int towardsAnchor = i < k ? i + 1 : i - 1;
    EXPECT_EQ(axis[i], axis[towardsAnchor] + (i < k ? -1 : 1)) << "breakpoint " << i;
  }
}

void ExpectPassChangesNothing(const AxisEditor& editor) {
  AxisEditor again = editor;
  again.memory.pinRequest = -1;
  again.Pass();
  EXPECT_EQ(again.image, editor.image);
  EXPECT_EQ(again.memory.pushed, editor.memory.pushed);
  EXPECT_EQ(again.memory.remembered, editor.memory.remembered);
  EXPECT_EQ(again.anchor.axisAnchor, editor.anchor.axisAnchor);
}

class Random {
 public:
  int Below(int n) { return static_cast<int>(engine_() % static_cast<unsigned>(n)); }
  std::uint8_t Byte() { return static_cast<std::uint8_t>(Below(256)); }
  // Values that make the rules work: the ends of the byte range, the bounds, ordinary speeds.
  std::uint8_t AxisValue() {
    static constexpr std::uint8_t kEdges[] = {0, 1, 2, 3, 12, 190, 191, 199, 200, 201, 254, 255};
    return Below(3) == 0 ? kEdges[Below(static_cast<int>(std::size(kEdges)))] : Byte();
  }

 private:
  std::mt19937 engine_{20240611};
};

TEST(SanitizeProperty, RandomImagesSatisfyTheInvariants) {
  Random random;
  for (int round = 0; round < 3000; ++round) {
    SCOPED_TRACE(round);
    AxisEditor editor;
    for (std::size_t i = 0; i < ParameterImage::kBlockSize; ++i) editor.image[i] = random.Byte();
    for (std::size_t i = 0; i < 10; ++i) editor.image[field::RPM_ADV + i] = random.AxisValue();
    if (random.Below(2) == 0) {
      for (std::size_t i = 0; i < 10; ++i) editor.image[field::SERVO_RPM + i] = random.AxisValue();
    }
    editor.image[field::Synchro] = static_cast<std::uint8_t>(random.Below(14));
    editor.anchor.axisAnchor = random.Below(10);
    for (std::uint8_t& b : editor.anchor.previousAxis) b = random.AxisValue();
    ResetAxisMemory(editor.memory);
    editor.memory.pinRequest = random.Below(12) - 2;
    const ParameterImage before = editor.image;
    const AxisValues axisBefore = editor.Axis();
    const int pin = editor.memory.pinRequest;

    editor.Pass();

    const ParameterImage& image = editor.image;
    for (std::size_t i = 0; i < ParameterImage::kBlockSize; ++i) {
      if (!MayChange(i)) {
        EXPECT_EQ(image[i], before[i]) << "byte " << i;
      }
    }
    if (pin >= 0) {
      EXPECT_EQ(editor.anchor.axisAnchor, pin);
    }
    ExpectAxisOrdered(editor);
    // Away from the anchor and the chains it pushed, the axis is left as it was.
    const AxisValues axis = editor.Axis();
    for (int i = 0; i < 10; ++i) {
      if (editor.memory.pushed[i]) {
        EXPECT_EQ(editor.memory.remembered[i], axisBefore[i]);
      } else if (i != editor.anchor.axisAnchor) {
        EXPECT_EQ(axis[i], axisBefore[i]) << "breakpoint " << i;
      }
    }
    for (int i = 0; i < 10; ++i) EXPECT_EQ(editor.anchor.previousAxis[i], axis[i]);

    EXPECT_EQ(image[field::Tps0], std::min<int>(before[field::Tps0], 250));
    EXPECT_EQ(image[field::Tps100], std::min<int>(before[field::Tps100], 250));
    EXPECT_EQ(image[field::PocKanalu], std::min<int>(before[field::PocKanalu], 4));
    const int lobes = image[field::PocPalcu];
    if (image[field::Synchro] == synchro::SingleLobe) {
      EXPECT_EQ(lobes, 1);
    }
    for (std::size_t i = 0; i < 8; ++i) {
      const int lobe = image[field::PalecZac + i];
      const int was = before[field::PalecZac + i];
      EXPECT_EQ(lobe, was == 0 ? 1 : std::max(1, std::min(was, lobes))) << "lobe byte " << i;
      const bool keep = synchro::UsesSecondPickup(image[field::Synchro]);
      EXPECT_EQ(image[field::PalecZacP2 + i], keep ? before[field::PalecZacP2 + i] : 0);
    }
    for (int i = 0; i < 10; ++i) {
      const int point = image[field::SERVO_RPM + i];
      EXPECT_GE(point, i + 3);
      EXPECT_LE(point, i + 191);
      if (i > 0) {
        EXPECT_GT(point, image[field::SERVO_RPM + i - 1]);
      }
    }

    ExpectPassChangesNothing(editor);
    if (::testing::Test::HasFailure()) return;
  }
}

TEST(SanitizeProperty, RandomEditSequencesKeepTheAxisOrdered) {
  Random random;
  for (int sequence = 0; sequence < 300; ++sequence) {
    AxisValues startUp{};
    for (int& value : startUp) value = random.AxisValue();
    AxisEditor editor(random.Below(2) == 0 ? startUp : kTensAxis);
    for (int step = 0; step < 30; ++step) {
      SCOPED_TRACE(::testing::Message() << "sequence " << sequence << " step " << step);
      // The controls reach 199 .. 20100 rpm; a drag stays within the graph.
      const int breakpoint = random.Below(10);
      const int value = 1 + random.Below(201);
      if (random.Below(4) == 0) {
        editor.Drag(breakpoint, value);
      } else {
        editor.Commit(breakpoint, value);
      }
      ExpectAxisOrdered(editor);
      ExpectPassChangesNothing(editor);
      if (::testing::Test::HasFailure()) return;
    }
  }
}

}  // namespace
}  // namespace zarvell::sanitize_testing
