#include "params/ign_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "fileio/files.h"
#include "mapedit/startup_image.h"

namespace zarvell {
namespace {

using namespace field;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

struct RecordingSink : IgnMessageSink {
  std::vector<IgnMessage> shown;
  void Show(IgnMessage message) override { shown.push_back(message); }
};

ParameterImage StartupImage() {
  return zarvell::StartupImage(20);
}

std::string StartupFile() {
  const auto text = ReadWholeFile(ZARVELL_TEST_DATA "/startup_bike20.ign");
  EXPECT_TRUE(text.has_value());
  return text.value_or("");
}

ParameterImage RandomImage(std::mt19937& rng) {
  ParameterImage image;
  for (auto& byte : image.block) byte = static_cast<std::uint8_t>(rng());
  return image;
}

// A reader with its own process state and message record.
struct Reader {
  IgnReaderState state;
  RecordingSink sink;
  std::uint8_t Read(std::string_view text, ParameterImage& image) {
    return ReadIgnFile(text, image, state, sink);
  }
};

TEST(WriteIgnFile, StartupSetGivesTheReferenceFileByteForByte) {
  EXPECT_EQ(WriteIgnFile(StartupImage()), StartupFile());
}

TEST(WriteIgnFile, ExtremeBytesKeepTheirColumns) {
  ParameterImage image;
  image[RpmKorekce] = 0;  // -100 %
  image[Tps100] = 255;
  image[PILOT_LIGHT] = 255;
  image[EXCITATION] = 7;  // any non-zero single flag is written as 1
  image[NO_READING] = 255;
  image[PICKUPS_INTERCHANGE] = 200;  // the other flags are written as they are
  const std::string text = WriteIgnFile(image);
  EXPECT_THAT(text, HasSubstr("\nRPM             0  -100 \n"));
  EXPECT_THAT(text, HasSubstr("\nTPS             0  5050 \n"));
  EXPECT_THAT(text, HasSubstr("\nPILOT_LIGHT 25500 \n"));
  EXPECT_THAT(text, HasSubstr("\nEXCITATION      1\nTPS_MAPA        0\n"));
  EXPECT_THAT(text, HasSubstr("\nPICKUPS_INTERCHANGE       200 \n"));
  EXPECT_TRUE(text.ends_with("\nNO_READING      1"));
}

TEST(ReadIgnFile, StartupFileGivesTheStartupImageAndLeavesReservedBytesAlone) {
  for (const bool crlf : {false, true}) {
    std::string text = StartupFile();
    if (crlf) {
      std::string converted;
      for (char c : text) converted += c == '\n' ? std::string("\r\n") : std::string(1, c);
      text = converted;
    }
    ParameterImage image;
    image.block.fill(0xA5);
    Reader reader;
    ASSERT_EQ(reader.Read(text, image), 75) << "crlf " << crlf;
    EXPECT_THAT(reader.sink.shown, IsEmpty());
    const ParameterImage expected = StartupImage();
    for (std::size_t i = 0; i < ParameterImage::kBlockSize; ++i) {
      const bool kept = i >= ParameterImage::kSize || IsReserved(i);
      EXPECT_EQ(image[i], kept ? 0xA5 : expected[i]) << "byte " << i << " crlf " << crlf;
    }
  }
}

TEST(ReadIgnFile, WrittenImagesReadBackExceptSingleFlagsAboveOne) {
  std::mt19937 rng(20240611);
  Reader reader;
  for (int round = 0; round < 300; ++round) {
    const ParameterImage written = RandomImage(rng);
    ParameterImage read = RandomImage(rng);
    const ParameterImage before = read;
    ASSERT_EQ(reader.Read(WriteIgnFile(written), read), 75);
    for (std::size_t i = 0; i < ParameterImage::kBlockSize; ++i) {
      std::uint8_t expected = written[i];
      if (i >= ParameterImage::kSize || IsReserved(i)) {
        expected = before[i];
      } else if (i == EXCITATION || i == TPS_MAPA || i == SERVO_ENABLE || i == NO_READING) {
        expected = written[i] != 0 ? 1 : 0;
      }
      ASSERT_EQ(read[i], expected) << "byte " << i << " round " << round;
    }
  }
  EXPECT_THAT(reader.sink.shown, IsEmpty());
}

TEST(ReadIgnFile, FormatSearch) {
  using M = IgnMessage;
  struct Case {
    std::string text;
    std::uint8_t format;
    std::vector<IgnMessage> messages;
  };
  const std::vector<Case> cases = {
      {"", 0, {}},
      {std::string("\0\xff\x01MORVALIS_KEY\x02 75\xfe", 20), 0, {}},
      {"morvalis_key 75\nBIKE 3", 0, {}},
      {"MORVALIS_KEYS 75 MORVALIS_KEY75 BIKE 3", 0, {}},
      {"MORVALIS_KEY 76\nBIKE 3", 0, {M::UnmatchedFormat}},
      {"MORVALIS_KEY 76 MORVALIS_KEY 331 MORVALIS_KEY 74 BIKE 3",
       0,
       {M::UnmatchedFormat, M::UnmatchedFormat, M::UnmatchedFormat}},
      {"MORVALIS_KEY 76 x MORVALIS_KEY 75 BIKE 3", 75, {M::UnmatchedFormat}},
      {"junk MORVALIS_KEY 54 MORVALIS_KEY 48 BIKE 3", 54, {M::OlderFormat}},
      {"MORVALIS_KEY 48 MORVALIS_KEY 76", 48, {M::OlderFormat}},
      {"MORVALIS_KEY 75\nMORVALIS_KEY 48", 75, {}},
  };
  for (const Case& c : cases) {
    ParameterImage image;
    image.block.fill(9);
    Reader reader;
    EXPECT_EQ(reader.Read(c.text, image), c.format) << c.text;
    EXPECT_EQ(reader.sink.shown, c.messages) << c.text;
    // Nothing changes unless a format line is accepted; then the four flags are cleared.
    const std::uint8_t pickups = c.format == 0 ? 9 : 0;
    EXPECT_EQ(image[PICKUPS_INTERCHANGE], pickups) << c.text;
    EXPECT_EQ(image[LIMITER], 9) << c.text;
  }
}

TEST(ReadIgnFile, FormatNumberFollowsTheLastNumberRule) {
  Reader reader;
  ParameterImage image;
  EXPECT_EQ(reader.Read("MORVALIS_KEY", image), 0);  // no number yet: 0
  reader.state.lastNumber = 75;
  EXPECT_EQ(reader.Read("MORVALIS_KEY BIKE 3", image), 75);
  EXPECT_EQ(image[BIKE], 3);
}

TEST(ReadIgnFile, OlderFormatsSetTheirDefaultsBeforeTheRecords) {
  ParameterImage image;
  image.block.fill(9);
  Reader reader;
  ASSERT_EQ(reader.Read("MORVALIS_KEY 48\nBIKE 5", image), 48);
  EXPECT_THAT(reader.sink.shown, ElementsAre(IgnMessage::OlderFormat));
  EXPECT_EQ(image[GEBER_MODE], 1);
  EXPECT_EQ(image[Input1], 2);
  EXPECT_EQ(image[Input2], 3);
  EXPECT_EQ(image[InNeutralSs], 0);
  for (std::size_t i = PICKUPS_INTERCHANGE; i <= SPECIAL_START; ++i) EXPECT_EQ(image[i], 0);
  EXPECT_EQ(image[LIMITER], 9);

  image.block.fill(9);
  ASSERT_EQ(reader.Read("MORVALIS_KEY 48\nINPUT 1 1 0 4 1\nGEBER_MODE 3", image), 48);
  EXPECT_EQ(image[GEBER_MODE], 3);
  EXPECT_EQ(image[Input2], 4);
  EXPECT_EQ(image[InNeutralSs], 1);

  image.block.fill(9);
  ASSERT_EQ(reader.Read("MORVALIS_KEY 54", image), 54);
  EXPECT_EQ(image[GEBER_MODE], 9);
  EXPECT_EQ(image[Input1], 9);
  EXPECT_EQ(image[SPECIAL_START], 0);
}

TEST(ReadIgnFile, RecordsInAnyOrderRepeatedOrMissing) {
  ParameterImage image;
  image.block.fill(9);
  Reader reader;
  ASSERT_EQ(reader.Read("LIMITER 1 MORVALIS_KEY 75 BASE_ADV 12 SPECIAL_STARTX 1 LIMITER 100\n"
                        "BASE_ADV 13 base_adv 14 SPARK_BEFORE_LOBE 1",
                        image),
            75);
  EXPECT_EQ(image[LIMITER], 100);  // the record before the format line does not count
  EXPECT_EQ(image[BASE_ADV], 13);
  EXPECT_EQ(image[SPARK_BEFORE_LOBE], 1);
  EXPECT_EQ(image[SPECIAL_START], 0);  // reset by every accepted file, absent here
  EXPECT_EQ(image[PILOT_LIGHT], 9);
  EXPECT_EQ(image[Reserved14], 9);
}

TEST(ReadIgnFile, MissingNumbersRepeatTheLastNumber) {
  ParameterImage image;
  Reader reader;
  // "x" stops the pause; "77" is then skipped as a token, so TPS at the end of the text
  // still repeats 120.
  ASSERT_EQ(reader.Read("MORVALIS_KEY 75 CLUTCH 120 x 77 TPS", image), 75);
  EXPECT_EQ(image[ClutchTime], 12);
  EXPECT_EQ(image[ClutchPause], 12);
  EXPECT_EQ(image[Tps0], 12);
  EXPECT_EQ(image[Tps100], 12 + 6);

  // A record cut short by the next key; the key is still read as a key.
  ASSERT_EQ(reader.Read("MORVALIS_KEY 75 BIKE 21 GEBER_MODE 3", image), 75);
  EXPECT_EQ(image[BIKE], 21);
  EXPECT_EQ(image[PalecEndP2 + 3], 21);
  EXPECT_EQ(image[InvInput2], 21);
  EXPECT_EQ(image[GEBER_MODE], 3);

  // A number runs into the next token, which is then read as a key.
  ASSERT_EQ(reader.Read("MORVALIS_KEY 75 BASE_ADV 15LIMITER 90 LIMITER", image), 75);
  EXPECT_EQ(image[BASE_ADV], 15);
  EXPECT_EQ(image[LIMITER], 90);

  // The last number outlives the file it came from.
  ASSERT_EQ(reader.Read("MORVALIS_KEY 75 BASE_ADV 33", image), 75);
  ASSERT_EQ(reader.Read("MORVALIS_KEY 75 BASE_ADV", image), 75);
  EXPECT_EQ(image[BASE_ADV], 75);
  EXPECT_EQ(reader.state.lastNumber, 75u);
}

TEST(ReadIgnFile, BikeRecordTakesTwoPolaritiesAfterTheCompensations) {
  // The 24 lobe values are 100..123 in file order: per channel the maximum-advance edge with
  // its two flags, then the start-advance edge with its two flags.
  std::string text = "MORVALIS_KEY 75\nBIKE 22 3 4 2";
  for (int i = 0; i < 24; ++i) text += " " + std::to_string(100 + i);
  text += " 1 11 12 13 14 1 0";
  ParameterImage image;
  image.block.fill(9);
  Reader reader;
  ASSERT_EQ(reader.Read(text, image), 75);
  EXPECT_EQ(image[Synchro], 3);
  EXPECT_EQ(image[PocKanalu], 2);
  EXPECT_EQ(image[PalecZacP2], 102);
  EXPECT_EQ(image[PalecEnd], 103);
  EXPECT_EQ(image[PalecZac + 1], 106);
  EXPECT_EQ(image[PalecEnd + 2], 115);
  EXPECT_EQ(image[PalecEndH2 + 3], 122);
  EXPECT_EQ(image[PalecEndP2 + 3], 123);
  EXPECT_EQ(image[PocSynchro], 1);
  EXPECT_EQ(image[Kompenz + 3], 14);
  EXPECT_EQ(image[InvInput1], 1);
  EXPECT_EQ(image[InvInput2], 0);
  EXPECT_EQ(image[Input1], 9);
}

TEST(ReadIgnFile, ConversionsKeepTheLowByte) {
  struct Case {
    std::string record;
    std::size_t byte;
    std::uint8_t expected;
  };
  const std::vector<Case> cases = {
      {"TPS 700 4750", Tps100, 225},
      {"TPS 700 2500", Tps100, 0},
      {"TPS 700 2490", Tps100, 255},
      {"TPS 709 2500", Tps0, 70},
      {"ADVANCE 300", ADVANCE, 44},
      {"RPM 2 -20", RpmKorekce, 80},
      {"RPM 2 -100", RpmKorekce, 0},
      {"RPM -1 0", RpmPulsu, 255},
      {"PILOT_LIGHT 1550", PILOT_LIGHT, 15},
      {"PILOT_LIGHT 4294967396", PILOT_LIGHT, 1},            // 2^32 + 100
      {"PILOT_LIGHT 18446744073709551716", PILOT_LIGHT, 1},  // 2^64 + 100
      {"BASE_ADV 12345678901234567890", BASE_ADV, 210},
      {"CLUTCH 109 2559", ClutchPause, 255},
      {"SERVO_HYSTER 104", SERVO_HYSTER, 20},
      {"SERVO_MV 2019", SERVO_MV, 100},
      {"SERVO_RPM 2 3 4 5 6 7 8 9 10 1299", SERVO_RPM + 9, 12},
      {"RPM_ADV 1 2 3 4 5 6 7 8 9 25600", RPM_ADV + 9, 0},
      {"EXCITATION 2", EXCITATION, 2},
  };
  for (const Case& c : cases) {
    ParameterImage image;
    Reader reader;
    ASSERT_EQ(reader.Read("MORVALIS_KEY 75 " + c.record, image), 75) << c.record;
    EXPECT_EQ(image[c.byte], c.expected) << c.record;
  }
}

TEST(ReadIgnFile, LongTokensAreSkippedWhole) {
  // A key hidden behind 271 characters would be a token of its own to a reader with a
  // 272-byte buffer; here it is part of one long token and means nothing.
  std::string text = "MORVALIS_KEY 75 " + std::string(271, 'x') + "LIMITER 5 BASE_ADV 7 ";
  text += std::string(10 << 20, 'A') + " TPS_MAPA 1";
  ParameterImage image;
  image[LIMITER] = 99;
  Reader reader;
  ASSERT_EQ(reader.Read(text, image), 75);
  EXPECT_EQ(image[LIMITER], 99);
  EXPECT_EQ(image[BASE_ADV], 7);
  EXPECT_EQ(image[TPS_MAPA], 1);

  // A 10 MB token before the format line does not hide it.
  ParameterImage other;
  EXPECT_EQ(reader.Read(std::string(10 << 20, '7') + "\nMORVALIS_KEY 75 LIMITER 8", other), 75);
  EXPECT_EQ(other[LIMITER], 8);
}

}  // namespace
}  // namespace zarvell
