// The message texts: every text the window shows later (in message boxes, the status label,
// the live-value labels, the printed stamp) in the four languages, and the loader that puts
// the current language's version into the window's text table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "design/main_controls.h"
#include "design/texts/text_table.h"
#include "ui/control_model.h"

namespace zarvell {

// Most messages are loaded by LoadMessages; the few that also make up window captions are
// loaded by ApplyCaptions, ahead of those captions.
enum class MessageLoader : std::uint8_t { Messages, Captions };

struct MessageText {
  TextEntry entry;
  MessageLoader loader;
  FourTexts texts;
};

// Every loaded entry, in entry order.
std::span<const MessageText> MessageTable();

// The FourTexts column of a language index. The start-up pass keeps the index at 0..3; any
// other value reads as English rather than past the end of a row.
constexpr std::size_t LanguageColumn(std::uint8_t language) {
  return language < kLanguageCount ? language : 0;
}

// The live-value labels show placeholders only while no unit is connected; once one is, the
// monitor replies own their texts.
inline bool ShowsPlaceholders(const ui::ControlModel& controls) {
  return controls[design::LabelSpojeni].visible;
}

// Loads the entries of one loader in the language.
void LoadMessageEntries(TextTable& texts, std::uint8_t language, MessageLoader loader);

// Loads every LoadMessages entry in the language and, while no unit is connected, writes the
// live-value placeholders in it.
void LoadMessages(TextTable& texts, std::uint8_t language, ui::ControlModel& controls);

}  // namespace zarvell
