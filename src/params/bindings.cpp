#include "params/bindings.h"

#include <algorithm>
#include <array>
#include <optional>

#include "design/main_design.h"
#include "params/code_tables.h"
#include "params/presets.h"

namespace zarvell {

using namespace design;

std::uint8_t StoreNumber(Scale scale, int number) {
  int value = number;
  switch (scale) {
    case Scale::Unit:
      break;
    case Scale::Hundreds:
      value = number / 100;
      break;
    case Scale::Twenties:
      value = number / 20;
      break;
    case Scale::Fives:
      value = number / 5;
      break;
    case Scale::Tens:
      value = number / 10;
      break;
    case Scale::Tps100:
      value = number / 10 + 6;  // the same byte as number / 10 - 250
      break;
    case Scale::Percent:
      value = number + 100;
      break;
  }
  return static_cast<std::uint8_t>(value & 0xFF);
}

int ShowNumber(Scale scale, std::uint8_t value) {
  switch (scale) {
    case Scale::Unit:
      break;
    case Scale::Hundreds:
      return value * 100;
    case Scale::Twenties:
      return value * 20;
    case Scale::Fives:
      return value * 5;
    case Scale::Tens:
      return value * 10;
    case Scale::Tps100:
      return value * 10 + 2500;
    case Scale::Percent:
      return value - 100;
  }
  return value;
}

namespace {

using B = FieldBinding;
using K = BindingKind;

constexpr std::size_t kBindingCount = ParameterImage::kSize - 13;  // all but the reserved bytes

constexpr std::array<FieldBinding, kBindingCount> kBindings = [] {
  std::array<FieldBinding, kBindingCount> t{};
  std::size_t n = 0;
  auto add = [&t, &n](std::size_t byte, ControlId control, K kind, Scale scale = Scale::Unit) {
    t[n++] = B{static_cast<std::uint8_t>(byte), control, kind, scale};
  };
  auto numbers = [&add](std::size_t first, ControlId firstControl, int count, Scale scale) {
    for (int i = 0; i < count; ++i) add(first + i, Offset(firstControl, i), K::Number, scale);
  };
  using namespace field;
  add(BIKE, ComboBoxBike, K::Bike);
  add(NO_READING, CheckBoxZakazCteni, K::Flag);
  add(Synchro, ComboBoxSynchro, K::List);
  add(PocPalcu, UpDownPocPalcu, K::Number);
  add(PocKanalu, UpDownPocKanalu, K::Number);
  add(GEBER_MODE, ComboBoxNasobekPalcu, K::Geber);
  add(InvInput1, CheckBoxInvInput1, K::Flag);
  add(PILOT_LIGHT, UpDownPilotLight, K::Number, Scale::Hundreds);
  add(InvInput2, CheckBoxInvInput2, K::Flag);
  add(BASE_ADV, UpDownBaseAdv, K::Number);
  add(PocSynchro, UpDownPocSynchro, K::Number);
  add(RpmPulsu, UpDownRpmPulsu, K::Number);
  add(RpmKorekce, UpDownRpmKorekce, K::Number, Scale::Percent);
  add(LIMITER, UpDownOmez2, K::Number, Scale::Hundreds);
  add(EXCITATION, CheckBoxBuzDlouhe, K::Flag);
  add(SERVO_ENABLE, CheckBoxPrivEnable, K::Flag);
  add(SERVO_HYSTER, UpDownPrivHyster, K::Number, Scale::Fives);
  add(Tps0, UpDownTps0, K::Number, Scale::Tens);
  add(Tps100, UpDownTps100, K::Number, Scale::Tps100);
  add(TPS_MAPA, CheckBoxTpsMapa, K::Flag);
  numbers(Kompenz, UpDownKompenz1, 4, Scale::Unit);
  add(ClutchTime, UpDownClutchTime, K::Number, Scale::Tens);
  add(ClutchPause, UpDownClutchPause, K::Number, Scale::Tens);
  numbers(PalecZac, UpDownPalec1Zac, 4, Scale::Unit);
  numbers(PalecEnd, UpDownPalec1End, 4, Scale::Unit);
  for (std::size_t byte = PalecZacH2; byte < PalecZacH2 + kLobeFlags; ++byte) {
    add(byte, LobeFlagBox(byte), K::Flag);
  }
  add(Input1, RadioGroupInput1, K::List);
  add(Input2, RadioGroupInput2, K::List);
  add(InNeutralSs, CheckBoxInNeutralSs, K::Flag);
  add(PICKUPS_INTERCHANGE, CheckBoxZamenaPickup, K::Flag);
  add(NO_LOBE_CHECK, CheckBoxNehlidaPalec, K::Flag);
  add(SPARK_BEFORE_LOBE, CheckBoxPredPalec, K::Flag);
  add(SPECIAL_START, CheckBoxSpecStart, K::Flag);
  numbers(SERVO_RPM, UpDownRpmPriv1, 10, Scale::Hundreds);
  numbers(SERVO_MV, UpDownNapPriv1, 10, Scale::Twenties);
  numbers(RPM_ADV, UpDownRpmAdv1, 10, Scale::Hundreds);
  numbers(ADVANCE, UpDown50, 100, Scale::Unit);
  if (n != kBindingCount) throw "every byte but the reserved ones has exactly one binding";
  return t;
}();

// Control index -> binding, for the event handlers.
const std::array<const FieldBinding*, kMainControlCount> kBindingOfControl = [] {
  std::array<const FieldBinding*, kMainControlCount> index{};
  for (const FieldBinding& b : kBindings) index[b.control] = &b;
  return index;
}();

// The values a list field knows, whatever entries its control holds at the moment (the
// captions of the language complete the lists after the first refresh).
int ListChoices(std::size_t byte) {
  switch (byte) {
    case field::Synchro:
      return kSynchroCount;
    case field::Input1:
      return kInput1Count;
    case field::Input2:
      return kInput2Count;
    default:
      return 256;
  }
}

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
        controls.SetItemIndex(b.control, std::min<int>(value, ListChoices(b.byte) - 1));
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
