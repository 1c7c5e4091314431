// The message boxes a window's start-up asks for. While the start-up runs, the window is not yet
// what it will show (labels still to be hidden, texts still in the design's language), so the
// boxes that only inform wait and come up, in order, over the finished window. A question
// cannot wait: its answer decides what the start-up does next.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/form_host.h"

namespace zarvell::ui {

class StartupMessages {
 public:
  struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon;
  };

  void Begin() { starting_ = true; }
  // True when the box waits for the end of the start-up; its answer is then OK.
  bool Defer(std::string_view text, std::string_view caption, MessageButtons buttons,
             MessageIcon icon) {
    if (!starting_ || buttons != MessageButtons::Ok) return false;
    waiting_.push_back({std::string(text), std::string(caption), icon});
    return true;
  }
  // The start-up is complete: the boxes that waited, to be shown now.
  std::vector<Message> End() {
    starting_ = false;
    return std::exchange(waiting_, {});
  }

 private:
  bool starting_ = false;
  std::vector<Message> waiting_;
};

}  // namespace zarvell::ui
