#include "qt/property_sync.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolTip>

#include "qt/qt_canvas.h"
#include "qt/widgets.h"

namespace zarvell::qt {
namespace {

using ui::ControlIndex;
using ui::ControlKind;
namespace change = ui::change;

void ShowHintNow(QWidget* widget) {
  QStatusTipEvent tip(widget->statusTip());
  QCoreApplication::sendEvent(widget, &tip);
  if (QToolTip::isVisible() || !widget->toolTip().isEmpty()) {
    QToolTip::showText(QCursor::pos(), widget->toolTip(), widget);
  }
}

// What the user can change on a widget before the model has had its say.
constexpr std::uint32_t kValueState =
    change::kText | change::kChecked | change::kItemIndex | change::kPosition;

// Text and boxes keep the style's greyed look when disabled, so the user sees that the control
// takes no input. The background of a label or a check box is a state (red alarm, bright green
// live), which stays whether the control is enabled or not.
enum class WhenDisabled { Greyed, Kept };

void SetRole(QWidget* widget, QPalette::ColorRole role, ui::Colour colour,
             WhenDisabled disabled = WhenDisabled::Greyed) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Active, role, ToQColor(colour));
  palette.setColor(QPalette::Inactive, role, ToQColor(colour));
  if (disabled == WhenDisabled::Kept) palette.setColor(QPalette::Disabled, role, ToQColor(colour));
  widget->setPalette(palette);
}

void ApplyColours(QWidget* widget, ControlKind kind, const ui::Control& c, std::uint32_t bits) {
  const bool boxed = kind == ControlKind::Edit || kind == ControlKind::ComboBox;
  if (bits & change::kColour) {
    // The role the widget fills its background from: Window for a label, Button for a check
    // box, as Qt's buttons have it.
    if (boxed) {
      SetRole(widget, QPalette::Base, c.colour);
    } else {
      SetRole(widget, widget->backgroundRole(), c.colour, WhenDisabled::Kept);
    }
    // The button face is what the parent shows anyway; any other colour is painted.
    if (!boxed) widget->setAutoFillBackground(c.colour.kind != ui::Colour::Kind::ButtonFace);
  }
  if (bits & change::kFontColour) {
    QPalette::ColorRole role = QPalette::WindowText;
    if (boxed) role = QPalette::Text;
    if (kind == ControlKind::Button || kind == ControlKind::ToolButton) role = QPalette::ButtonText;
    SetRole(widget, role, c.fontColour);
  }
}

void ApplyMenuEntry(QAction* action, const ui::Control& c, std::uint32_t bits) {
  const QSignalBlocker block(action);
  if (bits & change::kCaption) action->setText(ToQString(c.caption));
  if (bits & change::kHint) {
    action->setToolTip(ToQString(ui::TooltipPart(c.hint)));
    action->setStatusTip(ToQString(ui::StatusPart(c.hint)));
  }
  if (bits & change::kVisible) action->setVisible(c.visible);
  if (bits & change::kEnabled) action->setEnabled(c.enabled);
  // Checkable only while checked: an unchecked item looks like any other menu item.
  if (bits & change::kChecked) {
    if (c.checked) action->setCheckable(true);
    action->setChecked(c.checked);
    if (!c.checked) action->setCheckable(false);
  }
}

void ApplyPage(const FormView& view, QWidget* page, const ui::Control& c, std::uint32_t bits) {
  auto* tabs = qobject_cast<QTabWidget*>(
      page->parentWidget() != nullptr ? page->parentWidget()->parentWidget() : nullptr);
  if (tabs == nullptr) return;
  const int index = tabs->indexOf(page);
  if (index < 0) return;
  const QSignalBlocker block(tabs);
  if (bits & change::kCaption) tabs->setTabText(index, ToQString(c.caption));
  if (bits & change::kHint) tabs->setTabToolTip(index, ToQString(ui::TooltipPart(c.hint)));
  if (bits & change::kVisible) {
    tabs->setTabVisible(index, c.visible);
    // Qt leaves a hidden current tab for another one, and ignores a hidden tab made current;
    // once the tab is back, the notebook shows the page the model has chosen.
    if (c.visible && view.model[c.parent].itemIndex == index) tabs->setCurrentIndex(index);
  }
  if (bits & change::kEnabled) tabs->setTabEnabled(index, c.enabled);
}

void ApplyForm(FormView& view, const ui::Control& c, std::uint32_t bits) {
  QWidget* root = view.root.get();
  if (bits & change::kCaption) root->setWindowTitle(ToQString(c.caption));
  if (bits & change::kGeometry) {
    root->move(c.rect.left, c.rect.top);
    if (view.content == root) {
      root->setFixedSize(c.rect.width, c.rect.height);
    } else {
      root->resize(c.rect.width, c.rect.height);
    }
  }
  if (bits & change::kColour) {
    SetRole(root, QPalette::Window, c.colour);
    SetRole(view.content, QPalette::Window, c.colour);
  }
}

