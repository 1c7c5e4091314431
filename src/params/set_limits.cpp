#include "params/set_limits.h"

#include <algorithm>
#include <optional>

#include "design/main_design.h"
#include "params/bindings.h"
#include "params/presets.h"
#include "params/set_diff.h"

namespace zarvell {
namespace {

struct Limits {
  int min = 0, max = 0;
};

// The range of the control that shows `b`, in the unit it shows: a number's up/down control
// keeps its range in the window's design, a list's entries are counted in the field table.
Limits LimitsOf(const FieldBinding& b) {
  if (b.kind == BindingKind::Number) {
    const ui::ControlSpec& upDown = design::MainDesign()[b.control];
    return {upDown.min, upDown.max};
  }
  return {0, FieldAt(b.byte).choices - 1};
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
                   FieldAt(b.byte).unit});
  }
  return out;
}

std::string Describe(const FieldOutOfRange& f) {
  const std::string unit = *f.unit != '\0' ? std::string(" ") + f.unit : std::string();
  return f.name + " " + std::to_string(f.value) + unit + " (allowed " + std::to_string(f.min) +
         " to " + std::to_string(f.max) + unit + ")";
}

}  // namespace zarvell
