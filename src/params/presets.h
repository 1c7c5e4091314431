// The default parameter set and the 38 bike presets.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "params/code_tables.h"
#include "params/image.h"

namespace zarvell {

// One lobe edge of a channel as the preset table writes it: the lobe number, and which of the
// edge's two flags ("2nd Edge", "2nd Pick-up") the preset sets to 1. A flag the preset does not
// set keeps its value.
struct EdgePreset {
  std::uint8_t lobe = 0;
  bool secondEdge = false;
  bool secondPickup = false;
};

struct ChannelPreset {
  bool written = false;     // "-": the preset leaves the channel alone
  EdgePreset maxAdvance;    // PalecZac, PalecZacH2, PalecZacP2
  EdgePreset startAdvance;  // PalecEnd, PalecEndH2, PalecEndP2
};

// A channel as the table writes it: "a/b", each number optionally followed by e ("2nd Edge")
// and p ("2nd Pick-up"), or "-". A malformed text does not compile.
consteval ChannelPreset Channel(const char* text) {
  if (text[0] == '-' && text[1] == '\0') return {};
  ChannelPreset channel;
  channel.written = true;
  const char* p = text;
  auto edge = [&p]() {
    EdgePreset e;
    if (*p < '0' || *p > '9') throw "lobe number expected";
    int lobe = 0;
    while (*p >= '0' && *p <= '9') lobe = lobe * 10 + (*p++ - '0');
    if (lobe < 1 || lobe > 58) throw "lobe number out of range";
    e.lobe = static_cast<std::uint8_t>(lobe);
    if (*p == 'e') e.secondEdge = (++p, true);
    if (*p == 'p') e.secondPickup = (++p, true);
    return e;
  };
  channel.maxAdvance = edge();
  if (*p++ != '/') throw "'/' expected";
  channel.startAdvance = edge();
  if (*p != '\0') throw "unexpected text after the channel";
  return channel;
}

struct FieldValue {
  std::size_t byte = 0;
  std::uint8_t value = 0;
};

inline constexpr int kKeep = -1;  // the table's "-" or "kept": the byte is not written

struct BikePreset {
  std::uint8_t code;
  const char* entry;  // the English list entry
  // Written by ApplyBikePreset:
  int synchro;
  int pocPalcu;
  int pocKanalu;
  std::array<ChannelPreset, 4> channels;
  std::array<FieldValue, 3> other;
  std::size_t otherCount;
  bool defaultSetFirst;
  // Written by ApplyDefaultSet for this code:
  int rpmPulsu;
  std::uint8_t input1;
  std::uint8_t inNeutralSs;
};

// The table, one row per code 0..37 in code order.
std::span<const BikePreset> BikePresets();
// The row of `code`, or null for a code above 37.
const BikePreset* FindBikePreset(std::uint8_t code);

// The default set for the current BIKE: everything but the bike, the synchronization method,
// the lobe numbers and the reserved bytes.
void ApplyDefaultSet(ParameterImage& image);

// The preset of the current BIKE; codes 14, 18 and 20 apply the default set first; code 22 and
// codes above 37 write nothing. Always clears `bikeChanged`.
void ApplyBikePreset(ParameterImage& image, bool& bikeChanged);

// The default set (skipped for a bike change to SpecialBike), then the preset.
void LoadDefaults(ParameterImage& image, bool& bikeChanged);

// The bike a window starts with before its settings are read.
inline constexpr std::uint8_t kStartupBike = 20;

// An image of zeros given `bike`, then the defaults of that bike.
ParameterImage DefaultImage(std::uint8_t bike);

}  // namespace zarvell
