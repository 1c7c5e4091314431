// The widgets built from a control model show its state, forward the user's actions through
// the control semantics, and never mistake a copied property for a user event.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <stdexcept>

#include "qt/event_hub.h"
#include "qt/qt_canvas.h"
#include "qt/widgets.h"
#include "tests/qt/input_events.h"
#include "tests/qt/modal_answer.h"
#include "tests/qt/test_form.h"

namespace zarvell::qt {
namespace {

using namespace testutil;
using Log = std::vector<std::string>;

class FormViewTest : public ::testing::Test {
 protected:
  void SetUp() override { hub.Attach(*view); }
  void TearDown() override { hub.Detach(*view); }

  template <class T>
  T* Find(const char* name) const {
    T* found = view->root->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  ui::ControlModel model{kTestDesign};
  RecordingWindow window{model};
  EventHub hub;
  std::unique_ptr<FormView> view = BuildForm(model, window, FormRoot::MainWindow, nullptr);
};

TEST_F(FormViewTest, EveryControlHasOneWidgetOrActionNamedAfterIt) {
  EXPECT_EQ(view->root->objectName(), "TestForm");
  for (ui::ControlIndex id = 1; id < model.size(); ++id) {
    const QString name = QString::fromLatin1(model.Name(id));
    const bool menuEntry = model[id].kind == K::MenuItem;
    if (menuEntry) {
      EXPECT_EQ(view->root->findChild<QAction*>(name), view->actions[id]) << model.Name(id);
    } else {
      EXPECT_EQ(view->root->findChild<QWidget*>(name), view->widgets[id]) << model.Name(id);
    }
  }
  // Positions are relative to the parent control: the page for the edit, the client area for
  // the label.
  QWidget* edit = view->widgets[kEdit];
  EXPECT_EQ(edit->parentWidget(), view->widgets[kPageA]);
  EXPECT_EQ(edit->geometry(), QRect(8, 40, 60, 21));
  EXPECT_EQ(view->widgets[kLabel]->parentWidget(), view->content);
  EXPECT_EQ(view->widgets[kLabel]->geometry(), QRect(8, 256, 100, 16));
  EXPECT_EQ(view->root->size(), QSize(420, 330));
  EXPECT_EQ(view->root->windowTitle(), "Test form");
  EXPECT_EQ(view->content->minimumSize(), QSize(400, 278)) << "the extent of the controls";
}

TEST_F(FormViewTest, FreshWidgetsShowTheModel) {
  EXPECT_EQ(Find<QLineEdit>("Edit")->text(), "5") << "the up/down control writes its position";
  auto* combo = Find<QComboBox>("Combo");
  ASSERT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->itemText(2), "three");
  EXPECT_EQ(combo->currentIndex(), 0);
  const auto radios = Find<QGroupBox>("Group")->findChildren<QRadioButton*>();
  ASSERT_EQ(radios.size(), 2);
  EXPECT_TRUE(radios[0]->isChecked());
  EXPECT_EQ(radios[1]->text(), "y");
  auto* slider = Find<QSlider>("Track");
  EXPECT_EQ(slider->maximum(), 10);
  EXPECT_EQ(slider->value(), 3);
  EXPECT_EQ(Find<QProgressBar>("Gauge")->value(), 1);
  EXPECT_TRUE(Find<QRadioButton>("RadioA")->isChecked());
  EXPECT_EQ(Find<QTabWidget>("Tabs")->tabText(1), "B");

