// The monkey's supervisor: a copy of the game, the child that plays it, a time
// limit on every step, and on a failure the shortest prefix of the actions that
// reproduces it, found by replaying prefixes in further children.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/monkey.h"
#include "shell/locate_game.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// How long one step may take (process start and creation included), in
// seconds: a step of the headless player takes milliseconds, one under the
// sanitizers a few times that; LUMORA_MONKEY_STEP_SECONDS sets another.
int StepSeconds() {
  if (const char* v = std::getenv("LUMORA_MONKEY_STEP_SECONDS"); v && std::atoi(v) > 0) return std::atoi(v);
  return kSanitized ? 60 : 20;
}

// How long the search for fewer actions may go on after the bisection, in
// seconds; LUMORA_MONKEY_REDUCE_SECONDS sets another (0: none).
int ReduceSeconds() {
  if (const char* v = std::getenv("LUMORA_MONKEY_REDUCE_SECONDS"); v && std::atoi(v) >= 0) return std::atoi(v);
  return 120;
}

struct Outcome {
  enum Kind { Done, Invariant, Crash, Sanitizer, Hang, EndedEarly } kind = Done;
  int step = 0;         // the last step that ended, or the failing one (Invariant)
  std::string message;  // what failed
  std::string errors;   // the child's standard error
  // Whether another outcome is the same failure: the kind, and for an invariant its name.
  bool Same(const Outcome& o) const {
    if (kind != o.kind) return false;
    if (kind != Invariant) return true;
    return message.substr(0, message.find(':')) == o.message.substr(0, o.message.find(':'));
  }
};

const char* KindWord(Outcome::Kind k) {
  switch (k) {
    case Outcome::Done: return "no failure";
    case Outcome::Invariant: return "an invariant failed";
    case Outcome::Crash: return "a crash";
    case Outcome::Sanitizer: return "a sanitizer report";
    case Outcome::Hang: return "a step over the time limit";
    case Outcome::EndedEarly: return "the program ended early";
  }
  return "";
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The part of a sanitizer's report worth reading: from its first line on.
std::string SanitizerReport(const std::string& errors) {
  for (const char* mark : {"ERROR: AddressSanitizer", "runtime error:", "ERROR: LeakSanitizer", "==ERROR"}) {
    const size_t at = errors.find(mark);
    if (at == std::string::npos) continue;
    const size_t line = errors.rfind('\n', at);
    return errors.substr(line == std::string::npos ? 0 : line + 1, 6000);
  }
  return "";
}

// Starts the program with args as a monkey's child reporting on channel, its
// standard error to errorsPath, in a process group of its own (a hang ends with
// every process it started).
pid_t StartChild(const std::string& program, const std::vector<std::string>& args, const std::string& errorsPath,
                 const int channel[2]) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  setpgid(0, 0);
  close(channel[0]);
  const int errors = open(errorsPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (errors >= 0) dup2(errors, 2);
  const int none = open("/dev/null", O_RDWR);
  if (none >= 0) dup2(none, 0), dup2(none, 1);
  setenv("LUMORA_MONKEY_CHILD", std::to_string(channel[1]).c_str(), 1);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  _exit(127);
}

// Reads the child's reports until it closes its end; false when a step did not
// end within the limit.
bool WatchReports(int fd, int limit, Outcome& out) {
  std::string buffer;
  for (;;) {
    pollfd p{fd, POLLIN, 0};
    const int ready = poll(&p, 1, limit * 1000);
    if (ready == 0) return false;
    if (ready < 0 && errno == EINTR) continue;
    char chunk[4096];
    const ssize_t n = ready < 0 ? -1 : read(fd, chunk, sizeof chunk);
    if (n <= 0) return true;
    buffer.append(chunk, static_cast<size_t>(n));
    for (size_t eol; (eol = buffer.find('\n')) != std::string::npos; buffer.erase(0, eol + 1)) {
      const std::string line = buffer.substr(0, eol);
      if (line.rfind("step ", 0) == 0) {
        out.step = std::atoi(line.c_str() + 5);
      } else if (line.rfind("fail ", 0) == 0) {
        out.kind = Outcome::Invariant;
        std::istringstream in(line.substr(5));
        in >> out.step;
        std::getline(in, out.message);
        if (!out.message.empty() && out.message[0] == ' ') out.message.erase(0, 1);
      }
    }
  }
}

// What the child's end says, after what it reported.
void Classify(Outcome& out, int status, bool hung, int limit, int expectSteps) {
  const std::string report = SanitizerReport(out.errors);
  if (hung) {
    out.kind = Outcome::Hang;
    out.message = "the step after step " + std::to_string(out.step) + " did not end within " + std::to_string(limit) +
                  " s";
  } else if (out.kind == Outcome::Invariant) {
    // reported already
  } else if (!report.empty()) {
    out.kind = Outcome::Sanitizer;
    out.message = report.substr(0, report.find('\n'));
  } else if (WIFSIGNALED(status)) {
    out.kind = Outcome::Crash;
    out.message = std::string("killed by signal ") + std::to_string(WTERMSIG(status)) + " (" +
                  strsignal(WTERMSIG(status)) + ") after step " + std::to_string(out.step);
  } else if (WIFEXITED(status) && WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != kExitGameUnreadable) {
    out.kind = Outcome::Crash;
    out.message = "exit status " + std::to_string(WEXITSTATUS(status)) + " after step " + std::to_string(out.step);
  } else if (expectSteps > 0 && out.step < expectSteps) {
    out.kind = Outcome::EndedEarly;
    out.message = "the program ended after step " + std::to_string(out.step) + " of " + std::to_string(expectSteps);
  }
}

// Runs the program with args as a monkey's child and watches it: each step must
// end within the limit, and (expectSteps above 0) it must report that many.
Outcome RunChild(const std::string& program, const std::vector<std::string>& args, const std::string& errorsPath,
                 int expectSteps) {
  Outcome out;
  int channel[2];
  if (pipe(channel) != 0) {
    out.kind = Outcome::Crash;
    out.message = "cannot make a pipe";
    return out;
  }
  const pid_t pid = StartChild(program, args, errorsPath, channel);
  close(channel[1]);
  const int limit = StepSeconds();
  const bool hung = !WatchReports(channel[0], limit, out);
  close(channel[0]);
  if (hung) {
    kill(-pid, SIGKILL);
    kill(pid, SIGKILL);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  out.errors = ReadAll(errorsPath);
  Classify(out, status, hung, limit, expectSteps);
  return out;
}

// A fresh copy of the game's folder, its .ini path in the copy returned.
std::string CopyGame(const GameLocation& game, const fs::path& to) {
  std::error_code error;
  fs::remove_all(to, error);
  fs::create_directories(to);
  fs::copy(fs::path(game.folder), to, fs::copy_options::recursive | fs::copy_options::copy_symlinks, error);
  if (error) std::fprintf(stderr, "lumora: copying the game: %s\n", error.message().c_str());
  return (to / (game.name + ".ini")).string();
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) lines.push_back(line);
  return lines;
}

void WriteLines(const std::string& path, const std::string& header, const std::vector<std::string>& lines,
                size_t count) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << header;
  for (size_t i = 0; i < count && i < lines.size(); ++i) out << lines[i] << "\n";
}

