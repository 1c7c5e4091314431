#include "qt/event_hub.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QMenu>
#include <QMessageBox>
#include <QShortcut>
#include <QSlider>
#include <QTabWidget>
#include <algorithm>
#include <cstdio>
#include <utility>

#include "qt/property_sync.h"
#include "qt/qt_canvas.h"
#include "qt/widgets.h"

namespace zarvell::qt {

using ui::ControlIndex;
using ui::ControlKind;

void EventHub::Attach(FormView& view) {
  for (const ui::ControlIndex id : ControlIds(view.model)) Connect(view, id);
  views_.push_back(&view);
}

void EventHub::Detach(FormView& view) {
  std::erase(views_, &view);
}

bool EventHub::IsAttached(const FormView* view) const {
  return std::find(views_.begin(), views_.end(), view) != views_.end();
}

void EventHub::SyncAll(FormView* source, ControlIndex control) {
  struct Flag {
    bool& flag;
    explicit Flag(bool& f) : flag(f) { flag = true; }
    ~Flag() { flag = false; }
  } syncing(syncing_);
  for (FormView* view : views_) SyncView(*view, view == source ? control : ui::kNoControl);
}

void EventHub::ShowFirstWindow() {
  if (views_.empty() || views_.front()->root->isVisible()) return;
  SyncAll();
  views_.front()->root->show();
}

void EventHub::ShowError(const char* what) {
  // A handler that fails on every tick would otherwise stack one box per tick, since ticks go
  // on inside the box's own event loop.
  if (showingError_) {
    std::fprintf(stderr, "zarvell: %s\n", what);
    return;
  }
  showingError_ = true;
  ShowFirstWindow();
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), QString::fromUtf8(what),
                  QMessageBox::Ok, views_.empty() ? nullptr : views_.front()->root.get());
  box.exec();
  showingError_ = false;
}

namespace {

// Ctrl+Shift+Tab arrives as Ctrl+Shift+Backtab, which the shortcut map matches to this too.
constexpr std::pair<QKeyCombination, ui::NavigationKey> kPageKeys[] = {
    {Qt::CTRL | Qt::Key_Tab, ui::NavigationKey::NextPage},
    {Qt::CTRL | Qt::Key_PageDown, ui::NavigationKey::NextPage},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, ui::NavigationKey::PreviousPage},
    {Qt::CTRL | Qt::Key_PageUp, ui::NavigationKey::PreviousPage},
};

// The control whose widget has the keyboard focus, or `form` when none has.
ControlIndex FocusedControl(const FormView& view, ControlIndex form) {
  for (QWidget* w = view.root->focusWidget(); w != nullptr; w = w->parentWidget()) {
    const auto at = std::find(view.widgets.begin(), view.widgets.end(), w);
    if (at != view.widgets.end()) return static_cast<ControlIndex>(at - view.widgets.begin());
  }
  return form;
}

}  // namespace

