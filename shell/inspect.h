// The author's inspector, the engine's side: edits made between runs, which
// are no action of the player's (undo neither keeps nor loses a step for
// them), and what it watches while it is open: the registers each run
// changed, the last trace lines with their scripts.
#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "core/string_list.h"

namespace lumora {

struct GameState;
struct TForm1;

// Each does nothing and returns false while a script runs, before the game is
// loaded, or when the register, object or place does not exist. Texts are
// Windows-1252. What they change is saved as a run's end saves it.
//
// Register n (0 to the register count) holds text, as "reg=" would set it.
bool InspectSetRegister(TForm1& f, int n, const std::string& text);
// The object with that key is at place; the place words of the object
// commands ("jog", "loc", "@loc", "@pos") stand for what they stand there.
bool InspectMoveObject(TForm1& f, const std::string& key, const std::string& place);
// The player is at place: the position script and the current script become
// it and its script runs, as a restored game resumes (no "start"). Only places
// that have a script.
bool InspectGoTo(TForm1& f, const std::string& place);

// An object as the inspector lists it: its place first.
struct PlacedObject {
  std::string place, key, name;
};
// Every object of the table, grouped by place (places in order, "jog" among
// them), in table order within a place.
std::vector<PlacedObject> ObjectsByPlace(const GameState& state);

// While it lives, each outermost run's changes to the registers are told:
// the registers as the run found them are kept from its start to its end.
class RunWatch {
 public:
  explicit RunWatch(TForm1& f);
  ~RunWatch();
  RunWatch(const RunWatch&) = delete;
  RunWatch& operator=(const RunWatch&) = delete;
  // The registers the last finished outermost run changed, ascending (one
  // that only came into being, empty, is not a change).
  const std::vector<int>& Changed() const { return changed_; }
  // Outermost runs finished since it was made.
  uint64_t Runs() const { return runs_; }

 private:
  void Told(bool started);
  TForm1& f_;
  StringList before_;
  std::vector<int> changed_;
  uint64_t runs_ = 0;
};

// While it lives, the last `kept` trace lines, each with the script it came
// from (as the trace's script headings name it).
class TraceTail {
 public:
  struct Line {
    std::string script, text;  // Windows-1252
  };
  explicit TraceTail(size_t kept = 500);
  ~TraceTail();
  TraceTail(const TraceTail&) = delete;
  TraceTail& operator=(const TraceTail&) = delete;
  const std::deque<Line>& Lines() const { return lines_; }
  // Lines seen since it was made, the ones let go included.
  uint64_t Seen() const { return seen_; }

 private:
  size_t kept_;
  int listener_ = 0;
  std::deque<Line> lines_;
  uint64_t seen_ = 0;
};

}  // namespace lumora