// Tells sanitized children to end at their first report, and leaves out the
// leaks Qt and fontconfig keep until exit, unless the environment says otherwise.
void SanitizerDefaults() {
  auto add = [](const char* name, const char* defaults) {
    const char* now = std::getenv(name);
    setenv(name, (std::string(defaults) + ":" + (now ? now : "")).c_str(), 1);
  };
  add("ASAN_OPTIONS", "detect_leaks=0:abort_on_error=1");
  add("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1");
}

long PeakKilobytesOfChildren() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return usage.ru_maxrss;
}

double CpuSecondsOfChildren() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return s(usage.ru_utime) + s(usage.ru_stime);
}

}  // namespace

namespace {

// One monkey run: where it works, how its children are started.
struct MonkeyRun {
  const Options& options;
  GameLocation game;
  std::string program;
  fs::path work;
  std::string seedWord, outPath;
  std::vector<std::string> common;  // the switches a child plays with, besides its game
  int replays = 0;

  // Whether playing the actions on a fresh copy fails as failure did.
  bool Fails(const Outcome& failure, const std::vector<std::string>& actions, Outcome* seen = nullptr) {
    const std::string prefix = (work / "prefix.walk").string();
    WriteLines(prefix, "", actions, actions.size());
    std::vector<std::string> args = {"--play", prefix};
    args.insert(args.end(), common.begin(), common.end());
    args.push_back(CopyGame(game, work / "replay"));
    const Outcome o = RunChild(program, args, (work / "replay-errors.txt").string(), 0);
    ++replays;
    if (seen) *seen = o;
    return failure.Same(o);
  }

  // The shortest prefix of lines that fails: the failure shows after the step
  // that causes it, so a prefix fails once it holds that step (bisecting).
  // Then the actions it does without, left out a run at a time (halves,
  // quarters, ... single lines), for as long as the time allowed lasts.
  std::vector<std::string> Shrink(const Outcome& failure, const std::vector<std::string>& lines, size_t& prefix) {
    auto first = [&](size_t n) { return std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(n)); };
    size_t good = 0;
    prefix = lines.size();
    while (prefix - good > 1) {
      const size_t middle = good + (prefix - good) / 2;
      if (Fails(failure, first(middle))) prefix = middle;
      else good = middle;
    }
    std::vector<std::string> kept = first(prefix);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(ReduceSeconds());
    for (size_t chunk = std::max<size_t>(1, kept.size() / 2); chunk >= 1; chunk /= 2) {
      // The last action stays: the failure comes with it.
      for (size_t at = 0; at + chunk < kept.size() && std::chrono::steady_clock::now() < until;) {
        std::vector<std::string> fewer(kept.begin(), kept.begin() + static_cast<long>(at));
        fewer.insert(fewer.end(), kept.begin() + static_cast<long>(at + chunk), kept.end());
        if (Fails(failure, fewer)) kept = std::move(fewer);
        else at += chunk;
      }
      if (chunk == 1 || std::chrono::steady_clock::now() >= until) break;
    }
    return kept;
  }

