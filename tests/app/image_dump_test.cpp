#include "app/image_dump.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "support/temp_dir.h"

namespace zarvell {
namespace {

using testutil::Slurp;
using testutil::TempDir;

ParameterImage CountingImage() {
  ParameterImage image;
  for (std::size_t i = 0; i < ParameterImage::kBlockSize; ++i) {
    image[i] = static_cast<std::uint8_t>(i);
  }
  image[206] = 255;
  return image;
}

ParameterImage Filled(std::uint8_t value) {
  ParameterImage image;
  image.block.fill(value);
  return image;
}

constexpr char kCountingDump[] =
    "    0     1     2     3     4     5     6     7     8     9 \n"
    "   10    11    12    13    14    15    16    17    18    19 \n"
    "   20    21    22    23    24    25    26    27    28    29 \n"
    "   30    31    32    33    34    35    36    37    38    39 \n"
    "   40    41    42    43    44    45    46    47    48    49 \n"
    "   50    51    52    53    54    55    56    57    58    59 \n"
    "   60    61    62    63    64    65    66    67    68    69 \n"
    "   70    71    72    73    74    75    76    77    78    79 \n"
    "   80    81    82    83    84    85    86    87    88    89 \n"
    "   90    91    92    93    94    95    96    97    98    99 \n"
    "\n"
    "  100   101   102   103   104   105   106   107   108   109 \n"
    "  110   111   112   113   114   115   116   117   118   119 \n"
    "  120   121   122   123   124   125   126   127   128   129 \n"
    "  130   131   132   133   134   135   136   137   138   139 \n"
    "  140   141   142   143   144   145   146   147   148   149 \n"
    "  150   151   152   153   154   155   156   157   158   159 \n"
    "  160   161   162   163   164   165   166   167   168   169 \n"
    "  170   171   172   173   174   175   176   177   178   179 \n"
    "  180   181   182   183   184   185   186   187   188   189 \n"
    "  190   191   192   193   194   195   196   197   198   199 \n"
    "\n"
    "  200   201   202   203   204   205   255 ";

TEST(ImageDump, FormatHasTheFixedLayout) {
  EXPECT_EQ(FormatImageDump(CountingImage()), kCountingDump);
}

TEST(ImageDump, ParseReadsAllSpareBytesToo) {
  ParameterImage image = Filled(7);
  ParseImageDump(kCountingDump, image);
  EXPECT_EQ(image, CountingImage());
}

TEST(ImageDump, ShortDumpLeavesTheRestOfTheBlockAlone) {
  std::string text;
  for (int i = 0; i < 150; ++i) text += std::to_string(i + 1) + (i % 10 == 9 ? "\r\n" : " ");
  ParameterImage image = Filled(9);
  ParseImageDump(text, image);
  for (std::size_t i = 0; i < ParameterImage::kBlockSize; ++i) {
    EXPECT_EQ(image[i], i < 150 ? i + 1 : 9) << "byte " << i;
  }
}

TEST(ImageDump, ParseStopsAtTheFirstWordThatIsNotANumber) {
  struct Case {
    const char* text;
    std::vector<int> expected;  // the first bytes; the rest keeps its fill value 9
  };
  const Case cases[] = {
      {"1 2 x 4", {1, 2, 9, 9}},
      {"1 2abc 4", {1, 2, 9}},  // the number before the letters still counts
      {"1 -x 4", {1, 9, 9}},
      {"256 -1 +3 511", {0, 255, 3, 255}},
      {"18446744073709551617 -20", {1, 236}},  // 2^64 + 1 keeps its low byte
      {"99999999999999999999 12345678901234567890", {255, 210}},
      {"", {9}},
      {"  \n\t ", {9}},
  };
  for (const Case& c : cases) {
    ParameterImage image = Filled(9);
    ParseImageDump(c.text, image);
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      EXPECT_EQ(image[i], c.expected[i]) << "\"" << c.text << "\" byte " << i;
    }
  }
}

TEST(ImageDump, ParseTakesNoMoreThanTheBlock) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "3 ";
  ParameterImage image;
  ParseImageDump(text, image);
  EXPECT_EQ(image, Filled(3));
}

TEST(ImageDumpFile, SaveThenLoadRestoresTheBlockWithoutLeftovers) {
  const TempDir dir;
  const auto path = dir.path() / "_Zarvell_v75.ini";
  SaveImageDump(path, CountingImage());
  EXPECT_EQ(Slurp(path), kCountingDump);
  SaveImageDump(path, Filled(42));  // replaces, never appends
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"_Zarvell_v75.ini"});

  ParameterImage image;
  LoadImageDump(path, image);
  EXPECT_EQ(image, Filled(42));
}

TEST(ImageDumpFile, MissingDumpOrDirectoryIsSilent) {
  const TempDir dir;
  ParameterImage image = Filled(5);
  LoadImageDump(dir.path() / "none", image);
  EXPECT_EQ(image, Filled(5));
  SaveImageDump(dir.path() / "missing" / "_Zarvell_v75.ini", image);
  EXPECT_TRUE(dir.Entries().empty());
}

TEST(ImageDumpFile, FailedSaveKeepsThePreviousDump) {
  const TempDir dir;
  const auto path = dir.path() / "_Zarvell_v75.ini";
  SaveImageDump(path, CountingImage());

  // A file size limit below the dump's size makes the write fail part-way (even for root,
  // where an unwritable directory would not).
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 100;
  const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  SaveImageDump(path, Filled(1));
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(Slurp(path), kCountingDump);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"_Zarvell_v75.ini"});
}

}  // namespace
}  // namespace zarvell
