#include "params/fields.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "design/main_design.h"
#include "params/image.h"
#include "params/presets.h"
#include "params/set_diff.h"

namespace zarvell {
namespace {

using ui::ControlKind;

// Each element's control is of the kind its field says, so a control named one off (an edit
// box for its up/down, the wrong channel's flag) shows here, not in one field's own test.
TEST(FieldTable, EveryElementNamesAControlOfItsKind) {
  const auto design = design::MainDesign();
  std::set<int> controls;
  for (const Field& f : kFields) {
    for (std::size_t i = 0; i < f.width; ++i) {
      SCOPED_TRACE(FieldName(f.offset + i));
      if (f.kind == FieldKind::Reserved) continue;
      const design::ControlId control = f.ControlOf(i);
      EXPECT_TRUE(controls.insert(control).second) << "a control edits two bytes";
      const ControlKind kind = design[control].kind;
      switch (f.kind) {
        case FieldKind::Number:
          EXPECT_EQ(kind, ControlKind::UpDown);
          EXPECT_EQ(f.choices, 0);
          break;
        case FieldKind::Flag:
          EXPECT_EQ(kind, ControlKind::CheckBox);
          EXPECT_EQ(f.choices, 2);
          break;
        case FieldKind::List:
          EXPECT_TRUE(kind == ControlKind::ComboBox || kind == ControlKind::RadioGroup);
          EXPECT_GT(f.choices, 1);
          break;
        case FieldKind::Geber:
        case FieldKind::Bike:
          EXPECT_EQ(kind, ControlKind::ComboBox);
          break;
        case FieldKind::Reserved:
          break;
      }
    }
  }
}

// The lobe flag boxes are grouped by channel in the window: ZacH2, ZacP2, EndH2, EndP2.
TEST(FieldTable, LobeFlagsOfAChannelLieTogetherInTheWindow) {
  for (std::size_t channel = 0; channel < field::kChannels; ++channel) {
    const int first = design::Offset(design::CheckBoxPalec1ZacH2, static_cast<int>(4 * channel));
    EXPECT_EQ(FieldAt(field::PalecZacH2 + channel).ControlOf(channel), first);
    EXPECT_EQ(FieldAt(field::PalecZacP2 + channel).ControlOf(channel), first + 1);
    EXPECT_EQ(FieldAt(field::PalecEndH2 + channel).ControlOf(channel), first + 2);
    EXPECT_EQ(FieldAt(field::PalecEndP2 + channel).ControlOf(channel), first + 3);
  }
}

// Every byte has a name of its own, as the comparison and the limits check print it.
TEST(FieldTable, EveryByteHasItsOwnName) {
  std::set<std::string> names;
  for (std::size_t byte = 0; byte < ParameterImage::kSize; ++byte) {
    EXPECT_TRUE(names.insert(FieldName(byte)).second) << FieldName(byte);
  }
  EXPECT_EQ(FieldName(field::AdvanceCell(3, 7)), "ADVANCE[3][7]");
  EXPECT_EQ(FieldName(field::SERVO_MV + 2), "SERVO_MV[2]");
  EXPECT_EQ(FieldName(field::PILOT_LIGHT), "PILOT_LIGHT");
  EXPECT_EQ(FieldName(field::Reserved61 + 3), "byte 64");
}

// The table says where a field's start-up value comes from; the default set and the presets
// must write exactly those fields (a field counts when any of its bytes is written for any
// bike). A byte counts as written when it no longer holds a value that no table uses.
TEST(FieldTable, OriginsAreTheFieldsTheDefaultSetAndThePresetsWrite) {
  constexpr std::uint8_t kUntouched = 0xA5;
  std::array<std::uint8_t, ParameterImage::kSize> written{};
  for (const BikePreset& preset : BikePresets()) {
    ParameterImage image;
    image.block.fill(kUntouched);
    image[field::BIKE] = preset.code;
    ApplyDefaultSet(image);
    for (std::size_t b = 1; b < ParameterImage::kSize; ++b) {
      if (image[b] != kUntouched) written[b] |= kFromDefaultSet;
    }
    if (preset.defaultSetFirst) continue;  // its preset's own bytes are not told apart
    image.block.fill(kUntouched);
    image[field::BIKE] = preset.code;
    bool bikeChanged = true;
    ApplyBikePreset(image, bikeChanged);
    for (std::size_t b = 1; b < ParameterImage::kSize; ++b) {
      if (image[b] != kUntouched) written[b] |= kFromPreset;
    }
  }
  for (const Field& f : kFields) {
    std::uint8_t origin = 0;
    for (std::size_t i = 0; i < f.width; ++i) origin |= written[f.offset + i];
    EXPECT_EQ(origin, f.origin) << f.name;
  }
}

// A file's number is unsigned and a control's position signed; for every number a control
// can show, both arithmetics store the same byte, and that byte shows the number rounded
// down to the field's step.
TEST(FieldTable, FileAndControlNumbersStoreTheSameByte) {
  const auto design = design::MainDesign();
  for (const Field& f : kFields) {
    if (f.kind != FieldKind::Number) continue;
    SCOPED_TRACE(std::string(f.name));
    const ui::ControlSpec& upDown = design[f.control];
    for (int n = upDown.min; n <= upDown.max; ++n) {
      const std::uint8_t byte = StoreNumber(f.scale, n);
      if (n >= 0) {
        EXPECT_EQ(StoreNumber(f.scale, static_cast<std::uint32_t>(n)), byte) << n;
      }
      const int shown = ShowNumber(f.scale, byte);
      EXPECT_LE(shown, n);
      EXPECT_EQ(StoreNumber(f.scale, shown), byte) << n;
    }
  }
}

}  // namespace
}  // namespace zarvell
