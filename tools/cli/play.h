// `zarvell-cli play`: the real main window, headless, driven by a script of user actions.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <span>
#include <string>

namespace zarvell {

// Runs `script` (the text of a play script) against a fresh window started with `args`, with
// its settings in `configDir`, which stays, or in a temporary folder that goes with the run
// when `configDir` is empty. `name` labels error messages. Returns 0, or 2 when a line cannot
// be carried out (the error names the line).
int PlayScript(std::string_view name, std::string_view script, std::span<const std::string> args,
               std::ostream& out, std::ostream& err, const std::filesystem::path& configDir = {});

}  // namespace zarvell
