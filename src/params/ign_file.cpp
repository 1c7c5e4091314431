#include "params/ign_file.h"

#include <array>
#include <span>

#include "fileio/number_text.h"
#include "fileio/text_scanner.h"
#include "params/code_tables.h"

namespace zarvell {
namespace {

using namespace field;

// How a slot's value is written: a number right-aligned in five places and a space, or a flag
// as "    1" or "    0" with no space after. Reading takes both alike. The limiter alone is
// kept as its byte (hundreds of rpm) rather than the number the window shows.
enum class Write : std::uint8_t { Number, Byte, Flag };

// Line structure the writer puts before a value; the reader ignores it.
enum class Break : std::uint8_t { None, Line, BlankLine };

// One value of a record. File numbers are the numbers the window shows; the scale comes from
// the field table. Reading keeps the low 8 bits of the converted number, so out-of-range
// values wrap instead of being rejected.
struct Slot {
  std::size_t byte = 0;
  Break before = Break::None;
  Write write = Write::Number;
  Scale scale = write == Write::Byte ? Scale::Unit : FieldAt(byte).scale;
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
  s[i++] = {Synchro, Break::Line};
  s[i++] = {PocPalcu};
  s[i++] = {PocKanalu};
  for (std::size_t n = 0; n < kChannels; ++n) {
    s[i++] = {PalecZac + n, Break::Line};
    s[i++] = {PalecZacH2 + n};
    s[i++] = {PalecZacP2 + n};
    s[i++] = {PalecEnd + n, Break::Line};
    s[i++] = {PalecEndH2 + n};
    s[i++] = {PalecEndP2 + n};
  }
  s[i++] = {PocSynchro, Break::BlankLine};
  for (std::size_t k = 0; k < 4; ++k) s[i++] = {Kompenz + k};
  s[i++] = {InvInput1};
  s[i++] = {InvInput2};
  return s;
}();
constexpr std::size_t kBikeWritten = kBikeSlots.size() - 2;

constexpr std::array<Slot, 5> kInputSlots = {
    {{InvInput1}, {InvInput2}, {Input1}, {Input2}, {InNeutralSs}}};
constexpr std::array<Slot, 2> kClutchSlots = {{{ClutchTime}, {ClutchPause}}};
constexpr std::array<Slot, 2> kTpsSlots = {{{Tps0}, {Tps100}}};
constexpr std::array<Slot, 2> kRpmSlots = {{{RpmPulsu}, {RpmKorekce}}};

// The values of one whole field, ten to a line, kept in static storage for its record.
template <std::size_t kFirst, Write kWrite>
constexpr auto kFieldSlots = [] {
  std::array<Slot, FieldAt(kFirst).width> s{};
  for (std::size_t i = 0; i < s.size(); ++i) {
    s[i] = {kFirst + i, i > 0 && i % 10 == 0 ? Break::Line : Break::None, kWrite};
  }
  return s;
}();

template <std::size_t N>
constexpr Record Rec(std::string_view key, const std::array<Slot, N>& slots,
                     std::string_view tail = {}, std::size_t column = 12) {
  return {key, column, slots, N, tail};
}

// The record of a whole field under the field's own name.
template <std::size_t kFirst, Write kWrite = Write::Number>
constexpr Record FieldRec(std::string_view tail = {}, std::size_t column = 12) {
  return Rec(FieldAt(kFirst).name, kFieldSlots<kFirst, kWrite>, tail, column);
}

// Every record in the order the writer writes them.
constexpr std::array<Record, 22> kRecords = {{
    {"BIKE", 12, kBikeSlots, kBikeWritten, {}},
    FieldRec<GEBER_MODE>(),
    Rec("INPUT", kInputSlots),
    FieldRec<PICKUPS_INTERCHANGE>({}, 24),
    FieldRec<NO_LOBE_CHECK>({}, 18),
    FieldRec<SPARK_BEFORE_LOBE>({}, 18),
    FieldRec<SPECIAL_START>({}, 18),
    FieldRec<BASE_ADV>(),
    FieldRec<LIMITER, Write::Byte>(),
    FieldRec<PILOT_LIGHT>(),
    Rec("CLUTCH", kClutchSlots, "\n"),
    Rec("TPS", kTpsSlots),
    Rec("RPM", kRpmSlots),
    FieldRec<EXCITATION, Write::Flag>(),
    FieldRec<TPS_MAPA, Write::Flag>("\n"),
    FieldRec<RPM_ADV>("\n"),
    FieldRec<ADVANCE>("\n            \n"),
    FieldRec<SERVO_ENABLE, Write::Flag>(),
    FieldRec<SERVO_HYSTER>(),
    FieldRec<SERVO_RPM>(),
    FieldRec<SERVO_MV>(),
    FieldRec<NO_READING, Write::Flag>(),
}};

void WriteRecord(std::string& out, const Record& record, const ParameterImage& image) {
  out += '\n';
  out += record.key;
  if (record.key.size() < record.column) out.append(record.column - record.key.size(), ' ');
  for (const Slot& slot : record.slots.first(record.written)) {
    if (slot.before == Break::BlankLine) out += kContinuation;
    if (slot.before != Break::None) out += kContinuation;
    if (slot.write == Write::Flag) {
      out += image[slot.byte] != 0 ? "    1" : "    0";
    } else {
      AppendRightAligned(out, ShowNumber(slot.scale, image[slot.byte]), 5);
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
      image[slot.byte] = StoreNumber(slot.scale, ReadNumber(scanner, state));
    }
  }
  return format;
}

}  // namespace zarvell
