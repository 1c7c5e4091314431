#include "params/set_limits.h"

#include <algorithm>
#include <optional>

#include "params/bindings.h"
#include "params/code_tables.h"
#include "params/presets.h"
#include "params/set_diff.h"

namespace zarvell {
namespace {

struct Limits {
  int min = 0, max = 0;
};

// The range of the control that shows `b`, in the unit it shows.
Limits LimitsOf(const FieldBinding& b) {
  static const ui::ControlModel controls = NewMainControls();
  switch (b.kind) {
    case BindingKind::Number:
      return {controls[b.control].min, controls[b.control].max};
    case BindingKind::Flag:
      return {0, 1};
    case BindingKind::Bike:
      return {0, kBikeCount - 1};
    case BindingKind::Geber:
      return {0, kGeberModeCount - 1};
    case BindingKind::List:
      break;
  }
  const int count = b.byte == field::Synchro  ? kSynchroCount
                    : b.byte == field::Input1 ? kInput1Count
                                              : kInput2Count;
  return {0, count - 1};
}

// Whether the window's control for `b` could have stored `value`. A number control stores
// the shown value's byte, so a value that shows below the lowest number but stores the same
// byte as it (999 rpm is 9 hundreds) passes.
bool Storable(const FieldBinding& b, std::uint8_t value) {
  const Limits limits = LimitsOf(b);
  const int shown = ShowNumber(b.scale, value);
  if (b.kind == BindingKind::Number) {
    return StoreNumber(b.scale, std::clamp(shown, limits.min, limits.max)) == value;
  }
  return shown >= limits.min && shown <= limits.max;
}

}  // namespace

std::vector<FieldOutOfRange> FieldsOutOfRange(const ParameterImage& image) {
  const std::uint8_t bike = image[field::BIKE];
  const std::optional<ParameterImage> startup =
      BikePositionOfCode(bike) ? std::optional(DefaultImage(bike)) : std::nullopt;
  std::vector<FieldOutOfRange> out;
  for (const FieldBinding& b : FieldBindings()) {
    const std::uint8_t value = image[b.byte];
    if (Storable(b, value) || (startup && (*startup)[b.byte] == value)) continue;
    const Limits limits = LimitsOf(b);
    out.push_back({b.byte, FieldName(b.byte), ShowNumber(b.scale, value), limits.min, limits.max,
                   FieldUnit(b)});
  }
  return out;
}

std::string Describe(const FieldOutOfRange& f) {
  const std::string unit = *f.unit != '\0' ? std::string(" ") + f.unit : std::string();
  return f.name + " " + std::to_string(f.value) + unit + " (allowed " + std::to_string(f.min) +
         " to " + std::to_string(f.max) + unit + ")";
}

}  // namespace zarvell
