// Small widget classes for controls whose native behaviour differs from Qt's: buttons that
// know whether the mouse clicked them, labels that can be clicked, edit boxes that report
// losing the focus, a two-arrow up/down control and a radio group built from item texts.
#pragma once

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QRadioButton>
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/form_events.h"

class QCloseEvent;
class QToolButton;
class QFocusEvent;
class QMouseEvent;

namespace zarvell::qt {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string ToStdString(const QString& text) {
  return text.toUtf8().toStdString();
}

// The platform colours come from the application palette: button face for labels and forms,
// the base colour for edit boxes.
QColor ToQColor(ui::Colour colour);

// A check box or radio button that tells a mouse click from a keyboard one. Whatever check
// mark Qt gives it on a click, the property sync then shows the model's.
template <class Button>
class ModelButton final : public Button {
 public:
  using Button::Button;
  // Whether the click being reported came from the mouse (else: the keyboard).
  bool clickedByMouse() const { return byMouse_; }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    byMouse_ = true;
    Button::mouseReleaseEvent(event);
    byMouse_ = false;
  }

 private:
  bool byMouse_ = false;
};
using CheckBox = ModelButton<QCheckBox>;
using RadioButton = ModelButton<QRadioButton>;

// A list that the mouse wheel leaves alone: a wheel turned to scroll the window past it must
// not choose another bike (which offers its preset) or another synchronization unnoticed. The
// wheel goes on to the window instead.
class ComboBox final : public QComboBox {
 public:
  using QComboBox::QComboBox;

 protected:
  void wheelEvent(QWheelEvent* event) override;
};

class ClickLabel final : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> onClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class EditBox final : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;
  // The focus went to another control of the window (not to a menu or another window).
  std::function<void()> onExit;
  // The Up or Down key: steps the up/down control beside the box, as its arrows do.
  std::function<void(bool up)> onArrowKey;
  // Enter; taken here, so it does not reach the window as well.
  std::function<void()> onEnter;
  // Copy or Paste; true when the window took it, else the box copies or pastes its own text.
  std::function<bool(ui::ClipboardKey)> onClipboard;
  // Ctrl+arrow, `extend` with Shift; true when the window took it, else the box moves its
  // caret by words as usual.
  std::function<bool(ui::NavigationKey, bool extend)> onArrowWithCtrl;
  // The window's menu shortcuts win over the edit box's own keys (Ctrl+Z is the map undo).
  std::vector<QKeySequence> menuShortcuts;

 protected:
  bool event(QEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// Two stacked arrow buttons that repeat while held.
class ArrowPair final : public QWidget {
 public:
  explicit ArrowPair(QWidget* parent);
  std::function<void(bool up)> onStep;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

// A group box whose radio buttons are the item list, spread evenly over its height.
class RadioGroupBox final : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;
  void SetItems(const std::vector<std::string>& items);
  void SetCheckedIndex(int index);
  std::function<void(int index)> onSelect;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Arrange();
  std::vector<RadioButton*> buttons_;
};

class MainWindow final : public QMainWindow {
 public:
  using QMainWindow::QMainWindow;
  std::function<void()> onClose;
  // The user (or the window manager) moved or resized the window.
  std::function<void()> onGeometryChange;
  // Enter pressed on a control that passes it on (anything but an edit box).
  std::function<void()> onEnter;
  // A printable character typed on a control that does not take it (a button, a check box).
  std::function<void(char)> onChar;
  // Copy or Paste on a control that has no use for it.
  std::function<bool(ui::ClipboardKey)> onClipboard;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace zarvell::qt
