#include "qt/widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QToolButton>
#include <QWheelEvent>
#include <optional>

namespace zarvell::qt {

QColor ToQColor(ui::Colour colour) {
  switch (colour.kind) {
    case ui::Colour::Kind::ButtonFace:
      return QApplication::palette().color(QPalette::Button);
    case ui::Colour::Kind::Window:
      return QApplication::palette().color(QPalette::Base);
    case ui::Colour::Kind::Rgb:
      break;
  }
  return QColor::fromRgb(0xFF000000u | colour.rgb);
}

void ComboBox::wheelEvent(QWheelEvent* event) {
  event->ignore();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
      onClick) {
    onClick();
  }
}

bool EditBox::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QKeySequence& shortcut : menuShortcuts) {
      if (shortcut.matches(pressed) == QKeySequence::ExactMatch) {
        event->ignore();  // unaccepted: the shortcut fires instead
        return true;
      }
    }
  }
  return QLineEdit::event(event);
}

void EditBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  const Qt::FocusReason reason = event->reason();
  if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && onExit) {
    onExit();
  }
}

namespace {

std::optional<ui::NavigationKey> ArrowOf(int key) {
  switch (key) {
    case Qt::Key_Left:
      return ui::NavigationKey::Left;
    case Qt::Key_Right:
      return ui::NavigationKey::Right;
    case Qt::Key_Up:
      return ui::NavigationKey::Up;
    case Qt::Key_Down:
      return ui::NavigationKey::Down;
    default:
      return std::nullopt;
  }
}

std::optional<ui::ClipboardKey> ClipboardKeyOf(const QKeyEvent& event) {
  if (event.matches(QKeySequence::Copy)) return ui::ClipboardKey::Copy;
  if (event.matches(QKeySequence::Paste)) return ui::ClipboardKey::Paste;
  return std::nullopt;
}

}  // namespace

void EditBox::keyPressEvent(QKeyEvent* event) {
  const auto held = event->modifiers() & ~Qt::KeypadModifier;
  if (const auto arrow = ArrowOf(event->key());
      arrow && (held == Qt::ControlModifier || held == (Qt::ControlModifier | Qt::ShiftModifier)) &&
      onArrowWithCtrl && onArrowWithCtrl(*arrow, held.testFlag(Qt::ShiftModifier))) {
    return;
  }
  const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
  if (arrow && event->modifiers() == Qt::NoModifier && onArrowKey) {
    onArrowKey(event->key() == Qt::Key_Up);
    return;
  }
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && onEnter) {
    onEnter();
    return;
  }
  if (const auto key = ClipboardKeyOf(*event); key && onClipboard && onClipboard(*key)) return;
  QLineEdit::keyPressEvent(event);
}

ArrowPair::ArrowPair(QWidget* parent) : QWidget(parent) {
  auto make = [this](Qt::ArrowType arrow, bool up) {
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QToolButton::clicked, this, [this, up] {
      if (onStep) onStep(up);
    });
    return button;
  };
  up_ = make(Qt::UpArrow, true);
  down_ = make(Qt::DownArrow, false);
}

void ArrowPair::resizeEvent(QResizeEvent*) {
  const int upper = height() / 2;
  up_->setGeometry(0, 0, width(), upper);
  down_->setGeometry(0, upper, width(), height() - upper);
}

void RadioGroupBox::SetItems(const std::vector<std::string>& items) {
  for (RadioButton* button : buttons_) delete button;
  buttons_.clear();
  for (std::size_t i = 0; i < items.size(); ++i) {
    auto* button = new RadioButton(ToQString(items[i]), this);
    button->setAutoExclusive(false);
    QObject::connect(button, &QAbstractButton::clicked, this, [this, i] {
      if (onSelect) onSelect(static_cast<int>(i));
    });
    button->show();
    buttons_.push_back(button);
  }
  Arrange();
}

void RadioGroupBox::SetCheckedIndex(int index) {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->setChecked(static_cast<int>(i) == index);
  }
}

void RadioGroupBox::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  Arrange();
}

// The items share the space inside the frame evenly, as the native radio group spreads them.
void RadioGroupBox::Arrange() {
  if (buttons_.empty()) return;
  const QRect area = contentsRect();  // inside the frame and below the title
  const int count = static_cast<int>(buttons_.size());
  const int row = std::max(1, area.height() / count);
  for (int i = 0; i < count; ++i) {
    const int h = std::min(row, buttons_[i]->sizeHint().height());
    buttons_[i]->setGeometry(area.left() + 4, area.top() + i * row + (row - h) / 2,
                             std::max(0, area.width() - 8), h);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (onClose) onClose();
  event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && onEnter) {
    onEnter();
    return event->accept();
  }
  if (const auto key = ClipboardKeyOf(*event); key && onClipboard && onClipboard(*key)) {
    return event->accept();
  }
  const QString text = event->text();
  const bool printable = text.size() == 1 && text[0].unicode() > 0x20 && text[0].unicode() < 0x7F;
  const auto otherKeys = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  if (printable && onChar && otherKeys == Qt::NoModifier) {
    onChar(static_cast<char>(text[0].unicode()));
    return event->accept();
  }
  QMainWindow::keyPressEvent(event);
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (onGeometryChange) onGeometryChange();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (onGeometryChange) onGeometryChange();
}

}  // namespace zarvell::qt
