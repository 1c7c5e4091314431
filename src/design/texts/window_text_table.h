// Every caption, hint and list item of the main window that follows the language, one row per
// control property, in the order ApplyCaptions writes them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "design/main_controls.h"
#include "design/texts/text_table.h"

namespace zarvell {

enum class TextTarget : std::uint8_t {
  Caption,
  Hint,         // "tooltip|status bar", or one text for both
  Item,         // one combo box entry; writing just past the end appends it
  Items,        // a radio group's whole list, one item per line
  LiveCaption,  // a live-value label's placeholder, written only while no unit is connected
};

struct WindowText {
  design::ControlId control;
  TextTarget target;
  FourTexts texts;                      // unused when `message` names the source
  std::string_view suffix;              // appended in every language: " 1", " [rpm]", " - ---"
  TextEntry message = kTextEntryCount;  // or the loaded message the text starts with
  std::uint8_t item = 0;                // the combo box position of TextTarget::Item
};

std::span<const WindowText> WindowTextTable();

}  // namespace zarvell
