#include "support/renderer_contract.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "fileio/files.h"
#include "headless_window.h"
#include "play.h"

namespace zarvell::testutil {
namespace {

using ui::ControlKind;

std::string Hex(std::uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFFu));
  return text;
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

std::string Joined(const std::vector<std::string>& items) {
  std::string all;
  for (const std::string& item : items) all += (all.empty() ? "" : "|") + item;
  return Quoted(all);
}

class Comparison {
 public:
  Comparison(const ui::ControlModel& model, std::string_view step, ContractReport& report)
      : model_(model), step_(step), report_(report) {}

  void Control(ui::ControlIndex id, const ui::Control& c, const ShownControl& shown,
               std::uint32_t painted) {
    id_ = id;
    Same("visible", c.visible, shown.visible);
    if (c.kind == ControlKind::Form) return Same("caption", c.caption, shown.caption);
    Same("enabled", c.enabled, shown.enabled);
    // A menu shows its entries' hints in the status bar only, on every desktop.
    if (c.kind != ControlKind::MenuItem) {
      Same("tooltip", std::string(ui::TooltipPart(c.hint)), shown.tooltip);
    }
    if (c.kind != ControlKind::Page) {
      Same("status tip", std::string(ui::StatusPart(c.hint)), shown.statusTip);
    }
    if (HasCaption(c.kind)) Same("caption", c.caption, shown.caption);
    if (c.kind == ControlKind::Edit || c.kind == ControlKind::StatusBar) {
      Same("text", c.text, shown.text);
    }
    if (c.kind == ControlKind::CheckBox || c.kind == ControlKind::RadioButton ||
        c.kind == ControlKind::MenuItem) {
      Same("checked", c.checked, shown.checked);
    }
    if (c.kind == ControlKind::ComboBox || c.kind == ControlKind::RadioGroup) {
      Same("items", Joined(c.items), Joined(shown.items));
    }
    if (c.kind == ControlKind::ComboBox || c.kind == ControlKind::RadioGroup ||
        c.kind == ControlKind::Notebook) {
      Same("item index", c.itemIndex, shown.itemIndex);
    }
    if (c.kind == ControlKind::TrackBar || c.kind == ControlKind::Gauge) {
      Same("position", c.position, shown.position);
      Same("min", c.min, shown.min);
      Same("max", c.max, shown.max);
    }
    if (Placed(c.kind)) Same("place", Place(c.rect), Place(shown.rect));
    if (shown.background) Same("background", Hex(painted), Hex(*shown.background));
  }

 private:
  static bool HasCaption(ControlKind kind) {
    switch (kind) {
      case ControlKind::Label:
      case ControlKind::GroupBox:
      case ControlKind::Button:
      case ControlKind::CheckBox:
      case ControlKind::RadioButton:
      case ControlKind::RadioGroup:
      case ControlKind::MenuItem:
      case ControlKind::Page:
        return true;
      default:
        return false;
    }
  }
  // Menu entries, pages and the status bar are placed by their toolkit, not by the design.
  static bool Placed(ControlKind kind) {
    return kind != ControlKind::MenuItem && kind != ControlKind::Page &&
           kind != ControlKind::StatusBar && kind != ControlKind::MainMenu;
  }
  static std::string Place(const ui::Rect& r) {
    std::ostringstream text;
    text << r.left << ',' << r.top << ' ' << r.width << 'x' << r.height;
    return text.str();
  }

  template <class T>
  void Same(const char* what, const T& model, const T& shown) {
    ++report_.properties;
    if (model == shown) return;
    ++report_.mismatchCount;
    if (report_.mismatches.size() >= 40) return;
    std::ostringstream line;
    line << step_ << ": " << model_.Name(id_) << ": " << what << " shows " << Text(shown)
         << ", the model holds " << Text(model);
    report_.mismatches.push_back(line.str());
  }
  static std::string Text(bool value) { return value ? "true" : "false"; }
  static std::string Text(int value) { return std::to_string(value); }
  static std::string Text(const std::string& value) {
    return value.starts_with('"') || value.starts_with('#') ? value : Quoted(value);
  }

  const ui::ControlModel& model_;
  std::string_view step_;
  ContractReport& report_;
  ui::ControlIndex id_ = 0;
};

class Observer final : public PlayObserver {
 public:
  Observer(std::string_view name, HeadlessRendererFactory& factory, ContractReport& report)
      : name_(name), factory_(factory), report_(report) {}
  ~Observer() {
    if (renderer_ != nullptr) factory_.Detach();
  }
  Observer(const Observer&) = delete;
  Observer& operator=(const Observer&) = delete;

  void Started(HeadlessWindow& window) override {
    renderer_ = &factory_.Attach(window.form.controls(), window.form);
    window.host.onSheet = [this, &window] { Compare(window, "a printed sheet"); };
    Compare(window, "start");
  }
  void AfterLine(HeadlessWindow& window, std::string_view line) override { Compare(window, line); }

 private:
  void Compare(HeadlessWindow& window, std::string_view line) {
    renderer_->Sync();
    const std::string step = name_ + ": " + std::string(line);
    CompareWithModel(window.form.controls(), *renderer_, step, report_);
  }

  std::string name_;
  HeadlessRendererFactory& factory_;
  ContractReport& report_;
  RendererUnderTest* renderer_ = nullptr;
};

std::vector<ContractScript> ScriptsIn(const std::filesystem::path& folder) {
  std::vector<ContractScript> scripts;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".play") continue;
    if (auto text = ReadWholeFile(entry.path().string())) {
      scripts.push_back({folder.filename().string() + "/" + entry.path().stem().string(), *text});
    }
  }
  return scripts;
}

}  // namespace

void CompareWithModel(const ui::ControlModel& model, RendererUnderTest& renderer,
                      std::string_view step, ContractReport& report) {
  ++report.steps;
  Comparison comparison(model, step, report);
  for (ui::ControlIndex id = 0; id < model.size(); ++id) {
    const std::optional<ShownControl> shown = renderer.Read(id);
    if (shown) comparison.Control(id, model[id], *shown, renderer.Painted(model[id]));
  }
}

ContractReport RunContractScript(std::string_view name, std::string_view script,
                                 HeadlessRendererFactory& factory) {
  ContractReport report;
  std::vector<std::string> args;
  constexpr std::string_view kArgs = "# args: ";
  if (script.starts_with(kArgs)) {
    args.emplace_back(script.substr(kArgs.size(), script.find('\n') - kArgs.size()));
  }
  std::ostringstream out;
  std::ostringstream err;
  {
    Observer observer(name, factory, report);
    if (PlayScript(name, script, args, out, err, {}, &observer) != 0) {
      report.mismatches.push_back(err.str());
      ++report.mismatchCount;
    }
  }
  return report;
}

std::vector<ContractScript> ContractScripts() {
  std::vector<ContractScript> scripts = ScriptsIn(ZARVELL_SCENARIOS);
  for (ContractScript& own : ScriptsIn(ZARVELL_RENDERER_SCRIPTS)) scripts.push_back(std::move(own));
  std::sort(scripts.begin(), scripts.end(),
            [](const ContractScript& a, const ContractScript& b) { return a.name < b.name; });
  return scripts;
}

}  // namespace zarvell::testutil
