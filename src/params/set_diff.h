// Two parameter sets compared field by field, as a workshop compares a rider's file with the
// unit or with another file: every field that differs by its name, both values in the units
// the window shows them in, and the advance map cell by cell.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "params/image.h"

namespace zarvell {

struct FieldDifference {
  std::string name;  // the field's name, with [i] for an element of a table ("SERVO_MV[2]")
  int a = 0, b = 0;  // shown values
  const char* unit;  // "rpm", "mV", "ms", "%", "°" or "" for codes, counts and flags
};

struct SetDifference {
  std::vector<FieldDifference> fields;  // in byte order; the map cells and the RPM axis apart
  std::array<int, 10> rpmA{}, rpmB{};   // the RPM axis of each set, in rpm
  std::array<std::array<int, 10>, 10> advance{};  // B minus A, degrees; [throttle row][column]
  bool mapDiffers = false;
  bool axisDiffers = false;

  bool Equal() const { return fields.empty() && !mapDiffers && !axisDiffers; }
};

SetDifference CompareSets(const ParameterImage& a, const ParameterImage& b);

// The name of the field at image byte `byte`, as FieldDifference names it; a map cell is
// "ADVANCE[row][column]", a reserved byte "byte 14".
std::string FieldName(std::size_t byte);

}  // namespace zarvell
