// zarvell-unit-sim: a simulated ignition unit served on a pseudo-terminal, so that the program,
// zarvell-cli or any serial tool can open it like a unit on a real port.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/signalfd.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "sim/unit_sim.h"
#include "ui/form_events.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTick = zarvell::ui::kTickPeriod;

constexpr std::string_view kUsage =
    "Usage: zarvell-unit-sim [options]\n"
    "Serves a simulated ignition unit on a pseudo-terminal and prints the terminal's path.\n"
    "  --link PATH          also make PATH a symbolic link to the terminal (removed at exit)\n"
    "  --drop N             lose every N-th reply\n"
    "  --corrupt BLOCK      change one data byte in every reply to block 0, 1 or 2\n"
    "  --late TICKS         send every reply TICKS ticks (55 ms each) after its request\n"
    "  --version V          report program version V instead of 75\n"
    "  --refuse             refuse read-out\n"
    "  --silent-after TICKS --silent-for TICKS\n"
    "                       after TICKS ticks, answer nothing for TICKS ticks (unplugged)\n"
    "  --silent-when-saving TICKS\n"
    "                       once a programming run is verified, answer nothing for TICKS\n"
    "                       ticks, from the first request for live values on (unplugged\n"
    "                       while saving)\n"
    "  --quit-when-saving   at that moment quit instead, taking the terminal away\n"
    "  --rpm R --tps T      hold the engine at R rpm and T % throttle instead of revving\n"
    "  --help               show this text\n";

struct Options {
  std::string link;
  bool refuse = false;
  bool quitWhenSaving = false;
  bool help = false;
  std::optional<unsigned> drop;
  std::optional<unsigned> corrupt;
  std::optional<unsigned> late;
  std::optional<unsigned> version;
  std::optional<unsigned> silentAfter;
  std::optional<unsigned> silentFor;
  std::optional<unsigned> silentWhenSaving;
  std::optional<unsigned> rpm;
  std::optional<unsigned> tps;
};

std::optional<unsigned> Number(std::string_view text, unsigned max) {
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value > max) return {};
  return value;
}

// Fills `options` from the command line; an error text when it cannot.
std::string ParseOptions(int argc, char** argv, Options& options) {
  constexpr unsigned kManyTicks = 100'000'000;
  struct NumberOption {
    std::string_view name;
    unsigned max;
    std::optional<unsigned>* value;
  };
  const std::array<NumberOption, 9> numbers{{
      {"--drop", kManyTicks, &options.drop},
      {"--corrupt", 2, &options.corrupt},
      {"--late", kManyTicks, &options.late},
      {"--version", 255, &options.version},
      {"--silent-after", kManyTicks, &options.silentAfter},
      {"--silent-for", kManyTicks, &options.silentFor},
      {"--silent-when-saving", kManyTicks, &options.silentWhenSaving},
      {"--rpm", 65535, &options.rpm},
      {"--tps", 255, &options.tps},
  }};
  for (int i = 1; i < argc; ++i) {
    const std::string_view name = argv[i];
    if (name == "--help") {
      options.help = true;
    } else if (name == "--refuse") {
      options.refuse = true;
    } else if (name == "--quit-when-saving") {
      options.quitWhenSaving = true;
    } else if (name == "--link") {
      if (i + 1 >= argc) return "missing value after --link";
      options.link = argv[++i];
    } else {
      const auto* option = std::find_if(numbers.begin(), numbers.end(),
                                        [&](const NumberOption& o) { return o.name == name; });
      if (option == numbers.end()) return "unknown option " + std::string(name);
      *option->value = i + 1 < argc ? Number(argv[++i], option->max) : std::nullopt;
      if (!*option->value)
        return std::string(name) + " takes a number from 0 to " + std::to_string(option->max);
    }
  }
  if (options.silentAfter.has_value() != options.silentFor.has_value())
    return "--silent-after and --silent-for go together";
  return {};
}

void Configure(zarvell::sim::UnitSim& unit, const Options& options) {
  unit.DropEveryReply(options.drop.value_or(0));
  if (options.corrupt) unit.CorruptBlock(static_cast<std::uint8_t>(*options.corrupt));
  unit.ReplyLate(options.late.value_or(0));
  if (options.version) unit.ReportVersion(static_cast<std::uint8_t>(*options.version));
  unit.RefuseReadOut(options.refuse);
  if (options.rpm || options.tps) {
    unit.SetLive(static_cast<std::uint16_t>(options.rpm.value_or(0)),
                 static_cast<std::uint8_t>(options.tps.value_or(0)));
  }
  if (options.silentAfter == 0u) unit.GoSilent(*options.silentFor);
  if (options.silentWhenSaving) unit.SilentWhenSaving(*options.silentWhenSaving);
  if (options.quitWhenSaving) unit.SilentWhenSaving(1);
}

// Both ends of a pseudo-terminal. The unit keeps its own descriptor of the client side open,
// so that the master never reports a hang-up while no client has the terminal open.
class PseudoTerminal {
 public:
  PseudoTerminal() = default;
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;
  ~PseudoTerminal() {
    if (client_ >= 0) ::close(client_);
    if (master_ >= 0) ::close(master_);
  }

