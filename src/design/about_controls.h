// The controls of the About window, in creation order.
#pragma once

#include <array>
#include <string_view>

#include "ui/control.h"

// clang-format off
#define ZARVELL_ABOUT_CONTROLS(X) \
  X(FormAbout) X(Image1) X(Label2) X(Label3) X(Label4) X(Label1) X(LabelDate) X(LabelTime) \
  X(LabelRsKey) X(LabelExit)
// clang-format on

namespace zarvell::about {

enum AboutControlId : ui::ControlIndex {
#define ZARVELL_ABOUT_ENUM(name) name,
  ZARVELL_ABOUT_CONTROLS(ZARVELL_ABOUT_ENUM)
#undef ZARVELL_ABOUT_ENUM
      kAboutControlCount
};

inline constexpr std::array<std::string_view, kAboutControlCount> kAboutControlNames = {
#define ZARVELL_ABOUT_NAME(name) #name,
    ZARVELL_ABOUT_CONTROLS(ZARVELL_ABOUT_NAME)
#undef ZARVELL_ABOUT_NAME
};

}  // namespace zarvell::about
