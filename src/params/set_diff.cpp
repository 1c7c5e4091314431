#include "params/set_diff.h"

#include <string_view>

#include "params/bindings.h"

namespace zarvell {
namespace {

struct NamedField {
  std::size_t first;
  std::size_t count;
  std::string_view name;
};

// The names of the image fields; a field of several bytes names each as an element.
constexpr NamedField kNames[] = {
    {field::BIKE, 1, "BIKE"},
    {field::NO_READING, 1, "NO_READING"},
    {field::Synchro, 1, "Synchro"},
    {field::PocPalcu, 1, "PocPalcu"},
    {field::PocKanalu, 1, "PocKanalu"},
    {field::GEBER_MODE, 1, "GEBER_MODE"},
    {field::InvInput1, 1, "InvInput1"},
    {field::PILOT_LIGHT, 1, "PILOT_LIGHT"},
    {field::InvInput2, 1, "InvInput2"},
    {field::BASE_ADV, 1, "BASE_ADV"},
    {field::PocSynchro, 1, "PocSynchro"},
    {field::RpmPulsu, 1, "RpmPulsu"},
    {field::RpmKorekce, 1, "RpmKorekce"},
    {field::LIMITER, 1, "LIMITER"},
    {field::EXCITATION, 1, "EXCITATION"},
    {field::SERVO_ENABLE, 1, "SERVO_ENABLE"},
    {field::SERVO_HYSTER, 1, "SERVO_HYSTER"},
    {field::Tps0, 1, "Tps0"},
    {field::Tps100, 1, "Tps100"},
    {field::TPS_MAPA, 1, "TPS_MAPA"},
    {field::Kompenz, 4, "Kompenz"},
    {field::ClutchTime, 1, "ClutchTime"},
    {field::ClutchPause, 1, "ClutchPause"},
    {field::PalecZac, 4, "PalecZac"},
    {field::PalecEnd, 4, "PalecEnd"},
    {field::PalecZacH2, 4, "PalecZacH2"},
    {field::PalecEndH2, 4, "PalecEndH2"},
    {field::PalecZacP2, 4, "PalecZacP2"},
    {field::PalecEndP2, 4, "PalecEndP2"},
    {field::Input1, 1, "Input1"},
    {field::Input2, 1, "Input2"},
    {field::InNeutralSs, 1, "InNeutralSs"},
    {field::PICKUPS_INTERCHANGE, 1, "PICKUPS_INTERCHANGE"},
    {field::NO_LOBE_CHECK, 1, "NO_LOBE_CHECK"},
    {field::SPARK_BEFORE_LOBE, 1, "SPARK_BEFORE_LOBE"},
    {field::SPECIAL_START, 1, "SPECIAL_START"},
    {field::SERVO_RPM, 10, "SERVO_RPM"},
    {field::SERVO_MV, 10, "SERVO_MV"},
    {field::RPM_ADV, 10, "RPM_ADV"},
};

}  // namespace

std::string FieldName(std::size_t byte) {
  if (byte >= field::ADVANCE && byte < field::ADVANCE + 100) {
    const std::size_t cell = byte - field::ADVANCE;
    return "ADVANCE[" + std::to_string(cell / 10) + "][" + std::to_string(cell % 10) + "]";
  }
  for (const NamedField& f : kNames) {
    if (byte < f.first || byte >= f.first + f.count) continue;
    std::string name(f.name);
    if (f.count > 1) name += '[' + std::to_string(byte - f.first) + ']';
    return name;
  }
  return "byte " + std::to_string(byte);
}

const char* FieldUnit(const FieldBinding& b) {
  switch (b.scale) {
    case Scale::Hundreds:
      return "rpm";
    case Scale::Twenties:
    case Scale::Fives:
    case Scale::Tps100:
      return "mV";
    case Scale::Tens:
      return b.byte == field::Tps0 ? "mV" : "ms";
    case Scale::Percent:
      return "%";
    case Scale::Unit:
      break;
  }
  return b.byte == field::BASE_ADV || b.byte >= field::ADVANCE ? "°" : "";
}

SetDifference CompareSets(const ParameterImage& a, const ParameterImage& b) {
  SetDifference d;
  for (const FieldBinding& binding : FieldBindings()) {
    const std::size_t byte = binding.byte;
    if (byte >= field::RPM_ADV) continue;  // the map and its axis come as a table
    if (a[byte] == b[byte]) continue;
    d.fields.push_back({FieldName(byte), ShowNumber(binding.scale, a[byte]),
                        ShowNumber(binding.scale, b[byte]), FieldUnit(binding)});
  }
  for (std::size_t c = 0; c < 10; ++c) {
    d.rpmA[c] = a[field::RPM_ADV + c] * 100;
    d.rpmB[c] = b[field::RPM_ADV + c] * 100;
    d.axisDiffers = d.axisDiffers || d.rpmA[c] != d.rpmB[c];
    for (std::size_t r = 0; r < 10; ++r) {
      const std::size_t cell = field::AdvanceCell(r, c);
      d.advance[r][c] = b[cell] - a[cell];
      d.mapDiffers = d.mapDiffers || d.advance[r][c] != 0;
    }
  }
  return d;
}

}  // namespace zarvell