  // An error text, empty on success.
  std::string Open() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
      return std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    const char* name = ::ptsname(master_);
    if (name == nullptr) return "cannot name the pseudo-terminal";
    path_ = name;
    client_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
    termios mode{};
    if (client_ < 0 || ::tcgetattr(client_, &mode) != 0)
      return "cannot open " + path_ + ": " + std::strerror(errno);
    // Raw, so that requests are neither echoed back nor translated.
    ::cfmakeraw(&mode);
    ::cfsetspeed(&mode, B57600);
    if (::tcsetattr(client_, TCSANOW, &mode) != 0 ||
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK) != 0)
      return "cannot set up " + path_ + ": " + std::strerror(errno);
    return {};
  }

  int master() const { return master_; }
  const std::string& path() const { return path_; }

 private:
  int master_ = -1;
  int client_ = -1;
  std::string path_;
};

// A symbolic link to the terminal for the lifetime of the simulator.
class TerminalLink {
 public:
  TerminalLink() = default;
  TerminalLink(const TerminalLink&) = delete;
  TerminalLink& operator=(const TerminalLink&) = delete;
  ~TerminalLink() {
    std::error_code error;
    if (!link_.empty() && std::filesystem::read_symlink(link_, error) == target_)
      std::filesystem::remove(link_, error);
  }

  // An error text, empty on success. An existing symbolic link is replaced, a file is not.
  std::string Create(const std::filesystem::path& link, const std::filesystem::path& target) {
    std::error_code error;
    if (std::filesystem::is_symlink(link, error)) {
      std::filesystem::remove(link, error);
    } else if (std::filesystem::exists(link, error)) {
      return link.string() + " exists and is not a symbolic link";
    }
    std::filesystem::create_symlink(target, link, error);
    if (error) return "cannot create " + link.string() + ": " + error.message();
    link_ = link;
    target_ = target;
    return {};
  }

 private:
  std::filesystem::path link_;
  std::filesystem::path target_;
};

// SIGINT, SIGTERM and SIGHUP arrive as readable data instead of interrupting the loop.
int StopSignals() {
  sigset_t stop;
  ::sigemptyset(&stop);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) ::sigaddset(&stop, signal);
  if (::sigprocmask(SIG_BLOCK, &stop, nullptr) != 0) return -1;
  return ::signalfd(-1, &stop, SFD_NONBLOCK | SFD_CLOEXEC);
}

// Writes whatever the unit has to send. What the terminal cannot take is lost, as bytes sent
// down a line nobody reads.
void SendReplies(zarvell::sim::UnitSim& unit, int master) {
  std::array<std::uint8_t, 2048> bytes{};
  while (const std::size_t count = unit.Take(bytes)) {
    if (::write(master, bytes.data(), count) < 0) return;
  }
}

void TakeRequests(zarvell::sim::UnitSim& unit, int master) {
  std::array<std::uint8_t, 2048> bytes{};
  for (;;) {
    const ssize_t count = ::read(master, bytes.data(), bytes.size());
    if (count <= 0) return;
    unit.Receive(std::span(bytes).first(static_cast<std::size_t>(count)));
  }
}

int Serve(zarvell::sim::UnitSim& unit, const Options& options, int master, int stop) {
  std::array<pollfd, 2> watched{{{master, POLLIN, 0}, {stop, POLLIN, 0}}};
  auto nextTick = Clock::now() + kTick;
  for (;;) {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(nextTick - Clock::now());
    const int ready =
        ::poll(watched.data(), watched.size(), static_cast<int>(std::max<long>(0, wait.count())));
    if (ready < 0 && errno != EINTR) {
      std::cerr << "zarvell-unit-sim: poll failed: " << std::strerror(errno) << '\n';
      return 1;
    }
    if (watched[1].revents & POLLIN) return 0;
    if (watched[0].revents & POLLIN) TakeRequests(unit, master);
    if (options.quitWhenSaving && unit.SaveUnreported()) return 0;

    const auto now = Clock::now();
    // After a long stall (a suspended process) the unit resumes instead of racing to catch up.
    if (now - nextTick > std::chrono::seconds(1)) nextTick = now;
    while (now >= nextTick) {
      unit.Tick();
      if (options.silentAfter && unit.Ticks() == *options.silentAfter)
        unit.GoSilent(*options.silentFor);
      nextTick += kTick;
    }
    SendReplies(unit, master);
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (const std::string error = ParseOptions(argc, argv, options); !error.empty()) {
    std::cerr << "zarvell-unit-sim: " << error << '\n' << kUsage;
    return 2;
  }
  if (options.help) {
    std::cout << kUsage;
    return 0;
  }

  const int stop = StopSignals();
  if (stop < 0) {
    std::cerr << "zarvell-unit-sim: cannot watch for signals: " << std::strerror(errno) << '\n';
    return 1;
  }
  PseudoTerminal terminal;
  TerminalLink link;
  std::string error = terminal.Open();
  if (error.empty() && !options.link.empty()) error = link.Create(options.link, terminal.path());
  if (!error.empty()) {
    std::cerr << "zarvell-unit-sim: " << error << '\n';
    ::close(stop);
    return 1;
  }

  zarvell::sim::UnitSim unit;
  Configure(unit, options);
  std::cout << terminal.path() << std::endl;
  const int status = Serve(unit, options, terminal.master(), stop);
  ::close(stop);
  return status;
}
