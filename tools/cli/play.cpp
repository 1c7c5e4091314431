#include "play.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string_view>
#include <utility>
#include <vector>

#include "fileio/files.h"
#include "fileio/paths.h"
#include "headless_window.h"
#include "play_print.h"
#include "play_words.h"
#include "ui/scripted_host.h"

namespace zarvell {

using namespace design;
namespace {

Words Split(std::string_view line) {
  Words words;
  std::istringstream in{std::string(line)};
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// A folder under $TMPDIR that goes away with the run.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    const std::optional<std::filesystem::path> folder = MakeTemporaryFolder("zarvell-play");
    if (!folder) throw ScriptError{"cannot create a temporary folder"};
    path_ = *folder;
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
      : w_(configDir, std::vector<std::string>(args.begin(), args.end())),
        out_(out),
        configDir_(Utf8Of(configDir)) {}

  // False once the window has closed. An exception that leaves one of the window's handlers is
  // shown in a message box, as the program's event loop does, and the script goes on.
  bool Run(const Words& w, std::string_view line) {
    try {
      Command(w, line);
    } catch (const std::exception& error) {
      w_.host.ShowMessage(error.what(), kProductName, ui::MessageButtons::Ok);
    }
    return !Closed();
  }

  HeadlessWindow& window() { return w_; }

  void Close() {
    if (!closed_) w_.form.FormClose();
    closed_ = true;
  }

  // The settings folder changes from run to run; scripts name it $CONFIG.
  std::string WithFolder(std::string line) const {
    return Replace(std::move(line), "$CONFIG", configDir_);
  }

 private:
  static std::string Replace(std::string text, std::string_view from, std::string_view to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
      text.replace(at, from.size(), to);
    return text;
  }

  // Paths below $CONFIG printed with '/' on every system, so that a script's output is the same
  // on Windows, whose paths the window shows with '\\'.
  static std::string PortableFolder(std::string text) {
    for (auto at = text.find("$CONFIG"); at != std::string::npos; at = text.find("$CONFIG", at)) {
      for (at += 7; at < text.size() && text[at] != ' ' && text[at] != '\n' && text[at] != '|';
           ++at) {
        if (text[at] == '\\') text[at] = '/';
      }
    }
    return text;
  }

  void Command(const Words& w, std::string_view line) {
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
    } else if ((verb == "copy" || verb == "paste") && w.size() == 2) {
      Clipboard(Control(w, 1), verb == "copy" ? ui::ClipboardKey::Copy : ui::ClipboardKey::Paste);
    } else if (verb == "clipboard" && w.size() >= 2) {
      w_.host.SetClipboardText(DecodeEscapes(TextAfterWord(line, "clipboard")));
    } else if (verb == "hold" && w.size() == 2) {
      Hold(w[1]);
    } else if (verb == "key" && (w.size() == 2 || w.size() == 3)) {
      Key(w);
    } else if (verb == "answer" && w.size() == 2) {
      w_.host.QueueAnswer(Answer(w[1]));
    } else if (verb == "dialog" && w.size() >= 2) {
      if (w.size() == 2 && w[1] == "cancel") {
        w_.host.QueueCancel();
      } else {
        w_.host.QueuePath(std::string(TextAfterWord(line, "dialog")));
      }
    } else if (verb == "write" && w.size() >= 2) {
      AppendLine(w[1], TextAfterName(line, w[1]));
    } else if (verb == "printer" && w.size() == 3 && w[1] == "fail") {
      w_.host.FailPrinterOnSheet(Number(w[2]));
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
      std::ostringstream text;
      PrintQuery(w, w_, text);
      out_ << PortableFolder(Replace(text.str(), configDir_, "$CONFIG"));
    } else {
      throw ScriptError{"unknown command or wrong number of words"};
    }
  }

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
    const auto at = line.find(name, line.find_first_not_of(" \t") + 4) + name.size();
    return at + 1 < line.size() ? line.substr(at + 1) : std::string_view{};
  }
  static void AppendLine(const std::string& path, std::string_view text) {
    if (!IsSaveTarget(PathFromUtf8(path))) {
      throw ScriptError{path + " is not a regular file; left alone"};
    }
    std::ofstream file(PathFromUtf8(path), std::ios::app | std::ios::binary);
    if (!(file << text << '\n')) throw ScriptError{"cannot write " + path};
  }
  // Everything after the command word and the blanks that follow it.
  static std::string_view TextAfterWord(std::string_view line, std::string_view word) {
    line.remove_prefix(line.find(word) + word.size());
    line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
    return line;
  }

