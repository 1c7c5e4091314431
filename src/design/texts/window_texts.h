// Switching the main window to a language: every translated caption, hint and list item, the
// language menu's check marks, the window caption and the message texts.
#pragma once

#include <cstdint>
#include <string_view>

#include "design/texts/messages.h"
#include "design/texts/text_table.h"
#include "ui/control_model.h"

namespace zarvell {

// Writes every row of the window text table in the language, then loads the messages. The
// first call also fixes the length of the bike, synchronization and ignitions-per-revolution
// lists (38, 13 and 5 entries), which the parameter image addresses by position; the caller
// restores the selections from the image afterwards.
void ApplyCaptions(TextTable& texts, std::uint8_t language, ui::ControlModel& controls);

// The window caption: the title prefix, seven spaces and the current file's path.
void ShowWindowCaption(const TextTable& texts, ui::ControlModel& controls);

// The About window's caption in the language; empty for an unknown language, meaning "leave
// the caption as it is".
std::string_view AboutCaption(std::uint8_t language);

}  // namespace zarvell
