// The window as data: one record per control, holding the live properties that a toolkit
// would hold, plus marks of what changed since a renderer last looked.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zarvell::ui {

using ControlIndex = std::uint16_t;
inline constexpr ControlIndex kNoControl = 0xFFFF;

enum class ControlKind : std::uint8_t {
  None,  // an unfilled design row; never in a finished table
  Form,  // the window itself: caption and client size
  MainMenu,
  MenuItem,
  MenuSeparator,
  Notebook,  // item index = the page shown
  Page,      // visible = tab visible
  GroupBox,
  Label,
  Edit,
  UpDown,
  SpinButton,
  CheckBox,
  ComboBox,
  RadioGroup,
  RadioButton,
  TrackBar,
  Gauge,
  StatusBar,  // simple-text mode: the text is `text`
  Image,
  Button,
  ToolButton,
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// The platform's two system colours, or an RGB triple.
struct Colour {
  enum class Kind : std::uint8_t { ButtonFace, Window, Rgb };
  Kind kind = Kind::ButtonFace;
  std::uint32_t rgb = 0;  // 0x00RRGGBB, used when kind is Rgb

  static constexpr Colour ButtonFace() { return {}; }
  static constexpr Colour Window() { return {Kind::Window, 0}; }
  static constexpr Colour Rgb(std::uint32_t rgb) { return {Kind::Rgb, rgb & 0xFFFFFFu}; }
  static constexpr Colour Rgb(int r, int g, int b) {
    return Rgb(static_cast<std::uint32_t>((r << 16) | (g << 8) | b));
  }
  friend constexpr bool operator==(const Colour&, const Colour&) = default;
};
inline constexpr Colour kBlack = Colour::Rgb(0u);
inline constexpr Colour kRed = Colour::Rgb(0xFF0000u);
inline constexpr Colour kYellow = Colour::Rgb(0xFFFF00u);
inline constexpr Colour kLime = Colour::Rgb(0x00FF00u);
inline constexpr Colour kFuchsia = Colour::Rgb(0xFF00FFu);
inline constexpr Colour kAqua = Colour::Rgb(0x00FFFFu);
inline constexpr Colour kWhite = Colour::Rgb(0xFFFFFFu);

// "btnface", "window" or "#rrggbb".
std::string ColourName(Colour colour);

// Bits of Control::changed.
namespace change {
inline constexpr std::uint32_t kCaption = 1u << 0;
inline constexpr std::uint32_t kHint = 1u << 1;
inline constexpr std::uint32_t kText = 1u << 2;
inline constexpr std::uint32_t kVisible = 1u << 3;
inline constexpr std::uint32_t kEnabled = 1u << 4;
inline constexpr std::uint32_t kChecked = 1u << 5;
inline constexpr std::uint32_t kColour = 1u << 6;
inline constexpr std::uint32_t kFontColour = 1u << 7;
inline constexpr std::uint32_t kPosition = 1u << 8;  // position, min, max
inline constexpr std::uint32_t kItems = 1u << 9;
inline constexpr std::uint32_t kItemIndex = 1u << 10;
inline constexpr std::uint32_t kGeometry = 1u << 11;
inline constexpr std::uint32_t kFocus = 1u << 12;      // the control was given the focus
inline constexpr std::uint32_t kAll = (1u << 12) - 1;  // every property; the focus is an event
}  // namespace change

// One row of a window design table: what the control is before any code touches it.
struct ControlSpec {
  ControlIndex id = kNoControl;  // must equal the row's index in its table
  std::string_view name;         // the design name, e.g. "EditOmez2"
  ControlKind kind = ControlKind::None;
  ControlIndex parent = kNoControl;  // kNoControl for the form itself
  Rect rect;                         // relative to the parent's client area
  std::string_view caption;          // caption, or the initial text of an edit box
  std::string_view hint;
  std::string_view shortcut;  // menu items: "Ctrl+N", "F3", "Ctrl+Alt+Z"
  std::string_view items;     // list items, one per line
  int min = 0;                // up/down, track bar, gauge
  int max = 100;
  int position = 0;
  int increment = 1;                    // up/down step; a track bar's tick spacing
  ControlIndex associate = kNoControl;  // the edit box an up/down control writes into
  int itemIndex = -1;                   // combo box, radio group, notebook
  bool checked = false;
  bool visible = true;
  bool enabled = true;
  Colour colour;
  Colour fontColour = kBlack;
};

struct Control {
  ControlKind kind = ControlKind::None;
  ControlIndex parent = kNoControl;
  Rect rect;
  std::string caption;
  std::string hint;
  std::string text;
  std::string shortcut;
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  Colour colour;
  Colour fontColour = kBlack;
  int position = 0;
  int min = 0;
  int max = 100;
  int increment = 1;
  ControlIndex associate = kNoControl;
  std::vector<std::string> items;
  int itemIndex = -1;
  std::uint32_t changed = change::kAll;
};

// A hint "tooltip|status" shows its first part as the tooltip and its second in the status
// bar; a hint without a bar is shown whole in both places.
std::string_view TooltipPart(std::string_view hint);
std::string_view StatusPart(std::string_view hint);

// An edit box's text as the whole decimal number it must be: optional sign, digits, nothing
// else (surrounding blanks allowed). Returns false for anything else or for a number too big
// for an int.
bool ParseWholeNumber(std::string_view text, int& value);

}  // namespace zarvell::ui
