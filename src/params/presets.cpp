#include "params/presets.h"

#include <algorithm>

namespace zarvell {
namespace {

using namespace field;
constexpr bool No = false;
constexpr bool Yes = true;
constexpr int K = kKeep;

// clang-format off
constexpr std::array<BikePreset, kBikeCount> kPresets = {{
  // code entry                  Synchro Lobes Chan  channel 1..4                                                         other preset fields                                       n  default first  RpmPulsu Input1 InNeutralSs
  { 0, "Kawasaki ZX ",                                   1,  3, 2, {Channel("1/1e"),    Channel("2/2e"),    Channel("-"),       Channel("-")},      {},                                                               0, No,  2, 2, 0},
  { 1, "Honda CBR 7P",                                   4,  7, 2, {Channel("2/3e"),    Channel("6/7e"),    Channel("-"),       Channel("-")},      {},                                                               0, No,  2, 0, 0},
  { 2, "Honda CBR 9P",                                   3,  9, 2, {Channel("1/3e"),    Channel("7/9e"),    Channel("-"),       Channel("-")},      {},                                                               0, No,  2, 2, 1},
  { 3, "Honda Shadow",                                   3,  9, 2, {Channel("6/7"),     Channel("8/9"),     Channel("-"),       Channel("-")},      {},                                                               0, No,  2, 0, 0},
  { 4, "Honda VFR 400",                                  4,  7, 2, {Channel("4/5"),     Channel("6/7"),     Channel("-"),       Channel("-")},      {},                                                               0, No,  4, 0, 0},
  { 5, "Honda VT 600 Shadow",                            4,  7, 2, {Channel("1e/2e"),   Channel("5ep/6ep"), Channel("-"),       Channel("-")},      {{{PICKUPS_INTERCHANGE, 1}}},                                     1, No,  2, 0, 0},
  { 6, "Honda VT 1100",                                  4,  7, 2, {Channel("3/4e"),    Channel("4/5e"),    Channel("-"),       Channel("-")},      {},                                                               0, No,  2, 0, 0},
  { 7, "Classic (1 lobe, 1 or 2 pick-up) ",              0,  1, 2, {Channel("1/1e"),    Channel("1p/1ep"),  Channel("1p/1ep"),  Channel("1/1e")},   {},                                                               0, No,  1, 0, 0},
  { 8, "Suzuki 800",                                     3,  4, 2, {Channel("1/2"),     Channel("3/4"),     Channel("-"),       Channel("-")},      {},                                                               0, No,  1, 0, 0},
  { 9, "Suzuki GSF 400 A",                               2,  6, 2, {Channel("1/2"),     Channel("4/5"),     Channel("-"),       Channel("-")},      {},                                                               0, No,  1, 0, 0},
  {10, "Suzuki GSF 400 B",                               2,  6, 2, {Channel("2/3"),     Channel("5/6"),     Channel("-"),       Channel("-")},      {},                                                               0, No,  1, 0, 0},
  {11, "Suzuki GSX",                                     2,  4, 2, {Channel("4/1"),     Channel("2/3"),     Channel("-"),       Channel("-")},      {},                                                               0, No,  1, 0, 0},
  {12, "Suzuki SV 650",                                  2,  4, 2, {Channel("4/1"),     Channel("1/2"),     Channel("-"),       Channel("-")},      {},                                                               0, No,  1, 0, 0},
  {13, "Suzuki Tci 125",                                 3,  4, 2, {Channel("2/3"),     Channel("3/4"),     Channel("-"),       Channel("-")},      {},                                                               0, No,  1, 0, 0},
  {14, "Suzuki VS 800,",                                 2,  4, 2, {Channel("3/4"),     Channel("2/3"),     Channel("-"),       Channel("-")},      {},                                                               0, Yes, 1, 0, 0},
  {15, "TDM 850",                                        2,  4, 2, {Channel("3/4"),     Channel("4/1"),     Channel("-"),       Channel("-")},      {},                                                               0, No,  2, 2, 0},
  {16, "Virago XV",                                      3,  2, 2, {Channel("1/1e"),    Channel("2/2e"),    Channel("-"),       Channel("-")},      {},                                                               0, No,  2, 0, 0},
  {17, "Yamaha 125 SR",                                  4,  2, 2, {Channel("2/1ep"),   Channel("1ep/2ep"), Channel("-"),       Channel("-")},      {},                                                               0, No,  2, 1, 0},
  {18, "Yamaha Fz 750",                                  2,  8, 2, {Channel("3/4"),     Channel("7/8"),     Channel("-"),       Channel("-")},      {},                                                               0, Yes, 2, 2, 0},
  {19, "Yamaha R1",                                      2,  4, 2, {Channel("3/4"),     Channel("1/2"),     Channel("-"),       Channel("-")},      {{{SERVO_ENABLE, 1}}},                                            1, No,  2, 2, 0},
  {20, "Yamaha R6",                                      1,  5, 2, {Channel("1e/2e"),   Channel("3e/4e"),   Channel("-"),       Channel("-")},      {{{EXCITATION, 0}}},                                              1, Yes, 2, 2, 0},
  {21, "Yamaha XT600E",                                  2,  4, 1, {Channel("4/1"),     Channel("2/3"),     Channel("-"),       Channel("-")},      {{{SPECIAL_START, 1}}},                                           1, No,  1, 2, 0},
  {22, "Special setting",                                K,  K, K, {Channel("-"),       Channel("-"),       Channel("-"),       Channel("-")},      {},                                                               0, No,  K, 0, 0},
  {23, "3 Cylinder, 1 pickup",                           1,  4, 3, {Channel("1/1e"),    Channel("2/2e"),    Channel("3/3e"),    Channel("-")},      {{{EXCITATION, 0}}},                                              1, No,  1, 0, 0},
  {24, "Honda VFR 750",                                  4, 11, 4, {Channel("4/5"),     Channel("7/8"),     Channel("10/11"),   Channel("1/2")},    {},                                                               0, No,  2, 0, 0},
  {25, "Yamaha XVZ 1300",                                1,  7, 4, {Channel("1e/2e"),   Channel("2e/3e"),   Channel("4e/5e"),   Channel("5e/6e")},  {},                                                               0, No,  2, 2, 0},
  {26, "Triumph Tigra",                                  5,  7, 3, {Channel("2/3"),     Channel("4/5"),     Channel("6/1"),     Channel("-")},      {{{EXCITATION, 0}}},                                              1, No,  1, 0, 0},
  {27, "Kawasaki ZX9R 00",                               2,  4, 4, {Channel("4/1"),     Channel("2/3"),     Channel("2/3"),     Channel("4/1")},    {{{EXCITATION, 0}}},                                              1, No,  2, 2, 0},
  {28, "Classic (2 lobe per revolution, 1 or 2 pick-up)", 0, 1, 2, {Channel("1/1e"),    Channel("1p/1ep"),  Channel("1p/1ep"),  Channel("1/1e")},   {{{GEBER_MODE, 2}}},                                              1, No,  1, 0, 0},
  {29, "Classic (3 lobe per revolution, 1 pick-up)",     0,  1, 1, {Channel("1/1e"),    Channel("1p/1ep"),  Channel("1p/1ep"),  Channel("1/1e")},   {{{GEBER_MODE, 3}}},                                              1, No,  1, 0, 0},
  {30, "Classic (1 lobe per 2 rev. (CMPS),1 or 2 pick-up)", 0, 1, 2, {Channel("1/1e"),  Channel("1p/1ep"),  Channel("1p/1ep"),  Channel("1/1e")},   {{{GEBER_MODE, 0}}},                                              1, No,  1, 0, 0},
  {31, "Harley",                                         7,  2, 2, {Channel("1/1e"),    Channel("2/2e"),    Channel("-"),       Channel("-")},      {{{GEBER_MODE, 0}, {InvInput1, 1}}},                              2, No,  2, 0, 0},
  {32, "Ducati inj. 48-2",                               8, 46, 2, {Channel("18e/23e"), Channel("36e/41e"), Channel("-"),       Channel("-")},      {{{GEBER_MODE, 0}}},                                              1, No,  2, 0, 0},
  {33, "Laverda 3x120",                                  9,  2, 3, {Channel("1/1e"),    Channel("1p/1ep"),  Channel("2p/2ep"),  Channel("-")},      {},                                                               0, No,  2, 0, 0},
  {34, "3 Cylinder, 1 pickup - kick start",             10,  4, 3, {Channel("2/2e"),    Channel("3/3e"),    Channel("4/4e"),    Channel("-")},      {},                                                               0, No,  1, 0, 0},
  {35, "Kawasaki KZ 1300",                               9,  4, 3, {Channel("1/2"),     Channel("1p/2p"),   Channel("3p/4p"),   Channel("-")},      {{{InvInput1, 1}, {InvInput2, 1}}},                               2, No,  1, 0, 0},
  {36, "24-2 4 cyl, cam",                               12, 44, 4, {Channel("26e/29e"), Channel("38e/41e"), Channel("16e/19e"), Channel("4e/7e")},  {{{GEBER_MODE, 0}, {EXCITATION, 0}, {PICKUPS_INTERCHANGE, 1}}},   3, No,  1, 0, 0},
  {37, "24-1 4 cyl, cam",                               12, 46, 4, {Channel("27e/30e"), Channel("39e/42e"), Channel("16e/19e"), Channel("4e/7e")},  {{{GEBER_MODE, 0}, {EXCITATION, 0}, {PICKUPS_INTERCHANGE, 1}}},   3, No,  1, 0, 0},
}};

constexpr std::array<std::uint8_t, 100> kDefaultMap = {
  10, 13, 16, 25, 28, 32, 33, 33, 33, 33,  //   0 % throttle
  10, 16, 22, 31, 33, 35, 35, 35, 35, 35,  //   2 %
  10, 24, 35, 44, 45, 45, 43, 41, 41, 41,  //   5 %
  10, 19, 32, 39, 45, 47, 46, 43, 43, 43,  //  10 %
  10, 12, 15, 25, 31, 33, 32, 32, 32, 31,  //  20 %
  10, 12, 16, 25, 28, 30, 33, 32, 32, 32,  //  30 %
  10, 12, 16, 25, 28, 30, 33, 31, 33, 31,  //  40 %
  10, 12, 15, 25, 28, 30, 32, 32, 32, 32,  //  60 %
  10, 12, 15, 25, 28, 30, 32, 32, 32, 32,  //  80 %
  10, 12, 15, 25, 28, 30, 32, 32, 32, 32,  // 100 %
};
// clang-format on

constexpr std::array<std::uint8_t, 10> kDefaultRpmAxis = {15, 20, 30, 40, 50, 60, 70, 80, 90, 100};
constexpr std::array<std::uint8_t, 10> kServoRpm = {12, 20, 30, 40, 60, 80, 100, 120, 140, 160};
constexpr std::array<std::uint8_t, 10> kServoMv = {100, 105, 110, 115, 120,
                                                   125, 130, 135, 140, 145};
// The Yamaha R1 (code 19) drives its exhaust valve along another curve.
constexpr std::uint8_t kBikeR1 = 19;
constexpr std::array<std::uint8_t, 10> kServoRpmR1 = {3, 4, 41, 46, 65, 70, 75, 83, 90, 105};
constexpr std::array<std::uint8_t, 10> kServoMvR1 = {30, 45, 45, 61, 61, 64, 68, 80, 93, 93};

static_assert(
    [] {
      for (std::size_t i = 0; i < kPresets.size(); ++i) {
        if (kPresets[i].code != i) return false;
      }
      return true;
    }(),
    "the preset table is indexed by bike code");

template <std::size_t N>
void Put(ParameterImage& image, std::size_t first, const std::array<std::uint8_t, N>& values) {
  std::copy(values.begin(), values.end(), image.block.begin() + static_cast<std::ptrdiff_t>(first));
}

void PutEdge(ParameterImage& image, std::size_t lobe, std::size_t h2, std::size_t p2,
             const EdgePreset& edge) {
  image[lobe] = edge.lobe;
  if (edge.secondEdge) image[h2] = 1;
  if (edge.secondPickup) image[p2] = 1;
}

}  // namespace

std::span<const BikePreset> BikePresets() {
  return kPresets;
}

const BikePreset* FindBikePreset(std::uint8_t code) {
  return code < kPresets.size() ? &kPresets[code] : nullptr;
}

void ApplyDefaultSet(ParameterImage& image) {
  const std::uint8_t bike = image[BIKE];
  image[NO_READING] = 0;
  if (bike != SpecialBike) {
    std::fill_n(image.block.begin() + PalecZacH2, kLobeFlags, std::uint8_t{0});
  }
  image[BASE_ADV] = 10;
  image[InvInput1] = 0;
  image[InvInput2] = 0;
  image[PICKUPS_INTERCHANGE] = 0;
  image[NO_LOBE_CHECK] = 0;
  image[SPARK_BEFORE_LOBE] = 0;
  image[SPECIAL_START] = 0;
  image[LIMITER] = 110;
  image[PILOT_LIGHT] = 90;
  image[Tps0] = 70;
  image[Tps100] = 129;
  image[TPS_MAPA] = 0;
  image[SERVO_ENABLE] = 0;
  image[SERVO_HYSTER] = 20;
  image[EXCITATION] = 1;
  image[GEBER_MODE] = 1;
  image[RpmKorekce] = 100;
  Put(image, RPM_ADV, kDefaultRpmAxis);
  Put(image, ADVANCE, kDefaultMap);
  Put(image, SERVO_RPM, bike == kBikeR1 ? kServoRpmR1 : kServoRpm);
  Put(image, SERVO_MV, bike == kBikeR1 ? kServoMvR1 : kServoMv);
  image[PocSynchro] = 1;
  std::fill_n(image.block.begin() + Kompenz, 4, std::uint8_t{11});
  image[ClutchTime] = 10;
  image[ClutchPause] = 50;

  const BikePreset* preset = FindBikePreset(bike);
  if (preset != nullptr && preset->rpmPulsu != kKeep) {
    image[RpmPulsu] = static_cast<std::uint8_t>(preset->rpmPulsu);
  }
  image[Input1] = preset != nullptr ? preset->input1 : 0;
  image[Input2] = 0;
  image[InNeutralSs] = preset != nullptr ? preset->inNeutralSs : 0;
}

void ApplyBikePreset(ParameterImage& image, bool& bikeChanged) {
  const BikePreset* preset = FindBikePreset(image[BIKE]);
  if (preset != nullptr && preset->code != SpecialBike) {
    if (preset->defaultSetFirst) ApplyDefaultSet(image);
    image[Synchro] = static_cast<std::uint8_t>(preset->synchro);
    image[PocPalcu] = static_cast<std::uint8_t>(preset->pocPalcu);
    image[PocKanalu] = static_cast<std::uint8_t>(preset->pocKanalu);
    for (std::size_t n = 0; n < kChannels; ++n) {
      const ChannelPreset& channel = preset->channels[n];
      if (!channel.written) continue;
      PutEdge(image, PalecZac + n, PalecZacH2 + n, PalecZacP2 + n, channel.maxAdvance);
      PutEdge(image, PalecEnd + n, PalecEndH2 + n, PalecEndP2 + n, channel.startAdvance);
    }
    for (std::size_t i = 0; i < preset->otherCount; ++i) {
      image[preset->other[i].byte] = preset->other[i].value;
    }
  }
  bikeChanged = false;
}

void LoadDefaults(ParameterImage& image, bool& bikeChanged) {
  if (!(image[BIKE] == SpecialBike && bikeChanged)) ApplyDefaultSet(image);
  ApplyBikePreset(image, bikeChanged);
  bikeChanged = false;
}

ParameterImage DefaultImage(std::uint8_t bike) {
  ParameterImage image;
  image[field::BIKE] = bike;
  bool bikeChanged = false;
  LoadDefaults(image, bikeChanged);
  return image;
}

}  // namespace zarvell