  // Ctrl+C or Ctrl+V with the focus on `control`; what the window leaves, an edit box does
  // with its whole text.
  void Clipboard(ui::ControlIndex control, ui::ClipboardKey key) {
    ui::ControlModel& c = w_.form.controls();
    c.SetFocus(control);
    if (ui::DeliverClipboard(c, w_.form, control, key) ||
        c[control].kind != ui::ControlKind::Edit) {
      return;
    }
    if (key == ui::ClipboardKey::Copy) {
      w_.host.SetClipboardText(c[control].text);
    } else {
      c.SetText(control, w_.host.ClipboardText());
    }
  }

  // A menu shortcut, or a navigation key on the control with the focus (or on the named one,
  // which takes the focus first).
  void Key(const Words& w) {
    ui::ControlModel& c = w_.form.controls();
    const std::optional<Navigation> navigation = NavigationNamed(w[1]);
    if (!navigation) {
      if (w.size() == 3) throw ScriptError{"only a navigation key names a control"};
      ui::DeliverClick(c, w_.form, MenuItemWithShortcut(w[1]));
      return;
    }
    if (w.size() == 3) c.SetFocus(Control(w, 2));
    ui::DeliverNavigationKey(c, w_.form, c.focus(), navigation->key, navigation->extend);
  }

  struct Navigation {
    ui::NavigationKey key;
    bool extend;
  };
  static std::optional<Navigation> NavigationNamed(std::string_view keys) {
    using K = ui::NavigationKey;
    static constexpr std::pair<std::string_view, Navigation> kKeys[] = {
        {"Ctrl+Tab", {K::NextPage, false}},
        {"Ctrl+PgDn", {K::NextPage, false}},
        {"Ctrl+Shift+Tab", {K::PreviousPage, false}},
        {"Ctrl+PgUp", {K::PreviousPage, false}},
        {"Ctrl+Left", {K::Left, false}},
        {"Ctrl+Shift+Left", {K::Left, true}},
        {"Ctrl+Right", {K::Right, false}},
        {"Ctrl+Shift+Right", {K::Right, true}},
        {"Ctrl+Up", {K::Up, false}},
        {"Ctrl+Shift+Up", {K::Up, true}},
        {"Ctrl+Down", {K::Down, false}},
        {"Ctrl+Shift+Down", {K::Down, true}},
    };
    for (const auto& [name, navigation] : kKeys) {
      if (name == keys) return navigation;
    }
    return std::nullopt;
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
    } else if (what == "switches" && w.size() == 5) {
      w_.unit.SetSwitches({Number(w[2]) != 0, Number(w[3]) != 0, Number(w[4]) != 0});
    } else if (what == "live" && w.size() == 4) {
      w_.unit.SetLive(static_cast<std::uint16_t>(Number(w[2])), Byte(w[3]));
    } else if (what == "fault" && w.size() >= 3) {
      Fault(w);
    } else {
      throw ScriptError{
          "unit connect|unplug|set BYTE VALUE|live RPM TPS|switches KILL BLOCKING CLUTCH|tps RAW|"
          "fault ..."};
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

  HeadlessWindow w_;
  ui::Modifiers held_;  // the keys a `hold` line keeps down
  std::ostream& out_;
  std::string configDir_;
  bool closed_ = false;
};

}  // namespace

int PlayScript(std::string_view name, std::string_view script, std::span<const std::string> args,
               std::ostream& out, std::ostream& err, const std::filesystem::path& configDir,
               PlayObserver* observer) {
  int lineNumber = 0;
  try {
    std::optional<TemporaryFolder> temporary;
    if (configDir.empty()) temporary.emplace();
    Player player(configDir.empty() ? temporary->path() : configDir, args, out);
    if (observer != nullptr) observer->Started(player.window());
    std::istringstream lines{std::string(script)};
    for (std::string line; std::getline(lines, line);) {
      ++lineNumber;
      if (!line.empty() && line.back() == '\r') line.pop_back();  // a script saved with CR LF
      if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
      line = player.WithFolder(std::move(line));
      const Words words = Split(line);
      if (words.empty()) continue;
      const bool open = player.Run(words, line);
      if (observer != nullptr && words[0] != "print") observer->AfterLine(player.window(), line);
      if (!open) return 0;
    }
    player.Close();
  } catch (const ScriptError& e) {
    err << "zarvell-cli: " << name << ':' << lineNumber << ": " << e.message << '\n';
    return 2;
  }
  return 0;
}

}  // namespace zarvell
