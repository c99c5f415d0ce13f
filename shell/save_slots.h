// Save slots: the saved game as it was at one moment, kept apart from the
// game's own files (which stay its single saved game) in the player's data
// folder for the game, each with a picture of the window, the place and the
// time. Saving and restoring happen between runs only.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace lumora {

class StateWriter;
struct TForm1;

struct SlotInfo {
  std::string id;     // the slot's folder name
  std::string name;   // Windows-1252; the player's, or "" for an automatic one
  std::string place;  // the position script (Posic) when it was saved
  int64_t time = 0;   // seconds since 1970, when it was saved
  bool automatic = false;  // kept before a restore; only the last three stay
  std::string picture;     // native path of its PNG, "" when it has none
};

// The game is loaded and no script runs (nor was one cut short by the
// program's end): what may happen only between runs can happen now.
bool Idle(const TForm1& f);

// The slots of the game, newest first. Slots still on their way to the disk
// count; an unfinished one (a kill while it was written) does not.
std::vector<SlotInfo> ListSlots(TForm1& f);

// The same for the slots folder of a game that is not loaded (the library's),
// with the writer's pending files when there is one.
std::vector<SlotInfo> ListSlotsIn(const std::string& slotsFolder, StateWriter* writer);
// A game's slots folder in its player's data folder ("" for "").
std::string SlotsFolderOf(const std::string& playerGameFolder);

// The slot with that id, or else the newest with that name; nullptr when none.
const SlotInfo* FindSlot(const std::vector<SlotInfo>& known, const std::string& idOrName);

// Saves the game as it is now into a new slot named `name` (Windows-1252) and
// returns its id; `replacing` names a slot it takes the place of, which goes
// once the new one is written. "" when nothing can be saved yet (the game is
// not loaded, a run is going on, no data folder). Tells the player through
// f.notice.
std::string SaveSlot(TForm1& f, const std::string& name, const std::string& replacing = {});

// Writes the slot's files back as the game's saved game, loads the game from
// them and runs its position script: the game resumes where the slot was made,
// without running "start". What was there before goes to an automatic slot
// first. False (and the player told) when the slot cannot be read.
bool RestoreSlot(TForm1& f, const std::string& id);

bool DeleteSlot(TForm1& f, const std::string& id);
bool RenameSlot(TForm1& f, const std::string& id, const std::string& name);

}  // namespace lumora
