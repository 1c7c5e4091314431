#include <gtest/gtest.h>

#include "mapedit/sanitize_harness.h"

namespace zarvell::sanitize_testing {
namespace {

TEST(SanitizeFields, LobeNumbersNameALobeOfTheRotor) {
  AxisEditor editor;
  ParameterImage& image = editor.image;
  image[field::Synchro] = synchro::MissingLobe;
  image[field::PocPalcu] = 3;  // lowered from 7
  const std::uint8_t before[8] = {7, 0, 3, 4, 1, 2, 255, 0};
  for (std::size_t i = 0; i < 8; ++i) image[field::PalecZac + i] = before[i];
  editor.Pass();
  const std::uint8_t after[8] = {3, 1, 3, 3, 1, 2, 3, 1};
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(image[field::PalecZac + i], after[i]) << i;

  // A single lobe first sets the lobe count, then the lobe numbers follow it.
  image[field::Synchro] = synchro::SingleLobe;
  image[field::PocPalcu] = 12;
  image[field::PalecEnd + 3] = 5;
  editor.Pass();
  EXPECT_EQ(image[field::PocPalcu], 1);
  EXPECT_EQ(image[field::PalecEnd + 3], 1);
}

TEST(SanitizeFields, SecondPickupFlagsAreClearedForGoodWhenTheMethodCannotReadIt) {
  AxisEditor editor;
  ParameterImage& image = editor.image;
  auto setAllFlags = [&image] {
    for (std::size_t i = 0; i < field::kLobeFlags; ++i) image[field::PalecZacH2 + i] = 1;
  };
  auto flag = [&image](std::size_t first, std::size_t i) { return int{image[first + i]}; };

  for (const std::uint8_t keeping : {synchro::TwoPickupsMissingLobe, synchro::MorePickups}) {
    image[field::Synchro] = keeping;
    setAllFlags();
    editor.Pass();
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(flag(field::PalecZacP2, i), 1);
      EXPECT_EQ(flag(field::PalecEndP2, i), 1);
    }
  }

  image[field::Synchro] = synchro::InsertedLobe;  // 4 -> 1
  editor.Pass();
  image[field::Synchro] = synchro::TwoPickupsMissingLobe;  // and back
  editor.Pass();
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(flag(field::PalecZacP2, i), 0);
    EXPECT_EQ(flag(field::PalecEndP2, i), 0);
    EXPECT_EQ(flag(field::PalecZacH2, i), 1);  // the "2nd Edge" flags are not affected
    EXPECT_EQ(flag(field::PalecEndH2, i), 1);
  }
}

TEST(SanitizeFields, ServoAxisIsBoundedThenStrictlyIncreasing) {
  const AxisValues cases[][2] = {
      {{5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, {5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
      {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
      {{255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
       {191, 192, 193, 194, 195, 196, 197, 198, 199, 200}},
      {{250, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {191, 192, 193, 194, 195, 196, 197, 198, 199, 200}},
      {{12, 20, 30, 40, 60, 80, 100, 120, 140, 160}, {12, 20, 30, 40, 60, 80, 100, 120, 140, 160}},
  };
  for (const auto& [before, after] : cases) {
    AxisEditor editor;
    for (std::size_t i = 0; i < 10; ++i) {
      editor.image[field::SERVO_RPM + i] = static_cast<std::uint8_t>(before[i]);
    }
    editor.Pass();
    for (std::size_t i = 0; i < 10; ++i) {
      EXPECT_EQ(editor.image[field::SERVO_RPM + i], after[i]) << "point " << i;
    }
  }
}

TEST(SanitizeFields, ApplicationIndicesOutOfRangeFallBackToTheFirst) {
  struct Case {
    std::uint8_t language, comPort, autoPort;
    std::uint8_t expectedLanguage, expectedComPort, expectedAutoPort;
  };
  const Case cases[] = {
      {3, 30, 29, 3, 30, 29},
      {4, 31, 30, 0, 0, 0},
      {255, 255, 255, 0, 0, 0},
  };
  for (const Case& c : cases) {
    AxisEditor editor;
    editor.language = c.language;
    editor.comPort = c.comPort;
    editor.autoPort = c.autoPort;
    editor.Pass();
    EXPECT_EQ(editor.language, c.expectedLanguage);
    EXPECT_EQ(editor.comPort, c.expectedComPort);
    EXPECT_EQ(editor.autoPort, c.expectedAutoPort);
  }
}

}  // namespace
}  // namespace zarvell::sanitize_testing
