// The Qt renderer keeps the contract: after every step of every play scenario and of the
// renderer's own scripts, each widget shows what its control holds, the painted background
// colour included, for disabled widgets too.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <map>

#include "qt/form_view.h"
#include "qt/property_sync.h"
#include "qt/widgets.h"
#include "tests/support/renderer_contract.h"

namespace zarvell::qt {
namespace {

using testutil::ShownControl;
using ui::ControlKind;

std::uint32_t Rgb(const QColor& colour) {
  return static_cast<std::uint32_t>(colour.rgb()) & 0xFFFFFFu;
}

// The colour most of a few points near the widget's edges show: the background, wherever the
// text, the frame or a check mark cover one of them.
std::uint32_t BackgroundOf(QWidget& widget, int inset) {
  const QImage image = widget.grab().toImage();
  const int right = image.width() - 1 - inset;
  const int bottom = image.height() - 1 - inset;
  std::map<std::uint32_t, int> votes;
  for (const QPoint point :
       {QPoint(inset, inset), QPoint(right, inset), QPoint(inset, bottom), QPoint(right, bottom)}) {
    if (image.valid(point)) ++votes[Rgb(image.pixelColor(point))];
  }
  const auto most = std::max_element(
      votes.begin(), votes.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
  return most == votes.end() ? 0 : most->first;
}

class QtRenderer final : public testutil::RendererUnderTest,
                         public testutil::HeadlessRendererFactory {
 public:
  testutil::RendererUnderTest& Attach(ui::ControlModel& model, ui::FormEvents& events) override {
    view_ = BuildForm(model, events, FormRoot::MainWindow, nullptr);
    view_->root->show();
    return *this;
  }
  void Detach() override { view_.reset(); }

  void Sync() override {
    SyncView(*view_, ui::kNoControl);
    QApplication::sendPostedEvents();
  }

  std::optional<ShownControl> Read(ui::ControlIndex id) override {
    const ui::Control& c = view_->model[id];
    if (const QAction* action = view_->actions[id]) {
      if (c.kind != ControlKind::MenuItem) return std::nullopt;
      return ShownControl{.visible = action->isVisible(),
                          .enabled = action->isEnabled(),
                          .caption = ToStdString(action->text()),
                          .statusTip = ToStdString(action->statusTip()),
                          .checked = action->isChecked()};
    }
    QWidget* widget = view_->widgets[id];
    if (widget == nullptr || c.kind == ControlKind::MainMenu) return std::nullopt;
    if (c.kind == ControlKind::Form) {
      return ShownControl{.visible = widget->isVisible(),
                          .caption = ToStdString(widget->windowTitle())};
    }
    if (c.kind == ControlKind::Page) return ReadPage(*widget);
    ShownControl shown{.visible = !widget->isHidden(),
                       .enabled = widget->isEnabledTo(widget->parentWidget()),
                       .tooltip = ToStdString(widget->toolTip()),
                       .statusTip = ToStdString(widget->statusTip())};
    const QRect place = widget->geometry();
    shown.rect = {place.x(), place.y(), place.width(), place.height()};
    ReadContent(*widget, c.kind, shown);
    if (widget->isVisible() && Coloured(c.kind)) {
      shown.background = BackgroundOf(*widget, c.kind == ControlKind::Edit ? 3 : 1);
    }
    return shown;
  }

  std::uint32_t Painted(const ui::Control& c) override {
    const QPalette system = QApplication::palette();
    if (c.kind == ControlKind::Edit && !c.enabled) {
      return Rgb(system.color(QPalette::Disabled, QPalette::Base));
    }
    switch (c.colour.kind) {
      case ui::Colour::Kind::ButtonFace:
        return Rgb(system.color(QPalette::Window));
      case ui::Colour::Kind::Window:
        return Rgb(system.color(QPalette::Base));
      case ui::Colour::Kind::Rgb:
        break;
    }
    return c.colour.rgb;
  }

 private:
  // The kinds whose colour is a state the user reads: alarms, warnings, live values.
  static bool Coloured(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::CheckBox || kind == ControlKind::Edit;
  }

  static std::optional<ShownControl> ReadPage(QWidget& page) {
    auto* tabs = qobject_cast<QTabWidget*>(
        page.parentWidget() != nullptr ? page.parentWidget()->parentWidget() : nullptr);
    if (tabs == nullptr) return std::nullopt;
    const int index = tabs->indexOf(&page);
    return ShownControl{.visible = tabs->isTabVisible(index),
                        .enabled = tabs->isTabEnabled(index),
                        .caption = ToStdString(tabs->tabText(index)),
                        .tooltip = ToStdString(tabs->tabToolTip(index))};
  }

  static void ReadContent(QWidget& widget, ControlKind kind, ShownControl& shown) {
    if (auto* label = qobject_cast<QLabel*>(&widget)) shown.caption = ToStdString(label->text());
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) shown.text = ToStdString(edit->text());
    if (auto* bar = qobject_cast<QStatusBar*>(&widget)) {
      shown.text = ToStdString(bar->currentMessage());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
      shown.caption = ToStdString(button->text());
      shown.checked = button->isChecked();
    }
    if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
      for (int i = 0; i < combo->count(); ++i)
        shown.items.push_back(ToStdString(combo->itemText(i)));
      shown.itemIndex = combo->currentIndex();
    }
    if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
      shown.caption = ToStdString(group->title());
      if (kind == ControlKind::RadioGroup) {
        const auto buttons = group->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
        for (int i = 0; i < buttons.size(); ++i) {
          shown.items.push_back(ToStdString(buttons[i]->text()));
          if (buttons[i]->isChecked()) shown.itemIndex = i;
        }
      }
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(&widget)) shown.itemIndex = tabs->currentIndex();
    if (auto* slider = qobject_cast<QSlider*>(&widget)) {
      shown.position = slider->value();
      shown.min = slider->minimum();
      shown.max = slider->maximum();
    }
    if (auto* gauge = qobject_cast<QProgressBar*>(&widget)) {
      shown.position = gauge->value();
      shown.min = gauge->minimum();
      shown.max = gauge->maximum();
    }
  }

  std::unique_ptr<FormView> view_;
};

class RendererContract : public testing::TestWithParam<testutil::ContractScript> {};

TEST_P(RendererContract, EveryWidgetShowsItsControlAfterEveryStep) {
  QtRenderer renderer;
  const testutil::ContractReport report =
      testutil::RunContractScript(GetParam().name, GetParam().text, renderer);
  std::string faults;
  for (const std::string& line : report.mismatches) faults += line + "\n";
  EXPECT_EQ(report.mismatchCount, 0u) << faults;
  EXPECT_GT(report.steps, 1u);
  RecordProperty("steps", static_cast<int>(report.steps));
  RecordProperty("properties", static_cast<int>(report.properties));
  std::printf("%s: %zu steps, %zu widget properties compared\n", GetParam().name.c_str(),
              report.steps, report.properties);
}

INSTANTIATE_TEST_SUITE_P(Qt, RendererContract, testing::ValuesIn(testutil::ContractScripts()),
                         [](const auto& param) {
                           std::string name = param.param.name;
                           std::replace_if(
                               name.begin(), name.end(), [](char c) { return !std::isalnum(c); },
                               '_');
                           return name;
                         });

}  // namespace
}  // namespace zarvell::qt
