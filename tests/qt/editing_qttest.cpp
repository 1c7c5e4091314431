// The Qt program as an offline editor: typing into a number field, Enter, a check box clicked
// with the mouse, a radio group, the bike list and undo all reach the image, and the view rules
// show on the widgets.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "qt/program.h"
#include "qt/screenshots.h"
#include "sim/in_process_ports.h"
#include "tests/qt/input_events.h"
#include "tests/qt/modal_answer.h"
#include "tests/support/temp_dir.h"

namespace zarvell::qt {
namespace {

void TypeOver(QLineEdit& edit, const QString& text) {
  edit.setFocus();
  edit.selectAll();
  for (const QChar c : text) testutil::Key(&edit, c.unicode(), QString(c));
}

// On the indicator, which every check box and radio button takes as a hit.
void MouseClick(QWidget& widget) {
  testutil::Click(&widget, QPoint(6, widget.height() / 2));
}

class Editor : public ::testing::Test {
 protected:
  template <class W>
  W& Find(const char* name) {
    W* widget = program->mainWindow().findChild<W*>(QString::fromLatin1(name));
    if (widget == nullptr) throw std::runtime_error(name);
    return *widget;
  }
  std::uint8_t Byte(std::size_t byte) { return program->window().image().block[byte]; }
  void ShowPage(int page) { Find<QTabWidget>("PageControl1").setCurrentIndex(page); }

  testutil::TempDir config;
  testutil::ModalAnswerer answerer{QMessageBox::No};
  sim::AdapterWithoutUnit com1{"/dev/ttyUSB0"};
  std::unique_ptr<Program> program =
      std::make_unique<Program>(config.path(), std::vector<std::string>{}, com1.ports);
};

TEST_F(Editor, TypingAndEnterCommitTheFieldAndMoveOn) {
  ShowPage(0);
  QLineEdit& limiter = Find<QLineEdit>("EditOmez2");
  EXPECT_EQ(limiter.text(), "11000");
  TypeOver(limiter, "1550");
  EXPECT_EQ(Byte(field::LIMITER), 110);  // nothing is stored while typing
  testutil::Key(&limiter, Qt::Key_Return);
  EXPECT_EQ(Byte(field::LIMITER), 15);
  EXPECT_EQ(limiter.text(), "1500");
  EXPECT_EQ(program->mainWindow().focusWidget(), &Find<QLineEdit>("EditPilotLight"));
  EXPECT_TRUE(Find<QAction>("MenuZpet").isEnabled());
  EXPECT_EQ(Find<QAction>("MenuZpet").shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));

