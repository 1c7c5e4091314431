#include "session.h"

#include <optional>
#include <ostream>

#include "design/texts/messages.h"
#include "fileio/files.h"
#include "fileio/paths.h"
#include "params/ign_file.h"
#include "params/presets.h"

namespace zarvell::cli {
namespace {

// The reader's messages in English, from the window's own message table.
class StderrMessages : public IgnMessageSink {
 public:
  explicit StderrMessages(std::ostream& err) : err_(err) {
    LoadMessageEntries(texts_, 0, MessageLoader::Messages);
  }
  void Show(IgnMessage message) override {
    err_ << texts_[message == IgnMessage::OlderFormat ? MsgOlderIgnFile : MsgIgnVersionMismatch]
         << '\n';
  }

 private:
  std::ostream& err_;
  TextTable texts_;
};

}  // namespace

Session::Session(std::uint8_t bike) {
  image = DefaultImage(bike);
  Sanitize();
}

void Session::Sanitize() {
  SanitizeImage(image, axisMemory, process.axis,
                {process.languageIndex, comPortIndex, autoPortIndex});
}

int ReadOver(const std::string& path, std::ostream& err, Session& session) {
  const std::optional<std::string> text = ReadWholeFile(PathFromUtf8(path));
  if (!text) {
    err << "zarvell-cli: " << path << ": Open file error!\n";
    return kExitCannotOpen;
  }
  StderrMessages messages(err);
  if (ReadIgnFile(*text, session.image, session.process.ignReader, messages) == 0) {
    err << "zarvell-cli: " << path
        << ": not a parameter file (no MORVALIS_KEY with format 75, 54 or 48)\n";
    return kExitNotAccepted;
  }
  session.Sanitize();
  return kExitOk;
}

int Usage(std::ostream& err, const std::string& problem) {
  err << "zarvell-cli: " << problem << "\nTry 'zarvell-cli --help'.\n";
  return kExitUsage;
}

}  // namespace zarvell::cli