// Caption, text, check mark, position and list: the properties whose meaning depends on the
// kind of control.
void ApplyContent(QWidget* widget, const ui::Control& c, std::uint32_t bits) {
  switch (c.kind) {
    case ControlKind::Label:
      if (bits & change::kCaption) static_cast<QLabel*>(widget)->setText(ToQString(c.caption));
      break;
    case ControlKind::GroupBox:
      if (bits & change::kCaption) static_cast<QGroupBox*>(widget)->setTitle(ToQString(c.caption));
      break;
    case ControlKind::Edit:
      if (bits & change::kText) {
        auto* edit = static_cast<QLineEdit*>(widget);
        // Equal text is left alone so that the cursor stays where the user is typing.
        const QString text = ToQString(c.text);
        if (edit->text() != text) edit->setText(text);
      }
      break;
    case ControlKind::StatusBar:
      if (bits & change::kText) static_cast<QStatusBar*>(widget)->showMessage(ToQString(c.text));
      break;
    case ControlKind::Button:
    case ControlKind::ToolButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: {
      auto* button = static_cast<QAbstractButton*>(widget);
      if (bits & change::kCaption) button->setText(ToQString(c.caption));
      if (bits & change::kChecked) button->setChecked(c.checked);
      break;
    }
    case ControlKind::ComboBox: {
      auto* combo = static_cast<QComboBox*>(widget);
      if (bits & change::kItems) {
        combo->clear();
        for (const std::string& item : c.items) combo->addItem(ToQString(item));
      }
      if (bits & (change::kItems | change::kItemIndex)) combo->setCurrentIndex(c.itemIndex);
      break;
    }
    case ControlKind::RadioGroup: {
      auto* group = static_cast<RadioGroupBox*>(widget);
      if (bits & change::kCaption) group->setTitle(ToQString(c.caption));
      if (bits & change::kItems) group->SetItems(c.items);
      if (bits & (change::kItems | change::kItemIndex)) group->SetCheckedIndex(c.itemIndex);
      break;
    }
    case ControlKind::Notebook:
      if ((bits & change::kItemIndex) && c.itemIndex >= 0) {
        static_cast<QTabWidget*>(widget)->setCurrentIndex(c.itemIndex);
      }
      break;
    case ControlKind::TrackBar:
    case ControlKind::Gauge:
      if (bits & change::kPosition) {
        if (auto* slider = qobject_cast<QSlider*>(widget)) {
          slider->setRange(c.min, c.max);
          slider->setTickInterval(c.increment);
          slider->setValue(c.position);
        } else if (auto* gauge = qobject_cast<QProgressBar*>(widget)) {
          gauge->setRange(c.min, c.max);
          gauge->setValue(c.position);
        }
      }
      break;
    default:
      break;
  }
}

void Apply(FormView& view, ControlIndex id, std::uint32_t bits) {
  const ui::Control& c = view.model[id];
  if (QAction* action = view.actions[id]) return ApplyMenuEntry(action, c, bits);
  QWidget* widget = view.widgets[id];
  if (widget == nullptr || c.kind == ControlKind::MainMenu) return;
  if (c.kind == ControlKind::Form) return ApplyForm(view, c, bits);
  if (c.kind == ControlKind::Page) return ApplyPage(view, widget, c, bits);

  const QSignalBlocker block(widget);
  ApplyContent(widget, c, bits);
  ApplyColours(widget, c.kind, c, bits);
  if (bits & change::kHint) {
    widget->setToolTip(ToQString(ui::TooltipPart(c.hint)));
    widget->setStatusTip(ToQString(ui::StatusPart(c.hint)));
    // A drawing's hint follows the pointer over it: shown at once, not on the next entry.
    if (c.kind == ControlKind::Image && widget->underMouse()) ShowHintNow(widget);
  }
  if (bits & change::kEnabled) widget->setEnabled(c.enabled);
  if ((bits & change::kGeometry) && c.kind != ControlKind::StatusBar) {
    widget->setGeometry(c.rect.left, c.rect.top, c.rect.width, c.rect.height);
    if (ImageWidget* image = view.Image(id)) {
      image->canvas().Resize(QSize(c.rect.width, c.rect.height));
    }
    if (c.parent == view.form) FitContent(view);
  }
  if (bits & change::kVisible) widget->setVisible(c.visible);
  if (bits & change::kFocus) widget->setFocus(Qt::TabFocusReason);
}

}  // namespace

void SyncView(FormView& view, ControlIndex source) {
  for (const ui::ControlIndex id : ControlIds(view.model)) {
    std::uint32_t bits = view.model.TakeChanges(id);
    if (id == source) bits |= kValueState;
    if (bits != 0) Apply(view, id, bits);
  }
}

void ApplyAll(FormView& view) {
  for (const ui::ControlIndex id : ControlIds(view.model)) {
    view.model.TakeChanges(id);
    Apply(view, id, change::kAll);
  }
}

}  // namespace zarvell::qt
