// The monkey player: random actions drawn from what the player could do at each
// moment, checked after every one. `lumora --monkey SEED:N GAME` is the
// supervisor: it copies the game, plays it in a child process of the program
// (the same program, told by LUMORA_MONKEY_CHILD which pipe to report on),
// watches every step end in time, and on a failure replays prefixes of the
// actions in further children to find the shortest that reproduces it. The
// child generates the actions as walkthrough lines (written to the run's
// walkthrough file before each is given), so every run is also a walkthrough
// the driver replays, and checks the invariants after each.
#pragma once
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/walkthrough.h"

namespace lumora {

struct TForm1;
class MainWindow;

// The pipe a child reports on, from LUMORA_MONKEY_CHILD; -1 outside a child.
int MonkeyChildChannel();

// A child ends with this status when an invariant failed (its text reported first).
constexpr int kMonkeyInvariantStatus = 70;

// What the invariants say of the player at an idle moment: empty when they
// hold, else the first that fails, "NAME: details". Exited: the window has
// ended (only the saved game is checked then).
std::string CheckInvariants(TForm1& f, MainWindow& window, bool exited);

// The child's side: the actions (generated with --monkey, or the walkthrough
// of --play being replayed) and the checks after each.
class Monkey {
 public:
  Monkey(const Options& options, int channel);
  ~Monkey();
  // Opens the walkthrough file the generated actions go to.
  bool Open(std::string& error);
  // Appends the next action (a few lines: a move and its click, a slow click's
  // press, wait and release, an action and the "> " actions given while its
  // script runs) drawn from what the player could do now; false once N lines
  // are out, or when replaying.
  bool More(const TForm1& f, MainWindow& window, bool exited, std::vector<Action>& actions);
  // The invariants after an action; a failure is reported and ends the child.
  void Check(TForm1& f, MainWindow& window, bool exited, const Action& done);

  // The lines of one action drawn from the player's possibilities now.
  std::vector<std::string> Draw(const TForm1& f, MainWindow& window, bool exited);

 private:
  uint64_t Below(uint64_t n) { return n == 0 ? 0 : rng_() % n; }
  int Between(int lo, int hi) { return lo + static_cast<int>(Below(static_cast<uint64_t>(hi - lo + 1))); }
  bool Chance(int percent) { return Below(100) < static_cast<uint64_t>(percent); }
  void Report(const std::string& line);
  std::string Words(const TForm1& f);
  std::string Spot(const TForm1& f, MainWindow& window, bool inside);
  std::vector<std::string> ClickSomewhere(const TForm1& f, MainWindow& window, bool inside);
  std::vector<std::string> KeyAction();
  std::vector<std::string> OpeningAction(const TForm1& f, MainWindow& window, int width, int height);
  std::vector<std::string> DragAction(const TForm1& f, MainWindow& window, int width, int height);
  std::vector<std::string> RestartAction(MainWindow& window);
  const std::vector<std::string>& Phrases(const TForm1& f);

  bool generating_;
  int total_;
  int written_ = 0;
  int channel_;
  std::string outPath_;
  std::FILE* out_ = nullptr;
  std::mt19937_64 rng_;
  std::string phrasesPath_;
  std::vector<std::string> phrases_;  // the vocabulary's phrases, UTF-8
};

// The supervisor: plays options.monkeyActions actions on a copy of the game;
// kExitDone when every invariant held, kExitMonkeyFound with the shortest
// reproducing walkthrough written when one failed, kExitUsage for no game.
int RunMonkey(const Options& options, const char* argv0);

}  // namespace lumora
