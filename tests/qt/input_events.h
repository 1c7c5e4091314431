// A user's mouse clicks and key strokes, sent to a widget as Qt delivers them.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace zarvell::testutil {

inline void Click(QWidget* widget, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const QPointF local(at);
  const QPointF global(widget->mapToGlobal(at));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                    modifiers);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                      modifiers);
  QApplication::sendEvent(widget, &release);
}

inline void Key(QWidget* widget, int key, const QString& text = {},
                Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(widget, &release);
}

}  // namespace zarvell::testutil
