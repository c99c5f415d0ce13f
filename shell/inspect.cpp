// The inspector's edits and watches.
#include "shell/inspect.h"

#include <algorithm>

#include "core/paths.h"
#include "core/trace.h"
#include "form/form1.h"
#include "script/run_script.h"
#include "shell/save_slots.h"
#include "state/object_table.h"
#include "state/state_files.h"

namespace lumora {
namespace {

void Save(TForm1& f) { SaveRegistersAndObjects(f.writer, f.state, f.stateFolder, f.gameName); }

// The run the inspector starts is counted as an action whose moment is taken
// already, so the run takes none: the player's undo steps stay as they were,
// and nothing is left out of redo either.
class NoUndoStep {
 public:
  explicit NoUndoStep(TForm1& f) : f_(f) { ++f_.undo.actionsTaken; }
  ~NoUndoStep() { --f_.undo.actionsTaken; }
  NoUndoStep(const NoUndoStep&) = delete;
  NoUndoStep& operator=(const NoUndoStep&) = delete;

 private:
  TForm1& f_;
};

}  // namespace

bool InspectSetRegister(TForm1& f, int n, const std::string& text) {
  if (!Idle(f) || n < 0 || n > f.state.registerCount) return false;
  if (static_cast<size_t>(n) >= f.state.registers.size()) PadRegisters(f.state);
  f.state.registers[static_cast<size_t>(n)] = text;
  Save(f);
  return true;
}

bool InspectMoveObject(TForm1& f, const std::string& key, const std::string& place) {
  const std::string to = PlaceWord(place, f.Posic);
  const int at = FindObjectRecord(f.state, key);
  if (!Idle(f) || at < 0 || to.empty()) return false;
  f.state.objectTable[static_cast<size_t>(at + kLoc)] = to;
  Save(f);
  return true;
}

bool InspectGoTo(TForm1& f, const std::string& place) {
  if (!Idle(f) || place.empty() || !FileExists(f.gameFolder, place + ".scp")) return false;
  const NoUndoStep notAStep(f);
  f.Posic = place;
  f.Script = place;
  RunScript(f, f.Script);
  return true;
}

std::vector<PlacedObject> ObjectsByPlace(const GameState& state) {
  std::vector<PlacedObject> objects;
  const size_t count = static_cast<size_t>(ObjectCount(state));
  for (size_t k = 0; k < count; ++k) {
    const size_t at = k * kRecordLines;
    objects.push_back({state.objectTable[at + kLoc], state.objectTable[at + kKey], state.objectTable[at + kNom]});
  }
  std::stable_sort(objects.begin(), objects.end(),
                   [](const PlacedObject& a, const PlacedObject& b) { return a.place < b.place; });
  return objects;
}

// Opened while a script runs, it tells that run's changes since then.
RunWatch::RunWatch(TForm1& f) : f_(f), before_(f.state.registers) {
  f_.onOutermostRun = [this](bool started) { Told(started); };
}

RunWatch::~RunWatch() { f_.onOutermostRun = nullptr; }

void RunWatch::Told(bool started) {
  const StringList& now = f_.state.registers;
  if (started) {
    before_ = now;
    return;
  }
  changed_.clear();
  for (size_t n = 0; n < now.size(); ++n) {
    const bool was = n < before_.size();
    if (was ? now[n] != before_[n] : !now[n].empty()) changed_.push_back(static_cast<int>(n));
  }
  ++runs_;
}

TraceTail::TraceTail(size_t kept) : kept_(kept) {
  listener_ = AddTraceListener([this](std::string_view line) {
    ++seen_;
    if (kept_ == 0) return;
    if (lines_.size() == kept_) lines_.pop_front();
    lines_.push_back({TraceScript(), std::string(line)});
  });
}

TraceTail::~TraceTail() { RemoveTraceListener(listener_); }

}  // namespace lumora
