#include "params/presets.h"

#include <gtest/gtest.h>

#include <random>

#include "mapedit/sanitize.h"
#include "mapedit/startup_image.h"

namespace zarvell {
namespace {

using namespace field;

std::vector<int> Bytes(const ParameterImage& image, std::size_t first, std::size_t count) {
  return {image.block.begin() + static_cast<std::ptrdiff_t>(first),
          image.block.begin() + static_cast<std::ptrdiff_t>(first + count)};
}

// Each row's channel texts are written out here again, so that a slip in either the table or
// the channel parser shows up.
TEST(ChannelNotation, ReadsLobesAndFlagLetters) {
  constexpr ChannelPreset c = Channel("5ep/16p");
  EXPECT_TRUE(c.written);
  EXPECT_EQ(c.maxAdvance.lobe, 5);
  EXPECT_TRUE(c.maxAdvance.secondEdge);
  EXPECT_TRUE(c.maxAdvance.secondPickup);
  EXPECT_EQ(c.startAdvance.lobe, 16);
  EXPECT_FALSE(c.startAdvance.secondEdge);
  EXPECT_TRUE(c.startAdvance.secondPickup);
  EXPECT_FALSE(Channel("-").written);
}

TEST(Presets, EveryCodeStartsFromTheDefaultSetThePresetAndTheValidation) {
  for (const BikePreset& row : BikePresets()) {
    SCOPED_TRACE(row.entry);
    const ParameterImage image = StartupImage(row.code);

    // Fields only the default set writes (a preset's "other" fields may override them).
    ParameterImage defaults;
    defaults[EXCITATION] = 1;
    defaults[GEBER_MODE] = 1;
    defaults[SERVO_ENABLE] = 0;
    defaults[InvInput1] = 0;
    defaults[InvInput2] = 0;
    defaults[PICKUPS_INTERCHANGE] = 0;
    defaults[SPECIAL_START] = 0;
    for (std::size_t i = 0; i < row.otherCount; ++i)
      defaults[row.other[i].byte] = row.other[i].value;
    for (std::size_t byte : {EXCITATION, GEBER_MODE, SERVO_ENABLE, InvInput1, InvInput2,
                             PICKUPS_INTERCHANGE, SPECIAL_START}) {
      EXPECT_EQ(image[byte], defaults[byte]) << "byte " << byte;
    }
    EXPECT_EQ(image[BASE_ADV], 10);
    EXPECT_EQ(image[LIMITER], 110);
    EXPECT_EQ(image[PILOT_LIGHT], 90);
    EXPECT_EQ(image[Tps0], 70);
    EXPECT_EQ(image[Tps100], 129);
    EXPECT_EQ(image[SERVO_HYSTER], 20);
    EXPECT_EQ(image[RpmKorekce], 100);
    EXPECT_EQ(image[PocSynchro], 1);
    EXPECT_EQ(Bytes(image, Kompenz, 4), (std::vector<int>{11, 11, 11, 11}));
    EXPECT_EQ(image[ClutchTime], 10);
    EXPECT_EQ(image[ClutchPause], 50);
    EXPECT_EQ(Bytes(image, RPM_ADV, 10),
              (std::vector<int>{15, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(Bytes(image, AdvanceCell(5, 0), 10),
              (std::vector<int>{10, 12, 16, 25, 28, 30, 33, 32, 32, 32}));
    EXPECT_EQ(image[AdvanceCell(9, 9)], 32);

    // Fields the default set writes by bike code.
    if (row.rpmPulsu != kKeep) {
      EXPECT_EQ(image[RpmPulsu], row.rpmPulsu);
    }
    EXPECT_EQ(image[Input1], row.input1);
    EXPECT_EQ(image[Input2], 0);
    EXPECT_EQ(image[InNeutralSs], row.inNeutralSs);

    if (row.code == SpecialBike) {
      // Nothing of the synchronization is written; validation turns the zero lobes into 1.
      EXPECT_EQ(Bytes(image, Synchro, 3), (std::vector<int>{0, 1, 0}));
      continue;
    }
    // The preset, as the validation leaves it.
    EXPECT_EQ(image[Synchro], row.synchro);
    EXPECT_EQ(image[PocPalcu], row.synchro == synchro::SingleLobe ? 1 : row.pocPalcu);
    EXPECT_EQ(image[PocKanalu], row.pocKanalu);
    const bool pickupFlagsKept = synchro::UsesSecondPickup(static_cast<std::uint8_t>(row.synchro));
    for (std::size_t n = 0; n < kChannels; ++n) {
      SCOPED_TRACE(n);
      const ChannelPreset& ch = row.channels[n];
      const int zac = ch.written ? std::min<int>(ch.maxAdvance.lobe, image[PocPalcu]) : 1;
      const int end = ch.written ? std::min<int>(ch.startAdvance.lobe, image[PocPalcu]) : 1;
      EXPECT_EQ(image[PalecZac + n], zac);
      EXPECT_EQ(image[PalecEnd + n], end);
      EXPECT_EQ(image[PalecZacH2 + n], ch.maxAdvance.secondEdge ? 1 : 0);
      EXPECT_EQ(image[PalecEndH2 + n], ch.startAdvance.secondEdge ? 1 : 0);
      EXPECT_EQ(image[PalecZacP2 + n], ch.maxAdvance.secondPickup && pickupFlagsKept ? 1 : 0);
      EXPECT_EQ(image[PalecEndP2 + n], ch.startAdvance.secondPickup && pickupFlagsKept ? 1 : 0);
    }
  }
}

TEST(Presets, DefaultSetByBikeCode) {
  // Tachometer pulses and input 1 depend on the bike; written out here independently.
  const std::vector<int> onePulse = {7,  8,  9,  10, 11, 12, 13, 14, 21,
                                     23, 26, 28, 29, 30, 34, 35, 36, 37};
  const std::vector<int> blocking = {0, 2, 15, 18, 19, 20, 21, 25, 27};
  for (int code = 0; code < kBikeCount; ++code) {
    if (code == SpecialBike) continue;
    const ParameterImage image = StartupImage(static_cast<std::uint8_t>(code));
    const bool one = std::find(onePulse.begin(), onePulse.end(), code) != onePulse.end();
    EXPECT_EQ(image[RpmPulsu], code == 4 ? 4 : one ? 1 : 2) << code;
    const bool blocks = std::find(blocking.begin(), blocking.end(), code) != blocking.end();
    EXPECT_EQ(image[Input1], code == 17 ? 1 : blocks ? 2 : 0) << code;
    EXPECT_EQ(image[InNeutralSs], code == 2 ? 1 : 0) << code;
  }
  // The Yamaha R1 has its own servo curve; every other bike the common one.
  const ParameterImage r1 = StartupImage(19);
  EXPECT_EQ(Bytes(r1, SERVO_RPM, 10), (std::vector<int>{3, 4, 41, 46, 65, 70, 75, 83, 90, 105}));
  EXPECT_EQ(Bytes(r1, SERVO_MV, 10), (std::vector<int>{30, 45, 45, 61, 61, 64, 68, 80, 93, 93}));
  const ParameterImage r6 = StartupImage(20);
  EXPECT_EQ(Bytes(r6, SERVO_RPM, 10),
            (std::vector<int>{12, 20, 30, 40, 60, 80, 100, 120, 140, 160}));
  EXPECT_EQ(Bytes(r6, SERVO_MV, 10),
            (std::vector<int>{100, 105, 110, 115, 120, 125, 130, 135, 140, 145}));
}

TEST(Presets, LeaveReservedAndSpareBytesAlone) {
  std::mt19937 random(7);
  for (int code = 0; code < 256; ++code) {
    ParameterImage image;
    for (auto& byte : image.block) byte = static_cast<std::uint8_t>(random());
    image[BIKE] = static_cast<std::uint8_t>(code);
    const ParameterImage before = image;
    bool bikeChanged = true;
    LoadDefaults(image, bikeChanged);
    EXPECT_FALSE(bikeChanged);
    for (std::size_t byte = 0; byte < ParameterImage::kBlockSize; ++byte) {
      if (IsReserved(byte) || byte >= ParameterImage::kSize || byte == BIKE) {
        EXPECT_EQ(image[byte], before[byte]) << "code " << code << " byte " << byte;
      }
    }
  }
}

// A bike change answered "No": only the preset runs over the previous bike's set.
TEST(BikeChange, PresetAloneKeepsWhatItDoesNotWrite) {
  ParameterImage image = StartupImage(5);
  ASSERT_EQ(Bytes(image, PalecZacH2 + 1, 1), (std::vector<int>{1}));
  ASSERT_EQ(image[PalecZacP2 + 1], 1);  // Synchro 4 keeps code 5's "2nd Pick-up" flags
  image[BIKE] = 8;
  bool bikeChanged = true;
  ApplyBikePreset(image, bikeChanged);
  EXPECT_FALSE(bikeChanged);
  AxisMemory memory;
  AxisAnchor anchor;
  std::uint8_t language = 0, com = 0, autoPort = 0;
  SanitizeImage(image, memory, anchor, {language, com, autoPort});
  EXPECT_EQ(image[PalecZac + 1], 3);
  EXPECT_EQ(image[PalecEnd + 1], 4);
  EXPECT_EQ(image[PalecZacH2 + 1], 1);  // left from code 5
  EXPECT_EQ(image[PalecEndH2 + 1], 1);
  EXPECT_EQ(image[PalecZacP2 + 1], 0);  // Synchro 3 allows no second pick-up
  EXPECT_EQ(image[PalecEndP2 + 1], 0);
  EXPECT_EQ(image[PICKUPS_INTERCHANGE], 1);  // code 8 does not write it
}

TEST(BikeChange, CodesFourteenEighteenAndTwentyLoadTheDefaultSetAnyway) {
  for (const std::uint8_t code :
       {std::uint8_t{14}, std::uint8_t{18}, std::uint8_t{20}, std::uint8_t{19}}) {
    ParameterImage image = StartupImage(3);
    image[LIMITER] = 150;
    image[AdvanceCell(9, 9)] = 5;
    image[BIKE] = code;
    bool bikeChanged = true;
    ApplyBikePreset(image, bikeChanged);
    const bool defaultFirst = code != 19;
    EXPECT_EQ(image[LIMITER], defaultFirst ? 110 : 150) << int{code};
    EXPECT_EQ(image[AdvanceCell(9, 9)], defaultFirst ? 32 : 5) << int{code};
  }
}

TEST(BikeChange, SpecialBikeWritesNothing) {
  ParameterImage image = StartupImage(36);
  image[BIKE] = SpecialBike;
  const ParameterImage before = image;
  bool bikeChanged = true;
  ApplyBikePreset(image, bikeChanged);
  EXPECT_EQ(image, before);
  EXPECT_FALSE(bikeChanged);

  // A bike change to the special bike that still runs LoadDefaults skips the default set.
  bikeChanged = true;
  LoadDefaults(image, bikeChanged);
  EXPECT_EQ(image, before);
}

TEST(NewCommand, OnSpecialBikeKeepsHandMadeSynchronizationAndPulses) {
  ParameterImage image = StartupImage(SpecialBike);
  image[PalecZacH2 + 2] = 1;
  image[PalecEndP2 + 3] = 1;
  image[RpmPulsu] = 6;
  image[Synchro] = 9;
  image[PocPalcu] = 12;
  image[PalecZac] = 7;
  image[LIMITER] = 150;
  image[Input2] = 3;
  image[NO_READING] = 1;
  bool bikeChanged = false;
  LoadDefaults(image, bikeChanged);
  EXPECT_EQ(image[PalecZacH2 + 2], 1);
  EXPECT_EQ(image[PalecEndP2 + 3], 1);
  EXPECT_EQ(image[RpmPulsu], 6);
  EXPECT_EQ(Bytes(image, Synchro, 2), (std::vector<int>{9, 12}));
  EXPECT_EQ(image[PalecZac], 7);
  EXPECT_EQ(image[LIMITER], 110);
  EXPECT_EQ(image[Input2], 0);
  EXPECT_EQ(image[NO_READING], 0);
}

TEST(Presets, ClassicBikeWritesFourChannelsButUsesTwo) {
  ParameterImage image;
  image[PalecZac + 3] = 9;  // channels 3 and 4 are written although only two are in use
  image[BIKE] = 7;
  bool bikeChanged = false;
  LoadDefaults(image, bikeChanged);
  EXPECT_EQ(image[PocKanalu], 2);
  EXPECT_EQ(image[PocPalcu], 1);
  EXPECT_EQ(Bytes(image, PalecZac, 4), (std::vector<int>{1, 1, 1, 1}));
  EXPECT_EQ(Bytes(image, PalecEndH2, 4), (std::vector<int>{1, 1, 1, 1}));
  EXPECT_EQ(Bytes(image, PalecZacP2, 4), (std::vector<int>{0, 1, 1, 0}));
}

}  // namespace
}  // namespace zarvell
