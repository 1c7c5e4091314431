#include "params/bindings.h"

#include <algorithm>
#include <array>
#include <optional>

#include "design/main_design.h"
#include "params/code_tables.h"
#include "params/presets.h"

namespace zarvell {

using namespace design;

namespace {

using K = BindingKind;

constexpr std::size_t kBindingCount = [] {
  std::size_t n = 0;
  for (const Field& f : kFields) n += f.kind == K::Reserved ? 0 : f.width;
  return n;
}();

// Every element of every field that a control edits.
constexpr std::array<FieldBinding, kBindingCount> kBindings = [] {
  std::array<FieldBinding, kBindingCount> t{};
  std::size_t n = 0;
  for (const Field& f : kFields) {
    if (f.kind == K::Reserved) continue;
    for (std::size_t i = 0; i < f.width; ++i) {
      t[n++] = {static_cast<std::uint8_t>(f.offset + i), f.ControlOf(i), f.kind, f.scale};
    }
  }
  return t;
}();

// Control index -> binding, for the event handlers.
const std::array<const FieldBinding*, kMainControlCount> kBindingOfControl = [] {
  std::array<const FieldBinding*, kMainControlCount> index{};
  for (const FieldBinding& b : kBindings) index[b.control] = &b;
  return index;
}();

// The position a list control stands for, or nothing when no entry is selected.
std::optional<std::uint8_t> StoredChoice(const FieldBinding& b, const ui::Control& list) {
  const int position = list.itemIndex;
  if (position < 0) return std::nullopt;
  switch (b.kind) {
    case K::Bike:
      if (position >= kBikeCount) return std::nullopt;
      return BikeCodeAtPosition(position);
    case K::Geber:
      return GeberModeOfPosition(position);
    default:
      return static_cast<std::uint8_t>(position);
  }
}

}  // namespace

std::span<const FieldBinding> FieldBindings() {
  return kBindings;
}

const FieldBinding* BindingOfControl(ui::ControlIndex control) {
  return control < kBindingOfControl.size() ? kBindingOfControl[control] : nullptr;
}

ui::ControlModel NewMainControls() {
  ui::ControlModel controls(MainDesign());
  // The design list stops before the last position, which the captions append.
  for (int position = 0; position + 1 < kBikeCount; ++position) {
    const BikePreset* preset = FindBikePreset(BikeCodeAtPosition(position));
    controls.SetItem(ComboBoxBike, static_cast<std::size_t>(position), preset->entry);
  }
  return controls;
}

void CommitImage(ui::ControlModel& controls, ParameterImage& image, bool testMode) {
  for (const FieldBinding& b : kBindings) {
    switch (b.kind) {
      case K::Number:
        image[b.byte] = StoreNumber(b.scale, controls.ReadPosition(b.control));
        break;
      case K::Flag:
        image[b.byte] = controls[b.control].checked ? 1 : 0;
        break;
      default:
        // A list with nothing selected leaves its byte alone.
        if (const auto value = StoredChoice(b, controls[b.control])) image[b.byte] = *value;
        break;
    }
  }
  // The lobe checks only mean something for the hand-made single-lobe wheel.
  if (image[field::BIKE] != SpecialBike || image[field::Synchro] != synchro::SingleLobe) {
    image[field::NO_LOBE_CHECK] = 0;
    image[field::SPARK_BEFORE_LOBE] = 0;
    controls.SetChecked(CheckBoxNehlidaPalec, false);
    controls.SetChecked(CheckBoxPredPalec, false);
  }
  // The compensations are a factory setting, editable in test mode only.
  if (!testMode) {
    for (std::size_t i = 0; i < 4; ++i) image[field::Kompenz + i] = 11;
  }
}

RadioMoves ShowImageControls(const ParameterImage& image, ui::ControlModel& controls) {
  const int input1 = controls[RadioGroupInput1].itemIndex;
  const int input2 = controls[RadioGroupInput2].itemIndex;
  for (const FieldBinding& b : kBindings) {
    const std::uint8_t value = image[b.byte];
    switch (b.kind) {
      case K::Number:
        controls.SetPosition(b.control, ShowNumber(b.scale, value));
        break;
      case K::Flag:
        controls.SetChecked(b.control, value != 0);
        break;
      case K::List:
        // A byte beyond the list (from a file or the unit) shows its last entry, so the next
        // commit stores a value the unit knows instead of keeping the stray byte.
        controls.SetItemIndex(b.control, std::min<int>(value, FieldAt(b.byte).choices - 1));
        break;
      case K::Geber:
        controls.SetItemIndex(b.control, GeberPositionOfMode(value));
        break;
      case K::Bike:
        // A code the list does not know leaves the list as it is.
        if (const auto position = BikePositionOfCode(value)) {
          controls.SetItemIndex(b.control, *position);
        }
        break;
      case K::Reserved:
        break;
    }
  }
  // The 48-2 wheel fires on the second edge of every lobe.
  if (image[field::Synchro] == synchro::Gap48) {
    for (std::size_t byte = field::PalecZacH2; byte < field::PalecZacP2; ++byte) {
      controls.SetChecked(LobeFlagBox(byte), true);
    }
  }
  return {controls[RadioGroupInput1].itemIndex != input1,
          controls[RadioGroupInput2].itemIndex != input2};
}

}  // namespace zarvell
