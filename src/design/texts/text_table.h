// The window's numbered text table: the current language's text of every message, the window
// caption's prefix and the current file name.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace zarvell {

inline constexpr std::string_view kProductName = "Zarvell";  // also the caption of message boxes
inline constexpr int kLanguageCount = 4;  // 0 English, 1 German, 2 French, 3 Czech

// One translatable text in every language, in that order. It takes exactly one text per
// language, so a language added without its texts leaves every table short and fails to compile.
struct FourTexts : std::array<std::string_view, kLanguageCount> {
  constexpr FourTexts() = default;
  template <typename... Text>
  requires(sizeof...(Text) == kLanguageCount && (std::is_convertible_v<Text, std::string_view> &&
                                                 ...)) constexpr FourTexts(Text... texts)
      : array{std::string_view(texts)...} {}
};

// Entries 14, 17..20 and 36 are never filled.
enum TextEntry : std::uint8_t {
  TitlePrefix = 0,
  CurrentFileName = 1,
  ManualFileName = 2,
  MsgProgramError = 3,
  MsgVerifyError = 4,
  MsgReadError = 5,
  MsgProgramming = 6,
  MsgVerifying = 7,
  MsgReading = 8,
  MsgSaving = 9,
  MsgVersionMismatch = 10,
  MsgAdvance = 11,
  MsgProgramCount = 12,
  MsgMotorOff = 13,
  MsgYes = 15,
  MsgNo = 16,
  MsgComOpenError = 21,
  MsgFileOpenError = 22,
  MsgAskDefaults = 23,
  MsgOlderIgnFile = 24,
  MsgIgnVersionMismatch = 25,
  MsgNoReading = 26,
  MsgPrintStamp = 27,
  MsgManualOpenError = 28,
  MsgPickupError = 29,
  MsgPickup = 30,
  MsgRunning = 31,
  MsgNoSignal = 32,
  MsgServoMeasured = 33,
  MsgServoDesired = 34,
  MsgShiftLight = 35,
  MsgClutch = 37,
  MsgInput = 38,
  MsgKillSwitch = 39,
  MsgOpen = 40,
  MsgGrounded = 41,
  MsgPasteDoesNotFit = 42,
  MsgPasteNotNumbers = 43,
  MsgSaveNotConfirmed = 44,
  kTextEntryCount = 45,
};

using TextTable = std::array<std::string, kTextEntryCount>;

}  // namespace zarvell
