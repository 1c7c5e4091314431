// Walks every expected text of the window in each language and checks it is on its control,
// byte for byte, with and without a connected unit.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "design/main_controls.h"
#include "design/main_design.h"
#include "design/texts/expected_texts.h"
#include "design/texts/window_texts.h"
#include "params/bindings.h"

namespace zarvell {
namespace {

using testutil::CharacterCount;
using testutil::ExpectedText;
using testutil::LoadExpectedTexts;

class WindowTextsInLanguage : public ::testing::TestWithParam<std::uint8_t> {};

std::set<std::string> ControlsWith(const std::vector<ExpectedText>& rows,
                                   std::string_view property) {
  std::set<std::string> names;
  for (const ExpectedText& row : rows) {
    if (row.property == property) names.insert(row.control);
  }
  return names;
}

TEST_P(WindowTextsInLanguage, EveryTextIsOnItsControl) {
  const std::uint8_t language = GetParam();
  const std::vector<ExpectedText> rows = LoadExpectedTexts();
  ASSERT_GT(rows.size(), 190u);
  const std::set<std::string> withCaption = ControlsWith(rows, "caption");
  const std::set<std::string> withPlaceholder = ControlsWith(rows, "placeholder");

  for (const bool connected : {false, true}) {
    ui::ControlModel controls = NewMainControls();
    const ui::ControlModel design = NewMainControls();
    controls.SetVisible(design::LabelSpojeni, !connected);
    TextTable texts{};
    ApplyCaptions(texts, language, controls);

    for (const ExpectedText& row : rows) {
      if (row.control == "message" || language >= row.texts.size()) continue;
      SCOPED_TRACE(row.control + " " + row.property + (connected ? " connected" : ""));
      const ui::ControlIndex id = controls.Find(row.control);
      ASSERT_NE(id, ui::kNoControl);
      const ui::Control& control = controls[id];
      const std::string& want = row.texts[language];
      if (row.property == "caption") {
        // Without a unit, a live label's placeholder replaces its caption.
        const bool replaced = !connected && withPlaceholder.count(row.control);
        if (!replaced) {
          EXPECT_EQ(control.caption, want);
        }
      } else if (row.property == "placeholder") {
        if (!connected) {
          EXPECT_EQ(control.caption, want);
        } else if (!withCaption.count(row.control)) {
          EXPECT_EQ(control.caption, design[id].caption);
        }
      } else if (row.property == "hint") {
        EXPECT_EQ(control.hint, want);
      } else if (row.property.starts_with("item ")) {
        const std::size_t index = std::stoul(row.property.substr(5));
        ASSERT_LT(index, control.items.size());
        EXPECT_EQ(control.items[index], want);
      } else {
        ADD_FAILURE() << "unknown property";
      }
    }
  }
}

TEST_P(WindowTextsInLanguage, NoOtherControlChanges) {
  const std::set<std::string> named = [] {
    std::set<std::string> names;
    for (const ExpectedText& row : LoadExpectedTexts()) names.insert(row.control);
    return names;
  }();
  ui::ControlModel controls = NewMainControls();
  const ui::ControlModel design = NewMainControls();
  TextTable texts{};
  ApplyCaptions(texts, GetParam(), controls);
  for (ui::ControlIndex id = 0; id < controls.size(); ++id) {
    const std::string name(controls.Name(id));
    if (named.count(name) || id == design::FormHlav) continue;
    SCOPED_TRACE(name);
    EXPECT_EQ(controls[id].caption, design[id].caption);
    EXPECT_EQ(controls[id].hint, design[id].hint);
    EXPECT_EQ(controls[id].items, design[id].items);
  }
}

TEST_P(WindowTextsInLanguage, MessagesAreLoadedInTheLanguage) {
  const std::uint8_t language = GetParam();
  ui::ControlModel controls = NewMainControls();
  TextTable texts{};
  texts[CurrentFileName] = "/home/rider/bikes/r1.ign";
  ApplyCaptions(texts, language, controls);
  for (const ExpectedText& row : LoadExpectedTexts()) {
    if (row.control != "message") continue;
    SCOPED_TRACE("entry " + row.property);
    EXPECT_EQ(texts.at(std::stoul(row.property)), row.texts.at(language));
  }
  EXPECT_EQ(texts[CurrentFileName], "/home/rider/bikes/r1.ign");
  for (const int unused : {14, 17, 18, 19, 20, 36}) EXPECT_EQ(texts[unused], "") << unused;
}

// The layout leaves little room: a translation may run at most about 1.4 times the English.
TEST_P(WindowTextsInLanguage, OwnTranslationsFitTheLayout) {
  const std::uint8_t language = GetParam();
  ui::ControlModel controls = NewMainControls();
  TextTable texts{};
  ApplyCaptions(texts, language, controls);
  for (const ExpectedText& row : LoadExpectedTexts()) {
    if (row.texts.size() != 1 || row.property == "placeholder") continue;
    SCOPED_TRACE(row.control + " " + row.property);
    const ui::ControlIndex id = controls.Find(row.control);
    ASSERT_NE(id, ui::kNoControl);
    const ui::Control& control = controls[id];
    const std::string& shown = row.property == "hint" ? control.hint : control.caption;
    const std::size_t english = CharacterCount(row.texts[0]);
    EXPECT_GT(CharacterCount(shown), 0u);
    EXPECT_LE(CharacterCount(shown) * 10, english * 15 + 60) << shown;
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowTextsInLanguage,
                         ::testing::Values(std::uint8_t{0}, std::uint8_t{1}, std::uint8_t{2},
                                           std::uint8_t{3}));

}  // namespace
}  // namespace zarvell