  QAction* undo = view->actions[kMenuUndo];
  EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(undo->toolTip(), "Undo");
  EXPECT_EQ(undo->statusTip(), "Takes back the last change");
  EXPECT_EQ(Find<QLabel>("Label")->toolTip(), "Tip");
  EXPECT_EQ(Find<QLabel>("Label")->statusTip(), "Status text");
  EXPECT_EQ(view->actions[kMenuEdit]->text(), "&Edit");
}

TEST_F(FormViewTest, CheckBoxTellsMouseClicksFromKeyboardToggles) {
  auto* check = Find<QCheckBox>("Check");
  Click(check, QPoint(6, 10));
  EXPECT_EQ(window.log, Log{"click Check"});
  EXPECT_TRUE(model[kCheck].checked);
  EXPECT_TRUE(check->isChecked());

  Key(check, Qt::Key_Space, QStringLiteral(" "));
  EXPECT_EQ(window.log, (Log{"click Check", "key Check"}));
  EXPECT_FALSE(model[kCheck].checked);
  EXPECT_FALSE(check->isChecked());
}

TEST_F(FormViewTest, WidgetsShowTheWindowsVerdictNotTheirOwn) {
  // The window refuses the tick: the widget must not keep the one the click gave it.
  window.onClick = [this](ui::ControlIndex id) {
    if (id == kCheck) model.SetChecked(kCheck, false);
    if (id == kMenuMark) model.SetChecked(kMenuMark, true);
  };
  auto* check = Find<QCheckBox>("Check");
  Click(check, QPoint(6, 10));
  EXPECT_FALSE(check->isChecked());

  // A menu item shows a check mark while the model says so, however often it is chosen.
  QAction* mark = view->actions[kMenuMark];
  EXPECT_FALSE(mark->isCheckable());
  mark->trigger();
  EXPECT_TRUE(mark->isChecked());
  mark->trigger();
  EXPECT_TRUE(mark->isChecked());
  window.onClick = [this](ui::ControlIndex) { model.SetChecked(kMenuMark, false); };
  mark->trigger();
  EXPECT_FALSE(mark->isChecked());
  EXPECT_EQ(window.log, (Log{"click Check", "click MenuMark", "click MenuMark", "click MenuMark"}));
}

TEST_F(FormViewTest, CopiedPropertiesNeverComeBackAsEvents) {
  model.SetItemIndex(kCombo, 2);
  model.SetPosition(kTrack, 7);
  model.SetItemIndex(kTabs, 1);
  model.SetItemIndex(kGroup, 1);
  model.SetChecked(kCheck, true);
  model.SetText(kEdit, "9");
  model.SetChecked(kRadioB, true);
  model.SetItems(kGroup, "p\nq\nr");
  hub.SyncAll();
  EXPECT_EQ(window.log, Log{});

  EXPECT_EQ(Find<QComboBox>("Combo")->currentIndex(), 2);
  EXPECT_EQ(Find<QSlider>("Track")->value(), 7);
  EXPECT_EQ(Find<QTabWidget>("Tabs")->currentIndex(), 1);
  EXPECT_TRUE(Find<QCheckBox>("Check")->isChecked());
  EXPECT_EQ(Find<QLineEdit>("Edit")->text(), "9");
  EXPECT_FALSE(Find<QRadioButton>("RadioA")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("RadioB")->isChecked());
  const auto radios = Find<QGroupBox>("Group")->findChildren<QRadioButton*>();
  ASSERT_EQ(radios.size(), 3);
  EXPECT_EQ(radios[2]->text(), "r");
  EXPECT_TRUE(radios[1]->isChecked());
}

TEST_F(FormViewTest, TypingChangesOnlyTheTextAndLeavingTheBoxIsReported) {
  auto* edit = Find<QLineEdit>("Edit");
  edit->setCursorPosition(1);
  Key(edit, Qt::Key_7, QStringLiteral("7"));
  EXPECT_EQ(model[kEdit].text, "57");
  EXPECT_EQ(window.log, Log{});

  // Another window or a menu taking the focus is not leaving the box.
  QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
  QApplication::sendEvent(edit, &toMenu);
  QFocusEvent toOtherWindow(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(edit, &toOtherWindow);
  EXPECT_EQ(window.log, Log{});

  // 57 is outside 0..10: the box gets the previous number back.
  QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(edit, &tab);
  EXPECT_EQ(window.log, Log{"exit Edit"});
  EXPECT_EQ(model[kEdit].text, "5");
  EXPECT_EQ(edit->text(), "5");

  Key(edit, Qt::Key_Return);
  EXPECT_EQ(window.log, (Log{"exit Edit", "enter Edit"}));
}

TEST_F(FormViewTest, ArrowsStepTheUpDownControlAndItsEditBox) {
  const auto arrows = view->widgets[kUpDown]->findChildren<QToolButton*>();
  ASSERT_EQ(arrows.size(), 2);
  arrows[0]->click();
  EXPECT_EQ(model[kUpDown].position, 6);
  EXPECT_EQ(Find<QLineEdit>("Edit")->text(), "6");
  arrows[1]->click();
  arrows[1]->click();
  EXPECT_EQ(Find<QLineEdit>("Edit")->text(), "4");
  EXPECT_EQ(window.log, (Log{"up UpDownEdit", "down UpDownEdit", "down UpDownEdit"}));

  // The Up and Down keys in the edit box step it too, from the number typed there.
  auto* edit = Find<QLineEdit>("Edit");
  model.SetText(kEdit, "8");
  QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
  QApplication::sendEvent(edit, &up);
  EXPECT_EQ(edit->text(), "9");
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(edit, &down);
  QApplication::sendEvent(edit, &down);
  EXPECT_EQ(model[kUpDown].position, 7);
  EXPECT_EQ(window.log.back(), "down UpDownEdit");
}

TEST_F(FormViewTest, ChoicesPagesAndClicksAreForwarded) {
  Find<QComboBox>("Combo")->activated(1);
  Find<QComboBox>("Combo")->activated(1);  // the same entry again changes nothing
  Find<QGroupBox>("Group")->findChildren<QRadioButton*>()[1]->click();
  Find<QTabWidget>("Tabs")->setCurrentIndex(1);
  Find<QSlider>("Track")->setValue(8);
  Find<QRadioButton>("RadioB")->click();
  Find<QPushButton>("Button")->click();
  Click(Find<QLabel>("Label"), QPoint(3, 3));
  EXPECT_EQ(window.log, (Log{"select Combo", "select Group", "page", "select Track", "click RadioB",
                             "click Button", "click Label"}));
  EXPECT_EQ(model[kCombo].itemIndex, 1);
  EXPECT_EQ(model[kGroup].itemIndex, 1);
  EXPECT_EQ(model[kTabs].itemIndex, 1);
  EXPECT_EQ(model[kTrack].position, 8);
  EXPECT_FALSE(Find<QRadioButton>("RadioA")->isChecked());

  // Clicking the checked item again leaves it checked, whatever Qt's own button would do.
  window.log.clear();
  Find<QGroupBox>("Group")->findChildren<QRadioButton*>()[1]->click();
  Find<QRadioButton>("RadioB")->click();
  EXPECT_EQ(window.log, Log{"click RadioB"});
  EXPECT_TRUE(Find<QGroupBox>("Group")->findChildren<QRadioButton*>()[1]->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("RadioB")->isChecked());
}

// A wheel turned over a list, to scroll or by accident, chooses nothing: the list and the model
// keep their entry, so a widget never shows a choice the window has not made.
TEST_F(FormViewTest, TheWheelOverAListChoosesNothing) {
  auto* combo = Find<QComboBox>("Combo");
  combo->setFocus();
  for (const int delta : {-120, -120, 120}) {
    const QPointF at(10, 10);
    QWheelEvent wheel(at, combo->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &wheel);
  }
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_EQ(model[kCombo].itemIndex, 0);
  EXPECT_TRUE(window.log.empty());
}

TEST_F(FormViewTest, HidingTheFocusedEditBoxIsNoUserEvent) {
  view->root->show();
  QApplication::setActiveWindow(view->root.get());
  auto* edit = Find<QLineEdit>("Edit");
  edit->setFocus();
  ASSERT_TRUE(edit->hasFocus());
  model.SetVisible(kEdit, false);  // the focus moves on while the sync copies this
  hub.SyncAll();
  EXPECT_FALSE(edit->hasFocus());
  EXPECT_EQ(window.log, Log{});
}

TEST_F(FormViewTest, WhereTheUserPutsTheWindowGoesBackIntoTheModel) {
  view->root->show();
  view->root->resize(500, 360);
  view->root->move(30, 40);
  EXPECT_EQ(model[kForm].rect, (ui::Rect{30, 40, 500, 360}));
  hub.SyncAll();
  EXPECT_EQ(view->root->geometry().size(), QSize(500, 360));
  EXPECT_EQ(window.log, Log{});

  // The model's own changes still reach the window.
  model.SetRect(kForm, {0, 0, 450, 340});
  hub.SyncAll();
  EXPECT_EQ(view->root->size(), QSize(450, 340));
  EXPECT_EQ(model[kForm].rect.width, 450);
}

TEST_F(FormViewTest, ImageReportsTheMouseWithModifiers) {
  ImageWidget* image = view->Image(kImage);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->canvas().SurfaceSize(), (ui::Size{100, 60}));
  Click(image, QPoint(5, 6), Qt::ShiftModifier);
  QWheelEvent wheel(QPointF(7, 8), QPointF(image->mapToGlobal(QPoint(7, 8))), QPoint(),
                    QPoint(0, -120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(image, &wheel);
  EXPECT_EQ(window.log, (Log{"mouse down 5,6 shift Image", "mouse up 5,6 shift Image",
                             "wheel -120 ctrl Image"}));

  model.SetRect(kImage, {170, 8, 120, 70});
  hub.SyncAll();
  EXPECT_EQ(image->canvas().SurfaceSize(), (ui::Size{120, 70}));
}

TEST_F(FormViewTest, MenuShortcutsWinOverTheEditBoxsOwnKeys) {
  auto ownsKey = [](QWidget* widget, QKeyCombination key) {
    QKeyEvent probe(QEvent::ShortcutOverride, key.key(), key.keyboardModifiers());
    probe.ignore();
    QApplication::sendEvent(widget, &probe);
    return probe.isAccepted();
  };
  QLineEdit plain;
  ASSERT_TRUE(ownsKey(&plain, Qt::CTRL | Qt::Key_Z)) << "a plain edit box keeps Ctrl+Z";
  EXPECT_FALSE(ownsKey(Find<QLineEdit>("Edit"), Qt::CTRL | Qt::Key_Z));
  EXPECT_TRUE(ownsKey(Find<QLineEdit>("Edit"), Qt::CTRL | Qt::Key_A));
}

TEST_F(FormViewTest, VisibilityColoursAndStatusTextFollowTheModel) {
  model.SetVisible(kPageB, false);
  model.SetVisible(kButton, false);
  model.SetEnabled(kCombo, false);
  model.SetColour(kLabel, ui::kRed);
  model.SetFontColour(kLabel, ui::kWhite);
  model.SetColour(kEdit, ui::Colour::Rgb(0, 255, 0));
  model.SetText(kStatus, "hello");
  model.SetCaption(kForm, "Renamed");
  hub.SyncAll();
  EXPECT_FALSE(Find<QTabWidget>("Tabs")->isTabVisible(1));
  EXPECT_TRUE(Find<QPushButton>("Button")->isHidden());
  EXPECT_FALSE(Find<QComboBox>("Combo")->isEnabled());
  auto* label = Find<QLabel>("Label");
  EXPECT_TRUE(label->autoFillBackground());
  EXPECT_EQ(label->palette().color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 255, 255));
  EXPECT_EQ(Find<QLineEdit>("Edit")->palette().color(QPalette::Base), QColor(0, 255, 0));
  EXPECT_EQ(static_cast<QMainWindow*>(view->root.get())->statusBar()->currentMessage(), "hello");
  EXPECT_EQ(view->root->windowTitle(), "Renamed");

  model.SetColour(kLabel, ui::Colour::ButtonFace());
  hub.SyncAll();
  EXPECT_FALSE(label->autoFillBackground()) << "the parent's face shows through again";
}

TEST_F(FormViewTest, AnEscapingExceptionIsShownAndTheWidgetsStillCatchUp) {
  ModalAnswerer answerer;
  window.onClick = [this](ui::ControlIndex) {
    model.SetCaption(kLabel, "changed before the failure");
    throw std::runtime_error("handler failed");
  };
  Find<QPushButton>("Button")->click();
  EXPECT_EQ(answerer.texts(), std::vector<std::string>{"handler failed"});
  EXPECT_EQ(Find<QLabel>("Label")->text(), "changed before the failure");

  // The program carries on: the next event is handled as usual.
  window.onClick = nullptr;
  Find<QPushButton>("Button")->click();
  EXPECT_EQ(window.log, (Log{"click Button", "click Button"}));
}

TEST_F(FormViewTest, FailuresWhileAnErrorIsShownDoNotStackMoreBoxes) {
  ModalAnswerer answerer;
  window.onClick = [](ui::ControlIndex) { throw std::runtime_error("fails every time"); };
  // This second event arrives inside the first box's event loop, as timer ticks do.
  QTimer::singleShot(0, [this] { Find<QPushButton>("Button")->click(); });
  Find<QPushButton>("Button")->click();
  EXPECT_EQ(window.log, (Log{"click Button", "click Button"}));
  EXPECT_EQ(answerer.texts(), std::vector<std::string>{"fails every time"});

  Find<QPushButton>("Button")->click();  // with the box gone, the next failure is shown again
  EXPECT_EQ(answerer.texts().size(), 2u);
}

}  // namespace
}  // namespace zarvell::qt
