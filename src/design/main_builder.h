// Helpers that add the main window's controls to its design table, and the window's fixed
// frame: where the notebook, its pages and the live column sit.
#pragma once

#include <string_view>

#include "design/design_table.h"
#include "design/main_controls.h"

namespace zarvell::design {

using ui::ControlKind;
using ui::Rect;

// The client area below the menu bar and above the status bar.
inline constexpr int kFormWidth = 984;
inline constexpr int kFormHeight = 703;
inline constexpr int kMenuBarHeight = 22;
inline constexpr int kStatusBarHeight = 23;
inline constexpr int kContentHeight = kFormHeight - kMenuBarHeight - kStatusBarHeight;

// The notebook and the client area of its pages (tabs above, a thin frame around).
inline constexpr Rect kNotebook = {0, 44, 720, 552};
inline constexpr Rect kPage = {4, 26, 712, 522};

inline constexpr int kEditHeight = 21;
inline constexpr int kUpDownWidth = 15;
inline constexpr int kLabelHeight = 16;
inline constexpr int kCheckHeight = 18;
inline constexpr int kButtonHeight = 25;
inline constexpr int kComboHeight = 22;

class MainBuilder : public Table<kMainControlCount> {
 public:
  constexpr MainBuilder() : Table(kMainControlNames) {}

  constexpr ui::ControlSpec& Menu(ControlId id, ControlId parent, std::string_view caption,
                                  std::string_view shortcut = {}, std::string_view hint = {}) {
    ui::ControlSpec& row = Add(id, ControlKind::MenuItem, parent, {}, caption);
    row.shortcut = shortcut;
    row.hint = hint;
    return row;
  }

  // A label sized for its English caption and translations up to 1.4 times longer.
  constexpr ui::ControlSpec& Label(ControlId id, ControlId parent, int x, int y,
                                   std::string_view caption) {
    return Add(id, ControlKind::Label, parent, {x, y, TranslatedWidth(caption), kLabelHeight},
               caption);
  }
  constexpr ui::ControlSpec& FixedLabel(ControlId id, ControlId parent, Rect rect,
                                        std::string_view caption) {
    return Add(id, ControlKind::Label, parent, rect, caption);
  }

  // A check box sized for its caption, or given the width of its column.
  constexpr ui::ControlSpec& Check(ControlId id, ControlId parent, int x, int y,
                                   std::string_view caption, int width = 0) {
    const int needed = caption.empty() ? kCheckHeight : TranslatedWidth(caption) + kIndicatorWidth;
    if (width != 0 && width < needed) throw "check box too narrow for its caption";
    return Add(id, ControlKind::CheckBox, parent, {x, y, width != 0 ? width : needed, kCheckHeight},
               caption);
  }

  constexpr ui::ControlSpec& Button(ControlId id, ControlId parent, Rect rect,
                                    std::string_view caption) {
    return Add(id, ControlKind::Button, parent, rect, caption);
  }

  // An edit box of a number with its up/down control right beside it.
  constexpr void Number(ControlId edit, ControlId upDown, ControlId parent, Rect editRect, int min,
                        int max, int step) {
    Add(edit, ControlKind::Edit, parent, editRect).colour = ui::Colour::Window();
    ui::ControlSpec& row =
        Add(upDown, ControlKind::UpDown, parent,
            {editRect.left + editRect.width, editRect.top, kUpDownWidth, editRect.height});
    row.min = min;
    row.max = max;
    row.position = min;
    row.increment = step;
    row.associate = edit;
  }

  // A caption at the left and its number at `editX`, the caption vertically centred on the box.
  constexpr void LabelledNumber(ControlId label, ControlId edit, ControlId upDown, ControlId parent,
                                int x, int y, std::string_view caption, int editX, int editWidth,
                                int min, int max, int step) {
    Label(label, parent, x, y + 3, caption);
    if (x + TranslatedWidth(caption) > editX) throw "caption runs into its edit box";
    Number(edit, upDown, parent, {editX, y, editWidth, kEditHeight}, min, max, step);
  }
};

}  // namespace zarvell::design
