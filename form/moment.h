// The player's undo: the model as it was before each of the player's last
// actions, and the actions taken back, to be done again.
#pragma once
#include <deque>
#include <memory>

namespace lumora {

struct TForm1;
struct Moment;  // the parts of the model a run can change

// Up to kUndoSteps moments back, newest last; what undo took back, newest last.
struct UndoHistory {
  UndoHistory();
  ~UndoHistory();
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;
  // Off until the game has left its opening screen: the opening's runs and a
  // restore start a history of their own.
  bool recording = false;
  int actionsTaken = 0;  // actions in progress whose moment is taken already (ActionMoment)
  std::deque<std::unique_ptr<Moment>> back, forward;
};

constexpr size_t kUndoSteps = 20;

// Before a run the player started: the model as it is now becomes the newest
// step back, and nothing is left to redo.
void RememberMoment(TForm1& f);
// An action that changes the model before the run it starts (a typed command
// clears the line and the text): its moment is taken first, while this lives,
// and the run takes none of its own.
class ActionMoment {
 public:
  explicit ActionMoment(TForm1& f);
  ~ActionMoment();
  ActionMoment(const ActionMoment&) = delete;
  ActionMoment& operator=(const ActionMoment&) = delete;

 private:
  TForm1& f_;
};

// Empties both ways (a game started or restored).
void ForgetMoments(TForm1& f);
// Puts the newest step back (or forward) in place of the model, keeping the
// model as it was for the other way. False when there is none.
bool TakeMomentBack(TForm1& f);
bool TakeMomentForward(TForm1& f);

}  // namespace lumora
