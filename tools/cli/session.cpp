#include "session.h"

#include <filesystem>
#include <optional>
#include <ostream>

#include "design/texts/messages.h"
#include "fileio/files.h"
#include "fileio/paths.h"
#include "params/ign_file.h"
#include "params/presets.h"
#include "params/set_limits.h"

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
  set.Replace(DefaultImage(bike));
  Sanitize();
}

int ReadOver(const std::string& path, std::ostream& err, Session& session, ParameterImage* asRead) {
  const std::optional<std::string> text = ReadWholeFile(PathFromUtf8(path));
  if (!text) {
    if (!ReportNotRegular(path, err)) err << "zarvell-cli: " << path << ": Open file error!\n";
    return kExitCannotOpen;
  }
  StderrMessages messages(err);
  if (ReadIgnFile(*text, session.set.image, session.process.ignReader, messages) == 0) {
    err << "zarvell-cli: " << path
        << ": not a parameter file (no MORVALIS_KEY with format 75, 54 or 48)\n";
    return kExitNotAccepted;
  }
  if (asRead != nullptr) *asRead = session.set.image;
  session.Sanitize();
  return kExitOk;
}

int RefuseOutOfRange(const std::string& path, const ParameterImage& image, std::ostream& err) {
  const std::vector<FieldOutOfRange> fields = FieldsOutOfRange(image);
  if (fields.empty()) return kExitOk;
  for (const FieldOutOfRange& f : fields) {
    err << "zarvell-cli: " << path << ": " << Describe(f) << '\n';
  }
  err << "zarvell-cli: " << path
      << ": holds values the program's window does not allow; nothing was sent\n";
  return kExitNotAccepted;
}

bool ReportNotRegular(const std::string& path, std::ostream& err) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(PathFromUtf8(path), error);
  if (error || !std::filesystem::exists(status) || std::filesystem::is_regular_file(status)) {
    return false;
  }
  err << "zarvell-cli: " << path
      << ": not a regular file (a pipe, a device or a folder); only regular files are read or "
         "written, and it was left alone\n";
  return true;
}

int FinishOutput(std::ostream& out, std::ostream& err, int status) {
  if (out.flush()) return status;
  err << "zarvell-cli: the result could not be written to standard output (a full disk, or a "
         "reader that went away); it is incomplete\n";
  return kExitCannotWrite;
}

int Usage(std::ostream& err, const std::string& problem) {
  err << "zarvell-cli: " << problem << "\nTry 'zarvell-cli --help'.\n";
  return kExitUsage;
}

}  // namespace zarvell::cli
