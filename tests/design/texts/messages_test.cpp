#include "design/texts/messages.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

#include "design/main_controls.h"
#include "design/main_design.h"
#include "design/texts/expected_texts.h"
#include "design/texts/window_texts.h"
#include "params/bindings.h"

namespace zarvell {
namespace {

using namespace design;
using testutil::CharacterCount;

// A table row takes one text per language, no fewer and no more: a language added without its
// texts leaves every row one short, and that must not compile.
template <std::size_t>
using Text = const char*;
template <std::size_t N>
constexpr bool kTakesTexts = []<std::size_t... I>(std::index_sequence<I...>) {
  return std::is_constructible_v<FourTexts, Text<I>...>;
}
(std::make_index_sequence<N>());
static_assert(kTakesTexts<kLanguageCount>);
static_assert(!kTakesTexts<kLanguageCount - 1>);
static_assert(!kTakesTexts<kLanguageCount + 1>);

TEST(Messages, ManualErrorNamesTheManualOfTheNewLanguage) {
  ui::ControlModel controls = NewMainControls();
  TextTable texts{};
  LoadMessages(texts, 2, controls);
  EXPECT_EQ(texts[MsgManualOpenError], "Erreur à l´ouvertur du Fichier manual_Zarvell_fr.pdf !");
  LoadMessages(texts, 3, controls);
  EXPECT_EQ(texts[ManualFileName], "manual_Zarvell_cz.pdf");
  EXPECT_EQ(texts[MsgManualOpenError], "Chyba při otevírání souboru manual_Zarvell_cz.pdf !");
}

TEST(Messages, PaddingAndTrailingSpacesAreKept) {
  ui::ControlModel controls = NewMainControls();
  TextTable texts{};
  for (std::uint8_t language = 0; language < 4; ++language) {
    LoadMessages(texts, language, controls);
    EXPECT_EQ(CharacterCount(texts[MsgPickupError]), 40u) << int(language);
    EXPECT_EQ(texts[MsgProgramCount].back(), ' ');
  }
  EXPECT_EQ(texts[MsgPickupError], "Chyba v snímacím systému                ");
  LoadMessages(texts, 1, controls);
  EXPECT_EQ(texts[MsgPrintStamp], "Zeitpunkt des Ausdruckes   ");
  EXPECT_EQ(texts[MsgNoSignal], " kein Signal");
  LoadMessages(texts, 0, controls);
  EXPECT_EQ(texts[MsgPrintStamp], "Date and time of printing:  ");
}

// At start-up the messages are loaded before the first ApplyCaptions; the entries that belong
// to the captions stay empty until then, and the window's own entries are not touched.
TEST(Messages, LoadMessagesFillsOnlyItsOwnEntries) {
  ui::ControlModel controls = NewMainControls();
  TextTable texts{};
  texts[CurrentFileName] = "/home/rider/r1.ign";
  LoadMessages(texts, 3, controls);
  EXPECT_EQ(texts[MsgComOpenError], "Chyba při otevírání portu Com!");
  EXPECT_EQ(texts[CurrentFileName], "/home/rider/r1.ign");
  for (const TextEntry entry : {TitlePrefix, MsgMotorOff, MsgShiftLight, MsgClutch, MsgInput,
                                MsgKillSwitch, MsgOpen, MsgGrounded}) {
    EXPECT_EQ(texts[entry], "") << int(entry);
  }
  EXPECT_EQ(controls[LabelMonSnimac2].caption, "Snímač (CKPS) 2 = ---");
  EXPECT_EQ(controls[LabelPriveraMer].caption, "Servo měřené= ---");
}

TEST(Messages, PlaceholdersOnlyWithoutUnit) {
  ui::ControlModel controls = NewMainControls();
  TextTable texts{};
  controls.SetVisible(LabelSpojeni, false);
  controls.SetCaption(LabelAdvance2, "Advance 2 = 31 [°]");
  LoadMessages(texts, 1, controls);
  EXPECT_EQ(controls[LabelAdvance2].caption, "Advance 2 = 31 [°]");
  EXPECT_EQ(texts[MsgAdvance], "Vorzündung");
  controls.SetVisible(LabelSpojeni, true);
  LoadMessages(texts, 1, controls);
  EXPECT_EQ(controls[LabelAdvance2].caption, "Vorzündung 2 = --- [°]");
  EXPECT_EQ(controls[LabelPriveraPoz].caption, "Servo Sollspanung= ---");
}

}  // namespace
}  // namespace zarvell
