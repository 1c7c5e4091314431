// The main window's start-up, language handling and shut-down, driven headless.
#include "app/form_hlav.h"

#include <gtest/gtest.h>

#include <chrono>

#include "app/image_dump.h"
#include "fileio/files.h"
#include "headless_window.h"
#include "support/temp_dir.h"

namespace zarvell {
namespace {

using namespace design;

TEST(FormHlav, FirstStartIsCentredOnTheBikePageInEnglishWithBike20) {
  testutil::TempDir dir;
  HeadlessWindow w(dir.path());
  EXPECT_EQ(w[FormHlav].rect, (ui::Rect{148, 160, 984, 703}));
  EXPECT_EQ(w[PageControl1].itemIndex, 1);
  EXPECT_EQ(w.process.languageIndex, 0);
  EXPECT_EQ(w.form.image().block[field::BIKE], 20);
  EXPECT_EQ(w[MenuFile].caption, "&File");
  EXPECT_FALSE(w[LabelHlaseni].visible);
  EXPECT_FALSE(w[CGaugeProgram].visible);
  EXPECT_EQ(w[CGaugeProgram].max, 2);
  EXPECT_FALSE(w[LabelEeDataErr].visible);
  EXPECT_FALSE(w[LabelVersion].visible);
  EXPECT_FALSE(w[LabelTest1].visible);
  EXPECT_FALSE(w[LabelTest8].visible);
  EXPECT_FALSE(w.form.testMode());
  // The graph starts as a white page.
  const ui::RecordingCanvas* graph = w.host.FindCanvas(w.form.controls(), GrafAdv);
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(graph->calls(), (std::vector<std::string>{"pen #ffffff 1 solid", "brush #ffffff",
                                                      "rectangle 0 0 621 417", "flush"}));
}

TEST(FormHlav, StartUpClearsTheTempFilesThatAKilledWriteLeftInTheSettingsFolder) {
  testutil::TempDir dir;
  const auto leftover = dir.Write("Zarvell_v75.ini.zarvell-tmp-q7Rt2x", "[FORM_HLAV]\nLeft=1\n");
  std::filesystem::last_write_time(leftover, ProgramStart() - std::chrono::hours(1));
  HeadlessWindow w(dir.path());
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{});
}

TEST(FormHlav, SettingsComeBackAtTheNextStart) {
  testutil::TempDir dir;
  {
    HeadlessWindow w(dir.path());
    w.Click(MenuCzech);
    ui::DeliverPage(w.form.controls(), w.form, PageControl1, 2);
    w.form.controls().SetRect(FormHlav, {10, 20, 900, 600});
    w.Click(MenuExit);
    ASSERT_TRUE(w.host.closeRequested());
    w.form.FormClose();
  }
  HeadlessWindow again(dir.path());
  EXPECT_EQ(again.process.languageIndex, 3);
  EXPECT_EQ(again[MenuFile].caption, "&Soubor");
  EXPECT_EQ(again[PageControl1].itemIndex, 2);
  EXPECT_EQ(again[FormHlav].rect, (ui::Rect{10, 20, 900, 600}));
}

TEST(FormHlav, CommandLineLanguageMustMatchExactlyAndIsWhatGetsSaved) {
  testutil::TempDir dir;
  dir.Write("Zarvell_v75.ini", "[FORM_HLAV]\nLanguage=2\n");
  {
    HeadlessWindow w(dir.path(), {"deutsch"});
    EXPECT_EQ(w.process.languageIndex, 2);  // lower case: the settings stay in force
  }
  {
    HeadlessWindow w(dir.path(), {"CESKY", "ENGLISH"});
    EXPECT_EQ(w.process.languageIndex, 3);
    w.form.FormClose();
  }
  EXPECT_NE(testutil::Slurp(dir.path() / "Zarvell_v75.ini").find("Language=3"), std::string::npos);
}

TEST(FormHlav, OutOfRangeSettingsAreRepairedAndTheRepairIsSaved) {
  testutil::TempDir dir;
  dir.Write("Zarvell_v75.ini", "[FORM_HLAV]\nLanguage=7\nPageControl1->ActivePageIndex=9\n");
  HeadlessWindow w(dir.path());
  EXPECT_EQ(w.process.languageIndex, 0);
  EXPECT_EQ(w[MenuFile].caption, "&File");
  EXPECT_EQ(w[PageControl1].itemIndex, 1);  // no page 9: the design's page stays
  w.form.FormClose();
  const std::string ini = testutil::Slurp(dir.path() / "Zarvell_v75.ini");
  EXPECT_NE(ini.find("Language=0"), std::string::npos);
  EXPECT_NE(ini.find("PageControl1->ActivePageIndex=1"), std::string::npos);
}

TEST(FormHlav, AWindowThatWouldBeLostComesBackOnTheScreen) {
  testutil::TempDir dir;
  // Saved on a larger monitor: wholly right of this 1280 x 1024 screen.
  dir.Write("Zarvell_v75.ini", "[FORM_HLAV]\nLeft=2000\nTop=30\nHeight=600\nWidth=900\n");
  EXPECT_EQ(HeadlessWindow(dir.path())[FormHlav].rect, (ui::Rect{190, 212, 900, 600}));
  // Too small to see: the design size, at the stored place.
  dir.Write("Zarvell_v75.ini", "[FORM_HLAV]\nLeft=10\nTop=20\nHeight=0\nWidth=-5\n");
  EXPECT_EQ(HeadlessWindow(dir.path())[FormHlav].rect, (ui::Rect{10, 20, 984, 703}));
  // Partly off the screen is the user's choice and stays.
  dir.Write("Zarvell_v75.ini", "[FORM_HLAV]\nLeft=-300\nTop=900\nHeight=703\nWidth=984\n");
  EXPECT_EQ(HeadlessWindow(dir.path())[FormHlav].rect, (ui::Rect{-300, 900, 984, 703}));
}

TEST(FormHlav, ShutDownSavesTheImageDumpIntoAFolderThatDidNotExist) {
  testutil::TempDir dir;
  const auto config = dir.path() / "zarvell";
  {
    HeadlessWindow w(config);
    w.form.FormClose();
  }
  ParameterImage dumped{};
  LoadImageDump(config / "_Zarvell_v75.ini", dumped);
  EXPECT_EQ(dumped.block[field::BIKE], 20);
  EXPECT_EQ(dumped.block[field::LIMITER], 110);
}

TEST(FormHlav, MarkerFileSwitchesTestModeOnAndShowsTheTestLabels) {
  testutil::TempDir dir;
  dir.Write("test_brenik.txt", "first line\nsome words DIAG_SWITCH more\n");
  HeadlessWindow w(dir.path());
  EXPECT_TRUE(w.form.testMode());
  EXPECT_TRUE(w[LabelTest1].visible);
  EXPECT_TRUE(w[LabelTest8].visible);
}

TEST(FormHlav, AboutWindowIsCaptionedInTheLanguageOfTheMomentAndStamped) {
  testutil::TempDir dir;
  HeadlessWindow w(dir.path());
  w.Click(MenuGerman);
  w.Click(MenuAbout);
  EXPECT_EQ(w.host.modalFormsShown(), 1);
  ui::ControlModel& about = w.form.about().controls();
  EXPECT_EQ(about[0].caption, "Über Programm ZARVELL");
  EXPECT_EQ(about[about.Find("LabelRsKey")].caption, "Version - 75");
  EXPECT_EQ(about[about.Find("LabelDate")].caption.size(), 11u);  // "Nov 13 2009"
  EXPECT_EQ(about[about.Find("LabelTime")].caption.size(), 8u);   // "10:59:37"
  // The banner is painted as the window appears, on the About window's own image.
  const ui::RecordingCanvas* banner = w.host.FindCanvas(about, about.Find("Image1"));
  ASSERT_NE(banner, nullptr);
  EXPECT_EQ(banner->SurfaceSize(), (ui::Size{542, 241}));
  EXPECT_EQ(banner->calls().back(), "flush");
  w.Click(MenuCzech);
  w.Click(MenuAbout);
  EXPECT_EQ(about[0].caption, "O programu ZARVELL");
}

TEST(FormHlav, MissingManualIsReportedInTheCurrentLanguage) {
  testutil::TempDir dir;
  HeadlessWindow w(dir.path());
  w.Click(MenuFrench);
  w.Click(MenuContens);
  ASSERT_EQ(w.host.openedDocuments(), std::vector<std::string>{"manual_Zarvell_fr.pdf"});
  ASSERT_EQ(w.host.messages().size(), 1u);
  EXPECT_EQ(w.host.messages()[0].text, "Erreur à l´ouvertur du Fichier manual_Zarvell_fr.pdf !");
  w.host.SetOpenDocumentResult(true);
  w.Click(MenuContens);
  EXPECT_EQ(w.host.messages().size(), 1u);
}

}  // namespace
}  // namespace zarvell