void EventHub::Connect(FormView& view, ControlIndex id) {
  FormView* v = &view;
  const ControlKind kind = view.model[id].kind;
  auto click = [this, v, id] {
    Run([v, id] { ui::DeliverClick(v->model, v->events, id); }, v, id);
  };
  auto select = [this, v, id](int value) {
    Run([v, id, value] { ui::DeliverSelect(v->model, v->events, id, value); }, v, id);
  };

  if (QAction* action = view.actions[id]) {
    if (kind == ControlKind::MenuItem && action->menu() == nullptr) {
      QObject::connect(action, &QAction::triggered, action, click);
    }
    return;
  }
  QWidget* widget = view.widgets[id];
  if (widget == nullptr) return;
  switch (kind) {
    case ControlKind::Form:
      // The window's place and size are the form's own properties, which the settings keep:
      // where the user puts the window is copied back like typed text.
      if (auto* main = dynamic_cast<MainWindow*>(widget)) {
        main->onGeometryChange = [this, v, id, main] {
          if (syncing_ || !IsAttached(v)) return;
          v->model.SetRect(id, {main->x(), main->y(), main->width(), main->height()});
        };
        main->onEnter = [this, v, id] {
          const ControlIndex focused = FocusedControl(*v, id);
          Run([v, focused] { ui::DeliverEditEnter(v->model, v->events, focused); }, v, focused);
        };
        main->onClipboard = [this, v, id](ui::ClipboardKey key) {
          const ControlIndex focused = FocusedControl(*v, id);
          bool taken = false;
          if (focused == id) return taken;
          Run([&] { taken = ui::DeliverClipboard(v->model, v->events, focused, key); }, v, focused);
          return taken;
        };
        main->onChar = [this, v, id](char c) {
          const ControlIndex focused = FocusedControl(*v, id);
          if (focused == id) return;  // no control has the focus
          Run([v, focused, c] { ui::DeliverChar(v->model, v->events, focused, c); }, v, focused);
        };
        // The page keys as shortcuts of the window, so they come before the notebook's and the
        // edit boxes' own handling of the keys, wherever the focus is.
        for (const auto& [keys, turn] : kPageKeys) {
          auto* shortcut = new QShortcut(QKeySequence(keys), main);
          QObject::connect(shortcut, &QShortcut::activated, main, [this, v, id, turn] {
            const ControlIndex focused = FocusedControl(*v, id);
            Run([v, focused,
                 turn] { ui::DeliverNavigationKey(v->model, v->events, focused, turn, false); },
                v, focused);
          });
        }
      }
      break;
    case ControlKind::Button:
    case ControlKind::ToolButton:
    case ControlKind::RadioButton:
      QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, widget,
                       click);
      break;
    case ControlKind::Label:
      static_cast<ClickLabel*>(widget)->onClick = click;
      break;
    case ControlKind::CheckBox: {
      auto* box = static_cast<CheckBox*>(widget);
      QObject::connect(box, &QAbstractButton::clicked, box, [this, v, id, box, click] {
        if (box->clickedByMouse()) return click();
        Run([v, id] { ui::DeliverKeyboardToggle(v->model, v->events, id, !v->model[id].checked); },
            v, id);
      });
      break;
    }
    case ControlKind::Edit: {
      auto* edit = static_cast<EditBox*>(widget);
      // Typing only updates the text; the window hears of it on Enter or when the focus leaves.
      QObject::connect(edit, &QLineEdit::textEdited, edit, [this, v, id](const QString& text) {
        if (!syncing_ && IsAttached(v)) v->model.SetText(id, ToStdString(text));
      });
      edit->onEnter = [this, v, id] {
        Run([v, id] { ui::DeliverEditEnter(v->model, v->events, id); }, v, id);
      };
      edit->onClipboard = [this, v, id](ui::ClipboardKey key) {
        bool taken = false;
        Run([&] { taken = ui::DeliverClipboard(v->model, v->events, id, key); }, v, id);
        return taken;
      };
      edit->onArrowWithCtrl = [this, v, id](ui::NavigationKey key, bool extend) {
        bool taken = false;
        Run([&] { taken = ui::DeliverNavigationKey(v->model, v->events, id, key, extend); }, v, id);
        return taken;
      };
      edit->onExit = [this, v, id] {
        Run([v, id] { ui::DeliverEditExit(v->model, v->events, id); }, v, id);
      };
      if (const ui::ControlIndex upDown = v->model.UpDownOf(id); upDown != ui::kNoControl) {
        edit->onArrowKey = [this, v, upDown](bool up) {
          Run([v, upDown, up] { ui::DeliverUpDown(v->model, v->events, upDown, up); }, v, upDown);
        };
      }
      break;
    }
    case ControlKind::UpDown:
    case ControlKind::SpinButton:
      static_cast<ArrowPair*>(widget)->onStep = [this, v, id](bool up) {
        Run([v, id, up] { ui::DeliverUpDown(v->model, v->events, id, up); }, v, id);
      };
      break;
    case ControlKind::ComboBox:
      QObject::connect(static_cast<QComboBox*>(widget), &QComboBox::activated, widget, select);
      break;
    case ControlKind::RadioGroup:
      static_cast<RadioGroupBox*>(widget)->onSelect = select;
      break;
    case ControlKind::TrackBar:
      QObject::connect(static_cast<QSlider*>(widget), &QSlider::valueChanged, widget, select);
      break;
    case ControlKind::Notebook:
      QObject::connect(static_cast<QTabWidget*>(widget), &QTabWidget::currentChanged, widget,
                       [this, v, id](int page) {
                         Run([v, id, page] { ui::DeliverPage(v->model, v->events, id, page); }, v,
                             id);
                       });
      break;
    case ControlKind::Image: {
      auto* image = static_cast<ImageWidget*>(widget);
      image->onMouse = [this, v, id](const ui::MouseEvent& event) {
        Run([v, id, &event] { v->events.OnMouse(id, event); }, v);
      };
      image->onWheel = [this, v, id](const ui::WheelEvent& event) {
        Run([v, id, &event] { v->events.OnWheel(id, event); }, v);
      };
      break;
    }
    default:
      break;
  }
}

}  // namespace zarvell::qt
