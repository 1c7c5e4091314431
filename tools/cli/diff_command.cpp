#include "diff_command.h"

#include <cstdio>
#include <optional>
#include <ostream>
#include <sstream>

#include "link_commands.h"
#include "params/code_tables.h"
#include "params/set_diff.h"
#include "session.h"

namespace zarvell::cli {
namespace {

struct Options {
  bool json = false;
  std::string port;
  std::vector<std::string> files;
};

std::optional<Options> Parse(const std::vector<std::string>& args) {
  Options o;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--json") {
      o.json = true;
    } else if (args[i] == "--port" && i + 1 < args.size() && o.port.empty()) {
      o.port = args[++i];
    } else if (!args[i].starts_with("--")) {
      o.files.push_back(args[i]);
    } else {
      return std::nullopt;
    }
  }
  if (o.files.size() != (o.port.empty() ? 2u : 1u)) return std::nullopt;
  return o;
}

std::string WithUnit(int value, const char* unit) {
  std::string text = std::to_string(value);
  if (*unit != '\0') text += std::string(" ") + unit;
  return text;
}

std::string Signed(int value) {
  if (value == 0) return ".";
  return (value > 0 ? "+" : "") + std::to_string(value);
}

void Text(const SetDifference& d, const std::string& nameA, const std::string& nameB,
          std::ostream& out) {
  out << "A: " << nameA << "\nB: " << nameB << '\n';
  if (d.Equal()) {
    out << "The sets are equal.\n";
    return;
  }
  for (const FieldDifference& f : d.fields) {
    char line[96];
    std::snprintf(line, sizeof line, "%-20s %12s -> %s\n", f.name.c_str(),
                  WithUnit(f.a, f.unit).c_str(), WithUnit(f.b, f.unit).c_str());
    out << line;
  }
  if (!d.mapDiffers && !d.axisDiffers) return;
  out << "\nAdvance map, B - A in degrees (. the same), throttle rows down, RPM columns across\n";
  auto axis = [&out](const char* label, const std::array<int, 10>& rpm) {
    char cell[16];
    std::snprintf(cell, sizeof cell, "%-8s", label);
    out << cell;
    for (const int value : rpm) {
      std::snprintf(cell, sizeof cell, "%7d", value);
      out << cell;
    }
    out << '\n';
  };
  axis("rpm A", d.rpmA);
  axis("rpm B", d.rpmB);
  for (std::size_t r = 0; r < 10; ++r) {
    char cell[16];
    std::snprintf(cell, sizeof cell, "%5d %% ", TpsAxis[r]);
    out << cell;
    for (const int value : d.advance[r]) {
      std::snprintf(cell, sizeof cell, "%7s", Signed(value).c_str());
      out << cell;
    }
    out << '\n';
  }
}

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

template <typename Values>
std::string List(const Values& values) {
  std::string text = "[";
  for (std::size_t i = 0; i < values.size(); ++i)
    text += (i ? ", " : "") + std::to_string(values[i]);
  return text + "]";
}

void Json(const SetDifference& d, const std::string& nameA, const std::string& nameB,
          std::ostream& out) {
  out << "{\n  \"a\": " << Quoted(nameA) << ",\n  \"b\": " << Quoted(nameB)
      << ",\n  \"equal\": " << (d.Equal() ? "true" : "false") << ",\n  \"fields\": [";
  for (std::size_t i = 0; i < d.fields.size(); ++i) {
    const FieldDifference& f = d.fields[i];
    out << (i ? "," : "") << "\n    {\"name\": " << Quoted(f.name) << ", \"a\": " << f.a
        << ", \"b\": " << f.b << ", \"unit\": " << Quoted(f.unit) << '}';
  }
  out << (d.fields.empty() ? "]" : "\n  ]") << ",\n  \"map\": {\n    \"rpmA\": " << List(d.rpmA)
      << ",\n    \"rpmB\": " << List(d.rpmB) << ",\n    \"throttle\": " << List(TpsAxis)
      << ",\n    \"advanceBMinusA\": [";
  for (std::size_t r = 0; r < 10; ++r) out << (r ? ",\n      " : "\n      ") << List(d.advance[r]);
  out << "\n    ]\n  }\n}\n";
}

// A set read as `normalize` reads a file; false after the reason went to `err`.
bool ReadFile(const std::string& path, ParameterImage& image, std::ostream& err) {
  Session session(kStartupBike);
  if (ReadOver(path, err, session) != kExitOk) return false;
  image = session.set.image;
  return true;
}

}  // namespace

int Diff(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::optional<Options> o = Parse(args);
  if (!o) {
    Usage(err,
          "usage: zarvell-cli diff [--json] A.ign B.ign, or zarvell-cli diff [--json] --port DEV "
          "A.ign");
    return kDiffError;
  }
  ParameterImage a, b;
  if (!ReadFile(o->files[0], a, err)) return kDiffError;
  // The unit is only read, yet what is compared with it is a set meant for it.
  if (!o->port.empty() && RefuseOutOfRange(o->files[0], a, err) != kExitOk) return kDiffError;
  std::string nameB;
  if (o->port.empty()) {
    if (!ReadFile(o->files[1], b, err)) return kDiffError;
    nameB = o->files[1];
  } else {
    Session unit(kStartupBike);
    if (ReadUnitSet(o->port, unit, err) != kExitOk) return kDiffError;
    b = unit.set.image;
    nameB = "the unit on " + o->port;
  }
  const SetDifference d = CompareSets(a, b);
  (o->json ? Json : Text)(d, o->files[0], nameB, out);
  return d.Equal() ? kDiffEqual : kDiffDiffers;
}

}  // namespace zarvell::cli