  // Prints the failure with its seed, and writes the shortest walkthrough that
  // reproduces it, its header saying what failed.
  void Report(const Outcome& run) {
    const std::string gameName = game.folder + game.name + ".ini";
    std::fprintf(stderr, "lumora monkey %s on %s: %s after %d actions: %s\n", seedWord.c_str(), gameName.c_str(),
                 KindWord(run.kind), run.step, run.message.c_str());
    if (run.kind == Outcome::Sanitizer || run.kind == Outcome::Crash) {
      const std::string report = SanitizerReport(run.errors);
      std::fprintf(stderr, "%s\n", (report.empty() ? run.errors.substr(0, 4000) : report).c_str());
    }
    const std::vector<std::string> lines = ReadLines(outPath);
    Outcome replayed;
    const bool reproduced = Fails(run, lines, &replayed);
    size_t prefix = lines.size();
    const std::vector<std::string> kept = reproduced ? Shrink(run, lines, prefix) : lines;
    std::ostringstream header;
    header << "# lumora --monkey " << seedWord << " " << gameName << "\n"
           << "# " << KindWord(run.kind) << " after " << run.step << " actions: " << run.message << "\n";
    if (reproduced)
      header << "# the shortest prefix that reproduces it: " << prefix << " of " << lines.size()
             << " actions; of those, " << kept.size() << " still reproduce it (" << replays << " replays)\n";
    else
      header << "# a replay of all " << lines.size() << " actions did not reproduce it (it gave "
             << KindWord(replayed.kind) << (replayed.message.empty() ? "" : ": " + replayed.message) << ")\n";
    header << "# play it: lumora --play FILE" << (options.headless ? " --headless" : "") << " GAME\n";
    const std::string failPath =
        options.monkeyOut.empty()
            ? (fs::current_path() / ("lumora-monkey-" + std::to_string(options.monkeySeed) + ".fail.walk")).string()
            : outPath + ".fail.walk";
    WriteLines(failPath, header.str(), kept, kept.size());
    std::fprintf(stderr, "%slumora monkey: written to %s\n", header.str().c_str(), failPath.c_str());
  }
};

}  // namespace

int RunMonkey(const Options& options, const char* argv0) {
  MonkeyRun m{options, LocateGame(options.game, argv0), {}, {}, {}, {}, {}, 0};
  if (!m.game.error.empty()) {
    std::fprintf(stderr, "lumora: %s\n", m.game.error.c_str());
    return kExitUsage;
  }
  SanitizerDefaults();
  const auto started = std::chrono::steady_clock::now();
  m.program = fs::read_symlink("/proc/self/exe").string();
  char folder[] = "/tmp/lumora-monkey-XXXXXX";
  if (!mkdtemp(folder)) {
    std::fprintf(stderr, "lumora: cannot make a temporary folder\n");
    return kExitUsage;
  }
  m.work = folder;
  m.seedWord = std::to_string(options.monkeySeed) + ":" + std::to_string(options.monkeyActions);
  m.outPath = options.monkeyOut.empty() ? (m.work / "monkey.walk").string() : fs::absolute(options.monkeyOut).string();
  if (options.headless) m.common.push_back("--headless");
  if (options.web) m.common.push_back("--web");
  if (options.zoom) m.common.insert(m.common.end(), {"--zoom", std::to_string(options.zoom)});
  if (options.speak) m.common.push_back("--speak");

  std::vector<std::string> args = {"--monkey", options.monkey, "--monkey-out", m.outPath};
  args.insert(args.end(), m.common.begin(), m.common.end());
  args.push_back(CopyGame(m.game, m.work / "game"));
  const Outcome run = RunChild(m.program, args, (m.work / "errors.txt").string(), options.monkeyActions);
  std::error_code error;
  if (run.kind != Outcome::Done) {
    m.Report(run);
    fs::remove_all(m.work, error);
    return kExitMonkeyFound;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("lumora monkey %s on %s%s.ini: %d actions, every invariant held (%.1f s, %.1f s of CPU, peak %ld KB)\n",
              m.seedWord.c_str(), m.game.folder.c_str(), m.game.name.c_str(), run.step, seconds,
              CpuSecondsOfChildren(), PeakKilobytesOfChildren());
  fs::remove_all(m.work, error);
  return kExitDone;
}

}  // namespace lumora
