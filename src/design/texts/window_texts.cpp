#include "design/texts/window_texts.h"

#include <array>
#include <string>

#include "design/main_controls.h"
#include "design/texts/window_text_table.h"

namespace zarvell {
namespace {

using namespace design;

constexpr std::string_view kTitlePrefix = "  Zarvell";
constexpr std::string_view kCaptionGap = "       ";

constexpr std::array kLanguageItems = {MenuEnglish, MenuGerman, MenuFrench, MenuCzech};
static_assert(kLanguageItems.size() == kLanguageCount, "one menu item per language");

constexpr FourTexts kAboutCaptions = {"About ZARVELL", "Über Programm ZARVELL",
                                      "Information ZARVELL", "O programu ZARVELL"};

// The tool-bar buttons that repeat a menu command carry the menu item's caption and hint.
ControlId ButtonOf(ControlId menu) {
  switch (menu) {
    case MenuRead:
      return ButtonRead;
    case MenuVerify:
      return BitBtnVerify;
    case MenuProgram:
      return BitBtnProgram;
    default:
      return kMainControlCount;
  }
}

std::string RowText(const WindowText& row, const TextTable& texts, std::size_t column) {
  std::string text =
      row.message == kTextEntryCount ? std::string(row.texts[column]) : texts[row.message];
  text += row.suffix;
  return text;
}

void Write(ui::ControlModel& controls, ControlId control, const WindowText& row,
           const std::string& text) {
  switch (row.target) {
    case TextTarget::Caption:
      controls.SetCaption(control, text);
      break;
    case TextTarget::Hint:
      controls.SetHint(control, text);
      break;
    case TextTarget::Item:
      controls.SetItem(control, row.item, text);
      break;
    case TextTarget::Items:
      controls.SetItems(control, text);
      break;
    case TextTarget::LiveCaption:
      if (ShowsPlaceholders(controls)) controls.SetCaption(control, text);
      break;
  }
}

}  // namespace

void ApplyCaptions(TextTable& texts, std::uint8_t language, ui::ControlModel& controls) {
  const std::size_t column = LanguageColumn(language);
  for (std::size_t i = 0; i < kLanguageItems.size(); ++i) {
    controls.SetChecked(kLanguageItems[i], i == column);
  }
  texts[TitlePrefix] = kTitlePrefix;
  ShowWindowCaption(texts, controls);
  // The captions built from messages need them first.
  LoadMessageEntries(texts, language, MessageLoader::Captions);
  for (const WindowText& row : WindowTextTable()) {
    const std::string text = RowText(row, texts, column);
    Write(controls, row.control, row, text);
    if (const ControlId button = ButtonOf(row.control); button != kMainControlCount) {
      Write(controls, button, row, text);
    }
  }
  LoadMessages(texts, language, controls);
}

void ShowWindowCaption(const TextTable& texts, ui::ControlModel& controls) {
  std::string caption = texts[TitlePrefix];
  caption += kCaptionGap;
  caption += texts[CurrentFileName];
  controls.SetCaption(FormHlav, caption);
}

std::string_view AboutCaption(std::uint8_t language) {
  return language < kLanguageCount ? kAboutCaptions[language] : std::string_view();
}

}  // namespace zarvell
