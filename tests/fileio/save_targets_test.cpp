// Every kind of thing a save or an open can be pointed at: only a regular file, or a link to
// one, is written or read; a device, a pipe, a socket or a folder, or a link to one, is left as
// it was, and reading one neither blocks nor returns anything.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>

#include "app/image_dump.h"
#include "fileio/files.h"
#include "support/temp_dir.h"

namespace zarvell {
namespace {

namespace fs = std::filesystem;
using testutil::Slurp;
using testutil::TempDir;

struct TargetKind {
  const char* name;
  bool regular;  // written and read; everything else is refused and left alone
  // Makes the target at `path` in `dir`; false when this machine does not allow it.
  std::function<bool(const TempDir& dir, const fs::path& path)> make;
};

bool MakeSocket(const fs::path& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return bound;
}

// A null device of our own: only root may make one, and it stands where nothing else breaks.
bool MakeDevice(const fs::path& path) {
  return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

// The same kind reached through a symbolic link from `path`.
std::function<bool(const TempDir&, const fs::path&)> Linked(
    std::function<bool(const TempDir&, const fs::path&)> make) {
  return [make](const TempDir& dir, const fs::path& path) {
    const fs::path real = dir.path() / "real";
    if (!make(dir, real)) return false;
    fs::create_symlink(real, path);
    return true;
  };
}

const TargetKind kKinds[] = {
    {"nothing yet", true, [](const TempDir&, const fs::path&) { return true; }},
    {"regular file", true,
     [](const TempDir& dir, const fs::path& path) {
       return !dir.Write(path.filename(), "old").empty();
     }},
    {"pipe", false,
     [](const TempDir&, const fs::path& p) { return ::mkfifo(p.c_str(), 0600) == 0; }},
    {"socket", false, [](const TempDir&, const fs::path& p) { return MakeSocket(p); }},
    {"device", false, [](const TempDir&, const fs::path& p) { return MakeDevice(p); }},
    {"folder", false, [](const TempDir&, const fs::path& p) { return fs::create_directory(p); }},
};

// The file type of `path` itself, a link not followed.
mode_t TypeOf(const fs::path& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

TEST(SaveTargets, OnlyRegularFilesAreWrittenOrReadWhateverTheWriter) {
  ParameterImage image;
  image[field::LIMITER] = 120;
  // Every save of the program ends in one of these: the parameter file, settings and pictures
  // go through the atomic writer, the image dump has a writer of its own on top of it.
  const std::pair<const char*, std::function<bool(const fs::path&)>> writers[] = {
      {"atomic writer", [](const fs::path& p) { return WriteFileAtomically(p, "new"); }},
      {"image dump",
       [&image](const fs::path& p) {
         SaveImageDump(p, image);  // reports nothing: what it left there tells
         return ReadWholeFile(p) == FormatImageDump(image);
       }},
  };
  for (const auto& [writer, write] : writers) {
    for (const bool throughLink : {false, true}) {
      for (const TargetKind& kind : kKinds) {
        if (throughLink && std::string(kind.name) == "nothing yet") continue;
        const TempDir dir;
        const fs::path path = dir.path() / "target";
        const auto make = throughLink ? Linked(kind.make) : kind.make;
        if (!make(dir, path)) continue;  // a device needs root
        const std::string what =
            std::string(writer) + (throughLink ? ", link to " : ", ") + kind.name;
        const fs::path real = throughLink ? dir.path() / "real" : path;
        const mode_t before = TypeOf(real);
        EXPECT_EQ(IsSaveTarget(path), kind.regular) << what;
        EXPECT_EQ(write(path), kind.regular) << what;
        if (kind.regular) {
          EXPECT_EQ(TypeOf(real), static_cast<mode_t>(S_IFREG)) << what;
          EXPECT_FALSE(Slurp(real).empty()) << what;
          EXPECT_EQ(ReadWholeFile(path), Slurp(real)) << what;
        } else {
          EXPECT_EQ(TypeOf(real), before) << what << ": replaced";
          // A pipe with no writer answers at once: nothing to read.
          EXPECT_FALSE(ReadWholeFile(path).has_value()) << what;
        }
        EXPECT_EQ(fs::is_symlink(path), throughLink) << what << ": the link was replaced";
        const std::size_t expected = throughLink ? 2u : 1u;
        EXPECT_EQ(dir.Entries().size(), expected) << what << ": a temporary file was left";
      }
    }
  }
}

}  // namespace
}  // namespace zarvell
