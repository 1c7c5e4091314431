// `zarvell-cli play`: the real main window, headless, driven by a script of user actions.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <span>
#include <string>

namespace zarvell {

class HeadlessWindow;

// What a caller may watch of a run: the window once it has started, and again after each line
// that did something (a renderer test compares its widgets with the window's controls there).
class PlayObserver {
 public:
  virtual void Started(HeadlessWindow& window) = 0;
  virtual void AfterLine(HeadlessWindow& window, std::string_view line) = 0;

 protected:
  ~PlayObserver() = default;
};

// Runs `script` (the text of a play script) against a fresh window started with `args`, with
// its settings in `configDir`, which stays, or in a temporary folder that goes with the run
// when `configDir` is empty. `name` labels error messages. Returns 0, or 2 when a line cannot
// be carried out (the error names the line).
int PlayScript(std::string_view name, std::string_view script, std::span<const std::string> args,
               std::ostream& out, std::ostream& err, const std::filesystem::path& configDir = {},
               PlayObserver* observer = nullptr);

}  // namespace zarvell
