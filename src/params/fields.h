// The fields of the 200-byte parameter image, described once: where each lies, what it is
// called in files and comparisons, how its byte turns into the number the user sees, which
// control edits it and where its start-up value comes from. The bindings, the .ign file, the
// set comparison, the limits check and the command-line tool all read this table.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "design/main_controls.h"
#include "params/code_tables.h"

namespace zarvell {

// Byte offsets of the image fields. An array field's element i lies at its first byte + i.
namespace field {
inline constexpr std::size_t BIKE = 0;
inline constexpr std::size_t NO_READING = 1;
inline constexpr std::size_t Synchro = 2;
inline constexpr std::size_t PocPalcu = 3;
inline constexpr std::size_t PocKanalu = 4;
inline constexpr std::size_t GEBER_MODE = 5;
inline constexpr std::size_t InvInput1 = 6;
inline constexpr std::size_t PILOT_LIGHT = 7;
inline constexpr std::size_t InvInput2 = 8;
inline constexpr std::size_t BASE_ADV = 9;
inline constexpr std::size_t PocSynchro = 10;
inline constexpr std::size_t RpmPulsu = 11;
inline constexpr std::size_t RpmKorekce = 12;
inline constexpr std::size_t LIMITER = 13;
inline constexpr std::size_t Reserved14 = 14;
inline constexpr std::size_t EXCITATION = 15;
inline constexpr std::size_t SERVO_ENABLE = 16;
inline constexpr std::size_t SERVO_HYSTER = 17;
inline constexpr std::size_t Reserved18 = 18;  // two bytes
inline constexpr std::size_t Tps0 = 20;
inline constexpr std::size_t Tps100 = 21;
inline constexpr std::size_t TPS_MAPA = 22;
inline constexpr std::size_t Kompenz = 23;  // 4 bytes
inline constexpr std::size_t ClutchTime = 27;
inline constexpr std::size_t ClutchPause = 28;
inline constexpr std::size_t Reserved29 = 29;
inline constexpr std::size_t PalecZac = 30;    // 4 bytes: lobe of the maximum-advance edge
inline constexpr std::size_t PalecEnd = 34;    // 4 bytes: lobe of the start-advance edge
inline constexpr std::size_t PalecZacH2 = 38;  // 4 flags: "2nd Edge"
inline constexpr std::size_t PalecEndH2 = 42;
inline constexpr std::size_t PalecZacP2 = 46;  // 4 flags: "2nd Pick-up"
inline constexpr std::size_t PalecEndP2 = 50;
inline constexpr std::size_t Input1 = 54;
inline constexpr std::size_t Input2 = 55;
inline constexpr std::size_t InNeutralSs = 56;
inline constexpr std::size_t PICKUPS_INTERCHANGE = 57;
inline constexpr std::size_t NO_LOBE_CHECK = 58;
inline constexpr std::size_t SPARK_BEFORE_LOBE = 59;
inline constexpr std::size_t SPECIAL_START = 60;
inline constexpr std::size_t Reserved61 = 61;  // nine bytes
inline constexpr std::size_t SERVO_RPM = 70;   // 10 bytes
inline constexpr std::size_t SERVO_MV = 80;    // 10 bytes
inline constexpr std::size_t RPM_ADV = 90;     // 10 bytes
inline constexpr std::size_t ADVANCE = 100;    // 10 x 10 bytes

inline constexpr std::size_t kChannels = 4;
inline constexpr std::size_t kAxisPoints = 10;
inline constexpr std::size_t kLobeFlags = 16;  // bytes 38..53

// Map cell for throttle row `row` and rpm column `column`.
constexpr std::size_t AdvanceCell(std::size_t row, std::size_t column) {
  return ADVANCE + 10 * row + column;
}
}  // namespace field

// How the byte relates to the number the user sees, in the unit the field is shown in.
enum class Scale : std::uint8_t {
  Unit,      // the byte as it is
  Hundreds,  // rpm, stored in hundreds
  Twenties,  // servo mV, stored in units of 20
  Fives,     // servo hysteresis mV, stored in units of 5
  Tens,      // throttle mV and clutch ms, stored in tens
  Tps100,    // throttle mV above 2500, stored in tens
  Percent,   // tachometer correction, stored with 100 added
};

// The byte for a shown number: integer division drops the remainder, and the byte keeps the
// low 8 bits, as the unit's byte does. The arithmetic is that of `T`, so a file's unsigned
// 32-bit number and a control's signed position each wrap their own way.
template <std::integral T>
constexpr std::uint8_t StoreNumber(Scale scale, T number) {
  T value = number;
  switch (scale) {
    case Scale::Unit:
      break;
    case Scale::Hundreds:
      value = static_cast<T>(number / 100);
      break;
    case Scale::Twenties:
      value = static_cast<T>(number / 20);
      break;
    case Scale::Fives:
      value = static_cast<T>(number / 5);
      break;
    case Scale::Tens:
      value = static_cast<T>(number / 10);
      break;
    case Scale::Tps100:
      value = static_cast<T>(number / 10 + 6);  // the same byte as number / 10 - 250
      break;
    case Scale::Percent:
      value = static_cast<T>(number + 100);
      break;
  }
  return static_cast<std::uint8_t>(value);
}

// The number shown for a byte.
constexpr int ShowNumber(Scale scale, std::uint8_t value) {
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

enum class FieldKind : std::uint8_t {
  Number,    // an up/down control with its edit box
  Flag,      // a check box: 1 checked, any other non-zero value shows checked too
  List,      // a combo box or radio group: the byte is the position
  Geber,     // ComboBoxNasobekPalcu: the camshaft entry is the last, value 0
  Bike,      // ComboBoxBike: the byte is the bike code, not the position
  Reserved,  // no control edits it and the .ign file does not store it
};

// Where a field's value comes from when a new set is made for a bike.
enum FieldOrigin : std::uint8_t {
  kChosen = 0,          // the user's choice (the bike), or nothing at all for a reserved byte
  kFromDefaultSet = 1,  // the default set writes it
  kFromPreset = 2,      // the bike's preset writes it, for some bikes at least
};

struct Field {
  std::string_view name;  // as the .ign file and the set comparison print it
  std::uint8_t offset = 0;
  std::uint8_t width = 1;
  FieldKind kind = FieldKind::Number;
  Scale scale = Scale::Unit;
  const char* unit = "";  // of the shown number: "rpm", "mV", "ms", "%", "°" or ""
  std::uint8_t origin = kChosen;
  design::ControlId control = design::ControlId{};  // the control of element 0
  std::uint8_t controlStep = 1;  // element i's control lies i x this after element 0's
  std::uint8_t choices = 0;      // list entries of a list, flag or bike field
  std::uint8_t columns = 0;      // a table named name[row][column] rows of this many columns

  constexpr design::ControlId ControlOf(std::size_t element) const {
    return design::Offset(control, static_cast<int>(controlStep * element));
  }
};

namespace field_table {
using namespace field;
using design::ControlId;
using K = FieldKind;
constexpr std::uint8_t kBoth = kFromDefaultSet | kFromPreset;

constexpr Field NumberField(std::string_view name, std::size_t offset, ControlId control,
                            std::uint8_t origin, Scale scale = Scale::Unit, const char* unit = "",
                            std::size_t width = 1) {
  return {name,
          static_cast<std::uint8_t>(offset),
          static_cast<std::uint8_t>(width),
          K::Number,
          scale,
          unit,
          origin,
          control};
}
constexpr Field FlagField(std::string_view name, std::size_t offset, ControlId control,
                          std::uint8_t origin) {
  return {name, static_cast<std::uint8_t>(offset), 1, K::Flag, Scale::Unit, "", origin, control, 1,
          2};
}
// Four "2nd Edge" or "2nd Pick-up" flags, one per channel; the window groups its boxes by
// channel (ZacH2, ZacP2, EndH2, EndP2), so the next channel's box lies four further on.
constexpr Field LobeFlags(std::string_view name, std::size_t offset, int inChannel) {
  return {name,        static_cast<std::uint8_t>(offset),
          4,           K::Flag,
          Scale::Unit, "",
          kBoth,       design::Offset(design::CheckBoxPalec1ZacH2, inChannel),
          4,           2};
}
constexpr Field ListField(std::string_view name, std::size_t offset, FieldKind kind,
                          ControlId control, int choices, std::uint8_t origin) {
  return {name, static_cast<std::uint8_t>(offset), 1, kind, Scale::Unit, "", origin, control,
          1,    static_cast<std::uint8_t>(choices)};
}
constexpr Field SpareField(std::string_view name, std::size_t offset, std::size_t width) {
  return {name, static_cast<std::uint8_t>(offset), static_cast<std::uint8_t>(width), K::Reserved};
}

// In byte order, every byte in exactly one field.
inline constexpr std::array kFields = {
    ListField("BIKE", BIKE, K::Bike, design::ComboBoxBike, kBikeCount, kChosen),
    FlagField("NO_READING", NO_READING, design::CheckBoxZakazCteni, kFromDefaultSet),
    ListField("Synchro", Synchro, K::List, design::ComboBoxSynchro, kSynchroCount, kFromPreset),
    NumberField("PocPalcu", PocPalcu, design::UpDownPocPalcu, kFromPreset),
    NumberField("PocKanalu", PocKanalu, design::UpDownPocKanalu, kFromPreset),
    ListField("GEBER_MODE", GEBER_MODE, K::Geber, design::ComboBoxNasobekPalcu, kGeberModeCount,
              kBoth),
    FlagField("InvInput1", InvInput1, design::CheckBoxInvInput1, kBoth),
    NumberField("PILOT_LIGHT", PILOT_LIGHT, design::UpDownPilotLight, kFromDefaultSet,
                Scale::Hundreds, "rpm"),
    FlagField("InvInput2", InvInput2, design::CheckBoxInvInput2, kBoth),
    NumberField("BASE_ADV", BASE_ADV, design::UpDownBaseAdv, kFromDefaultSet, Scale::Unit, "°"),
    NumberField("PocSynchro", PocSynchro, design::UpDownPocSynchro, kFromDefaultSet),
    NumberField("RpmPulsu", RpmPulsu, design::UpDownRpmPulsu, kFromDefaultSet),
    NumberField("RpmKorekce", RpmKorekce, design::UpDownRpmKorekce, kFromDefaultSet, Scale::Percent,
                "%"),
    NumberField("LIMITER", LIMITER, design::UpDownOmez2, kFromDefaultSet, Scale::Hundreds, "rpm"),
    SpareField("Reserved14", Reserved14, 1),
    FlagField("EXCITATION", EXCITATION, design::CheckBoxBuzDlouhe, kBoth),
    FlagField("SERVO_ENABLE", SERVO_ENABLE, design::CheckBoxPrivEnable, kBoth),
    NumberField("SERVO_HYSTER", SERVO_HYSTER, design::UpDownPrivHyster, kFromDefaultSet,
                Scale::Fives, "mV"),
    SpareField("Reserved18", Reserved18, 2),
    NumberField("Tps0", Tps0, design::UpDownTps0, kFromDefaultSet, Scale::Tens, "mV"),
    NumberField("Tps100", Tps100, design::UpDownTps100, kFromDefaultSet, Scale::Tps100, "mV"),
    FlagField("TPS_MAPA", TPS_MAPA, design::CheckBoxTpsMapa, kFromDefaultSet),
    NumberField("Kompenz", Kompenz, design::UpDownKompenz1, kFromDefaultSet, Scale::Unit, "", 4),
    NumberField("ClutchTime", ClutchTime, design::UpDownClutchTime, kFromDefaultSet, Scale::Tens,
                "ms"),
    NumberField("ClutchPause", ClutchPause, design::UpDownClutchPause, kFromDefaultSet, Scale::Tens,
                "ms"),
    SpareField("Reserved29", Reserved29, 1),
    NumberField("PalecZac", PalecZac, design::UpDownPalec1Zac, kFromPreset, Scale::Unit, "", 4),
    NumberField("PalecEnd", PalecEnd, design::UpDownPalec1End, kFromPreset, Scale::Unit, "", 4),
    LobeFlags("PalecZacH2", PalecZacH2, 0),
    LobeFlags("PalecEndH2", PalecEndH2, 2),
    LobeFlags("PalecZacP2", PalecZacP2, 1),
    LobeFlags("PalecEndP2", PalecEndP2, 3),
    ListField("Input1", Input1, K::List, design::RadioGroupInput1, kInput1Count, kFromDefaultSet),
    ListField("Input2", Input2, K::List, design::RadioGroupInput2, kInput2Count, kFromDefaultSet),
    FlagField("InNeutralSs", InNeutralSs, design::CheckBoxInNeutralSs, kFromDefaultSet),
    FlagField("PICKUPS_INTERCHANGE", PICKUPS_INTERCHANGE, design::CheckBoxZamenaPickup, kBoth),
    FlagField("NO_LOBE_CHECK", NO_LOBE_CHECK, design::CheckBoxNehlidaPalec, kFromDefaultSet),
    FlagField("SPARK_BEFORE_LOBE", SPARK_BEFORE_LOBE, design::CheckBoxPredPalec, kFromDefaultSet),
    FlagField("SPECIAL_START", SPECIAL_START, design::CheckBoxSpecStart, kBoth),
    SpareField("Reserved61", Reserved61, 9),
    NumberField("SERVO_RPM", SERVO_RPM, design::UpDownRpmPriv1, kFromDefaultSet, Scale::Hundreds,
                "rpm", kAxisPoints),
    NumberField("SERVO_MV", SERVO_MV, design::UpDownNapPriv1, kFromDefaultSet, Scale::Twenties,
                "mV", kAxisPoints),
    NumberField("RPM_ADV", RPM_ADV, design::UpDownRpmAdv1, kFromDefaultSet, Scale::Hundreds, "rpm",
                kAxisPoints),
    Field{"ADVANCE", ADVANCE, 100, K::Number, Scale::Unit, "°", kFromDefaultSet, design::UpDown50,
          1, 0, 10},
};

constexpr bool CoversEveryByteOnce(std::size_t size) {
  std::size_t next = 0;
  for (const Field& f : kFields) {
    if (f.offset != next || f.width == 0) return false;
    next += f.width;
  }
  return next == size;
}
static_assert(CoversEveryByteOnce(200), "the fields lie in byte order without gap or overlap");

inline constexpr auto kFieldOfByte = [] {
  std::array<std::uint8_t, 200> index{};
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    for (std::size_t b = 0; b < kFields[i].width; ++b) {
      index[kFields[i].offset + b] = static_cast<std::uint8_t>(i);
    }
  }
  return index;
}();
}  // namespace field_table

inline constexpr const auto& kFields = field_table::kFields;

// The field that holds image byte `byte` (0..199).
constexpr const Field& FieldAt(std::size_t byte) {
  return kFields[field_table::kFieldOfByte[byte]];
}

namespace field {
// Bytes that no control edits and the .ign file does not store.
constexpr bool IsReserved(std::size_t byte) {
  return byte < field_table::kFieldOfByte.size() && FieldAt(byte).kind == FieldKind::Reserved;
}
}  // namespace field

}  // namespace zarvell
