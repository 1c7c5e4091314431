#include "play_graph_fields.h"

#include <cstdio>
#include <optional>
#include <utility>

#include "play_words.h"

namespace zarvell {
namespace {

std::string Float(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", double{value});
  return text;
}

// The fields both graphs use.
std::optional<std::string> SharedField(const TGraphAdv& g, const std::string& name) {
  const std::pair<const char*, int> ints[] = {
      {"marginLeft", g.marginLeft},
      {"marginRight", g.marginRight},
      {"marginTop", g.marginTop},
      {"marginBottom", g.marginBottom},
      {"surfaceWidth", g.surfaceWidth},
      {"surfaceHeight", g.surfaceHeight},
      {"plotX0", g.plotX0},
      {"plotY0", g.plotY0},
      {"plotWidth", g.plotWidth},
      {"plotHeight", g.plotHeight},
      {"grabbedPoint", g.grabbedPoint},
      {"grabDx", g.grabDx},
      {"grabDy", g.grabDy},
      {"rpmRange", g.rpmRange},
      {"degreeRange", g.degreeRange},
      {"lastLiveRpm", g.lastLiveRpm},
      {"lastLiveTps", g.lastLiveTps},
      {"ctrlHeld", g.ctrlHeld},
      {"shiftHeld", g.shiftHeld},
  };
  for (const auto& [field, value] : ints) {
    if (name == field) return std::to_string(value);
  }
  if (name == "xScale") return Float(g.xScale);
  if (name == "yScale") return Float(g.yScale);
  return std::nullopt;
}

// "NAME:R:C" as row and column 0..2 of a 3 x 3 matrix.
std::optional<float> MatrixEntry(const float (&m)[3][3], const std::string& name,
                                 const std::string& prefix) {
  if (!name.starts_with(prefix + ":")) return std::nullopt;
  const std::string rest = name.substr(prefix.size() + 1);
  const std::size_t colon = rest.find(':');
  if (colon == std::string::npos) throw ScriptError{prefix + " takes ROW:COLUMN"};
  const int row = Number(rest.substr(0, colon)), column = Number(rest.substr(colon + 1));
  if (row < 0 || row > 2 || column < 0 || column > 2) {
    throw ScriptError{prefix + " has rows and columns 0..2"};
  }
  return m[row][column];
}

}  // namespace

std::string GraphField2D(const TGraphAdv& g, const std::string& name) {
  if (auto shared = SharedField(g, name)) return *shared;
  const std::pair<const char*, int> ints[] = {
      {"skipNextMove", g.skipNextMove}, {"hoveredPoint", g.hoveredPoint},
      {"curveStep", g.curveStep},       {"activeRow", g.activeRow},
      {"wheelRow", g.wheelRow},         {"wheelTarget", g.wheelTarget},
  };
  for (const auto& [field, value] : ints) {
    if (name == field) return std::to_string(value);
  }
  throw ScriptError{"the 2D graph has no field '" + name + "'"};
}

std::string GraphField3D(const TGraphAdv& g, const std::string& name) {
  if (auto shared = SharedField(g, name)) return *shared;
  if (name == "tpsRange") return std::to_string(g.tpsRange);
  if (name == "zScale") return Float(g.zScale);
  if (name == "dragStartAngleX") return Float(g.dragStartAngleX);
  if (name == "dragStartAngleY") return Float(g.dragStartAngleY);
  if (name == "dragStartAngleZ") return Float(g.dragStartAngleZ);
  if (auto entry = MatrixEntry(g.rotation, name, "rotation")) return Float(*entry);
  if (auto entry = MatrixEntry(g.projection, name, "projection")) return Float(*entry);
  if (name.starts_with("palette:")) {
    const int index = Number(name.substr(8));
    if (index < 0 || index > 60) throw ScriptError{"the palette has entries 0..60"};
    return ui::ColourName(ui::Colour::Rgb(g.palette[static_cast<std::size_t>(index)]));
  }
  throw ScriptError{"the 3D view has no field '" + name + "'"};
}

}  // namespace zarvell