  Find<QAction>("MenuZpet").trigger();
  EXPECT_EQ(Byte(field::LIMITER), 110);
  EXPECT_EQ(limiter.text(), "11000");
  EXPECT_TRUE(Find<QAction>("MenuZnovu").isEnabled());
}

TEST_F(Editor, EnterOnACheckBoxCommitsWhatTheKeyboardToggled) {
  ShowPage(0);
  QCheckBox& excitation = Find<QCheckBox>("CheckBoxBuzDlouhe");
  excitation.setFocus();
  testutil::Key(&excitation, Qt::Key_Space, QStringLiteral(" "));
  EXPECT_TRUE(excitation.isChecked());
  EXPECT_EQ(Byte(field::EXCITATION), 0);  // the keyboard alone does not commit
  testutil::Key(&excitation, Qt::Key_Return);
  EXPECT_EQ(Byte(field::EXCITATION), 1);
  EXPECT_EQ(program->mainWindow().focusWidget(), &Find<QCheckBox>("CheckBoxZakazCteni"));
}

TEST_F(Editor, MouseClickedFlagsAndRadioChoicesReachTheImageAndTheViewRules) {
  ShowPage(1);
  MouseClick(Find<QCheckBox>("CheckBoxZamenaPickup"));
  EXPECT_EQ(Byte(field::PICKUPS_INTERCHANGE), 1);

  ShowPage(0);
  QLineEdit& clutch = Find<QLineEdit>("EditClutchTime");
  EXPECT_FALSE(clutch.isEnabled());
  // Disabled, it looks it: the white of the number fields is for those that take input.
  EXPECT_EQ(clutch.palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
  EXPECT_NE(clutch.palette().color(QPalette::Disabled, QPalette::Base), QColor(Qt::white));
  auto buttons = Find<QWidget>("RadioGroupInput2").findChildren<QRadioButton*>();
  ASSERT_EQ(buttons.size(), 5);
  MouseClick(*buttons[3]);  // "Clutch master"
  EXPECT_EQ(Byte(field::Input2), 3);
  EXPECT_TRUE(clutch.isEnabled());
  EXPECT_TRUE(Find<QWidget>("UpDownClutchTime").isVisible());
}

TEST_F(Editor, TheHandMadeBikeOpensTheSynchronizationGroup) {
  ShowPage(1);
  QComboBox& synchro = Find<QComboBox>("ComboBoxSynchro");
  EXPECT_FALSE(synchro.isEnabled());
  emit Find<QComboBox>("ComboBoxBike").activated(37);  // "Special setting"
  EXPECT_EQ(Byte(field::BIKE), 22);
  EXPECT_TRUE(synchro.isEnabled());
  emit synchro.activated(0);
  EXPECT_EQ(Byte(field::Synchro), 0);
  EXPECT_TRUE(Find<QCheckBox>("CheckBoxNehlidaPalec").isVisible());
  EXPECT_FALSE(Find<QLineEdit>("EditPalec1Zac").isEnabled());
  EXPECT_EQ(answerer.texts(), std::vector<std::string>{}) << "code 22 asks nothing";
}

TEST_F(Editor, CtrlVPastesABlockIntoTheGridAndASingleValueIntoTheBox) {
  ShowPage(2);
  QLineEdit& first = Find<QLineEdit>("Edit140");  // row 9, the one row without throttle rows
  first.setFocus();
  QGuiApplication::clipboard()->setText("1\t2\n");
  testutil::Key(&first, Qt::Key_V, {}, Qt::ControlModifier);
  EXPECT_EQ(Byte(field::AdvanceCell(9, 0)), 1);
  EXPECT_EQ(Byte(field::AdvanceCell(9, 1)), 2);
  EXPECT_EQ(Find<QLineEdit>("Edit141").text(), "2");

  // Nothing selected: Ctrl+C and a single value are the box's own.
  QLineEdit& third = Find<QLineEdit>("Edit142");
  third.setFocus();
  third.selectAll();
  testutil::Key(&third, Qt::Key_C, {}, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), third.text());
  QGuiApplication::clipboard()->setText("33");
  third.selectAll();
  testutil::Key(&third, Qt::Key_V, {}, Qt::ControlModifier);
  EXPECT_EQ(third.text(), "33");
  EXPECT_NE(Byte(field::AdvanceCell(9, 2)), 33);  // typed, not yet left
}

TEST_F(Editor, TheKeyboardTurnsThePagesAndSelectsABlockOfCellsWithoutAMouse) {
  QWidget& main = program->mainWindow();
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  auto& tabs = Find<QTabWidget>("PageControl1");
  ShowPage(0);
  // From an edit box, whose own keys do not take them: Ctrl+Tab, Ctrl+Shift+Tab (which X
  // sends as Backtab), Ctrl+PgDn and Ctrl+PgUp, round the ends.
  Find<QLineEdit>("EditOmez2").setFocus();
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    int page;
  } turns[] = {{Qt::Key_Tab, Qt::ControlModifier, 1},
               {Qt::Key_PageDown, Qt::ControlModifier, 2},
               {Qt::Key_Tab, Qt::ControlModifier, 3},
               {Qt::Key_PageDown, Qt::ControlModifier, 0},
               {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 3},
               {Qt::Key_PageUp, Qt::ControlModifier, 2}};
  for (const auto& turn : turns) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(turn.key), turn.modifiers);
    EXPECT_EQ(tabs.currentIndex(), turn.page) << turn.key;
    EXPECT_EQ(program->window().controls()[design::PageControl1].itemIndex, turn.page);
  }

  // On the map page with its throttle rows: Ctrl+arrows go to the next cell, Ctrl+Shift+arrows
  // select a block; a plain arrow still moves the caret in the box.
  MouseClick(Find<QCheckBox>("CheckBoxTpsMapa"));
  QLineEdit& cell = Find<QLineEdit>("Edit71");  // row 2, column 1
  cell.setFocus();
  cell.setCursorPosition(0);
  testutil::Key(&cell, Qt::Key_Right);
  EXPECT_EQ(cell.cursorPosition(), 1);
  EXPECT_EQ(main.focusWidget(), &cell);
  testutil::Key(&cell, Qt::Key_Right, {}, Qt::ControlModifier);
  ASSERT_EQ(main.focusWidget(), &Find<QLineEdit>("Edit72"));
  const Qt::KeyboardModifiers extend = Qt::ControlModifier | Qt::ShiftModifier;
  testutil::Key(main.focusWidget(), Qt::Key_Right, {}, extend);
  testutil::Key(main.focusWidget(), Qt::Key_Down, {}, extend);
  testutil::Key(main.focusWidget(), Qt::Key_Down, {}, extend);
  EXPECT_EQ(main.focusWidget(), &Find<QLineEdit>("Edit93"));
  const TSelcell& selection = program->window().selection();
  EXPECT_EQ(selection.state, 2);
  EXPECT_EQ((std::array{selection.rectLeft, selection.rectRight, selection.rectTop,
                        selection.rectBottom}),
            (std::array{2, 3, 2, 4}));
  // The block from the keyboard is the grid's for the clipboard, as a dragged one is.
  testutil::Key(main.focusWidget(), Qt::Key_C, {}, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text().count(u'\n'), 3);
  EXPECT_EQ(QGuiApplication::clipboard()->text().split(u'\n')[0].count(u'\t'), 1);
}

}  // namespace
}  // namespace zarvell::qt
