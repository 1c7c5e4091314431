// `print graph2d FIELD` and `print graph3d FIELD`: a field of a graph's state as text, floats
// with nine significant digits so that a single-precision value reads back exactly.
#pragma once

#include <string>

#include "mapedit/graph_adv.h"

namespace zarvell {

std::string GraphField2D(const TGraphAdv& graph, const std::string& name);
// Besides the fields the 3D view shares with the 2D graph: palette:I as #rrggbb, and
// rotation:R:C and projection:R:C, row R and column C.
std::string GraphField3D(const TGraphAdv& graph, const std::string& name);

}  // namespace zarvell
