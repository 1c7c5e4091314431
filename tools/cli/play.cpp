#include "play.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <vector>

#include "app/image_dump.h"
#include "headless_window.h"
#include "ui/control.h"
#include "ui/scripted_host.h"

namespace zarvell {

using namespace design;
namespace {

using Words = std::vector<std::string>;

Words Split(std::string_view line) {
  Words words;
  std::istringstream in{std::string(line)};
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// A failed line: the message says what was wrong with it.
struct ScriptError {
  std::string message;
};

int Number(const std::string& word) {
  int value = 0;
  if (!ui::ParseWholeNumber(word, value)) throw ScriptError{"'" + word + "' is not a number"};
  return value;
}

// A folder under $TMPDIR that goes away with the run.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zarvell-play-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) throw ScriptError{"cannot create a temporary folder"};
    path_ = pattern;
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

class Player {
 public:
  Player(const std::filesystem::path& configDir, std::span<const std::string> args,
         std::ostream& out)
      : w_(configDir, std::vector<std::string>(args.begin(), args.end())), out_(out) {}

  // False once the window has closed.
  bool Run(const Words& w, std::string_view line) {
    const std::string& verb = w[0];
    ui::ControlModel& c = w_.form.controls();
    if (verb == "set" && w.size() >= 2) {
      c.SetText(Control(w, 1), TextAfterName(line, w[1]));
    } else if (verb == "exit" && w.size() == 2) {
      ui::DeliverEditExit(c, w_.form, Control(w, 1));
    } else if (verb == "enter" && w.size() == 2) {
      ui::DeliverEditEnter(c, w_.form, Control(w, 1));
    } else if (verb == "click" && w.size() == 2) {
      ui::DeliverClick(c, w_.form, Control(w, 1));
    } else if ((verb == "up" || verb == "down") && w.size() == 2) {
      ui::DeliverUpDown(c, w_.form, Control(w, 1), verb == "up");
    } else if (verb == "check" && w.size() == 3) {
      ui::DeliverKeyboardToggle(c, w_.form, Control(w, 1), Number(w[2]) != 0);
    } else if (verb == "select" && w.size() == 3) {
      ui::DeliverSelect(c, w_.form, Control(w, 1), Number(w[2]));
    } else if (verb == "char" && w.size() == 3 && w[2].size() == 1) {
      ui::DeliverChar(c, w_.form, Control(w, 1), w[2][0]);
    } else if (verb == "hold" && w.size() == 2) {
      Hold(w[1]);
    } else if (verb == "key" && w.size() == 2) {
      ui::DeliverClick(c, w_.form, MenuItemWithShortcut(w[1]));
    } else if (verb == "answer" && w.size() == 2) {
      w_.host.QueueAnswer(Answer(w[1]));
    } else if (verb == "tick" && w.size() <= 2) {
      for (int n = w.size() == 2 ? Number(w[1]) : 1; n > 0 && !Closed(); --n) {
        w_.unit.Tick();
        w_.form.OnTick();
      }
    } else if (verb == "unit" && w.size() >= 2) {
      Unit(w);
    } else if (verb == "mouse" && w.size() >= 3) {
      Mouse(w);
    } else if (verb == "wheel" && w.size() >= 5) {
      ui::WheelEvent event{Number(w[2]), {Number(w[3]), Number(w[4])}};
      ReadModifiers(w, 5, event.shift, event.ctrl);
      w_.form.OnWheel(Control(w, 1), event);
      w_.host.SetModifiers(held_);
    } else if (verb == "page" && w.size() == 2) {
      ui::DeliverPage(c, w_.form, PageControl1, Number(w[1]));
    } else if (verb == "print" && w.size() >= 2) {
      Print(w);
    } else {
      throw ScriptError{"unknown command or wrong number of words"};
    }
    return !Closed();
  }

  void Close() {
    if (!closed_) w_.form.FormClose();
    closed_ = true;
  }

 private:
  bool Closed() {
    if (w_.host.closeRequested() && !closed_) Close();
    return closed_;
  }

  ui::ControlIndex Control(const Words& w, std::size_t at) const {
    const ui::ControlIndex id = w_.form.controls().Find(w[at]);
    if (id == ui::kNoControl) throw ScriptError{"no control is named '" + w[at] + "'"};
    return id;
  }

  // Everything after the name and the blank that ends it, spaces included.
  static std::string_view TextAfterName(std::string_view line, const std::string& name) {
    const auto at = line.find(name, line.find("set") + 3) + name.size();
    return at + 1 < line.size() ? line.substr(at + 1) : std::string_view{};
  }

  ui::ControlIndex MenuItemWithShortcut(const std::string& keys) const {
    const ui::ControlModel& c = w_.form.controls();
    for (std::size_t i = 0; i < c.size(); ++i) {
      const auto id = static_cast<ui::ControlIndex>(i);
      if (c[id].kind == ui::ControlKind::MenuItem && c[id].shortcut == keys) return id;
    }
    throw ScriptError{"no menu item has the shortcut " + keys};
  }

  static ui::MessageAnswer Answer(const std::string& word) {
    if (word == "yes") return ui::MessageAnswer::Yes;
    if (word == "no") return ui::MessageAnswer::No;
    if (word == "cancel") return ui::MessageAnswer::Cancel;
    if (word == "ok") return ui::MessageAnswer::Ok;
    throw ScriptError{"answer takes yes, no, cancel or ok"};
  }

  void Hold(const std::string& keys) {
    if (keys == "none") {
      held_ = {};
    } else if (keys == "shift" || keys == "ctrl" || keys == "shift+ctrl") {
      held_ = {keys != "ctrl", keys != "shift"};
    } else {
      throw ScriptError{"hold takes shift, ctrl, shift+ctrl or none"};
    }
    w_.host.SetModifiers(held_);
  }

  // The held keys and the event's own words, for the event and the window's keyboard queries
  // while it is handled; the held keys alone afterwards (RestoreHeld).
  void ReadModifiers(const Words& w, std::size_t from, bool& shift, bool& ctrl) {
    shift = held_.shift;
    ctrl = held_.ctrl;
    for (std::size_t i = from; i < w.size(); ++i) {
      if (w[i] == "shift") {
        shift = true;
      } else if (w[i] == "ctrl") {
        ctrl = true;
      } else {
        throw ScriptError{"'" + w[i] + "' is neither shift nor ctrl"};
      }
    }
    // Handlers that read the keyboard themselves see the same keys.
    w_.host.SetModifiers({shift, ctrl});
  }

  void Mouse(const Words& w) {
    ui::MouseEvent event;
    const std::string& action = w[2];
    if (action == "down") {
      event.action = ui::MouseAction::Down;
    } else if (action == "move") {
      event.action = ui::MouseAction::Move;
    } else if (action == "up") {
      event.action = ui::MouseAction::Up;
    } else if (action == "leave" && w.size() == 3) {
      event.action = ui::MouseAction::Leave;
      w_.form.OnMouse(Control(w, 1), event);
      return;
    } else {
      throw ScriptError{"mouse takes down, move, up or leave"};
    }
    if (w.size() < 5) throw ScriptError{"mouse NAME ACTION X Y"};
    event.button =
        event.action == ui::MouseAction::Move ? ui::MouseButton::None : ui::MouseButton::Left;
    event.point = {Number(w[3]), Number(w[4])};
    ReadModifiers(w, 5, event.shift, event.ctrl);
    w_.form.OnMouse(Control(w, 1), event);
    w_.host.SetModifiers(held_);
  }

  // The simulated unit: plugged into the cable of the chosen COM number, or out again.
  void Unit(const Words& w) {
    const std::string& what = w[1];
    if (what == "connect" && w.size() == 2) {
      w_.ConnectUnit();
    } else if (what == "unplug" && w.size() == 2) {
      w_.DisconnectUnit();
    } else if (what == "set" && w.size() == 4) {
      const int byte = Number(w[2]);
      if (byte < 0 || byte >= 200) throw ScriptError{"the unit has bytes 0 to 199"};
      w_.unit.SetParam(static_cast<std::size_t>(byte), Byte(w[3]));
    } else if (what == "tps" && w.size() == 3) {
      const int raw = Number(w[2]);
      if (raw < 0 || raw > 65535) throw ScriptError{"'" + w[2] + "' is not a converter reading"};
      w_.unit.ReportThrottleRaw(static_cast<std::uint16_t>(raw));
    } else if (what == "live" && w.size() == 4) {
      w_.unit.SetLive(static_cast<std::uint16_t>(Number(w[2])), Byte(w[3]));
    } else if (what == "fault" && w.size() >= 3) {
      Fault(w);
    } else {
      throw ScriptError{"unit connect|unplug|set BYTE VALUE|live RPM TPS|tps RAW|fault ..."};
    }
  }

  void Fault(const Words& w) {
    const std::string& fault = w[2];
    const auto value = [&] {
      if (w.size() != 4) throw ScriptError{"unit fault " + fault + " takes a number"};
      return Byte(w[3]);
    };
    if (fault == "clear" && w.size() == 3) {
      w_.unit.ClearFaults();
    } else if (fault == "refuse" && w.size() == 3) {
      w_.unit.RefuseReadOut(true);
    } else if (fault == "drop") {
      w_.unit.DropEveryReply(value());
    } else if (fault == "corrupt") {
      w_.unit.CorruptBlock(value());
    } else if (fault == "late") {
      w_.unit.ReplyLate(value());
    } else if (fault == "version") {
      w_.unit.ReportVersion(value());
    } else if (fault == "silent") {
      w_.unit.GoSilent(value());
    } else {
      throw ScriptError{
          "unit fault drop N|corrupt BLOCK|late TICKS|version V|refuse|silent TICKS|clear"};
    }
  }

  static std::uint8_t Byte(const std::string& word) {
    const int value = Number(word);
    if (value < 0 || value > 255) throw ScriptError{"'" + word + "' is not a byte value"};
    return static_cast<std::uint8_t>(value);
  }

  void Print(const Words& w) {
    const ui::ControlModel& c = w_.form.controls();
    if (w.size() == 2 && w[1] == "image") {
      out_ << FormatImageDump(w_.form.image()) << '\n';
    } else if (w.size() == 2 && w[1] == "unit") {
      std::string dump = FormatDumpBytes(w_.unit.Params());
      while (!dump.empty() && dump.back() == '\n') dump.pop_back();
      out_ << dump << '\n';
    } else if (w.size() == 2 && w[1] == "caption") {
      out_ << c[FormHlav].caption << '\n';
    } else if (w.size() == 2 && w[1] == "focus") {
      out_ << (c.focus() == ui::kNoControl ? std::string_view("-") : c.Name(c.focus())) << '\n';
    } else if (w.size() == 2 && w[1] == "page") {
      out_ << c[PageControl1].itemIndex << '\n';
    } else if (w.size() == 2 && w[1] == "messages") {
      for (const ui::ShownMessage& m : w_.host.messages())
        out_ << m.text << '\n' << m.caption << '\n';
    } else if (w.size() == 2 && w[1] == "selection") {
      PrintSelection();
    } else if (w.size() == 2 && w[1] == "redrawflags") {
      out_ << w_.form.redrawFlags() << '\n';
    } else if (w.size() == 2 && w[1] == "pointer") {
      PrintPointer();
    } else if (w.size() == 3 && w[1] == "graph2d") {
      out_ << GraphField(w_.form.graph2d(), w[2]) << '\n';
    } else if (w.size() == 3 && (w[1] == "canvas" || w[1] == "paints")) {
      const ui::RecordingCanvas* canvas = w_.host.FindCanvas(c, Control(w, 2));
      if (w[1] == "paints") {
        out_ << (canvas != nullptr ? canvas->paints() : 0) << '\n';
      } else if (canvas != nullptr) {
        for (const std::string& call : canvas->LastPaint()) out_ << call << '\n';
      }
    } else if (w.size() == 3) {
      out_ << Property(c[Control(w, 1)], w[2]) << '\n';
    } else {
      throw ScriptError{
          "print image|unit|caption|page|focus|messages|selection|redrawflags|pointer, "
          "print canvas|paints NAME, print graph2d FIELD, or print NAME PROPERTY"};
    }
  }

  void PrintSelection() {
    const TSelcell& s = w_.form.selection();
    out_ << "state " << s.state << " rect " << s.rectLeft << ' ' << s.rectRight << ' ' << s.rectTop
         << ' ' << s.rectBottom << '\n';
    for (int row = 0; row < s.rows; ++row) {
      for (int column = 0; column < s.columns; ++column) {
        out_ << (column > 0 ? " " : "") << s.cellFlags[row * s.columns + column];
      }
      out_ << '\n';
    }
  }

  void PrintPointer() {
    const auto& moves = w_.host.pointerMoves();
    if (moves.empty()) {
      out_ << "-\n";
      return;
    }
    const auto& [control, at] = moves.back();
    out_ << w_.form.controls().Name(control) << ' ' << at.x << ' ' << at.y << '\n';
  }

  static std::string GraphField(const TGraphAdv& g, const std::string& name) {
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
        {"skipNextMove", g.skipNextMove},
        {"hoveredPoint", g.hoveredPoint},
        {"lastLiveRpm", g.lastLiveRpm},
        {"lastLiveTps", g.lastLiveTps},
        {"curveStep", g.curveStep},
        {"activeRow", g.activeRow},
        {"ctrlHeld", g.ctrlHeld},
        {"shiftHeld", g.shiftHeld},
        {"wheelRow", g.wheelRow},
        {"wheelTarget", g.wheelTarget},
    };
    for (const auto& [field, value] : ints) {
      if (name == field) return std::to_string(value);
    }
    if (name == "xScale" || name == "yScale") {
      char text[32];
      std::snprintf(text, sizeof text, "%.9g", double{name == "xScale" ? g.xScale : g.yScale});
      return text;
    }
    throw ScriptError{"the 2D graph has no field '" + name + "'"};
  }

  static std::string Property(const ui::Control& c, const std::string& name) {
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

  HeadlessWindow w_;
  ui::Modifiers held_;  // the keys a `hold` line keeps down
  std::ostream& out_;
  bool closed_ = false;
};

}  // namespace

int PlayScript(std::string_view name, std::string_view script, std::span<const std::string> args,
               std::ostream& out, std::ostream& err) {
  int lineNumber = 0;
  try {
    TemporaryFolder config;
    Player player(config.path(), args, out);
    std::istringstream lines{std::string(script)};
    for (std::string line; std::getline(lines, line);) {
      ++lineNumber;
      if (!line.empty() && line.back() == '\r') line.pop_back();  // a script saved with CR LF
      if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
      const Words words = Split(line);
      if (words.empty()) continue;
      if (!player.Run(words, line)) return 0;
    }
    player.Close();
  } catch (const ScriptError& e) {
    err << "zarvell-cli: " << name << ':' << lineNumber << ": " << e.message << '\n';
    return 2;
  }
  return 0;
}

}  // namespace zarvell
