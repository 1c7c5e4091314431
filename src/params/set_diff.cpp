#include "params/set_diff.h"

namespace zarvell {

std::string FieldName(std::size_t byte) {
  const Field& f = FieldAt(byte);
  if (f.kind == FieldKind::Reserved) return "byte " + std::to_string(byte);
  std::string name(f.name);
  const std::size_t element = byte - f.offset;
  if (f.columns > 0) {
    name += '[' + std::to_string(element / f.columns) + "][" + std::to_string(element % f.columns) +
            ']';
  } else if (f.width > 1) {
    name += '[' + std::to_string(element) + ']';
  }
  return name;
}

SetDifference CompareSets(const ParameterImage& a, const ParameterImage& b) {
  SetDifference d;
  // The map and its axis come as a table.
  for (std::size_t byte = 0; byte < field::RPM_ADV; ++byte) {
    const Field& f = FieldAt(byte);
    if (f.kind == FieldKind::Reserved || a[byte] == b[byte]) continue;
    d.fields.push_back(
        {FieldName(byte), ShowNumber(f.scale, a[byte]), ShowNumber(f.scale, b[byte]), f.unit});
  }
  const Scale rpm = FieldAt(field::RPM_ADV).scale;
  for (std::size_t c = 0; c < 10; ++c) {
    d.rpmA[c] = ShowNumber(rpm, a[field::RPM_ADV + c]);
    d.rpmB[c] = ShowNumber(rpm, b[field::RPM_ADV + c]);
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
