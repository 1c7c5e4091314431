#include "play_print.h"

#include <cstdio>
#include <ostream>
#include <string>
#include <utility>

#include "app/image_dump.h"
#include "play_graph_fields.h"
#include "ui/control.h"

namespace zarvell {

using namespace design;
namespace {

std::string Property(const ui::Control& c, const std::string& name) {
  if (name == "caption") return c.caption;
  if (name == "text") return c.text;
  if (name == "hint") return c.hint;
  if (name == "tooltip") return std::string(ui::TooltipPart(c.hint));
  if (name == "status") return std::string(ui::StatusPart(c.hint));
  if (name == "visible") return c.visible ? "1" : "0";
  if (name == "enabled") return c.enabled ? "1" : "0";
  if (name == "checked") return c.checked ? "1" : "0";
  if (name == "position") return std::to_string(c.position);
  if (name == "itemindex") return std::to_string(c.itemIndex);
  if (name == "count") return std::to_string(c.items.size());
  if (name == "colour") return ui::ColourName(c.colour);
  if (name.starts_with("item:")) {
    const int index = Number(name.substr(5));
    if (index < 0 || index >= static_cast<int>(c.items.size())) {
      throw ScriptError{"the list has no entry " + name.substr(5)};
    }
    return c.items[index];
  }
  throw ScriptError{"unknown property '" + name + "'"};
}

ui::ControlIndex Control(const ui::ControlModel& c, const std::string& name) {
  const ui::ControlIndex id = c.Find(name);
  if (id == ui::kNoControl) throw ScriptError{"no control is named '" + name + "'"};
  return id;
}

void PrintSelection(const TSelcell& s, std::ostream& out) {
  out << "state " << s.state << " rect " << s.rectLeft << ' ' << s.rectRight << ' ' << s.rectTop
      << ' ' << s.rectBottom << '\n';
  for (int row = 0; row < s.rows; ++row) {
    for (int column = 0; column < s.columns; ++column) {
      out << (column > 0 ? " " : "") << s.cellFlags[row * s.columns + column];
    }
    out << '\n';
  }
}

// `print sheet N page` and `print sheet N NAME PROPERTY`: the window as sheet N went out.
// Where the program last moved the screen pointer, in the coordinates of an image control.
void PrintPointer(const ui::ControlModel& c, const ui::ScriptedHost& host, std::ostream& out) {
  const auto& moves = host.pointerMoves();
  if (moves.empty()) {
    out << "-\n";
    return;
  }
  const auto& [control, at] = moves.back();
  out << c.Name(control) << ' ' << at.x << ' ' << at.y << '\n';
}

void PrintSheet(const Words& w, const ui::ScriptedHost& host, std::ostream& out) {
  const int sheet = Number(w[2]);
  if (sheet < 1 || sheet > static_cast<int>(host.sheets().size())) {
    throw ScriptError{"no sheet " + w[2] + " was printed"};
  }
  const ui::ControlModel& c = host.sheets()[sheet - 1];
  if (w.size() == 4 && w[3] == "page") {
    out << c[PageControl1].itemIndex << '\n';
  } else if (w.size() == 5) {
    out << Property(c[Control(c, w[3])], w[4]) << '\n';
  } else {
    throw ScriptError{"print sheet N page, or print sheet N NAME PROPERTY"};
  }
}

}  // namespace

void PrintQuery(const Words& w, HeadlessWindow& window, std::ostream& out) {
  const ui::ControlModel& c = window.form.controls();
  ui::ScriptedHost& host = window.host;
  const std::string what = w.size() >= 2 ? w[1] : std::string();
  if (w.size() == 2 && what == "image") {
    out << FormatImageDump(window.form.image()) << '\n';
  } else if (w.size() == 2 && what == "unit") {
    std::string dump = FormatDumpBytes(window.unit.Params());
    while (!dump.empty() && dump.back() == '\n') dump.pop_back();
    out << dump << '\n';
  } else if (w.size() == 2 && what == "caption") {
    out << c[FormHlav].caption << '\n';
  } else if (w.size() == 2 && what == "focus") {
    out << (c.focus() == ui::kNoControl ? std::string_view("-") : c.Name(c.focus())) << '\n';
  } else if (w.size() == 2 && what == "page") {
    out << c[PageControl1].itemIndex << '\n';
  } else if (w.size() == 2 && what == "messages") {
    for (const ui::ShownMessage& m : host.messages()) out << m.text << '\n' << m.caption << '\n';
  } else if (w.size() == 2 && what == "selection") {
    PrintSelection(window.form.selection(), out);
  } else if (w.size() == 2 && what == "redrawflags") {
    out << window.form.redrawFlags() << '\n';
  } else if (w.size() == 2 && what == "pointer") {
    PrintPointer(c, host, out);
  } else if (w.size() == 3 && what == "graph2d") {
    out << GraphField2D(window.form.graph2d(), w[2]) << '\n';
  } else if (w.size() == 3 && what == "graph3d") {
    out << GraphField3D(window.form.graph3d(), w[2]) << '\n';
  } else if (w.size() == 3 && (what == "canvas" || what == "paints")) {
    const ui::RecordingCanvas* canvas = host.FindCanvas(c, Control(c, w[2]));
    if (what == "paints") {
      out << (canvas != nullptr ? canvas->paints() : 0) << '\n';
    } else if (canvas != nullptr) {
      for (const std::string& call : canvas->LastPaint()) out << call << '\n';
    }
  } else if (w.size() == 2 && what == "clipboard") {
    out << EncodeEscapes(host.ClipboardText()) << '\n';
  } else if (w.size() == 2 && what == "dialogs") {
    for (const ui::ShownDialog& d : host.dialogs()) {
      const ui::FileDialogRequest& r = d.request;
      out << (d.save ? "save " : "open ") << r.initialDir << " | " << r.fileName << " | "
          << r.filter << " | " << r.defaultExtension << '\n';
    }
  } else if (w.size() == 2 && what == "documents") {
    for (const std::string& document : host.openedDocuments()) out << document << '\n';
  } else if (w.size() == 2 && what == "sheets") {
    out << host.sheets().size() << '\n';
  } else if (w.size() >= 4 && what == "sheet") {
    PrintSheet(w, host, out);
  } else if (w.size() == 3) {
    out << Property(c[Control(c, w[1])], w[2]) << '\n';
  } else {
    throw ScriptError{
        "print "
        "image|unit|caption|page|focus|messages|selection|redrawflags|pointer|clipboard|dialogs|"
        "documents|sheets, print canvas|paints NAME, print graph2d|graph3d FIELD, print sheet N "
        "..., or "
        "print NAME PROPERTY"};
  }
}

}  // namespace zarvell
