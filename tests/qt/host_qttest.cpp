// The Qt host: filter texts, message boxes and their answers, file dialogs, image canvases,
// documents, and a second window shown modally until its own event closes it.
#include <gtest/gtest.h>

#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>

#include "qt/qt_canvas.h"
#include "qt/qt_host.h"
#include "tests/qt/input_events.h"
#include "tests/qt/modal_answer.h"
#include "tests/qt/test_form.h"
#include "tests/support/temp_dir.h"

namespace zarvell::qt {
namespace {

using namespace testutil;

TEST(NameFilters, TranslatesPairsOfNameAndPatternIntoQtFilters) {
  EXPECT_EQ(NameFilters("Ignition files (*.ign)|*.ign"), QStringList{"Ignition files (*.ign)"});
  EXPECT_EQ(NameFilters("Ignition files|*.ign|All files (*.*)|*.*"),
            (QStringList{"Ignition files (*.ign)", "All files (*.*)"}));
  EXPECT_EQ(NameFilters("Texts|*.txt;*.ini"), QStringList{"Texts (*.txt *.ini)"});
  EXPECT_EQ(NameFilters(""), QStringList{});
  EXPECT_EQ(NameFilters("A name without a pattern"), QStringList{});
}

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.SetMainView(view.get());
    hub.Attach(*view);
  }
  void TearDown() override { hub.Detach(*view); }

  ui::ControlModel model{kTestDesign};
  RecordingWindow window{model};
  EventHub hub;
  QtHost host{hub};
  std::unique_ptr<FormView> view = BuildForm(model, window, FormRoot::MainWindow, nullptr);
};

TEST_F(HostTest, MessageBoxesReturnTheButtonThatWasPressed) {
  ModalAnswerer answerer(QMessageBox::No);
  EXPECT_EQ(host.ShowMessage("Save?", "Question", ui::MessageButtons::YesNoCancel),
            ui::MessageAnswer::No);
  answerer.SetAnswer(QMessageBox::Yes);
  EXPECT_EQ(host.ShowMessage("Save?", "Question", ui::MessageButtons::YesNoCancel),
            ui::MessageAnswer::Yes);
  answerer.SetAnswer(QMessageBox::Cancel);
  EXPECT_EQ(host.ShowMessage("Save?", "Question", ui::MessageButtons::YesNoCancel),
            ui::MessageAnswer::Cancel);
  answerer.SetAnswer(QMessageBox::Ok);
  EXPECT_EQ(host.ShowMessage("Com opening error!", "Zarvell", ui::MessageButtons::Ok),
            ui::MessageAnswer::Ok);
  // Texts are plain: a "<" is shown, not taken for markup.
  EXPECT_EQ(host.ShowMessage("<b>1 < 2</b>", "x", ui::MessageButtons::Ok), ui::MessageAnswer::Ok);
  EXPECT_EQ(answerer.texts(), (std::vector<std::string>{"Save?", "Save?", "Save?",
                                                        "Com opening error!", "<b>1 < 2</b>"}));
  EXPECT_EQ(answerer.titles()[3], "Zarvell");
}

TEST_F(HostTest, FileDialogsStartWhereAskedAndAddTheDefaultExtension) {
  testutil::TempDir dir;
  dir.Write("bike.ign", "");
  const QString folder = QString::fromStdString(dir.path().string());
  ModalAnswerer answerer;
  QStringList filtersShown;
  QString folderShown;
  auto choose = [&](const QString& name) {
    answerer.onDialog = [&, name](QDialog& dialog) {
      auto& files = dynamic_cast<QFileDialog&>(dialog);
      filtersShown = files.nameFilters();
      folderShown = files.directory().absolutePath();
      // Typed as the user would (selectFile leaves a focused name box alone).
      auto* nameBox = files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      ASSERT_NE(nameBox, nullptr);
      nameBox->setText(name);
      static_cast<QDialog&>(files).accept();  // as the Open or Save button does
    };
  };
  const ui::FileDialogRequest request{dir.path().string(), "", "Ignition files (*.ign)|*.ign",
                                      "ign"};
  choose(QStringLiteral("bike.ign"));
  EXPECT_EQ(host.OpenFileDialog(request), (dir.path() / "bike.ign").string());
  EXPECT_EQ(folderShown, folder);
  EXPECT_EQ(filtersShown, QStringList{"Ignition files (*.ign)"});

  choose(QStringLiteral("new_setting"));
  EXPECT_EQ(host.SaveFileDialog(request), (dir.path() / "new_setting.ign").string());

  answerer.onDialog = [](QDialog& dialog) { dialog.reject(); };
  EXPECT_EQ(host.OpenFileDialog(request), std::nullopt);
}

TEST_F(HostTest, CanvasOfAnImageTakesTheControlsPresentSize) {
  model.SetRect(kImage, {0, 0, 30, 20});  // not yet synced to the widget
  ui::Canvas& canvas = host.CanvasOf(model, kImage);
  EXPECT_EQ(canvas.SurfaceSize(), (ui::Size{30, 20}));
  EXPECT_EQ(&canvas, &view->Image(kImage)->canvas());
  EXPECT_THROW(host.CanvasOf(model, kLabel), std::invalid_argument);
  const ui::ControlModel notShown{kTestDesign};
  EXPECT_THROW(host.CanvasOf(notShown, kImage), std::invalid_argument);
}

TEST_F(HostTest, MissingDocumentIsReportedAsNotOpened) {
  EXPECT_FALSE(host.OpenDocument("no_such_manual_anywhere.pdf"));
  EXPECT_FALSE(host.OpenDocument(""));
}

TEST_F(HostTest, ScreenAndClockAnswer) {
  const ui::Size screen = host.ScreenSize();
  EXPECT_GT(screen.width, 0);
  EXPECT_GT(screen.height, 0);
  EXPECT_GE(host.LocalTime().tm_year, 124);  // 2024 or later
}

constexpr ui::ControlSpec kDialogDesign[] = {
    {.id = 0,
     .name = "DialogForm",
     .kind = K::Form,
     .rect = {50, 40, 200, 120},
     .caption = "About",
     .colour = ui::kWhite},
    {.id = 1,
     .name = "LabelClose",
     .kind = K::Label,
     .parent = 0,
     .rect = {10, 10, 60, 20},
     .caption = "OK"},
};

TEST_F(HostTest, ModalFormRunsUntilItsOwnEventClosesIt) {
  ui::ControlModel dialogModel{kDialogDesign};
  RecordingWindow dialogWindow{dialogModel};
  dialogWindow.onClick = [this](ui::ControlIndex) { host.CloseModalForm(); };

  ModalAnswerer answerer;
  QRect shownAt;
  answerer.onDialog = [&](QDialog& dialog) {
    shownAt = dialog.geometry();
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("LabelClose"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "OK");
    testutil::Click(label, QPoint(2, 2));
  };
  host.ShowModalForm(dialogModel, dialogWindow);
  EXPECT_EQ(dialogWindow.log, std::vector<std::string>{"click LabelClose"});
  EXPECT_EQ(answerer.titles(), std::vector<std::string>{"About"});
  EXPECT_EQ(shownAt.size(), QSize(200, 120));

  // Shown a second time, it is built afresh from the model's present state.
  dialogModel.SetCaption(1, "Close");
  answerer.onDialog = [&](QDialog& dialog) {
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("LabelClose"))->text(), "Close");
    dialog.reject();
  };
  host.ShowModalForm(dialogModel, dialogWindow);
  EXPECT_EQ(answerer.titles().size(), 2u);
}

}  // namespace
}  // namespace zarvell::qt
