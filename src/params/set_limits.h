// The limits the window's controls put on every field: a set the window would never send is
// one with a field outside them. A file edited by hand or damaged can hold such values, and an
// ignition unit takes whatever it is sent, so a set from a file goes through these first.
#pragma once

#include <string>
#include <vector>

#include "params/image.h"

namespace zarvell {

struct FieldOutOfRange {
  std::size_t byte = 0;
  std::string name;  // as set_diff names it
  int value = 0;     // in the unit the window shows, as are the limits
  int min = 0, max = 0;
  const char* unit = "";
};

// Every field of `image` whose byte the window's control for it could not have stored: a
// number outside its up/down control's range, a flag other than 0 or 1, a code its list does
// not hold. The program's own start-up set of the image's bike passes as it is (its unused
// channels hold lobe 0, bike 22 has no outputs set). In byte order.
std::vector<FieldOutOfRange> FieldsOutOfRange(const ParameterImage& image);

// "LIMITER 25500 rpm (allowed 999 to 25000 rpm)".
std::string Describe(const FieldOutOfRange& field);

}  // namespace zarvell
