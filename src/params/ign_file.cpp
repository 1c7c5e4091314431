#include "params/ign_file.h"

#include <array>
#include <span>

#include "fileio/number_text.h"
#include "fileio/text_scanner.h"
#include "params/code_tables.h"

namespace zarvell {
namespace {

using namespace field;

// How a file number and an image byte turn into each other. Reading keeps the low 8 bits of the
// converted number, so out-of-range values wrap instead of being rejected.
enum class Conv : std::uint8_t {
  Raw,         // the byte itself
  Flag,        // the byte itself; written as "    1" or "    0" with no space after
  Hundreds,    // rpm over hundreds of rpm
  Tens,        // mV or ms over units of 10
  Fives,       // mV over units of 5 mV
  Twenties,    // mV over units of 20 mV
  Tps100,      // mV over 2500 + 10 x byte: byte = v / 10 - 250, i.e. v / 10 + 6 modulo 256
  Correction,  // percent over percent + 100, written signed
};

// Line structure the writer puts before a value; the reader ignores it.
enum class Break : std::uint8_t { None, Line, BlankLine };

struct Slot {
  std::size_t byte = 0;
  Conv conv = Conv::Raw;
  Break before = Break::None;
};

struct Record {
  std::string_view key;
  std::size_t column;  // the writer pads the key to this width
  std::span<const Slot> slots;
  std::size_t written;    // the writer writes the first `written` slots, the reader all of them
  std::string_view tail;  // written after the last value
};

constexpr std::string_view kContinuation = "\n            ";  // continuation lines: 12 spaces

// Code, synchronization, lobes, channels; the six lobe values of each channel on two lines;
// after an empty line the start revolutions and the compensations. Older formats carried the
// two pick-up polarities after them, so the reader still takes two more numbers.
constexpr auto kBikeSlots = [] {
  std::array<Slot, 35> s{};
  std::size_t i = 0;
  s[i++] = {BIKE};
  s[i++] = {Synchro, Conv::Raw, Break::Line};
  s[i++] = {PocPalcu};
  s[i++] = {PocKanalu};
  for (std::size_t n = 0; n < kChannels; ++n) {
    s[i++] = {PalecZac + n, Conv::Raw, Break::Line};
    s[i++] = {PalecZacH2 + n};
    s[i++] = {PalecZacP2 + n};
    s[i++] = {PalecEnd + n, Conv::Raw, Break::Line};
    s[i++] = {PalecEndH2 + n};
    s[i++] = {PalecEndP2 + n};
  }
  s[i++] = {PocSynchro, Conv::Raw, Break::BlankLine};
  for (std::size_t k = 0; k < 4; ++k) s[i++] = {Kompenz + k};
  s[i++] = {InvInput1};
  s[i++] = {InvInput2};
  return s;
}();
constexpr std::size_t kBikeWritten = kBikeSlots.size() - 2;

template <std::size_t N>
constexpr std::array<Slot, N> Run(std::size_t first, Conv conv, std::size_t perLine = N) {
  std::array<Slot, N> s{};
  for (std::size_t i = 0; i < N; ++i) {
    s[i] = {first + i, conv, i > 0 && i % perLine == 0 ? Break::Line : Break::None};
  }
  return s;
}

constexpr std::array<Slot, 5> kInputSlots = {
    {{InvInput1}, {InvInput2}, {Input1}, {Input2}, {InNeutralSs}}};
constexpr std::array<Slot, 2> kClutchSlots = {
    {{ClutchTime, Conv::Tens}, {ClutchPause, Conv::Tens}}};
constexpr std::array<Slot, 2> kTpsSlots = {{{Tps0, Conv::Tens}, {Tps100, Conv::Tps100}}};
constexpr std::array<Slot, 2> kRpmSlots = {{{RpmPulsu}, {RpmKorekce, Conv::Correction}}};
constexpr auto kRpmAdvSlots = Run<kAxisPoints>(RPM_ADV, Conv::Hundreds);
constexpr auto kAdvanceSlots = Run<100>(ADVANCE, Conv::Raw, 10);
constexpr auto kServoRpmSlots = Run<kAxisPoints>(SERVO_RPM, Conv::Hundreds);
constexpr auto kServoMvSlots = Run<kAxisPoints>(SERVO_MV, Conv::Twenties);

// Single values, kept in static storage so that the records can point at them.
constexpr std::array<Slot, 1> kGeberMode = {{{GEBER_MODE}}};
constexpr std::array<Slot, 1> kPickups = {{{PICKUPS_INTERCHANGE}}};
constexpr std::array<Slot, 1> kNoLobeCheck = {{{NO_LOBE_CHECK}}};
constexpr std::array<Slot, 1> kSparkBeforeLobe = {{{SPARK_BEFORE_LOBE}}};
constexpr std::array<Slot, 1> kSpecialStart = {{{SPECIAL_START}}};
constexpr std::array<Slot, 1> kBaseAdv = {{{BASE_ADV}}};
constexpr std::array<Slot, 1> kLimiter = {{{LIMITER}}};
constexpr std::array<Slot, 1> kPilotLight = {{{PILOT_LIGHT, Conv::Hundreds}}};
constexpr std::array<Slot, 1> kExcitation = {{{EXCITATION, Conv::Flag}}};
constexpr std::array<Slot, 1> kTpsMapa = {{{TPS_MAPA, Conv::Flag}}};
constexpr std::array<Slot, 1> kServoEnable = {{{SERVO_ENABLE, Conv::Flag}}};
constexpr std::array<Slot, 1> kServoHyster = {{{SERVO_HYSTER, Conv::Fives}}};
constexpr std::array<Slot, 1> kNoReading = {{{NO_READING, Conv::Flag}}};

template <std::size_t N>
constexpr Record Rec(std::string_view key, const std::array<Slot, N>& slots,
                     std::string_view tail = {}, std::size_t column = 12) {
  return {key, column, slots, N, tail};
}

// Every record in the order the writer writes them.
constexpr std::array<Record, 22> kRecords = {{
    {"BIKE", 12, kBikeSlots, kBikeWritten, {}},
    Rec("GEBER_MODE", kGeberMode),
    Rec("INPUT", kInputSlots),
    Rec("PICKUPS_INTERCHANGE", kPickups, {}, 24),
    Rec("NO_LOBE_CHECK", kNoLobeCheck, {}, 18),
    Rec("SPARK_BEFORE_LOBE", kSparkBeforeLobe, {}, 18),
    Rec("SPECIAL_START", kSpecialStart, {}, 18),
    Rec("BASE_ADV", kBaseAdv),
    Rec("LIMITER", kLimiter),
    Rec("PILOT_LIGHT", kPilotLight),
    Rec("CLUTCH", kClutchSlots, "\n"),
    Rec("TPS", kTpsSlots),
    Rec("RPM", kRpmSlots),
    Rec("EXCITATION", kExcitation),
    Rec("TPS_MAPA", kTpsMapa, "\n"),
    Rec("RPM_ADV", kRpmAdvSlots, "\n"),
    Rec("ADVANCE", kAdvanceSlots, "\n            \n"),
    Rec("SERVO_ENABLE", kServoEnable),
    Rec("SERVO_HYSTER", kServoHyster),
    Rec("SERVO_RPM", kServoRpmSlots),
    Rec("SERVO_MV", kServoMvSlots),
    Rec("NO_READING", kNoReading),
}};

// The number the file shows for an image byte.
int ToFile(Conv conv, std::uint8_t byte) {
  switch (conv) {
    case Conv::Raw:
    case Conv::Flag:
      return byte;
    case Conv::Hundreds:
      return byte * 100;
    case Conv::Tens:
      return byte * 10;
    case Conv::Fives:
      return byte * 5;
    case Conv::Twenties:
      return byte * 20;
    case Conv::Tps100:
      return (byte + 250) * 10;
    case Conv::Correction:
      return byte - 100;
  }
  return byte;
}

// The image byte for a file number: the low 8 bits of the converted value.
std::uint8_t FromFile(Conv conv, std::uint32_t v) {
  switch (conv) {
    case Conv::Raw:
    case Conv::Flag:
      break;
    case Conv::Hundreds:
      v /= 100;
      break;
    case Conv::Tens:
      v /= 10;
      break;
    case Conv::Fives:
      v /= 5;
      break;
    case Conv::Twenties:
      v /= 20;
      break;
    case Conv::Tps100:
      v = v / 10 + 6;
      break;
    case Conv::Correction:
      v += 100;
      break;
  }
  return static_cast<std::uint8_t>(v);
}

void WriteRecord(std::string& out, const Record& record, const ParameterImage& image) {
  out += '\n';
  out += record.key;
  if (record.key.size() < record.column) out.append(record.column - record.key.size(), ' ');
  for (const Slot& slot : record.slots.first(record.written)) {
    if (slot.before == Break::BlankLine) out += kContinuation;
    if (slot.before != Break::None) out += kContinuation;
    if (slot.conv == Conv::Flag) {
      out += image[slot.byte] != 0 ? "    1" : "    0";
    } else {
      AppendRightAligned(out, ToFile(slot.conv, image[slot.byte]), 5);
      out += ' ';
    }
  }
  out += record.tail;
}

// One numeric read: a number found becomes the last number; either way the last number is the
// result, so a record cut short repeats it.
std::uint32_t ReadNumber(TextScanner& scanner, IgnReaderState& state) {
  if (const auto number = scanner.NextNumber()) state.lastNumber = *number;
  return state.lastNumber;
}

const Record* FindRecord(std::string_view token) {
  for (const Record& record : kRecords) {
    if (record.key == token) return &record;
  }
  return nullptr;
}

// Searches for the format line; 0 when the text holds no format line with an accepted number.
std::uint8_t ReadFormat(TextScanner& scanner, IgnReaderState& state, IgnMessageSink& messages) {
  while (const auto token = scanner.NextToken()) {
    if (*token != "MORVALIS_KEY") continue;
    const std::uint32_t format = ReadNumber(scanner, state);
    if (format == kIgnFormatCurrent) return kIgnFormatCurrent;
    if (format == kIgnFormatOld54 || format == kIgnFormatOld48) {
      messages.Show(IgnMessage::OlderFormat);
      return static_cast<std::uint8_t>(format);
    }
    messages.Show(IgnMessage::UnmatchedFormat);
  }
  return 0;
}

}  // namespace

std::string WriteIgnFile(const ParameterImage& image) {
  std::string out;
  out.reserve(2048);
  out += "MORVALIS_KEY  ";
  AppendRightAligned(out, kIgnFormatCurrent, 3);
  out += " \n";
  for (const Record& record : kRecords) WriteRecord(out, record, image);
  return out;
}

std::uint8_t ReadIgnFile(std::string_view text, ParameterImage& image, IgnReaderState& state,
                         IgnMessageSink& messages) {
  TextScanner scanner(text);
  const std::uint8_t format = ReadFormat(scanner, state, messages);
  if (format == 0) return 0;

  // Fields that older formats lack or hold differently start from known values.
  image[PICKUPS_INTERCHANGE] = 0;
  image[NO_LOBE_CHECK] = 0;
  image[SPARK_BEFORE_LOBE] = 0;
  image[SPECIAL_START] = 0;
  if (format == kIgnFormatOld48) {
    image[GEBER_MODE] = 1;
    image[Input1] = input::Blocking;
    image[Input2] = input::ClutchMaster;
    image[InNeutralSs] = 0;
  }

  while (const auto token = scanner.NextToken()) {
    const Record* record = FindRecord(*token);
    if (record == nullptr) continue;
    for (const Slot& slot : record->slots) {
      image[slot.byte] = FromFile(slot.conv, ReadNumber(scanner, state));
    }
  }
  return format;
}

}  // namespace zarvell
